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
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::hole::kNames;
using enum paramfile::hole::Field;

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

// The tool reads the dimensions, the diameter and the pitch as numbers (a
// dimension or pitch "-" as 0) and stops on any other text: the message
// naming the first entry that is none, "" when the file can be drawn. The
// stepped hole has no thread, so its two diameters must be plain numbers.
std::string NumberCheck(bool stepped, const std::string& f7, const std::string& f8,
                        const std::string& f9, const std::string& diameter,
                        const std::string& f12, Form& f) {
  // The stepped hole takes its large diameter from field 7 and never reads
  // the size field.
  const std::string size = stepped ? std::string("0") : paramfile::hole::SplitThreadPrefix(diameter).diameter;
  const struct {
    const std::string& value;  // what the tool reads
    const std::string& entry;  // what the user typed
    bool dashIsZero;           // the tool reads "-" as 0 here
  } fields[] = {
      {f7, stepped ? f.Com(27).text : f.Com(25).text, true},
      {f8, stepped ? f.Com(28).text : f.Com(26).text, true},
      {f9, stepped ? f.Com(25).text : f.Com(23).text, true},
      {size, diameter, false},
      {f12, f.Com(28).text, true},
  };
  for (const auto& field : fields) {
    if (field.dashIsZero && field.value == "-") continue;
    if (!params::IsNumberField(field.value)) {
      return params::NotANumberMessage(field.entry);
    }
  }
  return "";
}

}  // namespace

void Command6_Click(Form& f) {
  f.MSG.clear();
  params::TrimEntries(f, 3);

  Record r = {
      {kNames[kOutlineColor], f.Com(17).text},
      {kNames[kOutlineLineType], f.Com(18).text},
      {kNames[kThinColor], f.Com(19).text},
      {kNames[kThinLineType], f.Com(20).text},
      {kNames[kCenterColor], f.Com(21).text},
      {kNames[kCenterLineType], f.Com(22).text},
      {kNames[kCenterOvershoot], "0.5"},
  };

  const std::string depth = params::WithMarker(f.Com(25).text, "0");  // of the large bore
  std::string horizontal = depth;
  std::string vertical = params::WithMarker(f.Com(26).text, "0");
  const std::string pattern = HolePattern(f.Com(23).text, horizontal, vertical);
  const std::string diameter = f.Com(27).text;
  const std::string count = f.Com(29).text;
  const std::string pitch = f.Com(28).text;  // row pitch, or the small diameter
  const std::string arrangement = RowArrangement(f.Com(24).text);
  const std::string choice = params::OptionCode(f, "C41");

  std::string failed;  // the message of a failed check
  std::string f7, f8, f9, f12, kind;
  if (choice == "2") {
    // Drilled or tapped hole in section: thread depth and extra drill depth.
    if (horizontal == "0" && vertical == "0") {
      kind = "6";
    } else if (horizontal == "0") {
      failed = kNoThreadDepth;
    } else {
      kind = "4";
    }
    // The tool sizes the hole and its thread from the diameter.
    if (failed.empty() && diameter.empty()) failed = kNoDiameter;
    f7 = horizontal;
    f8 = vertical;
    f9 = pattern;
    f12 = "0";
  } else if (choice == "3") {
    // Two-diameter hole: large diameter, small diameter, depth of the bore.
    if (pitch.empty()) {
      failed = kNoSmallDiameter;
    } else if (diameter.empty()) {
      failed = kNoLargeDiameter;
    }
    kind = "8";
    f7 = diameter;
    f8 = pitch;
    f9 = depth;
    f12 = pitch;
  } else {
    // Hole pattern in plan view; the kind is the choice itself.
    if (diameter.empty()) failed = kNoDiameter;
    kind = choice;
    f7 = horizontal;
    f8 = vertical;
    f9 = pattern;
    f12 = params::WithMarker(pitch, "-");  // no pitch: the tool takes 0
  }

  r.push_back({kNames[kPitchX], f7});
  r.push_back({kNames[kPitchY], f8});
  r.push_back({kNames[kPattern], f9});
  r.push_back({kNames[kHoleSize], diameter});
  r.push_back({kNames[kHoleCount], count});
  r.push_back({kNames[kRowPitch], f12});
  r.push_back({kNames[kArrangement], arrangement});
  r.push_back({kNames[kHoleKind], kind});
  r.push_back({kNames[kOutlineLayer], f.Com(55).text});
  r.push_back({kNames[kThinLayer], f.Com(56).text});
  r.push_back({kNames[kCenterLayer], f.Com(57).text});

  // An entry that the line cannot hold at all (a comma or a blank, say) is
  // refused as such, remembering nothing; any other entry that is no number
  // is one of the tab's checks.
  const std::string refusal = params::RefusalMessage(f, r, "", kHoleOutput.remember);
  if (!refusal.empty()) {
    f.MSG = refusal;
    return;
  }
  if (failed.empty()) failed = NumberCheck(choice == "3", f7, f8, f9, diameter, f12, f);
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
