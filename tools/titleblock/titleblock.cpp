#include "tools/titleblock/titleblock.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "exchange/params/titleblock.h"
#include "exchange/textwidth.h"
#include "tools/titleblock/keys.h"

namespace titleblock {
namespace {

using exchange::FieldLabel;
using exchange::Num;
using exchange::Point;
namespace param = paramfile::titleblock;

// The host reads the far point of each literal as the text's direction:
// both run along +x, each with its own far point.
const char* const kUpperDirection = " 100000000000000000 0 ";
const char* const kLowerDirection = " 1000000000000000 0 ";

// "ch", x, y, one more blank, the direction and the text. A text without a
// position keeps its blanks with empty coordinates.
std::string CellTextRecord(const std::optional<Point>& at, const char* direction,
                           const std::string& text) {
  const std::string x = at ? Num(at->x) : std::string();
  const std::string y = at ? Num(at->y) : std::string();
  return "ch " + x + " " + y + " " + direction + "\"" + text;
}

}  // namespace

double TextWidth(const std::string& text, const exchange::TextSize& size, double scale) {
  if (text.empty()) return 0;
  return exchange::MixedWidth(text, size.width, size.spacing, scale, 2);
}

CellRecords PlaceTexts(const Cell& cell) {
  const double S = cell.scale;
  const double H = cell.size.height;
  const Point& p1 = cell.corner1;
  const Point& p2 = cell.corner2;
  // Left and right edges of the cell whichever corner was picked first, so
  // that a cell picked from right to left keeps its texts inside it.
  const double left = std::min(p1.x, p2.x);
  const double right = std::max(p1.x, p2.x);
  const double xm = p1.x + (p2.x - p1.x) / 2;
  const double ym = p1.y + (p2.y - p1.y) / 2;

  auto column = [&](double width) {
    switch (cell.align) {
      case kLeft: return left + 0.5 * S;
      case kRight: return right - (width + 0.5 * S);
      default: return xm - width / 2;
    }
  };
  const double x1 = column(TextWidth(cell.text1, cell.size, S));
  const double x2 = column(TextWidth(cell.text2, cell.size, S));
  const double lone = ym - S * H / 2;

  std::optional<Point> at1;
  std::optional<Point> at2;
  const bool has1 = !cell.text1.empty();
  const bool has2 = !cell.text2.empty();
  if (has1 && !has2) {
    at1 = Point{x1, lone};
  } else if (has1 && has2) {
    at1 = Point{x1, ym};
    at2 = Point{x2, ym - S * H};
  } else if (has2) {
    at1 = Point{x1, ym};
    at2 = Point{x2, lone};
  } else {
    at1 = Point{x1, lone};
    at2 = Point{x2, lone};
  }
  return {CellTextRecord(at1, kUpperDirection, cell.text1),
          CellTextRecord(at2, kLowerDirection, cell.text2)};
}

exchange::Output Compute(const exchange::ToolInput& input) {
  const std::vector<std::string> fields = input.Fields();
  const auto f = exchange::FirstFields<param::kFieldCount>(fields);

  // The cell kind only chose the settings window's boxes; it must still be
  // a number.
  exchange::IntegerField(f[param::kCellKind], FieldLabel("the cell kind", param::kCellKind));
  const long long align =
      exchange::IntegerField(f[param::kAlign], FieldLabel("the alignment", param::kAlign));

  const exchange::ToolStart start = exchange::StartTool(input.items, kKeys, fields);
  const exchange::HostValues& host = start.host;
  Cell cell;
  cell.corner1 = host.At(1);
  cell.corner2 = host.At(2);
  cell.scale = host.scale;
  cell.size = start.textTypes[0].size;
  cell.align = align;
  cell.text1 = exchange::TextField(f[param::kText1]);
  cell.text2 = exchange::TextField(f[param::kText2]);
  const CellRecords texts = PlaceTexts(cell);

  exchange::Output out;
  const exchange::StyleRecords style(host);
  out.Add(style.LayerGroup());
  out.Add(style.Layer(f[param::kTextLayer], FieldLabel("the text layer", param::kTextLayer)));
  out.Add(start.textTypes[0].record);
  out.Add(texts.text1);
  out.Add(texts.text2);
  return out;
}

}  // namespace titleblock
