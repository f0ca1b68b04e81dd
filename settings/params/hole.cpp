// "作図" of the hole and thread tab: "mokrav4.jyd" for the hole tool.
//
// The kind buttons C41 choose one of three layouts of the same eighteen
// fields: a hole pattern in plan, a drilled or tapped hole in section, or a
// two-diameter (stepped) hole in section. The pattern box may force the
// horizontal or vertical dimension to "0" for the plan and the section; the
// checks there see the forced value. The stepped hole has no pattern: its
// bore depth is the horizontal box as typed.
//
// Every file this tab reports as written is one the hole tool can draw: a
// number field left empty is written "-", which the tool reads as 0, a hole
// without its diameter is refused, since no drawing exists for it, and so
// is an entry the tool would have to read as a number but cannot.
#include <string>

#include "exchange/params/hole.h"
#include "exchange/params/markers.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::hole::kNames;
using enum paramfile::hole::Field;
using paramfile::kEmptyText;

using params::Record;

const params::OutputSpec kHoleOutput = {
    {paramfile::hole::kFileName, kNames},
    "穴・ネジ作図データを出力しました",
    params::SuccessAt::AfterWrite,
    {{"Com25"}, {"Com26"}, {"Com27"}, {"Com28"}},
};

const char* const kNoThreadDepth = "ﾈｼﾞの深さが入力されていません";
const char* const kNoSmallDiameter = "小径の数値が入力されていません";
const char* const kNoDiameter = "ﾈｼﾞ･穴の径が入力されていません";
const char* const kNoLargeDiameter = "大径の数値が入力されていません";

// The pattern code of the pattern box; the forcing of the dimensions that
// the pattern implies is applied to `horizontal` and `vertical`.
std::string HolePattern(const std::string& text, std::string& horizontal, std::string& vertical) {
  if (text == "４箇所") return "0";
  if (text == "左千鳥") return "1";
  if (text == "右千鳥") return "2";
  if (text == "上下") {
    horizontal = "0";
    return "0";
  }
  if (text == "左右") {
    vertical = "0";
    return "0";
  }
  if (text == "中心") {
    horizontal = "0";
    vertical = "0";
    return "0";
  }
  return "";
}

std::string RowArrangement(const std::string& text) {
  if (text == "中心振分け") return "1";
  if (text == "右方向に配置") return "0";
  if (text == "左方向に配置") return "2";
  return "";
}

// What the tab's boxes give the record, with the pattern's forcing of the
// dimensions applied.
struct HoleEntries {
  std::string choice;       // C41: the layout
  std::string depth;        // Com25, "0" when empty: the stepped hole's bore depth
  std::string horizontal;   // Com25 as the pattern leaves it
  std::string vertical;     // Com26, "0" when empty, as the pattern leaves it
  std::string pattern;      // the code of Com23
  std::string diameter;     // Com27
  std::string count;        // Com29
  std::string pitch;        // Com28: the row pitch, or the small diameter
  std::string arrangement;  // the code of Com24
};

// The fields whose meaning the layout decides.
struct HolePlacing {
  std::string pitchX, pitchY, pattern, rowPitch, kind;
};

HoleEntries ReadHoleEntries(Form& f) {
  HoleEntries e;
  e.choice = params::OptionCode(f, "C41");
  e.depth = params::WithMarker(f.Com(25).text, "0");
  e.horizontal = e.depth;
  e.vertical = params::WithMarker(f.Com(26).text, "0");
  e.pattern = HolePattern(f.Com(23).text, e.horizontal, e.vertical);
  e.diameter = f.Com(27).text;
  e.count = f.Com(29).text;
  e.pitch = f.Com(28).text;
  e.arrangement = RowArrangement(f.Com(24).text);
  return e;
}

// The message for the first required entry of the layout that is missing,
// "" when all are there.
std::string MissingEntry(const HoleEntries& e) {
  if (e.choice == "2") {
    // An extra drill depth without the thread depth describes no hole.
    if (e.horizontal == "0" && e.vertical != "0") return kNoThreadDepth;
    // The tool sizes the hole and its thread from the diameter.
    return e.diameter.empty() ? kNoDiameter : "";
  }
  if (e.choice == "3") {
    if (e.pitch.empty()) return kNoSmallDiameter;
    return e.diameter.empty() ? kNoLargeDiameter : "";
  }
  return e.diameter.empty() ? kNoDiameter : "";
}

