#include <gtest/gtest.h>

#include "exchange/exchange.h"
#include "exchange/textwidth.h"
#include "tests/support/expect_throw.h"

using namespace exchange;

namespace {

ItemTable Table(std::initializer_list<std::string> items) {
  ItemTable t;
  for (const auto& i : items) t.items.push_back(i);
  return t;
}

KeySet FinishKeys() {
  return {{"4"},
          {{"hp1 ", 3, 1}, {"hp1-", 2, 1}, {"hp2 ", 3, 2}, {"hp3 ", 3, 3}, {"hp4-", 2, 4}, {"hp5-", 2, 5}}};
}

}  // namespace

// Only the characters that reorder or hide text are shown by their code,
// not their neighbours: a message keeps every other character as it is.
TEST(Visible, ShowsTheCharactersThatReorderOrHideTextAndNoOthers) {
  EXPECT_EQ(Visible("a\u200A\u200B\u200F\u2010b"), "a\u200A\\u200B\\u200F\u2010b");
  EXPECT_EQ(Visible("\u2027\u2028\u2029\u202A\u202E\u202F"), "\u2027\\u2028\\u2029\\u202A\\u202E\u202F");
  EXPECT_EQ(Visible("\u2065\u2066\u2067\u2068\u2069\u206A"), "\u2065\\u2066\\u2067\\u2068\\u2069\u206A");
  EXPECT_EQ(Visible("\uFEFF寸法\uFFFD"), "\\uFEFF寸法\uFFFD");
}

