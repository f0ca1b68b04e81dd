// The placement of the texts in the cell on its own.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tools/titleblock/titleblock.h"

using titleblock::Cell;
using titleblock::PlaceTexts;
using titleblock::TextWidth;

namespace {

const exchange::TextSize kType{3, 0.5, 3};

TEST(TitleBlockPlace, AnEmptyTextMeasuresNothing) {
  // Measured, an empty text would come out -0.75 wide (the spacing term of
  // a text of no characters) and shift a right-aligned record.
  EXPECT_EQ(TextWidth("", kType, 1), 0);
  EXPECT_EQ(TextWidth("A", kType, 1), 1);    // W/2 - 2D + D
  EXPECT_EQ(TextWidth("ｱ", kType, 1), 1);    // half-width katakana likewise
  EXPECT_EQ(TextWidth("品", kType, 2), 5.5);  // (W - D + D/2) S
}

TEST(TitleBlockPlace, TheCornersMayComeInAnyOrder) {
  // A cell 12.25 to 47.75 across and -6.5 to 3.5 high, scale 0.5: every
  // pick order gives the records of the first one, in every alignment and
  // with every combination of texts.
  const exchange::Point a{12.25, -6.5};
  const exchange::Point b{47.75, 3.5};
  const std::vector<std::pair<exchange::Point, exchange::Point>> orders = {
      {a, b}, {b, a}, {{a.x, b.y}, {b.x, a.y}}, {{b.x, a.y}, {a.x, b.y}}};
  const std::vector<std::pair<std::string, std::string>> texts = {
      {"品名", ""}, {"品名", "A-12"}, {"", "A-12"}, {"", ""}};
  for (long long align : {1LL, 2LL, 3LL}) {
    for (const auto& [t1, t2] : texts) {
      Cell cell;
      cell.scale = 0.5;
      cell.size = kType;
      cell.align = align;
      cell.text1 = t1;
      cell.text2 = t2;
      cell.corner1 = orders[0].first;
      cell.corner2 = orders[0].second;
      const titleblock::CellRecords first = PlaceTexts(cell);
      for (const auto& [c1, c2] : orders) {
        SCOPED_TRACE("alignment " + std::to_string(align) + ", texts \"" + t1 + "\" \"" + t2 + "\", from (" +
                     std::to_string(c1.x) + ", " + std::to_string(c1.y) + ")");
        cell.corner1 = c1;
        cell.corner2 = c2;
        const titleblock::CellRecords r = PlaceTexts(cell);
        EXPECT_EQ(r.text1, first.text1);
        EXPECT_EQ(r.text2, first.text2);
      }
    }
  }
  // The first order itself, worked by hand: middle (30, -1.5), "品名" 3.125
  // wide, text height 1.5.
  Cell cell;
  cell.scale = 0.5;
  cell.size = kType;
  cell.align = 3;
  cell.text1 = "品名";
  cell.corner1 = a;
  cell.corner2 = b;
  EXPECT_EQ(PlaceTexts(cell).text1, "ch 44.375 -2.25  100000000000000000 0 \"品名");
  cell.align = 1;
  EXPECT_EQ(PlaceTexts(cell).text1, "ch 12.5 -2.25  100000000000000000 0 \"品名");
}

}  // namespace
