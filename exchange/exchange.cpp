#include "exchange/exchange.h"

#include <optional>

#include "platform/cp932.h"
#include "platform/numtext.h"
#include "platform/textfile.h"

namespace exchange {

namespace {

// A character that turns the rest of a terminal line around (U+202E) or
// shows as nothing at all, so that the line reads otherwise than it is.
bool ReordersOrHides(char32_t c) {
  return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || c == 0x2028 || c == 0x2029 ||
         (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

}  // namespace

std::string Visible(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  auto shown = [](std::string& out, unsigned code) {
    out += "\\x";
    out += kHex[(code >> 4) & 0xF];
    out += kHex[code & 0xF];
  };
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::optional<platform::Utf8Char> c = platform::Utf8CharAt(text, i);
    if (!c) {
      shown(out, static_cast<unsigned char>(text[i]));
      ++i;
      continue;
    }
    if (const std::optional<char32_t> control = platform::ControlAt(text, i)) {
      shown(out, static_cast<unsigned>(*control));
    } else if (const std::string stray = platform::StrayBytes(c->value); !stray.empty()) {
      for (const char b : stray) shown(out, static_cast<unsigned char>(b));
    } else if (ReordersOrHides(c->value)) {
      // Too high for two hex digits: "u" and four of them after the backslash.
      out += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c->value >> shift) & 0xF];
    } else {
      out.append(text.substr(i, c->length));
    }
    i += c->length;
  }
  return out;
}

std::vector<std::string> Split(const std::string& text, const std::string& sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t at = text.find(sep, start);
    if (at == std::string::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, at - start));
    start = at + sep.size();
  }
}

std::vector<std::string> SplitWords(const std::string& line) { return Split(line, " "); }

const std::string& Word(const std::vector<std::string>& words, std::size_t n) {
  if (n >= words.size())
    throw CommandLineError("the command line has no word " + std::to_string(n) + " (it has " +
                    std::to_string(words.size()) + ")");
  return words[n];
}

const std::string& Field(const std::vector<std::string>& fields, std::size_t n) {
  if (n >= fields.size())
    throw ToolError("the parameter line has no field " + std::to_string(n) + " (it has " +
                    std::to_string(fields.size()) + ")");
  return fields[n];
}

std::string FieldLabel(const std::string& what, std::size_t n) {
  return what + " (field " + std::to_string(n) + ")";
}

double Number(const std::string& text, const std::string& what) {
  double v = 0;
  if (!platform::TryParseNumber(text, v)) throw ToolError(what + " \"" + text + "\" is not a number");
  return v;
}

long long IntegerField(const std::string& text, const std::string& what) {
  return platform::IntPart(Number(text, what));
}

bool HasKey(const std::string& item, const std::string& key) {
  return item.compare(0, key.size(), key) == 0;
}

ItemTable ItemsFromText(const std::string& utf8, std::size_t capacity) {
  ItemTable table;
  for (auto& item : platform::SplitItems(utf8)) {
    if (table.Count() >= capacity)
      throw ToolError("the exchange file holds more than " + std::to_string(capacity) + " items");
    table.items.push_back(std::move(item));
  }
  return table;
}

int GroupNumber(const std::string& group) {
  static const std::string letters = "abcdef";
  if (group.empty()) return 0;
  if (group.size() == 1) {
    char c = group[0];
    if (auto at = letters.find(c); at != std::string::npos) return 10 + static_cast<int>(at);
    if (c >= '0' && c <= '9') return c - '0';
  }
  throw ToolError("the current layer group \"" + group + "\" is not one of 0 to 9 and a to f");
}

namespace {

// The item's last character, whole even when it is not ASCII.
std::string LastChar(const std::string& item) {
  std::size_t at = item.size() - 1;
  while (at > 0 && (static_cast<unsigned char>(item[at]) & 0xC0) == 0x80) --at;
  return item.substr(at);
}

// Element n of an "hcw"/"hcd"/"hch" item, n the integer part of the text
// type field, as the text type's value.
double SizeElement(const std::string& item, const std::string& typeField) {
  long long n = IntegerField(typeField, "the text type");
  auto parts = Split(item, " ");
  // Element 0 is the key itself: text type 0 is no text type either.
  if (n < 1 || static_cast<std::size_t>(n) >= parts.size())
    throw ToolError("the host's item \"" + item.substr(0, 3) + "\" lists no text type " + std::to_string(n));
  return Number(parts[static_cast<std::size_t>(n)], "the host's " + item.substr(0, 3) + " value");
}

}  // namespace

const TextSize& HostValues::Text(const std::string& typeField) const {
  static const TextSize none;
  auto it = text.find(typeField);
  return it == text.end() ? none : it->second;
}

bool HostValues::Given(int point) const {
  auto it = points.find(point);
  return it != points.end() && it->second.given;
}