TEST(Words, SplitAtEverySingleBlank) {
  EXPECT_EQ(SplitWords("jwc_temp.txt 1 2 mokrav2.jyd"),
            (std::vector<std::string>{"jwc_temp.txt", "1", "2", "mokrav2.jyd"}));
  EXPECT_EQ(SplitWords("a  b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Split("hp2    5 5", "   "), (std::vector<std::string>{"hp2", " 5 5"}));
  EXPECT_THROW_SAYING(Word({"a"}, 3), ToolError, "has no word 3");
  EXPECT_THROW_SAYING(Field({"1", "2"}, 2), ToolError, "has no field 2");
}

TEST(Items, CapacityIsEnforced) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "x\r\n";
  EXPECT_EQ(ItemsFromText(text, 100).Count(), 100u);
  EXPECT_THROW_SAYING(ItemsFromText(text + "x\r\n", 100), ToolError, "holds more than 100 items");
  EXPECT_EQ(ItemsFromText(text + "x\r\n", 300).Count(), 101u);
  auto t = ItemsFromText("ci 0,0\r\n", 100);
  EXPECT_EQ(t.items, (std::vector<std::string>{"", "ci 0", "0"}));
}

TEST(HostValues, LastItemOfAKeyWins) {
  auto v = ReadHostValues(Table({"lg3", "ly2", "lga", "ly5"}), FinishKeys());
  EXPECT_EQ(v.layerGroup, "a");
  EXPECT_EQ(v.groupNumber, 10);
  EXPECT_EQ(v.layer, "5");
  EXPECT_EQ(ReadHostValues(Table({"lyあ"}), FinishKeys()).layer, "あ");
}

TEST(HostValues, GroupScaleAndTextSizes) {
  std::string hs = "hs", hcw = "hcw", hcd = "hcd", hch = "hch";
  for (int i = 1; i <= 16; ++i) hs += " " + std::to_string(i);
  for (int i = 1; i <= 10; ++i) {
    hcw += " " + std::to_string(i);
    hcd += " " + std::to_string(i) + ".5";
    hch += " " + std::to_string(i * 2);
  }
  auto f = ReadHostValues(Table({"lgf", hs, hcw, hcd, hch}), FinishKeys());
  EXPECT_EQ(f.scale, 16);
  EXPECT_EQ(f.Text("4").width, 4);
  EXPECT_EQ(f.Text("4").spacing, 4.5);
  EXPECT_EQ(f.Text("4").height, 8);
  EXPECT_EQ(ReadHostValues(Table({"lg0", hs}), FinishKeys()).scale, 1);
  // No "hs": scale 0; no "lg": group 0.
  auto none = ReadHostValues(Table({"ly1"}), FinishKeys());
  EXPECT_EQ(none.scale, 0);
  EXPECT_EQ(none.layerGroup, "");
  EXPECT_EQ(none.Text("4").width, 0);
}

TEST(HostValues, MalformedHostItemsFail) {
  EXPECT_THROW_SAYING(ReadHostValues(Table({"lgA"}), FinishKeys()), ToolError,
                      "layer group \"A\" is not one of 0 to 9 and a to f");  // upper case
  EXPECT_THROW_SAYING(ReadHostValues(Table({"lg3", "hs 1 1"}), FinishKeys()), ToolError,
                      "lists no scale for layer group 3");  // too short
  EXPECT_THROW_SAYING(ReadHostValues(Table({"hcw 1 2 3"}), FinishKeys()), ToolError, "lists no text type 4");
  EXPECT_THROW_SAYING(ReadHostValues(Table({"lg0", "hs x"}), FinishKeys()), ToolError,
                      "the scale of layer group 0 \"x\" is not a number");
  KeySet bad = FinishKeys();
  bad.textTypes = {"-1"};
  EXPECT_THROW_SAYING(ReadHostValues(Table({"hcw 1"}), bad), ToolError, "lists no text type -1");
  bad.textTypes = {"x"};
  EXPECT_THROW_SAYING(ReadHostValues(Table({"hcw 1"}), bad), ToolError, "the text type \"x\" is not a number");
  // Without character sizes from the host the text type is never read.
  EXPECT_EQ(ReadHostValues(Table({"ly1"}), bad).Text("x").width, 0);
}

TEST(HostValues, PickedPointsByTheirMark) {
  auto v = ReadHostValues(Table({"hp1   10.5 -20", "hp4-  1 2", "hp2    5 5", "hp3-  7 8"}), FinishKeys());
  EXPECT_EQ(v.At(1).x, 10.5);
  EXPECT_EQ(v.At(1).y, -20);
  EXPECT_EQ(v.At(4).y, 2);
  // Four blanks: the x is empty.
  EXPECT_THROW_SAYING(v.At(2), ToolError, "the x of point 2 \"\" is not a number");
  // A point there with the other mark than the tool reads it by is not
  // given, and its message says what is wrong with it.
  EXPECT_FALSE(v.Given(3));  // "hp3-" is not a test of this tool
  EXPECT_THROW_SAYING(v.At(3), ToolError, "point 3 was picked with the \"-\" mark, which it must not have");
  EXPECT_THROW_SAYING(ReadHostValues(Table({"hp4   1 2"}), FinishKeys()).At(4), ToolError,
                      "point 4 was picked without the \"-\" mark it needs");
  EXPECT_EQ(ReadHostValues(Table({"hp4-  1 2", "hp4   3 4"}), FinishKeys()).At(4).x, 1);
  EXPECT_THROW_SAYING(v.At(5), ToolError, "point 5 was not picked");
  auto dash = ReadHostValues(Table({"hp1-  10.5 -20"}), FinishKeys());
  EXPECT_EQ(dash.At(1).x, 10.5);
  // A three-character test splits at three blanks: a "-" item fails it.
  KeySet three{{}, {{"hp4", 3, 4}}};
  EXPECT_THROW_SAYING(ReadHostValues(Table({"hp4-  1 2"}), three).At(4), ToolError,
                      "does not have its coordinates where expected");
  EXPECT_EQ(ReadHostValues(Table({"hp4   1 2"}), three).At(4).x, 1);
  EXPECT_THROW_SAYING(ReadHostValues(Table({"hp1   1"}), FinishKeys()).At(1), ToolError, "lacks its y coordinate");
}

TEST(HostValues, SelectedCircles) {
  auto c = Circles(Table({"ci 1 2 3", "ly1", "ci -1 0.5 10"}));
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[1].x, -1);
  EXPECT_EQ(c[1].r, 10);
  EXPECT_THROW_SAYING(Circles(Table({"ci 0"})), ToolError, "\"ci 0\" lacks its radius");
  EXPECT_THROW_SAYING(Circles(Table({"ci x 0 1"})), ToolError, "a circle's x \"x\" is not a number");
  // The radii alone leave the centres unread, so anything may stand there.
  EXPECT_EQ(CircleRadii(Table({"ci x y 5", "ci 0 0 7 0 180"})), (std::vector<double>{5, 7}));
  EXPECT_THROW_SAYING(CircleRadii(Table({"ci 1 2"})), ToolError, "\"ci 1 2\" lacks its radius");
  EXPECT_THROW_SAYING(CircleRadii(Table({"ci 1 2 r"})), ToolError,
                      "the radius of the circle item \"ci 1 2 r\" \"r\" is not a number");
}

