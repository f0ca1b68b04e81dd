// The fields every tool copies into its layer ("ly"), colour ("lc"), line
// type ("lt", "lt1") and text type ("cn") records, one test per record over
// all eight tools. The values of the window's own list for the field are
// written as they stand; the same parameter file spoilt by hand with a
// comma, a double quote, a tab or another control character in the field
// fails the run with one line naming the field and leaves the host's file
// alone.
//
// Every case is a run of a built tool, and a process start is what the
// cases cost, so each field is drawn with the values of its list that a
// tool could tell apart and spoilt with one character that its record
// refuses, and each tool's line with one control character.
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/procedures.h"
#include "tests/roundtrip/roundtrip.h"

namespace mokrav::roundtrip {
namespace {

namespace fs = std::filesystem;

// A field of the parameter line and the window's box that fills it.
struct StyleField {
  int box;
  std::size_t index;
};

// One tool: its tab, picks that the tab's start values draw with, what the
// tab needs beyond its start values, and its fields by record.
struct ToolFields {
  TabTool tab;
  HostFile host;
  std::function<void(Form&)> start;
  std::vector<StyleField> layers, colours, lineTypes, textTypes;
  bool solidLineType;  // writes the fixed "lt1" after its line layer
};

const std::vector<ToolFields>& Tools() {
  static const std::vector<ToolFields> tools = {
      {{"Co32", "mokrav1.jyd", "溶接記号データを出力しました", "MOKRAVW", "jwc_temp.txt 0 0 0 0 0 mokrav1.jyd"},
       Host("0", {PickedPoint(1, "0 0", true), PickedPoint(2, "20 15", true), PickedPoint(3, "60 15", true),
                  PickedPoint(4, "60 15")}),
       [](Form&) {}, {{61, 17}, {58, 18}}, {{8, 1}}, {}, {{7, 0}}, true},
      {{"Co22", "mokrav2.jyd", "仕上げ記号データを出力しました", "MOKRAVF", "jwc_temp.txt 1 2 mokrav2.jyd"},
       Host("0", {PickedPoint(1, "10 0"), PickedPoint(2, "10 50"), PickedPoint(3, "4 20")}),
       [](Form&) {}, {{63, 9}, {62, 10}}, {{6, 1}}, {}, {{5, 0}}, true},
      {{"CO2", "mokrav3.jyd", "幾何公差記号データを出力しました", "MOKRAVG", "jwc_temp.txt 0 0 0 mokrav3.jyd"},
       Host("2", {PickedPoint(1, "10 20", true), PickedPoint(2, "50 30", true)}),
       [](Form&) {}, {{65, 11}, {64, 12}}, {{4, 3}}, {}, {{1, 0}, {2, 1}, {3, 2}}, true},
      {{"Command6", "mokrav4.jyd", "穴・ネジ作図データを出力しました", "MOKRAVR", "jwc_temp.txt mokrav4.jyd"},
       Host("0", {PickedPoint(1, "100 50")}),
       [](Form&) {}, {{55, 15}, {56, 16}, {57, 17}}, {{17, 0}, {19, 2}, {21, 4}}, {{18, 1}, {20, 3}, {22, 5}},
       {}, false},
      {{"Command2", "mokrav5.jyd", "引出文字作図データを出力しました", "MOKRAVL", "jwc_temp.txt mokrav5.jyd"},
       Host("0", {PickedPoint(1, "0 0", true), PickedPoint(2, "10 10", true), PickedPoint(3, "10 10"),
                  PickedPoint(4, "12 10")}),
       [](Form&) {}, {{67, 6}, {66, 7}}, {{10, 1}}, {}, {{9, 0}}, true},
      {{"Command4", "mokrav6.jyd", "公差記号作図データを出力しました", "MOKRAVT", "jwc_temp.txt 0 0 0 mokrav6.jyd 0"},
       Host("0", {PickedPoint(1, "0 0"), PickedPoint(2, "25 0"), PickedPoint(3, "12 10"), PickedPoint(4, "12 10")}),
       [](Form&) {}, {{69, 14}, {68, 15}}, {{46, 1}}, {}, {{44, 0}, {45, 12}}, true},
      {{"Command8", "mokrav7.jyd", "断面作図データを出力しました", "MOKRAVP", "jwc_temp.txt mokrav7.jyd 1"},
       Host("0", {PickedPoint(1, "0 0", true), PickedPoint(2, "100 0", true), PickedPoint(3, "10 5"),
                  PickedPoint(4, "90 5"), PickedPoint(5, "50 -20")}),
       [](Form&) {}, {{79, 4}, {82, 7}, {76, 1}}, {{77, 2}, {80, 5}}, {{78, 3}, {81, 6}}, {{75, 0}}, false},
      {{"Command11", "mokrav8.jyd", "図枠欄作図データを出力しました", "MOKRAVB", "jwc_temp.txt mokrav8.jyd"},
       Host("0", {PickedPoint(1, "0 0", true), PickedPoint(2, "40 10", true)}),
       [](Form& f) { f.Option("C91").selected = 0; }, {{96, 2}}, {}, {}, {{91, 1}}, false},
  };
  return tools;
}

// What a hand-edited file may put into a field: each breaks its record.
struct Breaking {
  const char* text;
  const char* name;
  bool control;  // refused in any parameter text, not only in this record's
};
// The characters that the record refuses, then those that every parameter
// text refuses; each is taken in turn.
const Breaking kRecordBreaking[] = {{",", "a comma", false}, {"\"", "a double quote", false}};
const Breaking kControls[] = {{"\t", "a tab", true}, {"\v", "the control character U+000B", true}};

// The values of a list that a tool could tell apart: the first of every
// shape (its length and, character by character, digit, letter or other),
// and the last when all share one shape, so that a tool writing one value
// whatever the field holds never passes. A tool copies a field's text as it
// stands, so a value of the same shape as one drawn tells nothing new; the
// current layer's "--" is a shape of its own.
std::vector<std::string> Distinct(const std::vector<std::string>& values) {
  std::vector<std::string> picked;
  std::set<std::string> shapes;
  for (const std::string& value : values) {
    std::string shape;
    for (const char c : value) {
      const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
      shape += c >= '0' && c <= '9' ? 'd' : letter ? 'a' : 'o';
    }
    if (shapes.insert(shape).second) picked.push_back(value);
  }
  if (picked.size() == 1 && values.size() > 1) picked.push_back(values.back());
  return picked;
}

// The parameter file with field `index` of its first line set to `value`.
std::string WithField(const std::string& file, std::size_t index, const std::string& value) {
  const std::size_t end = file.find("\r\n");
  std::string line = file.substr(0, end);
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i) start = line.find(' ', start) + 1;
  const std::size_t stop = line.find(' ', start);
  line.replace(start, stop == std::string::npos ? std::string::npos : stop - start, value);
  return line + file.substr(end);
}

// How many records of the drawing output are exactly `record`.
std::size_t Count(const std::string& output, const std::string& record) {
  std::size_t n = 0;
  for (std::size_t start = 0, end; (end = output.find("\r\n", start)) != std::string::npos; start = end + 2)
    n += output.compare(start, end - start, record) == 0;
  return n;
}

class RecordFields : public WindowRoundTrip {
 protected:
  void SetUp() override {
    WindowRoundTrip::SetUp();
    fs::copy_file(fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "公差.dat",
                  host_ / "公差.dat");
  }