HolePlacing PlaceHole(const HoleEntries& e) {
  if (e.choice == "2") {
    // Drilled or tapped hole in section: thread depth and extra drill depth;
    // neither makes it a through hole. Without the thread depth there is no
    // kind, and MissingEntry refuses the press.
    const std::string kind = e.horizontal != "0" ? "4" : e.vertical == "0" ? "6" : "";
    return {e.horizontal, e.vertical, e.pattern, "0", kind};
  }
  if (e.choice == "3") {
    // Two-diameter hole: large diameter, small diameter, depth of the bore.
    return {e.diameter, e.pitch, e.depth, e.pitch, "8"};
  }
  // Hole pattern in plan view; the kind is the choice itself, and no pitch
  // is written "-", which the tool takes as 0.
  return {e.horizontal, e.vertical, e.pattern, params::WithMarker(e.pitch, kEmptyText), e.choice};
}

// The tool reads the dimensions, the diameter and the pitch as numbers (a
// dimension or pitch "-" as 0) and stops on any other text: the message
// naming the first entry that is none, "" when the file can be drawn. The
// stepped hole has no thread, so its two diameters must be plain numbers.
std::string NumberCheck(Form& f, const HoleEntries& e, const HolePlacing& p) {
  const bool stepped = e.choice == "3";
  // The stepped hole takes its large diameter from field 7 and never reads
  // the size field.
  const std::string size =
      stepped ? std::string("0") : paramfile::hole::SplitThreadPrefix(e.diameter).diameter;
  const struct {
    const std::string& value;  // what the tool reads
    const std::string& entry;  // what the user typed
    bool dashIsZero;           // the tool reads "-" as 0 here
  } fields[] = {
      {p.pitchX, stepped ? f.Com(27).text : f.Com(25).text, true},
      {p.pitchY, stepped ? f.Com(28).text : f.Com(26).text, true},
      {p.pattern, stepped ? f.Com(25).text : f.Com(23).text, true},
      {size, e.diameter, false},
      {p.rowPitch, f.Com(28).text, true},
  };
  for (const auto& field : fields) {
    if (field.dashIsZero && field.value == kEmptyText) continue;
    if (!params::IsNumberField(field.value)) {
      return params::NotANumberMessage(field.entry);
    }
  }
  return "";
}

Record HoleRecord(Form& f, const HoleEntries& e, const HolePlacing& p) {
  return {
      {kNames[kOutlineColor], f.Com(17).text},
      {kNames[kOutlineLineType], f.Com(18).text},
      {kNames[kThinColor], f.Com(19).text},
      {kNames[kThinLineType], f.Com(20).text},
      {kNames[kCenterColor], f.Com(21).text},
      {kNames[kCenterLineType], f.Com(22).text},
      {kNames[kCenterOvershoot], "0.5"},
      {kNames[kPitchX], p.pitchX},
      {kNames[kPitchY], p.pitchY},
      {kNames[kPattern], p.pattern},
      {kNames[kHoleSize], e.diameter},
      {kNames[kHoleCount], e.count},
      {kNames[kRowPitch], p.rowPitch},
      {kNames[kArrangement], e.arrangement},
      {kNames[kHoleKind], p.kind},
      {kNames[kOutlineLayer], f.Com(55).text},
      {kNames[kThinLayer], f.Com(56).text},
      {kNames[kCenterLayer], f.Com(57).text},
  };
}

}  // namespace

void Command6_Click(Form& f) {
  f.MSG.clear();
  params::TrimEntries(f, 3);
  const HoleEntries entries = ReadHoleEntries(f);
  const HolePlacing placing = PlaceHole(entries);
  const Record r = HoleRecord(f, entries, placing);

  // An entry that the line cannot hold at all (a comma or a blank, say) is
  // refused as such, remembering nothing; any other entry that is no number
  // is one of the tab's checks.
  const std::string refusal = params::RefusalMessage(f, r, "", kHoleOutput.remember);
  if (!refusal.empty()) {
    f.MSG = refusal;
    return;
  }
  std::string failed = MissingEntry(entries);
  if (failed.empty()) failed = NumberCheck(f, entries, placing);
  if (!failed.empty()) {
    // The remember steps still run: the user's new sizes are kept although
    // nothing was drawn. The check's message is the one left on show.
    for (const params::RememberStep& step : kHoleOutput.remember) RememberEntry(f, step.combo, step.withKey);
    f.MSG = failed;
    return;
  }
  params::WriteRecord(f, kHoleOutput, r);
}

}  // namespace mokrav
