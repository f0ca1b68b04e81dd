// The fit-tolerance tab's draw button: the record of "mokrav6.jyd" and the
// rows it copies from the tolerance table "公差.dat" in the host folder.
#include <string>

#include "platform/textfile.h"
#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

const char* kDone = "公差記号作図データを出力しました";

// Start-up state of the tab with the class field and the kind left open.
std::string Record(const std::string& fitClass, const std::string& kind,
                   const std::string& own = "0") {
  return "4 4 0 0 0.1 1.0 0.2 3 N 3 3 " + fitClass + " 2 " + kind + " -- -- 3 15 0 " + own +
         " -- -- --";
}

class ToleranceTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    // Rows of four classes, an empty line, a row whose class has a trailing
    // blank, rows without a class, a line cut in two by a comma and rows in
    // the single-value form.
    Put("公差.dat", platform::ToCp932(
                        "H7/0/+0.010/0\r\n"
                        "H7/3/+0.010/0\r\n"
                        "h7/3/0/-0.010\r\n"
                        "\r\n"
                        "H7 /6/x/y\r\n"
                        "H7/6/+0.012/0\r\n"
                        "/5/+0.1/-0.1\r\n"
                        "A,H7/10/+0.015/0\r\n"
                        "JS7/10/ /±0.007\r\n"
                        "h7/6/0/-0.012\r\n"
                        "JS7/18/ /±0.009\r\n"
                        "G7/0/+0.012/+0.002\r\n"
                        "G7/3/+0.012/+0.002\r\n"
                        "/9/+0.2/-0.2\r\n"));
  }
  std::string Written() const {
    std::string bytes = Bytes("mokrav6.jyd");
    return bytes == "<missing>" ? bytes : platform::FromCp932(bytes);
  }
};

TEST_F(ToleranceTest, HoleAndShaftClassesCopyTheirRows) {
  f_.Com(52).text = "H7";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(Written(), Record("H7", "1") +
                           "\r\nH7/0/+0.010/0\r\nH7/3/+0.010/0\r\nH7/6/+0.012/0\r\n"
                           "H7/10/+0.015/0\r\n\r\n");

  f_.Option("C61").selected = 1;
  f_.Com(53).text = "h7";
  Command4_Click(f_);
  EXPECT_EQ(Written(), Record("h7", "2") + "\r\nh7/3/0/-0.010\r\nh7/6/0/-0.012\r\n\r\n");

  f_.Option("C61").selected = 0;
  f_.Com(52).text = "JS7";
  Command4_Click(f_);
  EXPECT_EQ(Written(), Record("JS7", "1") + "\r\nJS7/10/ /±0.007\r\nJS7/18/ /±0.009\r\n\r\n");
}

// The tool takes the deviations of the measured size from between two rows
// of the class: a hole or shaft fit whose class has fewer rows would be
// written and then not drawn, so nothing is written and nothing remembered.
TEST_F(ToleranceTest, ClassWithoutSizeRangesIsRefused) {
  const std::string table = f_.Com(54).text + "公差.dat";
  const struct {
    int kind;
    const char* fitClass;
    std::string message;
  } rows[] = {
      {0, "H6", "「H6」の寸法区分が公差表ファイルにありません：" + table},  // the start-up class
      {0, "--", "「--」の寸法区分が公差表ファイルにありません：" + table},
      // Outer blanks are no part of the class; the case is.
      {0, " js7 ", "「js7」の寸法区分が公差表ファイルにありません：" + table},
      {0, "js7", "「js7」の寸法区分が公差表ファイルにありません：" + table},  // case matters
      {0, "", "穴公差が入力されていません"},
      {1, "", "軸公差が入力されていません"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.fitClass);
    f_.Option("C61").selected = row.kind;
    f_.Com(row.kind == 0 ? 52 : 53).text = row.fitClass;
    f_.Com(70).text = "+0.3";  // would be remembered by a completed click
    Command4_Click(f_);
    EXPECT_EQ(f_.MSG, row.message);
    EXPECT_EQ(Written(), "<missing>");
    EXPECT_EQ(f_.pendingHistory, "");
  }
  // One row only opens a range; a class with two draws.
  Put("公差.dat", "K6/3/+0.002/-0.006\r\n");
  f_.Option("C61").selected = 0;
  f_.Com(52).text = "K6";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, "「K6」の寸法区分が公差表ファイルにありません：" + table);
  Put("公差.dat", "K6/3/+0.002/-0.006\r\nK6/6/+0.002/-0.007\r\n");
  f_.Com(70).text = "";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(Written(), Record("K6", "1") + "\r\nK6/3/+0.002/-0.006\r\nK6/6/+0.002/-0.007\r\n\r\n");
}