  // The tab's file as the window writes it from its start values. The
  // cases draw it, changed; a run of it as written would tell nothing more.
  std::string Written(const ToolFields& t) {
    Restart(false);
    t.start(f_);
    EXPECT_TRUE(Click(f_, t.tab.button)) << t.tab.button;
    EXPECT_EQ(f_.MSG, t.tab.success);
    return HostFolderFiles()[t.tab.paramFile];
  }

  // The tab's file with the fields set to `value`, drawn for the host.
  ToolRun DrawnWith(const ToolFields& t, std::string file, const std::vector<StyleField>& fields,
                    const std::string& value, const HostFile& host) {
    for (const StyleField& field : fields) file = WithField(file, field.index, value);
    return RunNamedTool(t.tab.tool, t.tab.words, host, {{t.tab.paramFile, file}});
  }

  // The distinct values of the boxes' list (one list, all plain ASCII)
  // drawn into the records "key" & value of all the fields, where the
  // window writes it. `file` is Written(t), which left the window so.
  void ExpectListDrawn(const ToolFields& t, const std::string& file, const std::vector<StyleField>& fields,
                       const std::string& key) {
    const std::vector<std::string> values = f_.Com(fields[0].box).items;
    ASSERT_FALSE(values.empty()) << "Com" << fields[0].box;
    for (const StyleField& field : fields) EXPECT_EQ(f_.Com(field.box).items, values) << "Com" << field.box;
    for (const std::string& value : Distinct(values)) {
      SCOPED_TRACE(value);
      const ToolRun run = DrawnWith(t, file, fields, value, t.host);
      EXPECT_TRUE(run.Drew()) << run.errors;
      const std::string written = key == "ly" && value == "--" ? t.host.layer : value;
      EXPECT_EQ(Count(run.outputBytes, key + written), fields.size()) << run.outputBytes;
    }
  }

