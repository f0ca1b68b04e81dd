// The title-block tab's draw button and its parameter file "mokrav8.jyd".
#include <string>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

const char* kDone = "図枠欄作図データを出力しました";

class TitleBlockTest : public DrawTest {
 protected:
  std::string Written() const {
    std::string bytes = Bytes("mokrav8.jyd");
    return bytes == "<missing>" ? bytes : platform::FromCp932(bytes);
  }
};

TEST_F(TitleBlockTest, EachCellKindWithItsOwnBoxes) {
  // Start-up texts: each kind's box holds its cell name; "中央" is set.
  const char* want[] = {
      "1 4 -- 品名（上段） 品名（下段） 2\r\n", "2 10 -- 図番 - 2\r\n", "3 3 -- 尺度 - 2\r\n",
      "4 3 -- 設計者名 日付 2\r\n",           "5 3 -- ＳＣＡ - 2\r\n",
  };
  for (int kind = 0; kind < 5; ++kind) {
    f_.Option("C91").selected = kind;
    f_.MSG = "前の表示";
    Command11_Click(f_);
    EXPECT_EQ(f_.MSG, kDone);
    EXPECT_EQ(Written(), want[kind]);
  }
  // Another kind's boxes do not leak in.
  f_.Com(91).text = "9";
  f_.Com(96).text = "C";
  f_.Com(102).text = "下";
  f_.Option("C91").selected = 1;
  f_.Com(97).text = "7";
  f_.Com(103).text = "A-1234";
  Command11_Click(f_);
  EXPECT_EQ(Written(), "2 10 7 A-1234 - 2\r\n");
}

TEST_F(TitleBlockTest, EmptyTextsAndAlignment) {
  f_.Com(101).text = "";
  f_.Com(102).text = "";
  f_.Option("C92").selected = 0;
  Command11_Click(f_);
  EXPECT_EQ(Written(), "1 4 --  - 1\r\n");

  f_.Option("C91").selected = 3;
  f_.Com(105).text = "";
  f_.Com(106).text = "";
  f_.Option("C92").selected = 1;
  Command11_Click(f_);
  EXPECT_EQ(Written(), "4 3 -- - - 2\r\n");

  f_.Option("C91").selected = 2;
  f_.Com(104).text = "";
  f_.Option("C92").selected = 2;
  Command11_Click(f_);
  EXPECT_EQ(Written(), "3 3 --  - 3\r\n");

  f_.Option("C91").selected = 4;
  f_.Com(107).text = "";
  Command11_Click(f_);
  EXPECT_EQ(Written(), "5 3 --  - 3\r\n");
}

TEST_F(TitleBlockTest, QuotedWeight) {
  f_.Option("C91").selected = 4;
  f_.Com(107).text = "焼入れ";
  Command11_Click(f_);
  EXPECT_EQ(Written(), "5 3 -- 焼入れ - 2\r\n");

  // Before any calculation the label shows its own caption.
  f_.Check("H91").ticked = true;
  Command11_Click(f_);
  EXPECT_EQ(Written(), "5 3 -- 重量 - 2\r\n");

  // After a calculation it is the weight the calculator shows.
  Command13_Click(f_);
  const std::string weight = f_.Lbl("La11").caption;
  ASSERT_NE(weight, "重量");
  Command11_Click(f_);
  EXPECT_EQ(Written(), "5 3 -- " + weight + " - 2\r\n");
  EXPECT_EQ(f_.MSG, kDone);
}

TEST_F(TitleBlockTest, RememberStepsAndTheUnkeyedBox) {
  f_.Com(101).text = "軸受ケース";
  f_.Com(106).text = "2026/12/08";
  f_.Com(104).text = "1/10";
  Command11_Click(f_);
  EXPECT_EQ(f_.pendingHistory, "101 軸受ケース\r\n104 1/10\r\n");
  EXPECT_GE(f_.Com(106).Find("2026/12/08"), 0);  // joined its list only
}

// Com106 is never queued for the memory file, so a text the file could not
// hold stops the click only where the text reaches the record (kind 4).
TEST_F(TitleBlockTest, UnkeyedBoxOutsideTheRecordStopsNothing) {
  f_.Com(106).text = "日付😀";
  Command11_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(Written(), "1 4 -- 品名（上段） 品名（下段） 2\r\n");
  EXPECT_EQ(f_.pendingHistory, "");

  std::filesystem::remove(dir_ / "mokrav8.jyd");
  f_.Com(106).text = "日付🙂";
  f_.Option("C91").selected = 3;
  Command11_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kUnencodableRefused) + "「🙂」");
  EXPECT_EQ(Written(), "<missing>");
}

TEST_F(TitleBlockTest, StatusKeptOnAFailedWrite) {
  f_.Com(101).text = "新品名";
  f_.Com(54).text = (dir_ / "missing" / "").string();
  Command11_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + "mokrav8.jyd" + "（フォルダがありません）");
  EXPECT_EQ(f_.pendingHistory, "");

  f_.Com(54).text = dir_.string() + "/";
  f_.Com(101).text = "品名 A,B";
  Command11_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kCommaRefused) + "「品名 A,B」");
  EXPECT_EQ(Written(), "<missing>");
}

}  // namespace
}  // namespace mokrav::testing
