// Start-up of the settings window: the built-in lists, the row each box
// opens with, remembered entries in front of or merged with the built-in
// rows, and the status line.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "settings/form.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

using Rows = std::vector<std::string>;

// A start-up folder of its own, holding the given memory file.
class StartFolder {
 public:
  explicit StartFolder(const std::string& memoryUtf8) {
    static int serial = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("mokrav_model_" +
             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
             "_" + std::to_string(serial++));
    std::filesystem::create_directories(path_);
    std::ofstream out(path_ / "mokrav.mfg", std::ios::binary);
    out << platform::ToCp932(memoryUtf8);
  }
  ~StartFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Text() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

Form Started(const std::string& memory = "") {
  StartFolder dir(memory);
  Form f;
  Form_Load(f, dir.Text());
  EXPECT_EQ(f.startFolder, dir.Text());
  return f;
}

Rows Numbers(int from, int to) {
  Rows r;
  for (int i = from; i <= to; ++i) r.push_back(std::to_string(i));
  return r;
}

struct Expected {
  int box;
  Rows items;       // as the box holds them after start-up
  std::string text; // "" for the boxes without a default
};

const Rows kLayers = {"--", "0", "1", "2", "3", "4", "5", "6", "7",
                      "8",  "9", "A", "B", "C", "D", "E", "F"};

TEST(StartUp, EveryBoxHoldsItsRowsAndOpensWithItsDefault) {
  Form f = Started();
  const Rows plus = {"+0.001", "+0.005", "+0.01", "+0.02", "+0.03", "+0.04", "+0.05",
                     "+0.06",  "+0.07",  "+0.08", "+0.09", "+0.1",  "+0.2",  "+0.5"};
  const Rows minus = {"-0.001", "-0.005", "-0.01", "-0.02", "-0.03", "-0.04", "-0.05",
                      "-0.06",  "-0.07",  "-0.08", "-0.09", "-0.1",  "-0.2",  "-0.5"};
  Rows limits = plus;
  limits.insert(limits.end(), minus.begin(), minus.end());
  const Rows letters = {"A", "B", "C", "D", "E", "A'", "B'", "C'", "D'", "E'",
                        "Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ"};
  const Rows contours = {"無し　　　:0", "－（平ら）:1", "∧（凸）　:2", "∨（凹み）:3"};
  const Rows depths = {"1", "2", "3", "4", "5", "6", "①", "③", "⑤", "⑦", "⑧"};
  const Rows finishes = {"C:ﾁｯﾋﾟﾝｸﾞ", "G:研削", "M:切削", "F:無指定"};
  const Rows angles = {"15°", "20°", "25°", "30°", "35°", "40°",
                       "45°", "50°", "55°", "60°", "75°", "90°"};

  const std::vector<Expected> expected = {
      {1, Numbers(1, 10), "4"},   {2, Numbers(1, 10), "2"},    {7, Numbers(1, 10), "3"},
      {92, Numbers(1, 10), "10"}, {95, Numbers(1, 10), "3"},   {4, Numbers(1, 7), "4"},
      {10, Numbers(1, 7), "4"},   {17, Numbers(1, 8), "2"},    {18, Numbers(1, 8), "1"},
      {22, Numbers(1, 8), "5"},   {77, Numbers(1, 8), "3"},    {81, Numbers(1, 8), "1"},
      {46, Numbers(1, 8), "4"},   {51, Numbers(1, 8), "3"},    {50, Numbers(0, 8), "3"},
      {23, {"４箇所", "右千鳥", "左千鳥", "上下", "左右", "中心"}, "４箇所"},
      {24, {"中心振分け", "右方向に配置", "左方向に配置"}, "右方向に配置"},
      {29, Numbers(1, 20), "5"},
      {38, angles, ""},           {39, angles, ""},
      {55, kLayers, "--"},        {100, kLayers, "--"},
      // Leader text.
      {11, Numbers(1, 20), ""},   {15, Numbers(1, 20), "1"},   {16, Numbers(8, 16), "10"},
      {13, {"キリ穴", "リーマ穴", "皿ネモミ"}, ""},
      {14, {"（深さ１５）", "（深さ２０）"}, ""},
      {40, {}, ""},
      // Holes and threads.
      {25, {"10", "15", "20", "25", "30", "35", "40", "45"}, "30"},
      {26, {"10", "15", "20", "25", "30", "35", "40", "45"}, "30"},
      {28, {"4", "5", "6", "8", "9", "10", "11", "12", "13", "14", "15", "16", "20", "25",
            "30", "35", "40", "45", "50"}, "4"},
      // Surface finish.
      {30, {"BR:ﾌﾞﾛｰﾁ", "DR:ﾘｰﾏ仕上", "GBL:ﾍﾞﾙﾄ研削", "GCL:心無研削", "GCN:ｾﾝﾀ穴研削",
            "GCO:倣い研削", "GCT:研削切断", "GE:円筒研削", "GH:ﾎｰﾆﾝｸﾞ", "GI:内面研削",
            "GL:ﾗｯﾋﾟﾝｸﾞ", "GS:平面研削", "GSP:超仕上", "GT:歯車研削", "GTH:ﾈｼﾞ研削", "L:旋削",
            "M:ﾌﾗｲｽ削り", "MCO:倣いﾌﾗｲｽ", "MFC:正面ﾌﾗｲｽ", "MP:平ﾌﾗｲｽ", "P:平削り", "SH:形削り",
            "SL:立削り"}, ""},
      {31, {"=0.4", "=12.5", "=2.5", "=25", "Rmax=0.4", "Rmax=2.5", "λc=2.5"}, ""},
      {32, {"1.6", "12.5", "25", "3.2", "6.3", "G"}, "12.5"},
      {33, {"1.6", "12.5", "25", "3.2", "6.3", "G"}, "25"},
      // Geometric tolerance: both limit boxes open with "+0.03".
      {35, limits, "+0.03"},      {36, limits, "+0.03"},
      // Welding.
      {37, {"r=12:ﾙｰﾄ半径", "r=6:ﾙｰﾄ半径", "WA:ｱｰｸ溶接", "WB:ろう付け", "WG:ガス溶接",
            "WR:抵抗溶接", "WS:半田付け", "ｱﾌﾟｾｯﾄ溶接", "ｼｰﾑ溶接", "ﾌﾗｯｼｭ溶接",
            "ﾌﾟﾛｼﾞｪｸｼｮﾝ溶接", "へこみ２", "摩擦溶接"}, ""},
      {42, {"30(2)-100", "50(3)-150", "50(3)-250", "50(5)-200"}, ""},
      {155, contours, ""},        {156, contours, ""},
      {157, depths, ""},          {158, depths, ""},
      {159, Numbers(0, 6), ""},   {160, Numbers(0, 6), ""},
      {161, finishes, ""},        {162, finishes, ""},
      // Shaft and hole tolerances.
      {47, {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"}, "0.1"},
      {53, {"b9", "c9", "d8", "d9", "e7", "e8", "e9", "f6", "f7", "f8", "g5", "g6", "h5", "h6",
            "h7", "h8", "h9", "js5", "js6", "js7", "k5", "k6", "m5", "m6", "n6", "p6", "r6",
            "s6", "t6", "u6", "x6"}, "h6"},
      // The "+" rows sort before the "±" rows, the "-" rows come last.
      {71, {"+0.01", "+0.02", "+0.03", "+0.04", "+0.05", "+0.06", "+0.07", "+0.08", "+0.09",
            "+0.1", "+0.2", "+0.5", "±0.01", "±0.02", "±0.03", "±0.04", "±0.05", "±0.06",
            "-0.001", "-0.005", "-0.01", "-0.02", "-0.03", "-0.04", "-0.05", "-0.06", "-0.07",
            "-0.08", "-0.09", "-0.1", "-0.2", "-0.5"}, ""},
      // Section.
      {83, letters, "A"}, {84, letters, "B"}, {85, letters, "C"}, {86, letters, "D"},
      {87, Numbers(1, 5), "3"}, {88, {"5", "10", "15", "20", "25"}, "15"},
      {89, {"断面"}, "断面"},
      // Title block.
      {101, {"品名（上段）"}, "品名（上段）"}, {102, {"品名（下段）"}, "品名（下段）"},
      {103, {"図番"}, "図番"},
      {104, {"尺度", "1/1", "1/2", "1/3", "1/4", "1/5", "2/1", "3/1", "4/1", "5/1"}, "尺度"},
      {105, {"設計者名"}, "設計者名"}, {106, {"日付"}, "日付"},
      {107, {"ＳＣＡ", "処理方法"}, "ＳＣＡ"},
      // Weight.
      {150, {"[100-50-5:9.36:ｍ", "[75-40-5:6.92:ｍ", "6-50:2.36:ｍ", "L10-100:14.9:ｍ",
             "L3-25:1.12:ｍ", "L5-40:2.95:ｍ", "L6-50:4.43:ｍ", "L6-65:5.91:ｍ", "L9-75:9.96:ｍ",
             "ｸﾛﾑ鋼:7.84:比重", "ｼﾞｭﾗﾙﾐﾝ:2.79:比重", "ねずみ鋳鉄:7.2:比重",
             "ﾍﾞﾘﾘｳﾑ銅:8.2:比重", "球状黒鉛鋳鉄:7.1:比重", "超ｼﾞｭﾗﾙﾐﾝ:2.8:比重"},
       "[100-50-5:9.36:ｍ"},
      {151, {"0.8", "1.2", "1.6", "2.0", "2.3", "2.5", "3.0", "3.2", "3.5", "4.0", "4.5",
             "5.0", "6.0"}, "1.6"},
      {152, {"10", "15", "32", "40", "50", "100", "150"}, "32"},
      {153, {"100", "150", "200", "250", "300", "400", "500"}, "200"},
      // Settings.
      {54, {"b:\\jww\\", "c:\\jww\\"}, "b:\\jww\\"},
      {59, Numbers(1, 9), "3"},
      {60, {"5", "10", "15", "20", "25", "30"}, "15"},
  };
  for (const Expected& e : expected) {
    const ComboBox& box = f.Com(e.box);
    EXPECT_EQ(box.items, e.items) << "Com" << e.box;
    EXPECT_EQ(box.text, e.text) << "Com" << e.box;
  }
  EXPECT_EQ(f.MSG, "データを読み込みました");
}

TEST(StartUp, DefaultsOfTheLongSortedLists) {
  Form f = Started();
  // Sorting moves "H10" in front of "H6", so position 15 is "H6".
  EXPECT_EQ(f.Com(52).items.size(), 34u);
  EXPECT_EQ(f.Com(52).text, "H6");
  EXPECT_EQ(f.Com(52).Find("H10") + 1, f.Com(52).Find("H6"));
  EXPECT_EQ(f.Com(34).items.front(), "±0.001");
  EXPECT_EQ(f.Com(34).text, "±0.001");
  EXPECT_EQ(f.Com(34).items.size(), 17u);
  EXPECT_EQ(f.Com(48).text, "1.0");
  EXPECT_EQ(f.Com(49).text, "0.2");
  EXPECT_EQ(f.Com(27).text, "10");
  EXPECT_EQ(f.Com(27).items.size(), 30u);
  EXPECT_EQ(f.Com(12).text, "M3");
  EXPECT_EQ(f.Com(72).items.size(), 26u);
  EXPECT_EQ(f.Com(72).text, "A");
  EXPECT_EQ(f.Com(70).items.size(), 20u);
  EXPECT_EQ(f.Com(71).items.size(), 32u);
  // Every sorted box holds its rows in collation order; every list-only box
  // opens with one of its rows.
  for (const auto& [name, box] : f.Combos()) {
    if (box.sorted) {
      EXPECT_TRUE(std::is_sorted(box.items.begin(), box.items.end(), CollateLess)) << name;
    }
    if (box.listOnly) {
      EXPECT_GE(box.Find(box.text), 0) << name;
    }
  }
  // The eighteen vocabulary boxes without a default (and Com38, Com39, Com40)
  // open empty; every other box opens with a row.
  int empty = 0;
  for (const auto& [name, box] : f.Combos()) empty += box.text.empty() ? 1 : 0;
  EXPECT_EQ(empty, 18 + 3);
}

TEST(StartUp, OtherControlsKeepTheirStartState) {
  Form f = Started();
  for (const auto& [name, check] : f.Checks()) EXPECT_FALSE(check.ticked) << name;
  for (const ControlSpec& s : ControlTable()) {
    if (s.kind == ControlKind::Option) {
      EXPECT_EQ(f.Option(s.name).selected, s.optionDefault) << s.name;
    }
  }
  EXPECT_EQ(f.Lbl("La11").caption, "重量");
  EXPECT_TRUE(f.pendingHistory.empty());
}

TEST(StartUp, RememberedRowsComeFirstInUnsortedBoxes) {
  Form f = Started("54 d:\\cad\\jww\\\r\n54 e:\\jww\\\r\n87 2.5\r\n");
  EXPECT_EQ(f.Com(54).items,
            (Rows{"d:\\cad\\jww\\", "e:\\jww\\", "b:\\jww\\", "c:\\jww\\"}));
  // Default position 2 now counts the remembered row.
  EXPECT_EQ(f.Com(87).items.front(), "2.5");
  EXPECT_EQ(f.Com(87).text, "2");
  EXPECT_TRUE(f.pendingHistory.empty());  // restored rows are never queued again
}

TEST(StartUp, RememberedRowsMergeIntoSortedBoxes) {
  Form f = Started("25 12\r\n51 0.5\r\n150 ｱﾙﾐ:2.7:比重\r\n34 ±0.0005\r\n");
  EXPECT_EQ(f.Com(25).items, (Rows{"10", "12", "15", "20", "25", "30", "35", "40", "45"}));
  EXPECT_EQ(f.Com(25).text, "25");
  EXPECT_EQ(f.Com(51).items, (Rows{"0.5", "1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_EQ(f.Com(51).text, "2");
  EXPECT_EQ(f.Com(150).Find("ｱﾙﾐ:2.7:比重"), 9);  // first of the kana rows
  EXPECT_EQ(f.Com(150).text, "[100-50-5:9.36:ｍ");
  EXPECT_EQ(f.Com(34).text, "±0.0005");
}

TEST(StartUp, RememberedRowEqualToABuiltInRowIsListedTwice) {
  Form f = Started("89 断面\r\n");
  EXPECT_EQ(f.Com(89).items, (Rows{"断面", "断面"}));
  EXPECT_EQ(f.Com(89).text, "断面");
}

// The roughness lists offer the standard series only; a value remembered
// from an earlier run stays one of the user's own entries.
TEST(StartUp, RoughnessListsOfferTheStandardSeriesAndKeepRememberedValues) {
  for (int box : {32, 33}) {
    Form fresh = Started();
    EXPECT_EQ(fresh.Com(box).Find("6.4"), -1) << box;
    EXPECT_EQ(fresh.Com(box).Find("6.3"), 4) << box;
  }
  Form f = Started("32 6.4\r\n33 6.4\r\n");
  for (int box : {32, 33}) {
    EXPECT_EQ(f.Com(box).items, (Rows{"1.6", "12.5", "25", "3.2", "6.3", "6.4", "G"})) << box;
  }
  // The defaults count the sorted rows, which the remembered one follows.
  EXPECT_EQ(f.Com(32).text, "12.5");
  EXPECT_EQ(f.Com(33).text, "25");
}

TEST(StartUp, FullMemoryFileKeepsItsMessage) {
  std::string memory;
  for (int i = 0; i < 4000; ++i) memory += "11 n" + std::to_string(i) + "\r\n";
  Form f = Started(memory);
  EXPECT_TRUE(f.memoryFull);
  EXPECT_EQ(f.MSG, "ファイルが一杯です");
  // The lists are filled as usual.
  EXPECT_EQ(f.Com(7).text, "3");
  EXPECT_EQ(f.Com(11).items.back(), "20");
}

TEST(StartUp, MissingMemoryFileStillFillsTheLists) {
  auto dir = std::filesystem::temp_directory_path() / "mokrav_model_no_memory_here";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  Form f;
  Form_Load(f, dir.string());
  EXPECT_EQ(f.MSG, "データを読み込みました");
  EXPECT_EQ(f.Com(54).text, "b:\\jww\\");
  std::filesystem::remove_all(dir);
}

TEST(AfterStartUp, AddedRowsTakeTheirPlace) {
  Form f = Started();
  f.Com(13).AddItem("ザグリ");  // sorted: among the kana, after キリ穴
  EXPECT_EQ(f.Com(13).items, (Rows{"キリ穴", "ザグリ", "リーマ穴", "皿ネモミ"}));
  f.Com(150).AddItem("[125-65-6:13.4:ｍ");
  EXPECT_EQ(f.Com(150).items[0], "[100-50-5:9.36:ｍ");
  EXPECT_EQ(f.Com(150).items[1], "[125-65-6:13.4:ｍ");
  f.Com(52).AddItem("H11");
  EXPECT_EQ(f.Com(52).Find("H11"), f.Com(52).Find("H10") + 1);
  f.Com(27).AddItem("M24");  // unsorted: last
  EXPECT_EQ(f.Com(27).items.back(), "M24");
  EXPECT_EQ(f.Com(27).text, "10");  // adding a row changes no selection
}

}  // namespace
}  // namespace mokrav