namespace {

// The coordinate texts of a point split at its blank, or ToolError when the
// point never came or its item is malformed.
std::vector<std::string> CoordinateTexts(const std::map<int, PickedPoint>& points, int point) {
  const std::string name = "point " + std::to_string(point);
  auto it = points.find(point);
  if (it == points.end() || !it->second.given) {
    const char mark = it == points.end() ? 0 : it->second.otherMark;
    if (mark == ' ') throw ToolError(name + " was picked without the \"-\" mark it needs");
    if (mark == '-') throw ToolError(name + " was picked with the \"-\" mark, which it must not have");
    throw ToolError(name + " was not picked");
  }
  if (!it->second.wellFormed)
    throw ToolError(name + " \"" + it->second.item + "\" does not have its coordinates where expected");
  return Split(it->second.coords, " ");
}

}  // namespace

Point HostValues::At(int point) const {
  const std::string name = "point " + std::to_string(point);
  auto xy = CoordinateTexts(points, point);
  if (xy.size() < 2) throw ToolError(name + " \"" + points.at(point).item + "\" lacks its y coordinate");
  return {Number(xy[0], "the x of " + name), Number(xy[1], "the y of " + name)};
}

double HostValues::XAt(int point) const {
  return Number(CoordinateTexts(points, point)[0], "the x of point " + std::to_string(point));
}

namespace {

// An item that a point's test would take but for its mark ("hp2 " to the
// test "hp2-") and that no test of that point takes as it is: the point
// remembers the mark it came with.
void NoteOtherMark(const std::string& item, const std::vector<PointTest>& tests, std::map<int, PickedPoint>& points) {
  auto takes = [&](int point) {
    for (const PointTest& t : tests)
      if (t.point == point && HasKey(item, t.key)) return true;
    return false;
  };
  for (const PointTest& test : tests) {
    if (test.key.empty()) continue;
    const char mark = test.key.back();
    if (mark != ' ' && mark != '-') continue;
    std::string other = test.key;
    other.back() = mark == ' ' ? '-' : ' ';
    if (HasKey(item, other) && !takes(test.point)) points[test.point].otherMark = other.back();
  }
}

}  // namespace

HostValues ReadHostValues(const ItemTable& table, const KeySet& keys) {
  HostValues v;
  for (const auto& t : keys.textTypes) v.text[t];
  for (std::size_t i = 1; i <= table.Count(); ++i) {
    const std::string& item = table.items[i];
    if (HasKey(item, "ly")) v.layer = LastChar(item);
    if (HasKey(item, "lg")) v.layerGroup = LastChar(item);
    if (keys.hostText) {
      for (const auto& t : keys.textTypes) {
        if (HasKey(item, "hcw")) v.text[t].width = SizeElement(item, t);
        if (HasKey(item, "hcd")) v.text[t].spacing = SizeElement(item, t);
        if (HasKey(item, "hch")) v.text[t].height = SizeElement(item, t);
      }
    }
    NoteOtherMark(item, keys.points, v.points);
    for (const PointTest& test : keys.points) {
      if (!HasKey(item, test.key)) continue;
      auto parts = Split(item, std::string(static_cast<std::size_t>(test.blanks), ' '));
      PickedPoint& p = v.points[test.point];
      // A split that finds no run of the test's blanks leaves no coordinate
      // text: reading the point then fails.
      p.item = item;
      p.coords = parts.size() > 1 ? parts[1] : std::string();
      p.wellFormed = parts.size() > 1;
      p.given = true;
    }
  }
  v.groupNumber = GroupNumber(v.layerGroup);
  v.scale = keys.scaleWithoutHs;
  for (std::size_t i = 1; i <= table.Count(); ++i) {
    const std::string& item = table.items[i];
    if (!HasKey(item, "hs")) continue;
    auto parts = Split(item, " ");
    std::size_t at = static_cast<std::size_t>(v.groupNumber) + 1;
    if (at >= parts.size())
      throw ToolError("the host's scale item lists no scale for layer group " + std::to_string(v.groupNumber));
    v.scale = Number(parts[at], "the scale of layer group " + std::to_string(v.groupNumber));
  }
  return v;
}

namespace {

// A "ci" item and its parts split at blanks: key, x, y, r, then any arc
// angles.
struct CircleItem {
  const std::string& item;
  std::vector<std::string> parts;
};

// The "ci" items in file order; an item too short to hold its radius is a
// ToolError.
std::vector<CircleItem> CircleItems(const ItemTable& table) {
  std::vector<CircleItem> items;
  for (std::size_t i = 1; i <= table.Count(); ++i) {
    const std::string& item = table.items[i];
    if (!HasKey(item, "ci")) continue;
    auto parts = Split(item, " ");
    if (parts.size() < 4) throw ToolError("the circle item \"" + item + "\" lacks its radius");
    items.push_back({item, std::move(parts)});
  }
  return items;
}

}  // namespace

std::vector<Circle> Circles(const ItemTable& table) {
  std::vector<Circle> circles;
  for (const CircleItem& c : CircleItems(table))
    circles.push_back({Number(c.parts[1], "a circle's x"), Number(c.parts[2], "a circle's y"),
                       Number(c.parts[3], "a circle's radius")});
  return circles;
}

std::vector<double> CircleRadii(const ItemTable& table) {
  std::vector<double> radii;
  for (const CircleItem& c : CircleItems(table))
    radii.push_back(Number(c.parts[3], "the radius of the circle item \"" + c.item + "\""));
  return radii;
}

}  // namespace exchange
