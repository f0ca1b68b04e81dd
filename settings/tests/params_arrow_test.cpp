// The settings tab's arrow length and angle (Com59, Com60) reach the
// welding, geometric-tolerance, leader-note and fit-tolerance files as the
// numbers their tools draw the arrow from: a box that holds no number makes
// each of the four draw buttons refuse, writing and remembering nothing.
#include <string>

#include "settings/tests/params_frame_util.h"

namespace mokrav::testing {
namespace {

class SharedArrowTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    Put("公差.dat", "H6/0/+0.006/0\r\nH6/3/+0.006/0\r\n");  // the fit-tolerance tab's start-up class
  }
};

const struct {
  const char* button;
  const char* file;
  const char* done;
  int newBox;  // a box whose new entry a completed click would remember
} kTabs[] = {
    {"Co32", "mokrav1.jyd", "溶接記号データを出力しました", 42},
    {"CO2", "mokrav3.jyd", "幾何公差記号データを出力しました", 34},
    {"Command2", "mokrav5.jyd", "引出文字作図データを出力しました", 11},
    {"Command4", "mokrav6.jyd", "公差記号作図データを出力しました", 47},
};

TEST_F(SharedArrowTest, EveryTabRefusesAnArrowThatIsNoNumber) {
  const struct {
    const char* length;
    const char* angle;
    const char* msg;
  } rows[] = {
      {"", "15", params::kNoArrowLength},    {"3", "", params::kNoArrowAngle},
      {"3mm", "15", params::kNoArrowLength}, {"3", "15°", params::kNoArrowAngle},
      {"３", "15", params::kNoArrowLength},  {"", "", params::kNoArrowLength},
  };
  for (const auto& tab : kTabs) {
    f_.pendingHistory.clear();  // the last tab's completed click
    for (const auto& row : rows) {
      SCOPED_TRACE(std::string(tab.button) + " " + row.length + "|" + row.angle);
      f_.Com(59).text = row.length;
      f_.Com(60).text = row.angle;
      f_.Com(tab.newBox).text = "0.7";
      ASSERT_TRUE(Click(f_, tab.button));
      EXPECT_EQ(f_.MSG, row.msg);
      EXPECT_EQ(Bytes(tab.file), "<missing>");
      EXPECT_EQ(f_.pendingHistory, "");
    }
    f_.Com(59).text = "2.5";
    f_.Com(60).text = "-20";
    ASSERT_TRUE(Click(f_, tab.button));
    EXPECT_EQ(f_.MSG, tab.done);
    EXPECT_NE(Bytes(tab.file).find(" 2.5 -20"), std::string::npos) << tab.file;
  }
}

// The leader note's dot writes "0" for both, so the boxes are not read.
TEST_F(SharedArrowTest, TheDotNeedsNoArrow) {
  f_.Com(59).text = "";
  f_.Com(60).text = "x";
  f_.Check("H52").ticked = true;
  Command2_Click(f_);
  EXPECT_EQ(f_.MSG, "引出文字作図データを出力しました");
  EXPECT_EQ(Bytes("mokrav5.jyd"), "4 4 1 M3 - 0 -- -- 0 0\r\n");
}

}  // namespace
}  // namespace mokrav::testing