// The tool reads the gaps and offsets and the settings tab's arrow as
// numbers; an empty gap or offset is written "0".
TEST_F(ToleranceTest, EntriesTheToolReadsAsNumbers) {
  f_.Com(52).text = "H7";
  const struct {
    int box;
    const char* text;
    std::string message;
  } rows[] = {
      {47, "0.1mm", std::string(params::kNotANumber) + "「0.1mm」"},
      {48, "１", std::string(params::kNotANumber) + "「１」"},
      {49, "0.5.", std::string(params::kNotANumber) + "「0.5.」"},
      {51, "-", std::string(params::kNotANumber) + "「-」"},
      {59, "", params::kNoArrowLength},
      {59, "3mm", params::kNoArrowLength},
      {60, "", params::kNoArrowAngle},
      {60, "15°", params::kNoArrowAngle},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const std::string kept = f_.Com(row.box).text;
    f_.Com(row.box).text = row.text;
    Command4_Click(f_);
    EXPECT_EQ(f_.MSG, row.message);
    EXPECT_EQ(Written(), "<missing>");
    EXPECT_EQ(f_.pendingHistory, "");
    f_.Com(row.box).text = kept;
  }
  f_.Com(47).text = "";
  f_.Com(51).text = "1e-1";
  f_.Com(59).text = "2.5";
  f_.Com(60).text = "-20";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(Written().substr(0, 49), "4 4 0 0 0 1.0 0.2 3 N 1e-1 3 H7 2 1 -- -- 2.5 -20");
}

TEST_F(ToleranceTest, NoToleranceAndOwnDeviations) {
  f_.Option("C61").selected = 2;
  Command4_Click(f_);
  EXPECT_EQ(Written(), Record("z", "3") + "\r\n\r\n");
  f_.Check("H66").ticked = true;
  Command4_Click(f_);
  EXPECT_EQ(Written(), Record("Z", "3") + "\r\n\r\n");

  // Own deviations: an empty class, which copies the rows without a class.
  f_.Option("C61").selected = 3;
  f_.Com(70).text = "+0.02";
  f_.Com(71).text = "-0.01";
  Command4_Click(f_);
  EXPECT_EQ(Written(),
            "4 4 0 0 0.1 1.0 0.2 3 N 3 3  2 4 -- -- 3 15 0 1 +0.02 -0.01 --\r\n/5/+0.1/-0.1\r\n"
            "/9/+0.2/-0.2\r\n\r\n");

  // The hole kind with an empty class draws nothing, whatever the table.
  f_.Option("C61").selected = 0;
  f_.Com(52).text = "";
  f_.Com(70).text = "";
  f_.Com(71).text = "";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, "穴公差が入力されていません");
}

TEST_F(ToleranceTest, OtherFieldsAndTheQuotedNote) {
  f_.Com(44).text = "6";
  f_.Com(46).text = "8";
  f_.Check("H61").ticked = true;
  f_.Com(47).text = "";
  f_.Com(48).text = "";
  f_.Com(49).text = "";
  f_.Com(50).text = "1";
  f_.Check("H62").ticked = true;
  f_.Com(51).text = "";
  f_.Com(45).text = "3";
  f_.Com(69).text = "1";
  f_.Com(68).text = "B";
  f_.Com(59).text = "5";
  f_.Com(60).text = "30";
  f_.Check("H65").ticked = true;
  f_.Check("H67").ticked = true;
  f_.Com(14).text = "";
  f_.Com(52).text = "G7";
  Command4_Click(f_);
  const std::string rows = "G7/0/+0.012/+0.002\r\nG7/3/+0.012/+0.002\r\n\r\n";
  EXPECT_EQ(Written(), "6 8 1 0 0 0 0 1 Φ 0 3 G7 3 1 1 B 5 30 1 0 -- -- --\r\n" + rows);

  f_.Com(14).text = "（深さ１５）";
  Command4_Click(f_);
  EXPECT_EQ(Written(), "6 8 1 0 0 0 0 1 Φ 0 3 G7 3 1 1 B 5 30 1 0 -- -- （深さ１５）\r\n" + rows);
  f_.Check("H67").ticked = false;
  Command4_Click(f_);
  EXPECT_EQ(Written(), "6 8 1 0 0 0 0 1 Φ 0 3 G7 3 1 1 B 5 30 1 0 -- -- --\r\n" + rows);
}

