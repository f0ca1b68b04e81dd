#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "exchange/exchange.h"
#include "exchange/records.h"
#include "tests/support/expect_throw.h"

using namespace exchange;

TEST(Records, EveryKindHasItsExactText) {
  EXPECT_EQ(LineRecord(0, -1.5, 10, 2.25), "0 -1.5 10 2.25");
  EXPECT_EQ(CircleRecord(1, 2, 3), "ci 1 2 3");
  EXPECT_EQ(CirclePaddedRecord(1, 2, 3, " 0 0"), "ci 1 2  3 0 0");
  EXPECT_EQ(CirclePaddedRecord(1, 2, -3, " 0 180"), "ci 1 2 -3 0 180");
  EXPECT_EQ(ArcRecord(1, 2, 3, 0, 180), "ci 1 2 3 0 180");
  EXPECT_EQ(PaddedArcRecord(0, 0, 1.5, 119.9663, " 270"), "ci 0 0  1.5  119.9663 270");
  EXPECT_EQ(PaddedArcRecord(0, 0, 1.5, -30, " 90"), "ci 0 0  1.5 -30 90");
  EXPECT_EQ(PaddedArcRecord(5, 5, 2, 0, " 0"), "ci 5 5  2  0 0");
  EXPECT_EQ(PointRecord(1, -2), "pt 1 -2");
  EXPECT_EQ(SolidRecord(0, 0, 1, 0, 0.5, 1), "sl 0 0 1 0 0.5 1");
  EXPECT_EQ(TextRecord(1, 2, " 1000000000000000 0 ", "Ra3.2"), "ch 1 2 1000000000000000 0 \"Ra3.2");
  EXPECT_EQ(TextRecord(1, 2, " 0 10000000000000000 ", "G", 1), "ch 1 2  0 10000000000000000 \"G");
  EXPECT_EQ(TextRecord(1, 2, " 1100000000000 0 ", "", 0, 1), "ch 1 2 1100000000000 0  \"");
  EXPECT_EQ(TextRecord(1, 2, " 1000 0 ", "φ", 0, 0, "cs"), "cs 1 2 1000 0 \"φ");
  EXPECT_EQ(DirectedTextRecord(1, 2, 0.5, -0.5, "10"), "ch 1 2 0.5 -0.5 \"10");
}

TEST(Records, NumbersAndLayers) {
  EXPECT_EQ(Num(-0.0), "0");
  EXPECT_EQ(Pad(0), " 0");
  EXPECT_EQ(Pad(-2), "-2");
  EXPECT_EQ(Num(std::cos(90 * 3.1415926 / 180)), "2.67948965850286E-08");
  EXPECT_THROW_SAYING(Num(std::numeric_limits<double>::quiet_NaN()), ToolError, "a coordinate came out as no number");
  EXPECT_THROW_SAYING(LineRecord(0, 0, std::numeric_limits<double>::infinity(), 0), ToolError,
                      "a coordinate came out as no number");
  EXPECT_EQ(LayerChoice("--", "3"), "3");
  EXPECT_EQ(LayerChoice("5", "3"), "5");
  EXPECT_EQ(LayerChoice("--", ""), "");
}

TEST(Records, StyleRecordsWriteFieldsAsTheyStandUnlessTheyBreakTheRecord) {
  HostValues host;
  host.layer = "3";
  host.layerGroup = "a";
  const StyleRecords style(host);
  EXPECT_EQ(style.LayerGroup(), "lga");
  EXPECT_EQ(style.Layer("--", "the layer"), "ly3");
  EXPECT_EQ(style.Layer("F", "the layer"), "lyF");
  EXPECT_EQ(StyleRecords(HostValues()).Layer("--", "the layer"), "ly");
  EXPECT_EQ(StyleRecords::Colour("nan", "the colour"), "lcnan");
  EXPECT_EQ(StyleRecords::LineType("0x10", "the line type"), "lt0x10");
  EXPECT_EQ(StyleRecords::TextType("", "the text type"), "cn");
  EXPECT_EQ(StyleRecords::TextType("Ａ¢", "the text type"), "cnＡ¢");  // no control character in UTF-8
  EXPECT_EQ(StyleRecords::SolidLineType(), "lt1");
  EXPECT_EQ(StyleRecords::SolidFillColour(), "lc10 0000000");

  const struct {
    std::string field;
    const char* named;
  } breaking[] = {{"3,lg0", "a comma"},
                  {"\"", "a double quote"},
                  {"1\tnan", "a tab"},
                  {"-\v", "the control character U+000B"},
                  {"1\x7f", "the control character U+007F"},
                  {"\xc2\x85", "the control character U+0085"},
                  {std::string("1\0", 2), "a NUL character (U+0000)"}};
  for (const auto& b : breaking) {
    SCOPED_TRACE(b.named);
    // The field as the caller named it, what it holds and the record it would break.
    const auto refusal = [&](const std::string& field, const std::string& key) {
      return field + " holds " + b.named + ", which no \"" + key + "\" record may hold";
    };
    EXPECT_THROW_SAYING(style.Layer(b.field, "the text layer (field 7)"), ToolError,
                        refusal("the text layer (field 7)", "ly"));
    EXPECT_THROW_SAYING(StyleRecords::Colour(b.field, "c"), ToolError, refusal("c", "lc"));
    EXPECT_THROW_SAYING(StyleRecords::LineType(b.field, "t"), ToolError, refusal("t", "lt"));
    EXPECT_THROW_SAYING(StyleRecords::TextType(b.field, "n"), ToolError, refusal("n", "cn"));
  }
}

TEST(Records, OutputKeepsEverySlotAndEndsWithAnEmptyLine) {
  Output out;
  out.Add("lg1");
  out.Add(Slot{});
  out.Add(Slot{"0 0 1 1"});
  out.AddAll({Slot{}, Slot{"x"}});
  EXPECT_EQ(out.Text(), "lg1\r\n\r\n0 0 1 1\r\n\r\nx\r\n\r\n");
  EXPECT_EQ(Output().Text(), "\r\n");
}
