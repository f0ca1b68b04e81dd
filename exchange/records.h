// Drawing records: what a tool writes over the exchange file for the host
// to draw, and the output that holds them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/exchange.h"

namespace exchange {

// Number text and padded number text (blank before a value >= 0). A value
// that is not finite is a ToolError: the run fails instead of writing it.
std::string Num(double v);
std::string Pad(double v);

// How a message names a control character: "a tab", "a NUL character
// (U+0000)", "the control character U+001B".
std::string ControlName(char32_t c);

// The layer to write: the field, or the current layer when the field is "--".
std::string LayerChoice(const std::string& field, const std::string& current);

// The records that set the layer group, layer, pen and text type of the
// records after them. The host's own current layer and group are written
// as it gave them. A parameter field is written as it stands, whatever
// value the host may know ("nan" and "0x10" are the host's to judge), but
// a comma (the exchange file's item separator), a double quote or a control
// character would make the host read items the tool never wrote: such a
// field is a ToolError naming `what`.
class StyleRecords {
 public:
  explicit StyleRecords(const HostValues& host) : layer_(host.layer), group_(host.layerGroup) {}
  std::string LayerGroup() const { return "lg" + group_; }
  // "ly" and the field, or the current layer when the field is "--" ("ly"
  // alone when the host gave none).
  std::string Layer(const std::string& field, const std::string& what) const;
  static std::string Colour(const std::string& field, const std::string& what);    // "lc" and the field
  static std::string LineType(const std::string& field, const std::string& what);  // "lt" and the field
  static std::string SolidLineType() { return "lt1"; }  // for tools whose lines take no line-type field
  // The pen of a filled triangle ("sl"), fixed whatever the line colour; the
  // records after it keep that pen.
  static std::string SolidFillColour() { return "lc10 0000000"; }
  static std::string TextType(const std::string& field, const std::string& what);  // "cn" and the field

 private:
  std::string layer_;
  std::string group_;
};

std::string LineRecord(double x1, double y1, double x2, double y2);
// "ci x y r" with number text.
std::string CircleRecord(double x, double y, double r);
// "ci x y" then the padded radius, then the tail unchanged (" 0 0", " 0 180"...).
std::string CirclePaddedRecord(double x, double y, double r, const std::string& tail);
// "ci x y r a1 a2", all number text.
std::string ArcRecord(double x, double y, double r, double a1, double a2);
// "ci x y" padded r, padded start, then the end literal (" 270").
std::string PaddedArcRecord(double x, double y, double r, double start, const std::string& endLiteral);
std::string PointRecord(double x, double y);
std::string SolidRecord(double x1, double y1, double x2, double y2, double x3, double y3);

// A text record: key ("ch" or "cs"), x, y, then extraBefore more blanks,
// the direction literal (which carries its own blanks), extraAfter more
// blanks, a double quote and the text.
std::string TextRecord(double x, double y, const std::string& literal, const std::string& text,
                       int extraBefore = 0, int extraAfter = 0, const std::string& key = "ch");
// A text record with a computed direction: "ch x y dx dy "text.
std::string DirectedTextRecord(double x, double y, double dx, double dy, const std::string& text);

// A record slot: set by the branch that draws it, written empty otherwise.
using Slot = std::optional<std::string>;

// The drawing output: records in order, each ending CR LF.
class Output {
 public:
  void Add(const std::string& record);
  void Add(const char* record) { Add(std::string(record)); }
  void Add(const Slot& slot);  // an unset slot gives an empty line
  void AddAll(const std::vector<Slot>& slots);
  // The whole text as written: every record with its CR LF, then one more CR LF.
  std::string Text() const;
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace exchange
