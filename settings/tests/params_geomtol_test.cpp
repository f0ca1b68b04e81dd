// The geometric-tolerance tab's draw button, its parameter file
// "mokrav3.jyd" and the datum preview.
#include <string>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

const char* kDone = "幾何公差記号データを出力しました";

using GeomTolTest = DrawTest;

TEST_F(GeomTolTest, DefaultsAfterStartUp) {
  CO2_Click(f_);
  EXPECT_EQ(Bytes("mokrav3.jyd"), "4 2 2 4 1 2 A \x81}0.001 +0.03 +0.03 0 -- -- 3 15\r\n");
  EXPECT_EQ(f_.MSG, kDone);
  EXPECT_EQ(f_.Lbl("La1").caption, "A");
  EXPECT_EQ(f_.Lbl("La2").caption, "A");
  EXPECT_EQ(f_.pendingHistory, "");
}

TEST_F(GeomTolTest, EmptyBoxesAndEveryOption) {
  for (int n : {34, 35, 36}) f_.Com(n).text = "";
  CO2_Click(f_);
  EXPECT_EQ(Bytes("mokrav3.jyd"), "4 2 2 4 1 2 A - - - 0 -- -- 3 15\r\n");
  for (int k = 0; k < 14; ++k) {
    f_.Option("C5").selected = k;
    CO2_Click(f_);
    EXPECT_EQ(Bytes("mokrav3.jyd"),
              "4 2 2 4 " + std::to_string(k + 1) + " 2 A - - - 0 -- -- 3 15\r\n");
  }
  f_.Option("C5").selected = 0;
  f_.Option("C6").selected = 0;  // one value: the limits are written all the same
  f_.Com(35).text = "+0.05";
  CO2_Click(f_);
  EXPECT_EQ(Bytes("mokrav3.jyd"), "4 2 2 4 1 1 A - +0.05 - 0 -- -- 3 15\r\n");
}

TEST_F(GeomTolTest, FieldsReadAtTheClick) {
  f_.Com(1).text = "5";
  f_.Com(2).text = "6";
  f_.Com(3).text = "7";
  f_.Com(4).text = "1";
  f_.Com(72).text = "B";
  f_.Com(34).text = "±0.5";
  f_.Com(35).text = "+0.1";
  f_.Com(36).text = "-0.1";
  f_.Check("A1").ticked = true;
  f_.Com(65).text = "C";
  f_.Com(64).text = "D";
  f_.Com(59).text = "9";
  f_.Com(60).text = "30";
  CO2_Click(f_);
  EXPECT_EQ(Bytes("mokrav3.jyd"), Line("5 6 7 1 1 2 B ±0.5 +0.1 -0.1 1 C D 9 30"));
  EXPECT_EQ(f_.Lbl("La1").caption, "B");
  EXPECT_EQ(f_.Lbl("La2").caption, "B");
}

TEST_F(GeomTolTest, EmptyDatumEmptiesThePreview) {
  f_.Com(72).text = "";
  CO2_Click(f_);
  EXPECT_EQ(Bytes("mokrav3.jyd"), Line("4 2 2 4 1 2 - ±0.001 +0.03 +0.03 0 -- -- 3 15"));
  EXPECT_EQ(f_.Lbl("La1").caption, "");
  EXPECT_EQ(f_.Lbl("La2").caption, "");
}

TEST_F(GeomTolTest, FailedWriteStillShowsTheDatum) {
  f_.Com(54).text = (dir_ / "missing" / "").string();
  f_.Com(72).text = "QQ";
  CO2_Click(f_);
  EXPECT_EQ(f_.Lbl("La1").caption, "QQ");
  EXPECT_EQ(f_.Lbl("La2").caption, "QQ");
  EXPECT_EQ(f_.MSG, std::string(params::kWriteFailed) + f_.Com(54).text + "mokrav3.jyd" + "（フォルダがありません）");
  EXPECT_EQ(f_.pendingHistory, "");
  EXPECT_LT(f_.Com(72).Find("QQ"), 0);
}

TEST_F(GeomTolTest, RememberStepsInTheirOrder) {
  f_.Com(72).text = "DA";
  f_.Com(36).text = "-0.7";
  f_.Com(35).text = "+0.7";
  f_.Com(34).text = "±0.7";
  CO2_Click(f_);
  EXPECT_EQ(f_.pendingHistory, "34 ±0.7\r\n35 +0.7\r\n36 -0.7\r\n72 DA\r\n");
  EXPECT_GE(f_.Com(72).Find("DA"), 0);
  CO2_Click(f_);
  EXPECT_EQ(f_.pendingHistory, "34 ±0.7\r\n35 +0.7\r\n36 -0.7\r\n72 DA\r\n");
}

}  // namespace
}  // namespace mokrav::testing
