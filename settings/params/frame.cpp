#include "settings/params/frame.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

#include "platform/cp932.h"
#include "platform/numtext.h"
#include "platform/textfile.h"
#include "settings/memory/memory_file.h"
#include "settings/model/file_reason.h"
#include "settings/params/field_tables.h"

namespace mokrav::params {

const char* const kWriteFailed = "作図データを書き込めませんでした：";
const char* const kCommaRefused = "カンマ（,）を含む入力は作図データに使えません：";
const char* const kBlankRefused = "空白を含む入力は作図データに使えません：";
const char* const kLineBreakRefused = "改行を含む入力は作図データに使えません";
const char* const kControlRefused = "タブなどの制御文字を含む入力は作図データに使えません：";
const char* const kUnencodableRefused = "作図データに使えない文字があります：";
const char* const kNoArrowLength = "矢印の長さの数値が入力されていません";
const char* const kNoArrowAngle = "矢印の角度の数値が入力されていません";
const char* const kNotANumber = "数値を入力してください：";

std::string ComboText(Form& f, const std::string& combo) { return f.Combo(combo).text; }

std::string OptionCode(Form& f, const std::string& option) { return f.Option(option).Code(); }

std::string CheckFlag(Form& f, const std::string& check) {
  return f.Check(check).ticked ? "1" : "0";
}

std::string ColonPart(const std::string& entry, int n) {
  std::size_t start = 0;
  for (int k = 0; k < n; ++k) {
    std::size_t colon = entry.find(':', start);
    if (colon == std::string::npos) return "";
    start = colon + 1;
  }
  std::size_t end = entry.find(':', start);
  return entry.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string WithMarker(const std::string& text, const char* marker) {
  if (text.empty() && marker != nullptr) return marker;
  return text;
}

std::string WithoutOuterBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void TrimEntries(Form& f, int tab, std::initializer_list<int> more) {
  for (const ControlSpec& row : ControlTable()) {
    if (row.kind == ControlKind::Combo && !row.listOnly && row.tab == tab) {
      ComboBox& box = f.Combo(row.name);
      box.text = WithoutOuterBlanks(box.text);
    }
  }
  for (const int n : more) f.Com(n).text = WithoutOuterBlanks(f.Com(n).text);
}

bool IsNumberField(const std::string& text) {
  double value = 0;
  return text.find(' ') == std::string::npos && platform::TryParseNumber(text, value);
}

std::string FormField(Form& f, const FieldSpec& def) {
  switch (def.way) {
    case Way::Combo:
      return WithMarker(ComboText(f, def.source), def.empty);
    case Way::Option:
      return WithMarker(OptionCode(f, def.source), def.empty);
    case Way::Check:
      return CheckFlag(f, def.source);
    case Way::Colon: {
      // The marker stands for an empty box; only a real entry is split.
      const std::string& entry = ComboText(f, def.source);
      if (entry.empty()) return WithMarker(entry, def.empty);
      return ColonPart(entry, def.part);
    }
    case Way::Constant:
      return def.source;
  }
  return "";
}

Record FormFields(Form& f, const std::vector<FieldSpec>& defs) {
  Record record;
  record.reserve(defs.size());
  for (const FieldSpec& def : defs) record.push_back({def.field, FormField(f, def)});
  return record;
}

std::string& FieldValue(Record& record, const std::string& name) {
  for (Field& field : record) {
    if (field.name == name) return field.value;
  }
  throw std::out_of_range("no field " + name);
}

std::string RecordLine(const Record& record) {
  std::string line;
  for (std::size_t k = 0; k < record.size(); ++k) {
    if (k > 0) line += ' ';
    line += record[k].value;
  }
  return line;
}

std::string HostFileText(Form& f, const std::string& fileName) {
  const std::string& folder = f.Com(54).text;
  // A folder typed without its closing separator is still that folder; an
  // empty text leaves the file in the folder the window started in.
  if (folder.empty() || folder.back() == '/' || folder.back() == '\\') return folder + fileName;
  return folder + "/" + fileName;
}

namespace {

// "「x」" for a message.
std::string Quoted(const std::string& text) { return "「" + text + "」"; }

// The message for a text that code page 932 cannot hold, or "".
std::string UnencodableMessage(const std::string& text) {
  std::optional<char32_t> bad;
  try {
    bad = platform::FirstUnencodable(text);
  } catch (const std::exception&) {
    return kUnencodableRefused;  // broken UTF-8: nothing to show
  }
  if (!bad) return "";
  return kUnencodableRefused + Quoted(platform::U32ToUtf8(std::u32string(1, *bad)));
}

bool HasLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

// The message for a text that holds a control character (a tab pasted from
// a spreadsheet cell, an escape), or "": the tool would draw it inside the
// annotation, and remembered it would come back looking like a blank.
std::string ControlMessage(const std::string& text) {
  if (!platform::FirstControl(text)) return "";
  return kControlRefused + Quoted(ControlsShown(text));
}

// ControlMessage for lines that each end with CR LF, their line ends aside.
std::string ControlMessageInLines(const std::string& lines) {
  for (const std::string& line : platform::SplitLines(lines)) {
    std::string bad = ControlMessage(line);
    if (!bad.empty()) return bad;
  }
  return "";
}

// The boxes whose field is the code before the first ":" of the entry; the
// description after it never reaches a tool.
bool FieldIsCode(const std::string& combo) {
  // Such a field is colon part 0 of its box in a tab's field table.
  for (const std::vector<FieldSpec>* table : FieldTables()) {
    for (const FieldSpec& def : *table) {
      if (def.way == Way::Colon && def.part == 0 && combo == def.source) return true;
    }
  }
  return false;
}

}  // namespace

bool RefusedArrow(Form& f, int lengthBox, int angleBox, const char* noLength, const char* noAngle) {
  const char* why = !IsNumberField(f.Com(lengthBox).text)  ? noLength
                    : !IsNumberField(f.Com(angleBox).text) ? noAngle
                                                           : nullptr;
  if (why == nullptr) return false;
  f.MSG = why;
  return true;
}

bool RefusedSharedArrow(Form& f) { return RefusedArrow(f, 59, 60, kNoArrowLength, kNoArrowAngle); }

std::string NotANumberMessage(const std::string& entry) { return kNotANumber + Quoted(entry); }

std::string ControlsShown(const std::string& text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::optional<char32_t> c = platform::ControlAt(text, i);
    if (!c) {
      shown += text[i];
      continue;
    }
    shown += "□";
    if (*c >= 0x80) ++i;  // the second byte of U+0080 to U+009F
  }
  return shown;
}

std::string RefusalMessage(Form& f, const Record& record, const std::string& after,
                           const std::vector<RememberStep>& remember) {
  for (const Field& field : record) {
    // The tools read the line as one list item: a comma would end it there.
    if (field.value.find(',') != std::string::npos) return kCommaRefused + Quoted(field.value);
    if (HasLineBreak(field.value)) return kLineBreakRefused;
    std::string control = ControlMessage(field.value);
    if (!control.empty()) return control;
    // The tools split the line at blanks: one inside a field would move
    // every later field one place on.
    if (!field.readWhole && field.value.find(' ') != std::string::npos)
      return kBlankRefused + Quoted(field.value);
    std::string bad = UnencodableMessage(field.value);
    if (!bad.empty()) return bad;
  }
  std::string bad = ControlMessageInLines(after);
  if (!bad.empty()) return bad;
  bad = UnencodableMessage(after);
  if (!bad.empty()) return bad;
  // A box that is about to be queued for the memory file must fit it too,
  // or the click would write the file and then fail half-way through its
  // remember steps. A box remembered without a key only joins its list,
  // which holds any text, so it cannot stop the click.
  for (const RememberStep& step : remember) {
    if (!WouldQueue(f, step.combo, step.withKey)) continue;
    const std::string& text = f.Combo(step.combo).text;
    if (HasLineBreak(text)) return kLineBreakRefused;
    bad = ControlMessage(text);
    if (!bad.empty()) return bad;
    bad = UnencodableMessage(text);
    if (!bad.empty()) return bad;
    // Remembered, it would come back in its list and be refused there on
    // the day it is drawn.
    const std::string word = FieldIsCode(step.combo) ? ColonPart(text, 0) : text;
    if (word.find(' ') != std::string::npos) return kBlankRefused + Quoted(text);
  }
  return "";
}

void CheckLayout(const Layout& layout, const Record& record) {
  const std::size_t count = layout.names.size();
  for (std::size_t k = 0; k < std::max(count, record.size()); ++k) {
    const std::string have = k < record.size() ? record[k].name : "nothing";
    const std::string want = k < count ? layout.names[k] : "nothing";
    if (have != want) {
      throw std::logic_error(std::string("the record of ") + layout.fileName + " has " + have +
                             " as field " + std::to_string(k) + " where its layout has " + want);
    }
  }
}

bool WriteRecord(Form& f, const OutputSpec& out, const Record& record,
                 const std::string& after) {
  CheckLayout(out.layout, record);
  std::string refusal = RefusalMessage(f, record, after, out.remember);
  if (!refusal.empty()) {
    f.MSG = refusal;
    return false;
  }
  const std::string line = RecordLine(record);
  if (out.successAt == SuccessAt::BeforeWrite) f.MSG = out.success;
  const std::string pathText = HostFileText(f, out.layout.fileName);
  try {
    platform::ReplaceFile(platform::HostPath(pathText), line + "\r\n" + after);
  } catch (const std::exception& e) {
    // The failure replaces a success message already on show; the old file
    // is left as it was and nothing is remembered.
    f.MSG = kWriteFailed + pathText + InParentheses(FileFailureReason(e));
    return false;
  }
  if (out.successAt == SuccessAt::AfterWrite) f.MSG = out.success;
  for (const RememberStep& step : out.remember) RememberEntry(f, step.combo, step.withKey);
  return true;
}

bool Draw(Form& f, const DrawSpec& def) {
  if (def.clearStatus) f.MSG.clear();
  return WriteRecord(f, def.output, FormFields(f, def.fields));
}

}  // namespace mokrav::params