  // The tab's file with the field spoilt by `breaking`: the run fails,
  // names the field and its record, and the host's file stays.
  void ExpectSpoiltRefused(const ToolFields& t, const std::string& file, const StyleField& field,
                           const Breaking& breaking, const std::string& key) {
    SCOPED_TRACE("field " + std::to_string(field.index) + " with " + breaking.name);
    const ToolRun run = DrawnWith(t, file, {field}, "1" + std::string(breaking.text) + "2", t.host);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.outputBytes, run.hostBytes);
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << run.errors;
    EXPECT_EQ(run.errors.rfind(std::string(t.tab.tool) + ": ", 0), 0u) << run.errors;
    if (breaking.control) {
      // Refused as in every parameter text, before the field is read.
      EXPECT_NE(run.errors.find(": field " + std::to_string(field.index) + " of the parameter line ("),
                std::string::npos)
          << run.errors;
      EXPECT_NE(run.errors.find("holds " + std::string(breaking.name)), std::string::npos) << run.errors;
    } else {
      EXPECT_NE(run.errors.find("(field " + std::to_string(field.index) + ") holds"), std::string::npos)
          << run.errors;
      EXPECT_NE(run.errors.find("\"" + key + "\" record"), std::string::npos) << run.errors;
    }
  }

  // Each tool with such fields: its list drawn, then each field spoilt by a
  // character the record refuses, the kinds taken in turn. Control
  // characters are refused by one check of the whole line, so one field a
  // tool is enough: the one furthest along the line, which a tool's list
  // of field names cut short would leave out. Then `more` with the file.
  void ExpectFields(std::vector<StyleField> ToolFields::*fields, const std::string& key,
                    const std::function<void(const ToolFields&, const std::string&)>& more = {}) {
    std::size_t turn = 0;
    std::size_t tools = 0;
    for (const ToolFields& t : Tools()) {
      SCOPED_TRACE(t.tab.tool);
      if ((t.*fields).empty()) continue;
      const std::string file = Written(t);
      ExpectListDrawn(t, file, t.*fields, key);
      const StyleField* last = &(t.*fields)[0];
      for (const StyleField& field : t.*fields) {
        ExpectSpoiltRefused(t, file, field, kRecordBreaking[turn++ % std::size(kRecordBreaking)], key);
        if (field.index > last->index) last = &field;
      }
      ExpectSpoiltRefused(t, file, *last, kControls[tools++ % std::size(kControls)], key);
      if (more) more(t, file);
    }
  }
};

TEST_F(RecordFields, Layers) {
  // "--" with no current layer from the host: "ly" alone, once per field.
  ExpectFields(&ToolFields::layers, "ly", [](const ToolFields& t, const std::string& file) {
    HostFile host = t.host;
    host.layerItem = false;
    const ToolRun run = RunNamedTool(t.tab.tool, t.tab.words, host, {{t.tab.paramFile, file}});
    EXPECT_TRUE(run.Drew()) << run.errors;
    EXPECT_EQ(Count(run.outputBytes, "ly"), t.layers.size()) << run.outputBytes;
  });
}

TEST_F(RecordFields, Colours) { ExpectFields(&ToolFields::colours, "lc"); }

TEST_F(RecordFields, LineTypes) { ExpectFields(&ToolFields::lineTypes, "lt"); }

