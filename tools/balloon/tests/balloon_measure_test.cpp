// The parameter line and the text measures on their own, against values
// worked out by hand: W = 3, D = 0.5, S = 2.
#include <gtest/gtest.h>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "tools/balloon/balloon.h"

using balloon::MeasureBalloonNumber;
using balloon::MeasureNoteText;
using balloon::TextMetrics;

namespace {

const TextMetrics kM{3, 0.5, 2};

std::vector<std::string> Fields(const std::string& line) { return exchange::SplitWords(line); }

}  // namespace

TEST(BalloonParams, FieldsAsTheToolUsesThem) {
  const auto p = balloon::ReadParams(Fields("4 2 3.9 - - 1.5 -- E 2.5 -20"));
  EXPECT_EQ(p.textType, "4");
  EXPECT_EQ(p.lineColor, "2");
  EXPECT_EQ(p.style, 3);  // integer part
  EXPECT_EQ(p.text1, "");
  EXPECT_EQ(p.text2, "");
  EXPECT_EQ(p.diameter, "-");  // the field itself, for the balloon
  EXPECT_EQ(p.widthMode, 1);
  EXPECT_EQ(p.lineLayer, "--");
  EXPECT_EQ(p.textLayer, "E");
  EXPECT_EQ(p.arrowLength, 2.5);
  EXPECT_EQ(p.arrowAngle, -20);
  // The integer part goes toward minus infinity: -0.5 is mode -1, no mode.
  EXPECT_EQ(balloon::ReadParams(Fields("4 2 -2.5 a b -0.5 -- -- 0 0")).widthMode, -1);
  EXPECT_EQ(balloon::ReadParams(Fields("4 2 -2.5 a b -0.5 -- -- 0 0")).style, -3);
  // Extra fields are not read; a text "-" only when it is "-" alone.
  EXPECT_EQ(balloon::ReadParams(Fields("4 2 1 -- -x 0 -- -- 3 15 extra")).text1, "--");
}

TEST(BalloonMeasure, NoteLinesByWidthMode) {
  // As typed: "Φ6" one full- and one half-width character:
  // 2 * (3*1 + 0.5*(1-2) + 3*1/2 + 0.5*2/2) = 2 * 4.5.
  EXPECT_EQ(MeasureNoteText("Φ6", 0, kM).width, 9);
  EXPECT_EQ(MeasureNoteText("Φ6", 0, kM).text, "Φ6");
  // Full width: "Φ６", 2 * (3*2 + 0.5).
  EXPECT_EQ(MeasureNoteText("Φ6", 1, kM).text, "Φ６");
  EXPECT_EQ(MeasureNoteText("Φ6", 1, kM).width, 13);
  // Half width: a voiced katakana splits in two, "ｶﾞｲﾄﾞ" is five half-width
  // characters: 2 * (0.5*(-2) + 3*5/2 + 0.5*6/2) = 2 * 8.
  EXPECT_EQ(MeasureNoteText("ガイド", 2, kM).text, "ｶﾞｲﾄﾞ");
  EXPECT_EQ(MeasureNoteText("ガイド", 2, kM).width, 16);
  // Unconverted in mode 0, the same word is three full-width characters.
  EXPECT_EQ(MeasureNoteText("ガイド", 0, kM).width, 2 * (9 + 0.5 + 0.25));
  // Other modes keep the text and measure nothing.
  EXPECT_EQ(MeasureNoteText("ガイド", 3, kM).text, "ガイド");
  EXPECT_EQ(MeasureNoteText("ガイド", 3, kM).width, 0);
  EXPECT_EQ(MeasureNoteText("ガイド", -1, kM).width, 0);
}

TEST(BalloonMeasure, EmptyNoteLinesAreNegative) {
  EXPECT_EQ(MeasureNoteText("", 1, kM).width, -2 * 0.5);
  EXPECT_EQ(MeasureNoteText("", 0, kM).width, -1.5 * 2 * 0.5);
  EXPECT_EQ(MeasureNoteText("", 2, kM).width, -1.5 * 2 * 0.5);
}

TEST(BalloonMeasure, BalloonNumberCountsCharactersNotBytes) {
  // Mode 0: each character half a width, whatever its bytes:
  // 2 * (3*2/2 + 0.5*1).
  EXPECT_EQ(MeasureBalloonNumber("１２", 0, kM).width, 7);
  EXPECT_EQ(MeasureBalloonNumber("12", 0, kM).width, 7);
  EXPECT_EQ(MeasureBalloonNumber("１２", 0, kM).text, "１２");
  // Mode 1 converts and counts full widths: 2 * (3*2 + 0.5).
  EXPECT_EQ(MeasureBalloonNumber("12", 1, kM).text, "１２");
  EXPECT_EQ(MeasureBalloonNumber("12", 1, kM).width, 13);
  // Mode 2 converts to half width and measures as mode 0.
  EXPECT_EQ(MeasureBalloonNumber("１２", 2, kM).text, "12");
  EXPECT_EQ(MeasureBalloonNumber("１２", 2, kM).width, 7);
  // Other modes: as typed, width 0, so the number starts at the centre.
  EXPECT_EQ(MeasureBalloonNumber("１２", 4, kM).text, "１２");
  EXPECT_EQ(MeasureBalloonNumber("１２", 4, kM).width, 0);
  // The spacing is whole, not halved: one character has none, none has -D.
  EXPECT_EQ(MeasureBalloonNumber("7", 0, kM).width, 3);
  EXPECT_EQ(MeasureBalloonNumber("", 0, kM).width, -1);
}
