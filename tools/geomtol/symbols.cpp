// The fourteen characteristic symbols of the frame's left cell, as one
// table. Points are (u, v) in paper millimetres from the frame's reference
// point (the middle of its left side); radii are paper millimetres.
#include <vector>

#include "tools/geomtol/geomtol.h"

namespace geomtol {
namespace {

enum class Mark { kNone, kLine, kCircle, kHalfCircle };

// A line from (u1, v1) to (u2, v2), or a circle about (u1, v1) of radius r.
struct Part {
  Mark mark = Mark::kNone;
  double u1 = 0;
  double v1 = 0;
  double u2 = 0;
  double v2 = 0;
  double r = 0;
};

constexpr Part Line(double u1, double v1, double u2, double v2) {
  return {Mark::kLine, u1, v1, u2, v2, 0};
}
constexpr Part Circle(double u, double v, double r) { return {Mark::kCircle, u, v, 0, 0, r}; }
constexpr Part HalfCircle(double u, double v, double r) { return {Mark::kHalfCircle, u, v, 0, 0, r}; }
constexpr Part None() { return {}; }

// One symbol fills the slots S1..S7 in order; a part of kind none leaves its
// slot empty.
struct Symbol {
  const char* value;
  std::vector<Part> parts;
};

const std::vector<Symbol>& Symbols() {
  static const std::vector<Symbol> table = {
      {"1", {Line(2, 0, 6, 0)}},                                                    // straightness
      {"2", {Line(4, 3, 6, 3), Line(2, -3, 4, -3), Line(4, 3, 2, -3), Line(6, 3, 4, -3)}},  // flatness
      {"3", {None(), Line(4, 3, 2, -3), Line(6, 3, 4, -3)}},                        // parallelism
      {"4", {Line(2, -3, 6, -3), Line(4, 3, 4, -3)}},                               // perpendicularity
      {"5", {Line(2, -3, 6, -3), Line(2, -3, 6, 3)}},                               // angularity
      {"6", {Line(2, 0, 6, 0), Line(2.5, 2, 5.5, 2), Line(2.5, -2, 5.5, -2)}},      // symmetry
      {"7", {Circle(4, 0, 3)}},                                                     // roundness
      {"8", {Circle(4, 0, 3), Circle(4, 0, 2.2)}},                                  // concentricity
      {"9", {Circle(4, 0, 1), Line(2, 0, 6, 0), Line(4, 2, 4, -2)}},                // position
      {"10", {Circle(4, 0, 0.958), Line(4, 3, 2, -3), Line(6, 3, 4, -3)}},          // cylindricity
      {"11", {HalfCircle(4, -1.25, 2.5)}},                                          // line profile
      {"12", {HalfCircle(4, -1.25, 2.5), Line(1.5, -1.25, 6.5, -1.25)}},            // surface profile
      {"13", {Line(2, -2, 6, 2), Line(4, 0.845, 6, 2), Line(4.845, 0, 6, 2)}},      // circular run-out
      // Total run-out: two slanted arrows side by side on a base line.
      {"14",
       {Line(0.5, -2, 4.5, 2), Line(2.5, 0.845, 4.5, 2), Line(3.335, 0, 4.5, 2), Line(3.5, -2, 7.5, 2),
        Line(5.5, 0.845, 7.5, 2), Line(6.345, 0, 7.5, 2), Line(0.5, -2, 3.5, -2)}},
  };
  return table;
}

}  // namespace

void DrawSymbol(const std::string& characteristic, exchange::Point anchor, double S, Drawing& d) {
  for (const Symbol& symbol : Symbols()) {
    if (characteristic != symbol.value) continue;
    for (std::size_t i = 0; i < symbol.parts.size(); ++i) {
      const Part& p = symbol.parts[i];
      const double x1 = anchor.x + p.u1 * S;
      const double y1 = anchor.y + p.v1 * S;
      exchange::Slot& slot = d.lines[kS1 + i];
      switch (p.mark) {
        case Mark::kNone: break;
        case Mark::kLine: slot = exchange::LineRecord(x1, y1, anchor.x + p.u2 * S, anchor.y + p.v2 * S); break;
        case Mark::kCircle: slot = exchange::CirclePaddedRecord(x1, y1, p.r * S, ""); break;
        case Mark::kHalfCircle: slot = exchange::CirclePaddedRecord(x1, y1, p.r * S, " 0 180"); break;
      }
    }
    return;
  }
}

}  // namespace geomtol