// "lt1" is either the fixed line type of a tool whose lines take no
// line-type field, written right after the line layer and never from a
// field, or the record of a line-type field holding the window's "1".
TEST_F(RecordFields, SolidLineTypes) {
  for (const ToolFields& t : Tools()) {
    SCOPED_TRACE(t.tab.tool);
    if (t.solidLineType) {
      // Fixed, whatever colour follows it: no field goes into it.
      const std::string file = Written(t);
      for (const std::string& colour : Distinct(f_.Com(t.colours[0].box).items)) {
        SCOPED_TRACE(colour);
        const ToolRun run = DrawnWith(t, file, t.colours, colour, t.host);
        EXPECT_TRUE(run.Drew()) << run.errors;
        EXPECT_NE(run.outputBytes.find("\r\nly" + t.host.layer + "\r\nlt1\r\nlc" + colour + "\r\n"),
                  std::string::npos)
            << run.outputBytes;
      }
    } else if (!t.lineTypes.empty()) {
      const ToolRun run = DrawnWith(t, Written(t), t.lineTypes, "1", t.host);
      // The same fields spoilt are LineTypes' cases.
      EXPECT_EQ(Count(run.outputBytes, "lt1"), t.lineTypes.size()) << run.outputBytes;
    } else {
      // Texts alone: no line type at all.
      Restart(false);
      t.start(f_);
      const ToolRun run = ExpectDrawn(t.tab, t.host);
      EXPECT_EQ(run.outputBytes.find("\r\nlt"), std::string::npos) << run.outputBytes;
    }
  }
}

TEST_F(RecordFields, TextTypes) { ExpectFields(&ToolFields::textTypes, "cn"); }

// A text field of each tool, and the name a failure gives it.
const std::map<std::string, std::pair<std::size_t, std::string>> kTextFields = {
    {"MOKRAVW", {12, "WeldParams.processCode"}},   {"MOKRAVF", {5, "FinishParams.processCode"}},
    {"MOKRAVG", {7, "GeomTolParams.toleranceValue"}}, {"MOKRAVR", {10, "HoleParams.holeSize"}},
    {"MOKRAVL", {3, "BalloonParams.text1"}},        {"MOKRAVT", {22, "ToleranceParams.quotedText"}},
    {"MOKRAVP", {8, "SectionParams.letter1"}},      {"MOKRAVB", {3, "TitleBlockParams.text1"}},
};

// A control character in a text of a hand-edited file (a tab pasted from a
// spreadsheet cell) fails the run with one line naming the field, and the
// host's file stays as it was; a full-width blank is an ordinary character.
TEST_F(RecordFields, ControlCharactersInATextFailTheRun) {
  const struct {
    const char* text;
    const char* name;
  } controls[] = {{"\t", "a tab"}, {"\v", "the control character U+000B"}, {"\x1B", "the control character U+001B"}};
  for (const ToolFields& t : Tools()) {
    SCOPED_TRACE(t.tab.tool);
    const auto& [index, name] = kTextFields.at(t.tab.tool);
    const std::string file = Written(t);
    for (const auto& control : controls) {
      SCOPED_TRACE(control.name);
      // The tolerance tool's note runs to the end of the line: a control
      // character after a blank in it is still in that field.
      const std::string text = std::string(index == 22 ? "A B" : "A") + control.text + "B";
      const ToolRun run = DrawnWith(t, file, {{0, index}}, text, t.host);
      EXPECT_EQ(run.exitCode, 1);
      EXPECT_EQ(run.outputBytes, run.hostBytes);
      EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << run.errors;
      EXPECT_NE(run.errors.find(std::string(t.tab.tool) + ": field " + std::to_string(index) +
                                " of the parameter line (" + name + ") holds " + control.name),
                std::string::npos)
          << run.errors;
    }
    const ToolRun run = DrawnWith(t, file, {{0, index}}, "Ａ\u3000Ｂ", t.host);
    EXPECT_EQ(run.errors.find("holds"), std::string::npos) << run.errors;
  }
}

// The rows of the tolerance table that follow the record are drawn too.
TEST_F(RecordFields, ControlCharacterInATableRowFailsTheRun) {
  const ToolFields& t = Tools()[5];
  ASSERT_EQ(std::string(t.tab.tool), "MOKRAVT");
  std::string file = Written(t);
  const std::size_t row = file.find("\r\n") + 2;
  file.insert(file.find('/', row), "\t");
  const ToolRun run = RunNamedTool(t.tab.tool, t.tab.words, t.host, {{t.tab.paramFile, file}});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.outputBytes, run.hostBytes);
  EXPECT_NE(run.errors.find("MOKRAVT: table row 1 of the parameter file holds a tab"), std::string::npos)
      << run.errors;
}

}  // namespace
}  // namespace mokrav::roundtrip