TEST(TextWidth, LenMbcsCountsCodePageBytes) {
  EXPECT_EQ(LenMbcs(""), 0);
  EXPECT_EQ(LenMbcs("ABC"), 3);
  EXPECT_EQ(LenMbcs("溶接"), 4);
  EXPECT_EQ(LenMbcs("Ra3.2"), 5);
  EXPECT_EQ(LenMbcs("ｱ"), 1);
  EXPECT_EQ(LenMbcs("GE:研削"), 7);
}

TEST(TextWidth, Rules) {
  EXPECT_DOUBLE_EQ(MixedWidth("12", 3, 0.5, 1, 2), 2.75);
  EXPECT_DOUBLE_EQ(MixedWidth("12", 3, 0.5, 1, 1), 3.25);
  EXPECT_DOUBLE_EQ(MixedWidth("", 3, 0.5, 2, 2), -1.5 * 0.5 * 2);
  // All full width, n = 3: W n + D (n - k) + D / 2
  EXPECT_DOUBLE_EQ(MixedWidth("研削面", 3, 0.5, 1, 2), 9 + 0.5 + 0.25);
  EXPECT_DOUBLE_EQ(FullWidth("研削面", 3, 0.5, 1), 10);
  EXPECT_DOUBLE_EQ(FullWidth("研削面", 3, 0.5, 2), 20);
  EXPECT_EQ(MixedWidth("研削面", 3, 0.5, 0, 2), 0);
  EXPECT_DOUBLE_EQ(HalfWidthCount(3, 3, 0.5, 1), 4.5 + 0.5);
}

#include "exchange/tools.h"

TEST(ToolKeys, EachToolReadsItsOwnTextTypesAndPoints) {
  // Key sets shaped as the tools declare theirs: a text type in field 0 (the
  // surface-finish tool), in field 1 (the title-block tool), none at all
  // with the scale starting at 1 (the hole tool).
  const std::vector<PointTest> points = {{"hp1 ", 3, 1}, {"hp1-", 2, 1}, {"hp2 ", 3, 2}};
  const ToolKeys field0{.run = {"T", 100, 3}, .textTypeFields = {{0, "the text type"}}, .points = points};
  const ToolKeys field1{.run = {"T", 100, 1}, .textTypeFields = {{1, "the text type"}}, .points = points};
  const ToolKeys noText{.run = {"T", 100, 1}, .points = points, .hostText = false, .scaleWithoutHs = 1};
  auto items = Table({"lg1", "hs 2 3", "hcw 1 2 3", "hcd 0.1 0.2 0.3", "hp1-  1 1", "hp2   2 2"});
  auto f = StartTool(items, field0, {"2", "x"}).host;
  EXPECT_EQ(f.scale, 3);
  EXPECT_EQ(f.Text("2").width, 2);
  EXPECT_EQ(f.At(1).x, 1);
  auto b = StartTool(items, field1, {"x", "3.7"}).host;  // field 1, integer part 3
  EXPECT_EQ(b.Text("3.7").spacing, 0.3);
  EXPECT_THROW_SAYING(StartTool(items, field0, {"a"}), ToolError, "the text type \"a\" is not a number");
  EXPECT_THROW_SAYING(StartTool(items, field0, {"1e30"}), ToolError, "lists no text type");
  EXPECT_THROW_SAYING(StartTool(items, field0, {}), ToolError, "has no field 0");
  auto h = StartTool(Table({"hcw x", "hp1   5 6"}), noText, {}).host;
  EXPECT_EQ(h.scale, 1);
  EXPECT_EQ(h.At(1).y, 6);
}

