// "作図" of the fit-tolerance tab: "mokrav6.jyd" for the dimension-tolerance
// tool, the record line followed by the rows of the tolerance table
// "公差.dat" that belong to the chosen fit class.
//
// The table lies in the host folder beside the parameter files and is read
// anew on every click, whatever the tolerance kind, before anything is
// written: without a readable table nothing is written and nothing is
// remembered, and the status line names the file. Nor is anything written
// when the tool could not draw the file: a hole or shaft fit whose class
// has no size range in the table, or a gap, offset or arrow that is no
// number.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "exchange/params/tolerance.h"
#include "platform/textfile.h"
#include "settings/model/file_reason.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::tolerance::kNames;
using enum paramfile::tolerance::Field;
using paramfile::tolerance::kNotGiven;

using params::Record;

const char* const kTableName = "公差.dat";
// The tool that reads the table rows was made for a table of this size.
constexpr std::size_t kTableCapacity = 5000;

const char* const kTableMissing = "公差表ファイルがありません：";
const char* const kTableUnreadable = "公差表ファイルを読み込めません：";
const char* const kTableFull = "公差表ファイルの行が多すぎます（5000行まで）：";
const char* const kNoHoleClass = "穴公差が入力されていません";
const char* const kNoShaftClass = "軸公差が入力されていません";
const char* const kNoSizeRanges = "の寸法区分が公差表ファイルにありません：";

const params::OutputSpec kToleranceOutput = {
    {paramfile::tolerance::kFileName, kNames},
    "公差記号作図データを出力しました",
    params::SuccessAt::AfterWrite,
    {{"Com47"}, {"Com48"}, {"Com49"}, {"Com51"}, {"Com52"}, {"Com53"}, {"Com70"}, {"Com71"}},
};

// The rows of the table whose class (the text before the first "/") is
// `fitClass`, each followed by CR LF, in table order. False, with MSG set,
// when the table cannot be used.
bool MatchingRows(Form& f, const std::string& fitClass, std::string& rows) {
  const std::string pathText = params::HostFileText(f, kTableName);
  const std::filesystem::path path = platform::HostPath(pathText);
  std::vector<std::string> items;
  try {
    items = platform::ReadItems(path);
  } catch (const std::exception& e) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
      f.MSG = kTableUnreadable + pathText + InParentheses(FileFailureReason(e));
    } else {
      f.MSG = kTableMissing + pathText;
    }
    return false;
  }
  std::size_t count = 0;
  for (const std::string& item : items) {
    if (!item.empty()) ++count;
  }
  if (count > kTableCapacity) {
    f.MSG = kTableFull + pathText;
    return false;
  }
  rows.clear();
  if (fitClass == kNotGiven) return true;
  for (const std::string& item : items) {
    // An empty line or an empty piece between two commas holds no row.
    if (item.empty()) continue;
    if (item.substr(0, item.find('/')) == fitClass) rows += item + "\r\n";
  }
  return true;
}

// The number of rows, each ended by CR LF.
std::size_t CountLines(const std::string& rows) {
  std::size_t count = 0;
  for (std::size_t at = 0; (at = rows.find("\r\n", at)) != std::string::npos; at += 2) ++count;
  return count;
}

// What the tab's boxes give the record besides the boxes it takes as they
// stand.
struct ToleranceEntries {
  std::string kind;      // C61: hole fit, shaft fit, no tolerance, own deviations
  std::string fitClass;  // Com52, Com53 or "Z"/"z" (H66) by the kind; "" for any other
  std::string quoted;    // the leader-note tab's Com14 when H67 is ticked
};

ToleranceEntries ReadToleranceEntries(Form& f) {
  ToleranceEntries e;
  e.kind = params::OptionCode(f, "C61");
  if (e.kind == "1") {
    e.fitClass = f.Com(52).text;
  } else if (e.kind == "2") {
    e.fitClass = f.Com(53).text;
  } else if (e.kind == "3") {
    e.fitClass = f.Check("H66").ticked ? "Z" : "z";
  }
  e.quoted = f.Check("H67").ticked ? params::WithMarker(f.Com(14).text, kNotGiven)
                                    : std::string(kNotGiven);
  return e;
}

