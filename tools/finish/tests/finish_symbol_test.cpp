// The symbol construction on its own: base point (10, 20), scale 1, the
// records worked out by hand from the symbol's frame.
#include <gtest/gtest.h>

#include "tools/finish/finish.h"

using finish::DrawFinishSymbol;
using finish::SymbolInput;
using finish::SymbolSlots;

namespace {

SymbolInput At(long long kind, int side) {
  SymbolInput in;
  in.kind = kind;
  in.side = side;
  in.bx = 10;
  in.by = 20;
  in.scale = 1;
  in.height = 2.5;
  return in;
}

std::vector<std::string> LineRecords(const SymbolSlots& s) {
  std::vector<std::string> out;
  for (const auto& slot : s.lines) out.push_back(slot.value_or(""));
  return out;
}

bool NoTexts(const SymbolSlots& s) {
  for (const auto& slot : s.texts)
    if (slot) return false;
  return true;
}

}  // namespace

TEST(FinishSymbol, KindsWithoutTexts) {
  struct Case {
    long long kind;
    int side;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {0, 1, {"", "", "", "", "", "", "", "", ""}},
      {-3, 2, {"", "", "", "", "", "", "", "", ""}},
      {1, 1, {"ci 11.5 18.7  1.5  119.9663 270", "ci 10 21.3  1.5  299.9663 90", "", "", "", "", "", "", ""}},
      {2, 1, {"10 20 12.598 18.5", "10 20 12.598 21.5", "12.598 18.5 12.598 21.5", "", "", "", "", "", ""}},
      {2, -2, {"10 20 8.5 17.402", "10 20 11.5 17.402", "8.5 17.402 11.5 17.402", "", "", "", "", "", ""}},
      // A side the tool never sets draws as side -1.
      {2, 0, {"10 20 7.402 18.5", "10 20 7.402 21.5", "7.402 18.5 7.402 21.5", "", "", "", "", "", ""}},
      {5, 1, {"10 18.5 12.598 20", "10 18.5 12.598 17", "10 21.5 12.598 20", "10 21.5 12.598 23",
              "12.598 14 12.598 26", "10 15.5 12.598 17", "10 15.5 12.598 14", "10 24.5 12.598 23",
              "10 24.5 12.598 26"}},
      {6, 1, {"10 20 14 17.7", "10 20 18.666 25", "", "", "", "", "", "", ""}},
      {7, 1, {"10 20 14 17.7", "10 20 18.666 25", "", "14 17.7 14 22.3", "", "", "", "", ""}},
      {8, 1, {"10 20 14 17.7", "10 20 18.666 25", "", "ci 12.666 20  1.334  0 0", "", "", "", "", ""}},
      {8, -1, {"10 20 6 17.7", "10 20 1.334 25", "", "ci 7.334 20  1.334  0 0", "", "", "", "", ""}},
      {8, -2, {"10 20 7.7 16", "10 20 15 11.334", "", "ci 10 17.334  1.334  0 0", "", "", "", "", ""}},
      {12, 1, {"10 20 14 17.7", "10 20 18.666 25", "", "", "", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " side " << c.side);
    const SymbolSlots s = DrawFinishSymbol(At(c.kind, c.side));
    EXPECT_EQ(LineRecords(s), c.lines);
    EXPECT_TRUE(NoTexts(s));
  }
}

TEST(FinishSymbol, TheWaveWritesNoTextEvenWithALetter) {
  SymbolInput in = At(1, -1);
  in.texts.text[0] = "G";
  in.texts.present[0] = true;
  in.texts.width[0] = 1.5;
  const SymbolSlots s = DrawFinishSymbol(in);
  EXPECT_EQ(s.lines[0].value_or(""), "ci 10 18.7  1.5  119.9663 270");
  EXPECT_EQ(s.lines[1].value_or(""), "ci 8.5 21.3  1.5  299.9663 90");
  EXPECT_TRUE(NoTexts(s));
}

TEST(FinishSymbol, OnlyTextTwoStillGetsTheBarButNotTextOne) {
  SymbolInput in = At(6, 1);
  in.texts.text[1] = "Rz";
  in.texts.present[1] = true;
  in.texts.width[1] = 3.5;
  in.texts.w12 = 3.5;
  const SymbolSlots s = DrawFinishSymbol(in);
  EXPECT_EQ(s.lines[2].value_or(""), "18.666 25 18.666 28.5");
  EXPECT_FALSE(s.texts[0]);
  EXPECT_FALSE(s.texts[1]);
  EXPECT_EQ(s.texts[2].value_or(""), "ch 21.166 25 0 1000000000000000000 \"Rz");
  EXPECT_FALSE(s.texts[3]);
  EXPECT_FALSE(s.texts[4]);
}

TEST(FinishSymbol, TextsInsideTheVNeedNoBar) {
  // Side +2: text 3 (lower value) first, text 4 read above it.
  SymbolInput in = At(6, 2);
  in.texts.text = {"", "", "3.2", "12.5"};
  in.texts.present = {false, false, true, true};
  in.texts.width = {0, 0, 4.5, 6.25};
  const SymbolSlots s = DrawFinishSymbol(in);
  EXPECT_FALSE(s.lines[2]);
  EXPECT_EQ(s.texts[3].value_or(""), "ch 7.5 24 100000000000000000 0 \"3.2");
  EXPECT_EQ(s.texts[4].value_or(""), "ch 5.75 26.5 10000000000000000 0 \"12.5");
}