TEST(ToolKeys, TheOpeningChecksTextTypesInTheirOrderThenReadsTheHost) {
  const ToolKeys inOrder{.run = {"T", 100, 1},
                         .textTypeFields = {{0, "the text type"}, {2, "the limit text type"}},
                         .points = {{"hp1 ", 3, 1}}};
  ToolKeys lastFirst = inOrder;  // as the dimension-tolerance tool checks its two
  lastFirst.textTypeCheckOrder = {1, 0};
  auto items = Table({"hs 2", "hcw 1 2 3", "hch 4 5 6", "hp1   5 6"});

  // Records and sizes come in the order of the fields, whatever the check order.
  const ToolKeys* const both[] = {&inOrder, &lastFirst};
  for (const ToolKeys* keys : both) {
    const ToolStart s = StartTool(items, *keys, {"3", "x", "1"});
    ASSERT_EQ(s.textTypes.size(), 2u);
    EXPECT_EQ(s.textTypes[0].record, "cn3");
    EXPECT_EQ(s.textTypes[0].size.width, 3);
    EXPECT_EQ(s.textTypes[1].record, "cn1");
    EXPECT_EQ(s.textTypes[1].size.height, 4);
    EXPECT_EQ(s.host.scale, 2);
    EXPECT_EQ(s.host.At(1).y, 6);
  }

  // Both fields would break their records: the first checked is named, and
  // before the host's broken size item is read.
  const auto broken = Table({"hcw x", "hp1   5 6"});
  EXPECT_THROW_SAYING(StartTool(broken, inOrder, {"1,", "x", "2,"}), ToolError,
                      "the text type (field 0) holds a comma, which no \"cn\" record may hold");
  EXPECT_THROW_SAYING(StartTool(broken, lastFirst, {"1,", "x", "2,"}), ToolError,
                      "the limit text type (field 2) holds a comma, which no \"cn\" record may hold");
  EXPECT_THROW_SAYING(StartTool(broken, inOrder, {"1", "x", "2"}), ToolError,
                      "the host's hcw value \"x\" is not a number");
  auto noText = inOrder;
  noText.textTypeFields.clear();
  EXPECT_TRUE(StartTool(Table({"hp1   5 6"}), noText, {}).textTypes.empty());
}

TEST(ToolKeys, LineAndTextHeadersAreCheckedLineLayerColourTextLayer) {
  HostValues host;
  host.layer = "7";
  const LineAndTextFields at{.lineLayer = 2, .lineColor = 0, .textLayer = 1};
  const LineAndTextRecords r = ReadLineAndTextRecords(host, {"3", "E", "--"}, at);
  EXPECT_EQ(r.lineLayer, "ly7");
  EXPECT_EQ(r.colour, "lc3");
  EXPECT_EQ(r.textLayer, "lyE");

  EXPECT_THROW_SAYING(ReadLineAndTextRecords(host, {"3,", "E,", "1,"}, at), ToolError,
                      "the line layer (field 2) holds a comma, which no \"ly\" record may hold");
  EXPECT_THROW_SAYING(ReadLineAndTextRecords(host, {"3,", "E,", "1"}, at), ToolError,
                      "the line colour (field 0) holds a comma, which no \"lc\" record may hold");
  EXPECT_THROW_SAYING(ReadLineAndTextRecords(host, {"3", "E,", "1"}, at), ToolError,
                      "the text layer (field 1) holds a comma, which no \"ly\" record may hold");
}