// The tool finds the deviations of the measured size between two rows of
// the class, the first row only opening the range: for a hole or shaft fit,
// the message when the class is missing or has fewer rows, which gives a
// file it cannot draw; "" otherwise.
std::string SizeRangeCheck(Form& f, const ToleranceEntries& e, const std::string& rows) {
  if (e.kind != "1" && e.kind != "2") return "";
  if (e.fitClass.empty()) return e.kind == "1" ? kNoHoleClass : kNoShaftClass;
  if (CountLines(rows) < 2) {
    return "「" + e.fitClass + "」" + kNoSizeRanges + params::HostFileText(f, kTableName);
  }
  return "";
}

// The tool reads the gaps and offsets as numbers: the message naming the
// first entry that is none, "" when all are.
std::string NumberCheck(Form& f) {
  for (const int box : {47, 48, 49, 51}) {
    if (!params::IsNumberField(params::WithMarker(f.Com(box).text, "0"))) {
      return params::NotANumberMessage(f.Com(box).text);
    }
  }
  return "";
}

Record ToleranceRecord(Form& f, const ToleranceEntries& e) {
  return {
      {kNames[kTextType], f.Com(44).text},
      {kNames[kLineColor], f.Com(46).text},
      {kNames[kFullWidth], params::CheckFlag(f, "H61")},
      {kNames[kReserved1], "0"},
      {kNames[kExtensionGap], params::WithMarker(f.Com(47).text, "0")},
      {kNames[kExtensionOvershoot], params::WithMarker(f.Com(48).text, "0")},
      {kNames[kTextOffset], params::WithMarker(f.Com(49).text, "0")},
      {kNames[kDecimals], f.Com(50).text},
      {kNames[kValuePrefix], f.Check("H62").ticked ? "Φ" : "N"},
      {kNames[kOutsideOffset], params::WithMarker(f.Com(51).text, "0")},
      {kNames[kReserved2], "3"},
      {kNames[kFitClass], e.fitClass},
      {kNames[kToleranceTextType], f.Com(45).text},
      {kNames[kToleranceKind], e.kind},
      {kNames[kLineLayer], f.Com(69).text},
      {kNames[kTextLayer], f.Com(68).text},
      {kNames[kArrowLength], f.Com(59).text},
      {kNames[kArrowAngle], f.Com(60).text},
      {kNames[kDotArrow], params::CheckFlag(f, "H65")},
      {kNames[kOwnTolerance], e.kind == "4" ? "1" : "0"},
      {kNames[kUpperDeviation], params::WithMarker(f.Com(70).text, kNotGiven)},
      {kNames[kLowerDeviation], params::WithMarker(f.Com(71).text, kNotGiven)},
      // The tool takes the rest of the line as the note: its blanks stay.
      {kNames[kQuotedText], e.quoted, true},
  };
}

}  // namespace

void Command4_Click(Form& f) {
  f.MSG.clear();
  // The quoted note is the leader-note tab's own box.
  params::TrimEntries(f, 5, {14, 59, 60});
  const ToleranceEntries entries = ReadToleranceEntries(f);

  std::string rows;
  if (!MatchingRows(f, entries.fitClass, rows)) return;
  std::string failed = SizeRangeCheck(f, entries, rows);
  if (failed.empty()) failed = NumberCheck(f);
  if (!failed.empty()) {
    f.MSG = failed;
    return;
  }
  // The tool draws the arrow from the settings tab's length and angle, which
  // it reads as numbers.
  if (params::RefusedSharedArrow(f)) return;

  // The rows, then the empty line that ends the file.
  params::WriteRecord(f, kToleranceOutput, ToleranceRecord(f, entries), rows + "\r\n");
}

}  // namespace mokrav
