#include "exchange/records.h"

#include <cstdio>

#include "exchange/exchange.h"
#include "platform/cp932.h"
#include "platform/numtext.h"

namespace exchange {

namespace {

// The number text of a drawing record; a value that is not finite stops
// the run instead of reaching the host.
std::string Written(std::string (*text)(double), double v) {
  try {
    return text(v);
  } catch (const platform::NumberError&) {
    throw ToolError("a coordinate came out as no number (the picked points do not fit the symbol)");
  }
}

}  // namespace

std::string Num(double v) { return Written(platform::NumberText, v); }

std::string Pad(double v) { return Written(platform::PaddedNumberText, v); }

std::string ControlName(char32_t c) {
  if (c == U'\t') return "a tab";
  if (c == 0) return "a NUL character (U+0000)";
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  return std::string("the control character ") + code;
}

std::string LayerChoice(const std::string& field, const std::string& current) {
  return field == paramfile::kCurrentLayer ? current : field;
}

namespace {

// The first character of a field that would break the record it goes
// into, named for the message; empty when there is none.
std::string Breaking(const std::string& field) {
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == ',') return "a comma";
    if (field[i] == '"') return "a double quote";
    if (const auto c = platform::ControlAt(field, i)) return ControlName(*c);
  }
  return std::string();
}

// ToolError naming `what` when the field would break its record.
void CheckField(const std::string& key, const std::string& field, const std::string& what) {
  const std::string why = Breaking(field);
  if (!why.empty())
    throw ToolError(what + " holds " + why + ", which no \"" + key + "\" record may hold");
}

std::string StyleRecord(const std::string& key, const std::string& field, const std::string& what) {
  CheckField(key, field, what);
  return key + field;
}

}  // namespace

std::string StyleRecords::Layer(const std::string& field, const std::string& what) const {
  CheckField("ly", field, what);
  return "ly" + LayerChoice(field, layer_);
}

std::string StyleRecords::Colour(const std::string& field, const std::string& what) {
  return StyleRecord("lc", field, what);
}

std::string StyleRecords::LineType(const std::string& field, const std::string& what) {
  return StyleRecord("lt", field, what);
}

std::string StyleRecords::TextType(const std::string& field, const std::string& what) {
  return StyleRecord("cn", field, what);
}

std::string LineRecord(double x1, double y1, double x2, double y2) {
  return Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2);
}

std::string CircleRecord(double x, double y, double r) {
  return "ci " + Num(x) + " " + Num(y) + " " + Num(r);
}

std::string CirclePaddedRecord(double x, double y, double r, const std::string& tail) {
  return "ci " + Num(x) + " " + Num(y) + " " + Pad(r) + tail;
}

std::string ArcRecord(double x, double y, double r, double a1, double a2) {
  return "ci " + Num(x) + " " + Num(y) + " " + Num(r) + " " + Num(a1) + " " + Num(a2);
}

std::string PaddedArcRecord(double x, double y, double r, double start, const std::string& endLiteral) {
  return "ci " + Num(x) + " " + Num(y) + " " + Pad(r) + " " + Pad(start) + endLiteral;
}

std::string PointRecord(double x, double y) { return "pt " + Num(x) + " " + Num(y); }

std::string SolidRecord(double x1, double y1, double x2, double y2, double x3, double y3) {
  return "sl " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2) + " " + Num(x3) + " " + Num(y3);
}

std::string TextRecord(double x, double y, const std::string& literal, const std::string& text,
                       int extraBefore, int extraAfter, const std::string& key) {
  return key + " " + Num(x) + " " + Num(y) + std::string(static_cast<std::size_t>(extraBefore), ' ') +
         literal + std::string(static_cast<std::size_t>(extraAfter), ' ') + "\"" + text;
}

std::string DirectedTextRecord(double x, double y, double dx, double dy, const std::string& text) {
  return "ch " + Num(x) + " " + Num(y) + " " + Num(dx) + " " + Num(dy) + " \"" + text;
}

void Output::Add(const std::string& record) { lines_.push_back(record); }

void Output::Add(const Slot& slot) { lines_.push_back(slot.value_or(std::string())); }

void Output::AddAll(const std::vector<Slot>& slots) {
  for (const Slot& s : slots) Add(s);
}

std::string Output::Text() const {
  std::string out;
  for (const auto& line : lines_) out += line + "\r\n";
  return out + "\r\n";
}

}  // namespace exchange
