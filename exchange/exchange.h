// The host's exchange file as the tools read it: command-line words, the
// item table, host key items, picked points and selected circles.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/params/markers.h"

namespace exchange {

// A message as a tool may write it to a terminal: every control character
// (platform::ControlAt) and every byte that is no part of valid UTF-8 shown
// as "\x" and two uppercase hex digits (ESC "\x1B", U+0085 "\x85", a stray
// byte 0x9B "\x9B"), as are the bytes a stand-in of
// platform::FromCp932KeepingStrays keeps (a lone lead byte "\x81"); each
// character that reorders or hides text (U+200B to U+200F, U+202A to
// U+202E, U+2028, U+2029, U+2066 to U+2069, U+FEFF) shown as "\u" and four
// uppercase hex digits ("\u202E"). So a quoted item or file name can
// neither steer the terminal, nor hide or turn text around, nor end the
// line. All else, the backslash and Japanese text included, stays as it is.
std::string Visible(std::string_view text);

// Every failure of a tool's run: one line that says why. The run then ends
// with the exchange file as the host wrote it. The text is made Visible
// here: what() is a C string, and a NUL that a message quotes would end it.
class ToolError : public std::runtime_error {
 public:
  explicit ToolError(std::string_view what) : std::runtime_error(Visible(what)) {}
};

// A command line that lacks a word the tool needs: the run fails as for any
// ToolError, and the message also shows how the tool is called.
class CommandLineError : public ToolError {
 public:
  using ToolError::ToolError;
};

// Split at every single blank (no quoting; two blanks give an empty word).
std::vector<std::string> SplitWords(const std::string& line);

// Split at every occurrence of sep, left to right, as the host's own
// split does (an empty text gives one empty element).
std::vector<std::string> Split(const std::string& text, const std::string& sep);

// Word n of the command line, or CommandLineError naming the missing word.
const std::string& Word(const std::vector<std::string>& words, std::size_t n);

// Field n of a parameter line split at single blanks, or ToolError.
const std::string& Field(const std::vector<std::string>& fields, std::size_t n);

// How a failure names parameter field n: "the line layer (field 9)", so
// that the number a message shows is the place the field is read from.
std::string FieldLabel(const std::string& what, std::size_t n);

// Whether an item begins with a host key, compared exactly on the key's
// length (an item shorter than the key never matches).
bool HasKey(const std::string& item, const std::string& key);

// Whether a field of a parameter line holds a text: the window writes an
// empty text as paramfile::kEmptyText.
inline bool TextGiven(const std::string& field) { return field != paramfile::kEmptyText; }

// A text field of a parameter line, the empty-text marker made empty.
inline std::string TextField(const std::string& field) { return TextGiven(field) ? field : std::string(); }

// Fields 0 to N - 1 of a parameter line; ToolError for the first one missing.
template <std::size_t N>
std::array<std::string, N> FirstFields(const std::vector<std::string>& fields) {
  std::array<std::string, N> f;
  for (std::size_t i = 0; i < N; ++i) f[i] = Field(fields, i);
  return f;
}

// A number from a field or item part, or ToolError naming what it is.
double Number(const std::string& text, const std::string& what);

// The integer part (toward minus infinity) of a numeric field.
long long IntegerField(const std::string& text, const std::string& what);

// The item table: items in file order, index 1 first (items[0] unused).
struct ItemTable {
  std::vector<std::string> items{std::string()};
  std::size_t Count() const { return items.size() - 1; }
};

// The items of decoded exchange text; ToolError when there are more than
// capacity of them.
ItemTable ItemsFromText(const std::string& utf8, std::size_t capacity);

// A point test: the first key.size() characters of an item equal key; the
// coordinates follow the first run of `blanks` blanks. Stores into `point`.
struct PointTest {
  std::string key;
  int blanks;
  int point;
};

// What a tool asks of the host items.
struct KeySet {
  // The text type fields as written; each is turned into a number only when
  // an "hcw", "hcd" or "hch" item needs it, so a field that is no number
  // fails only when the host lists character sizes.
  std::vector<std::string> textTypes;
  std::vector<PointTest> points;
  bool hostText = true;              // tests "hcw", "hcd", "hch"
  double scaleWithoutHs = 0;         // the group scale when no "hs" item comes
};

struct TextSize {
  double width = 0;    // W, from "hcw"
  double spacing = 0;  // D, from "hcd"
  double height = 0;   // CH, from "hch"
};

struct PickedPoint {
  std::string item;    // the whole item, for messages
  std::string coords;  // the text after the blank run; empty when never given
  bool wellFormed = false;
  bool given = false;
  // For a point not given: the mark (' ' or '-') of an item of its number
  // that came with the other mark than the tool reads it by ("hp2 " where
  // only "hp2-" is read), so the message can say so; 0 when none came.
  char otherMark = 0;
};

struct Point {
  double x = 0;
  double y = 0;
};

struct Circle {
  double x = 0;
  double y = 0;
  double r = 0;
};

struct HostValues {
  std::string layer;       // current layer character, empty if no "ly"
  std::string layerGroup;  // current layer group character, empty if no "lg"
  int groupNumber = 0;
  double scale = 0;        // group scale; 0 without an "hs" item
  std::map<std::string, TextSize> text;  // by text type field
  std::map<int, PickedPoint> points;

  // W, D and CH of a text type field; all 0 when the host listed none.
  const TextSize& Text(const std::string& typeField) const;
  // The point's x and y; ToolError when it never came, came only with the
  // other mark, or is malformed.
  Point At(int point) const;
  // The point's x alone, for a point whose y is never used: it need not
  // be there. ToolError as for At otherwise.
  double XAt(int point) const;
  bool Given(int point) const;
};

// The key pass and the scale pass over the table.
HostValues ReadHostValues(const ItemTable& table, const KeySet& keys);

// The "ci" items of the table (x, y, r), in file order. An item without
// its radius, or a part of it that is no number, is a ToolError.
std::vector<Circle> Circles(const ItemTable& table);

// The radii of the "ci" items alone, in file order: the centres are not
// read, so they need not be numbers.
std::vector<double> CircleRadii(const ItemTable& table);

// The layer group number of a group character: "a".."f" 10..15, a digit
// its value, empty 0; anything else is a ToolError.
int GroupNumber(const std::string& group);

}  // namespace exchange