TEST_F(ToleranceTest, WithoutTableNothingIsWrittenForAnyKind) {
  Command4_Click(f_);
  const std::string before = Bytes("mokrav6.jyd");
  std::filesystem::remove(dir_ / "公差.dat");
  f_.Com(47).text = "0.75";  // would be remembered by a completed click
  for (int kind = 0; kind < 4; ++kind) {
    f_.Option("C61").selected = kind;
    Command4_Click(f_);
    EXPECT_EQ(f_.MSG, "公差表ファイルがありません：" + f_.Com(54).text + "公差.dat");
    EXPECT_EQ(Bytes("mokrav6.jyd"), before);
  }
  EXPECT_EQ(f_.pendingHistory, "");
  EXPECT_LT(f_.Com(47).Find("0.75"), 0);
}

// Typed without its closing separator, the host folder is still where the
// table is read from and the file written to, and the message names them so.
TEST_F(ToleranceTest, FolderWithoutClosingSeparatorHoldsTheTable) {
  f_.Com(54).text = dir_.string();
  f_.Com(52).text = "G7";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(Written(), Record("G7", "1") + "\r\nG7/0/+0.012/+0.002\r\nG7/3/+0.012/+0.002\r\n\r\n");
  std::filesystem::remove(dir_ / "公差.dat");
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, "公差表ファイルがありません：" + dir_.string() + "/公差.dat");
}

TEST_F(ToleranceTest, UnreadableTableSaysSo) {
  std::filesystem::remove(dir_ / "公差.dat");
  std::filesystem::create_directory(dir_ / "公差.dat");
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, "公差表ファイルを読み込めません：" + f_.Com(54).text + "公差.dat" +
                       "（同じ名前のフォルダがあります）");
  EXPECT_EQ(Bytes("mokrav6.jyd"), "<missing>");
}

TEST_F(ToleranceTest, TableOfMoreThan5000RowsIsRefused) {
  std::string rows;
  for (int k = 0; k < 5000; ++k) rows += "X/1/0/0\r\n";
  Put("公差.dat", rows + "\r\n\r\n");  // empty lines do not count
  f_.Com(52).text = "X";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  Put("公差.dat", rows + "X/2/0/0\r\n");
  std::filesystem::remove(dir_ / "mokrav6.jyd");
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, "公差表ファイルの行が多すぎます（5000行まで）：" + f_.Com(54).text + "公差.dat");
  EXPECT_EQ(Bytes("mokrav6.jyd"), "<missing>");
}

TEST_F(ToleranceTest, RemembersTheEightBoxesWhateverTheKind) {
  f_.Option("C61").selected = 2;
  f_.Com(47).text = "0.05";
  f_.Com(48).text = "2";
  f_.Com(49).text = "0.25";
  f_.Com(51).text = "2.5";
  f_.Com(52).text = "H11";
  f_.Com(53).text = "h11";
  f_.Com(70).text = "+0.3";
  f_.Com(71).text = "-0.3";
  Command4_Click(f_);
  EXPECT_EQ(f_.pendingHistory,
            "47 0.05\r\n48 2\r\n49 0.25\r\n51 2.5\r\n52 H11\r\n53 h11\r\n70 +0.3\r\n71 -0.3\r\n");
}

TEST_F(ToleranceTest, NoteWithACommaIsRefused) {
  f_.Com(52).text = "H7";
  f_.Check("H67").ticked = true;
  f_.Com(14).text = "深さ,15";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, std::string(params::kCommaRefused) + "「深さ,15」");
  EXPECT_EQ(Bytes("mokrav6.jyd"), "<missing>");
}

TEST_F(ToleranceTest, ShippedTableRowsReachTheFile) {
  const std::filesystem::path shipped =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "公差.dat";
  std::ifstream in(shipped, std::ios::binary);
  ASSERT_TRUE(in) << shipped;
  const std::string table((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Put("公差.dat", table);
  f_.Com(52).text = "H7";
  Command4_Click(f_);
  EXPECT_EQ(f_.MSG, kDone);
  std::string rows;
  for (const std::string& line : platform::SplitLines(platform::FromCp932(table)))
    if (line.rfind("H7/", 0) == 0) rows += line + "\r\n";
  EXPECT_EQ(Written(), Record("H7", "1") + "\r\n" + rows + "\r\n");
  EXPECT_NE(rows.find("H7/30/+0.021/0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace mokrav::testing
