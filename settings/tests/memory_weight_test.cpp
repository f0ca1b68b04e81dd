// The weight calculator: weights worked out by hand, the rounding of the
// shown value, and entries it cannot compute from.
#include <gtest/gtest.h>

#include <string>

#include "memory_test_util.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

class Weight : public ::testing::Test {
 protected:
  void SetUp() override { Form_Load(f, dir.Text()); }
  void Enter(const std::string& material, const std::string& t, const std::string& w,
             const std::string& l) {
    f.Com(150).text = material;
    f.Com(151).text = t;
    f.Com(152).text = w;
    f.Com(153).text = l;
  }
  testing::TempFolder dir;
  Form f;
};

TEST_F(Weight, HandWorkedWeights) {
  struct Case {
    const char* material;
    const char* t;
    const char* w;
    const char* l;
    const char* shown;
  };
  const Case cases[] = {
      // 7.84 g/cm3 x 1.2 x 5 x 30 cm3 = 1411.2 g
      {"ｸﾛﾑ鋼:7.84:比重", "12", "50", "300", "1.41"},
      // 2.79 g/cm3 x 0.2 x 10 x 20 cm3 = 111.6 g
      {"ｼﾞｭﾗﾙﾐﾝ:2.79:比重", "2", "100", "200", "0.11"},
      // 7.2 g/cm3 x 1 x 10 x 10 cm3 = 720 g
      {"ねずみ鋳鉄:7.2:比重", "10", "100", "100", "0.72"},
      // 1.12 kg/m x 2 m; thickness and width are not read
      {"L3-25:1.12:ｍ", "", "", "2000", "2.24"},
      {"[100-50-5:9.36:ｍ", "abc", "", "1500", "14.04"},
      // exact halves go to the even digit
      {"x:1.25:ｍ", "", "", "100", "0.12"},
      {"x:1.25:ｍ", "", "", "300", "0.38"},
      // anything but exactly "比重" is a mass per metre
      {"x:2:比重 ", "", "", "1000", "2"},
      {"x:2:kg", "1", "1", "1000", "2"},
      {"x:2:比重:extra", "10", "100", "100", "0.2"},
      {"x:0.001:ｍ", "", "", "1", "0"},
      {"x: 3 :ｍ", "", "", " 1000 ", "3"},
  };
  for (const Case& c : cases) {
    Enter(c.material, c.t, c.w, c.l);
    Command13_Click(f);
    EXPECT_EQ(f.Lbl("La11").caption, c.shown) << c.material << " " << c.l;
  }
}

TEST_F(Weight, DefaultsGiveAWeight) {
  // [100-50-5 at 9.36 kg/m, 200 mm long.
  Command13_Click(f);
  EXPECT_EQ(f.Lbl("La11").caption, "1.87");
  EXPECT_EQ(f.MSG, "データを読み込みました");  // the button leaves the status line
  EXPECT_TRUE(f.pendingHistory.empty());
}

TEST_F(Weight, EntriesItCannotUseKeepTheLastWeight) {
  struct Case {
    const char* material;
    const char* t;
    const char* w;
    const char* l;
  };
  const Case cases[] = {
      {"SS400", "1", "1", "1"},           // no parts
      {"SS400:7.85", "1", "1", "1"},      // no unit
      {"", "1", "1", "1"},
      {"SS400:abc:比重", "1", "1", "1"},  // value not a number
      {"SS400::ｍ", "1", "1", "1"},
      {"SS400:7.85:比重", "", "1", "1"},  // dimension missing
      {"SS400:7.85:比重", "1", "1x", "1"},
      {"L:1.12:ｍ", "1", "1", ""},
      {"L:1e308:ｍ", "", "", "1e308"},    // no finite weight
  };
  for (const Case& c : cases) {
    f.Lbl("La11").caption = "9.99";
    f.MSG = "";
    Enter(c.material, c.t, c.w, c.l);
    const std::size_t rows = f.Com(150).items.size();
    Command13_Click(f);
    EXPECT_EQ(f.Lbl("La11").caption, "9.99") << c.material;
    EXPECT_FALSE(f.MSG.empty()) << c.material;
    EXPECT_EQ(f.Com(150).items.size(), rows) << c.material;
  }
  EXPECT_TRUE(f.pendingHistory.empty());
}

TEST_F(Weight, TypedMaterialIsRememberedOnce) {
  Enter("SS400:7.85:比重", "10", "100", "200");
  Command13_Click(f);
  Command13_Click(f);
  EXPECT_EQ(f.Lbl("La11").caption, "1.57");  // 1570 g
  EXPECT_EQ(f.pendingHistory, "150 SS400:7.85:比重\r\n");
  EXPECT_GE(f.Com(150).Find("SS400:7.85:比重"), 0);
  // Typed dimensions join their lists for the run but are never written.
  EXPECT_GE(f.Com(151).Find("10"), 0);
  EXPECT_EQ(f.Com(151).items.back(), "10");
}

}  // namespace
}  // namespace mokrav
