// The control table, the form in its start state, and the order of the
// sorted combo boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/form.h"
#include "tests/support/expect_throw.h"

namespace mokrav {
namespace {

std::set<std::string> NamesOf(ControlKind kind) {
  std::set<std::string> names;
  for (const ControlSpec& s : ControlTable()) {
    if (s.kind == kind) names.insert(s.name);
  }
  return names;
}

std::set<std::string> ComNames(std::initializer_list<int> numbers) {
  std::set<std::string> names;
  for (int n : numbers) names.insert("Com" + std::to_string(n));
  return names;
}

TEST(ControlTable, NamesAreUniqueAndTabsInRange) {
  std::set<std::string> seen;
  for (const ControlSpec& s : ControlTable()) {
    EXPECT_TRUE(seen.insert(s.name).second) << "twice: " << s.name;
    EXPECT_GE(s.tab, -1) << s.name;
    EXPECT_LE(s.tab, 9) << s.name;
  }
}

TEST(ControlTable, ComboBoxKinds) {
  int combos = 0, listOnly = 0, editable = 0;
  std::set<std::string> sorted, fixedPitch;
  for (const ControlSpec& s : ControlTable()) {
    if (s.kind != ControlKind::Combo) continue;
    ++combos;
    (s.listOnly ? listOnly : editable)++;
    EXPECT_FALSE(s.listOnly && s.sorted) << s.name << ": only editable boxes keep a sorted list";
    if (s.sorted) sorted.insert(s.name);
    if (s.fixedPitch) fixedPitch.insert(s.name);
  }
  EXPECT_EQ(combos, 115);
  EXPECT_EQ(listOnly, 54);
  EXPECT_EQ(editable, 61);
  EXPECT_EQ(sorted, ComNames({13, 14, 25, 26, 30, 31, 32, 33, 34, 35, 36, 37, 40, 42, 43, 47,
                              48, 49, 51, 52, 53, 70, 71, 89, 101, 102, 103, 105, 107, 150}));
  EXPECT_EQ(fixedPitch, ComNames({30, 37, 150, 155, 156, 161, 162}));
}

TEST(ControlTable, EditableBoxesAreTheVocabulariesAndFreeEntries) {
  std::set<std::string> editable;
  for (const ControlSpec& s : ControlTable()) {
    if (s.kind == ControlKind::Combo && !s.listOnly) editable.insert(s.name);
  }
  EXPECT_EQ(editable,
            ComNames({11,  12,  13,  14,  15,  16,  25,  26,  27,  28,  30,  31,  32,  33,  34,  35,
                      36,  37,  38,  39,  40,  42,  43,  47,  48,  49,  51,  52,  53,  54,  59,  60,
                      70,  71,  72,  83,  84,  85,  86,  87,  88,  89,  101, 102, 103, 104, 105, 106,
                      107, 150, 151, 152, 153, 155, 156, 157, 158, 159, 160, 161, 162}));
}

TEST(ControlTable, ChecksButtonsAndLabels) {
  EXPECT_EQ(NamesOf(ControlKind::Check),
            (std::set<std::string>{"A1", "H1", "H2", "H33", "H34", "H35", "H36", "H52", "H53",
                                   "H61", "H62", "H65", "H66", "H67", "H81", "H91"}));
  EXPECT_EQ(NamesOf(ControlKind::Button),
            (std::set<std::string>{"Co32", "Co31", "Co22", "Co21", "CO2", "CO1", "Command1",
                                   "Command2", "Command3", "Command4", "Command5", "Command6",
                                   "Command7", "Command8", "Command9", "Command10", "Command11",
                                   "Command12", "Command13"}));
  std::set<std::string> labels = NamesOf(ControlKind::Label);
  for (const char* name : {"La1", "La2", "La11", "La51", "La71", "Label36", "Label45", "Label48"}) {
    EXPECT_TRUE(labels.count(name)) << name;
  }
  for (const ControlSpec& s : ControlTable()) {
    if (std::string(s.name) == "Command1") {
      EXPECT_EQ(s.tab, -1);
    }
    if (std::string(s.name) == "La11") {
      EXPECT_STREQ(s.caption, "重量");
      EXPECT_TRUE(s.bold);
      EXPECT_DOUBLE_EQ(s.fontPoints, 14.25);
    }
  }
}

// Splits a '|' separated list; an empty text gives no parts.
std::vector<std::string> Parts(const std::string& text) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  std::string::size_type start = 0;
  while (true) {
    auto bar = text.find('|', start);
    parts.push_back(text.substr(start, bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return parts;
}

TEST(ControlTable, OptionArraysMatchTheirCaptionsAndTips) {
  int arrays = 0;
  for (const ControlSpec& s : ControlTable()) {
    if (s.kind != ControlKind::Option) continue;
    ++arrays;
    auto captions = Parts(s.optionCaptions);
    auto tips = Parts(s.optionToolTips);
    if (!captions.empty()) {
      EXPECT_EQ(static_cast<int>(captions.size()), s.optionCount) << s.name;
    }
    if (!tips.empty()) {
      EXPECT_EQ(static_cast<int>(tips.size()), s.optionCount) << s.name;
    }
    EXPECT_GE(s.optionDefault, 0);
    EXPECT_LT(s.optionDefault, s.optionCount);
    // Only the three plain arrays lack the pressed look.
    std::string n = s.name;
    EXPECT_EQ(s.pushStyle, !(n == "C6" || n == "C41" || n == "C51")) << n;
  }
  EXPECT_EQ(arrays, 12);
}

TEST(Form, StartState) {
  Form f;
  EXPECT_EQ(f.Combos().size(), 115u);
  for (const auto& [name, box] : f.Combos()) {
    EXPECT_TRUE(box.items.empty()) << name;
    EXPECT_TRUE(box.text.empty()) << name;
  }
  EXPECT_EQ(f.Checks().size(), 16u);
  for (const auto& [name, check] : f.Checks()) EXPECT_FALSE(check.ticked) << name;

  const std::vector<std::pair<const char*, std::pair<int, int>>> defaults = {
      {"C33", {13, 9}}, {"C34", {3, 0}}, {"C23", {8, 5}}, {"C5", {14, 0}},
      {"C6", {2, 1}},   {"C41", {3, 0}}, {"C51", {3, 0}}, {"C52", {3, 0}},
      {"C61", {4, 0}},  {"C81", {2, 0}}, {"C91", {5, 0}}, {"C92", {3, 1}}};
  EXPECT_EQ(f.Options().size(), defaults.size());
  for (const auto& [name, countAndDefault] : defaults) {
    EXPECT_EQ(f.Option(name).count, countAndDefault.first) << name;
    EXPECT_EQ(f.Option(name).selected, countAndDefault.second) << name;
  }
  EXPECT_EQ(f.Option("C92").Code(), "2");
  EXPECT_EQ(f.Lbl("La11").caption, "重量");
  for (const char* empty : {"La1", "La2", "La51", "La71"}) EXPECT_EQ(f.Lbl(empty).caption, "");
  EXPECT_TRUE(f.MSG.empty());
  EXPECT_TRUE(f.pendingHistory.empty());
  EXPECT_FALSE(f.memoryFull);
}

TEST(Form, ComboFlagsComeFromTheTable) {
  Form f;
  EXPECT_TRUE(f.Com(7).listOnly);
  EXPECT_FALSE(f.Com(7).sorted);
  EXPECT_FALSE(f.Com(150).listOnly);
  EXPECT_TRUE(f.Com(150).sorted);
  EXPECT_TRUE(f.Com(51).sorted);
  EXPECT_FALSE(f.Com(54).sorted);
}

TEST(Form, UnknownNamesThrowNamingTheControl) {
  Form f;
  EXPECT_THROW_SAYING(f.Com(163), std::out_of_range, "no combo box named Com163");
  EXPECT_THROW_SAYING(f.Com(41), std::out_of_range, "no combo box named Com41");  // no such box
  EXPECT_THROW_SAYING(f.Combo("H1"), std::out_of_range, "no combo box named H1");
  EXPECT_THROW_SAYING(f.Check("Com1"), std::out_of_range, "no check box named Com1");
  EXPECT_THROW_SAYING(f.Option("C7"), std::out_of_range, "no option array named C7");
  EXPECT_THROW_SAYING(f.Lbl("La3"), std::out_of_range, "no label named La3");
  EXPECT_TRUE(f.Has("Com162"));
  EXPECT_TRUE(f.Has("H91"));
  EXPECT_TRUE(f.Has("Command13"));
  EXPECT_FALSE(f.Has("Com41"));
  EXPECT_FALSE(f.Has("MSG2"));
}

TEST(OptionArray, CodeIsOneBasedAndEmptyWhenNoneSet) {
  OptionArray a{4, 0};
  EXPECT_EQ(a.Code(), "1");
  a.selected = 3;
  EXPECT_EQ(a.Code(), "4");
  a.selected = -1;
  EXPECT_EQ(a.Code(), "");
}

TEST(ComboBox, UnsortedAppendsSelectAndFind) {
  ComboBox box;
  for (const char* s : {"b", "a", "c", "a"}) box.AddItem(s);
  EXPECT_EQ(box.items, (std::vector<std::string>{"b", "a", "c", "a"}));
  EXPECT_EQ(box.Find("a"), 1);
  EXPECT_EQ(box.Find("A"), -1);  // exact, case-sensitive
  EXPECT_EQ(box.Find("a "), -1);
  box.Select(2);
  EXPECT_EQ(box.text, "c");
  box.Select(4);   // out of range: ignored
  box.Select(-1);
  EXPECT_EQ(box.text, "c");
}

TEST(ComboBox, SortedInsertsAtItsPlace) {
  ComboBox box;
  box.sorted = true;
  for (const char* s : {"30", "10", "45", "12", "25"}) box.AddItem(s);
  EXPECT_EQ(box.items, (std::vector<std::string>{"10", "12", "25", "30", "45"}));
  box.AddItem("12");  // equal rows stay, side by side
  EXPECT_EQ(box.items, (std::vector<std::string>{"10", "12", "12", "25", "30", "45"}));
}

// Pairs (a, b) with a strictly before b in a sorted box.
TEST(Collate, OrderOfTheSortedBoxes) {
  const std::vector<std::pair<std::string, std::string>> before = {
      {"1.6", "12.5"},          // a sign before a digit
      {"12.5", "3.2"},          // digits compare as characters
      {"H10", "H6"},
      {"25", "G"},              // digits before letters
      {"±0.001", "±0.01"},
      {"+0.5", "-0.001"},       // the hyphen-minus does not count
      {"-0.01", "-0.02"},
      {"+0.01", "±0.01"},
      {"=25", "Rmax=0.4"},
      {"Rmax=2.5", "λc=2.5"},   // Latin before Greek
      {"λc=2.5", "キリ穴"},      // Greek before kana
      {"[100-50-5:9.36:ｍ", "[75-40-5:6.92:ｍ"},
      {"[75-40-5:6.92:ｍ", "6-50:2.36:ｍ"},
      {"6-50:2.36:ｍ", "L10-100:14.9:ｍ"},
      {"L6-50:4.43:ｍ", "L6-65:5.91:ｍ"},
      {"L9-75:9.96:ｍ", "ｸﾛﾑ鋼:7.84:比重"},
      {"ｸﾛﾑ鋼:7.84:比重", "ｼﾞｭﾗﾙﾐﾝ:2.79:比重"},  // half-width kana in syllabary order
      {"ｼﾞｭﾗﾙﾐﾝ:2.79:比重", "ねずみ鋳鉄:7.2:比重"},  // hiragana ranks with katakana
      {"ねずみ鋳鉄:7.2:比重", "ﾍﾞﾘﾘｳﾑ銅:8.2:比重"},
      {"ﾍﾞﾘﾘｳﾑ銅:8.2:比重", "球状黒鉛鋳鉄:7.1:比重"},  // kana before kanji
      {"球状黒鉛鋳鉄:7.1:比重", "超ｼﾞｭﾗﾙﾐﾝ:2.8:比重"},  // kanji by code-page order
      {"ﾌﾗｯｼｭ溶接", "ﾌﾟﾛｼﾞｪｸｼｮﾝ溶接"},  // a voiced kana ranks as the plain one
      {"ＳＣＡ", "処理方法"},
      {"b9", "C10"},            // case is ignored
      {"（深さ１５）", "（深さ２０）"},  // full-width digits rank as digits
      {"１", "2"},
      {"M:ﾌﾗｲｽ削り", "MCO:倣いﾌﾗｲｽ"},
  };
  for (const auto& [a, b] : before) {
    EXPECT_TRUE(CollateLess(a, b)) << a << " < " << b;
    EXPECT_FALSE(CollateLess(b, a)) << b << " < " << a;
  }
}

TEST(Collate, IsAStrictTotalOrder) {
  // Texts that tie on the first level still get one fixed order, so a new
  // row's place never depends on what the box already holds.
  const std::vector<std::string> ties = {"a", "A", "ａ", "-1", "1", "１", "ｶ", "カ", "か", "が", "x", ""};
  for (const auto& a : ties) {
    EXPECT_FALSE(CollateLess(a, a)) << a;
    for (const auto& b : ties) {
      if (a != b) {
        EXPECT_NE(CollateLess(a, b), CollateLess(b, a)) << a << " / " << b;
      }
    }
  }
  EXPECT_TRUE(CollateLess("", "a"));
  // Broken UTF-8 (as a damaged file might give) is placed, not rejected.
  EXPECT_NO_THROW(CollateLess(std::string("\xFF\x81"), "a"));
}

}  // namespace
}  // namespace mokrav
