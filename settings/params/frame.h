// The common frame of the eight "作図" procedures: how a tab's controls
// become the fields of its parameter file, how the record line is joined,
// where the file goes in the host folder, how it is written, and which
// boxes are remembered afterwards.
//
// A draw procedure is a table of its fields (FieldSpec) and an OutputSpec;
// both take their names from the file's layout (exchange/params/<tool>.h),
// which the tool reads the file by. The simple tabs run both through
// Draw(). Tabs with checks or fields that depend on other fields form their
// fields with FormFields()/FormField(), adjust them, and finish with
// WriteRecord().
//
// Safety rules the frame enforces for every tab:
//  - nothing is written and nothing remembered when the record line holds a
//    comma or a line break (the tools read the line as one list item and
//    would cut it), another control character (a pasted tab, which the
//    tool would draw), or when the line or a box about to be queued for the
//    memory file holds a character that code page 932 cannot hold; MSG
//    says why;
//  - the file is replaced through a temporary file and a rename, so a failed
//    click never leaves a truncated or half-old file; MSG then names the
//    path, no box is remembered and the pending history stays as it was.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "settings/form.h"

namespace mokrav::params {

// How a field's text is formed.
enum class Way {
  Combo,     // the box's Text, unchanged (not trimmed, not converted)
  Option,    // index + 1 of the first set button of the array, "" when none
  Check,     // "1" when ticked, "0" otherwise
  Colon,     // colon part `part` of the box's Text (taken only when not empty)
  Constant,  // the text in `source` itself
};

// One field of a record: its name as the record defines it, where its text
// comes from and its empty marker.
struct FieldSpec {
  const char* field;             // the layout's name, kNames[kWeldKind]
  Way way;
  const char* source;            // "Com7", "C33", "H33"; the text for Way::Constant
  const char* empty = nullptr;   // marker for an empty source text; nullptr: none
  int part = 0;                  // colon part number for Way::Colon
};

// A formed field: its name and the text that goes into the line.
struct Field {
  std::string name;
  std::string value;
  // The tool reads the rest of the line from this field on as one text, so
  // a blank inside it stays where it is; every other field is one
  // blank-separated word of the line.
  bool readWhole = false;
};
using Record = std::vector<Field>;

// The field forms.
std::string ComboText(Form& f, const std::string& combo);
std::string OptionCode(Form& f, const std::string& option);
std::string CheckFlag(Form& f, const std::string& check);
// Element n (from 0) of the entry split at every ":"; "" when it has fewer.
std::string ColonPart(const std::string& entry, int n);
// The marker when the text is exactly empty (a blank is not empty); the text
// otherwise. A null marker leaves the text as it is.
std::string WithMarker(const std::string& text, const char* marker);

// The text without the half-width blanks before and after it, which carry
// no meaning in a typed entry (a text of blanks alone becomes empty).
std::string WithoutOuterBlanks(const std::string& text);

// Drops the outer blanks of every box the user can type into on the tab
// (0 to 9) and of the further boxes named, before the click reads them: what
// is written, checked and remembered is the text without them, and the box
// shows it so.
void TrimEntries(Form& f, int tab, std::initializer_list<int> more = {});

// Whether a box's text can stand as a number field of a record: a number as
// the tools read one, with no blank in it (a blank would split the field in
// two and move every later field).
bool IsNumberField(const std::string& text);

// An arrow's length and angle boxes, which the tools read as numbers: when
// one of them cannot stand as a number field, MSG says which (the length
// first) and the press is refused (true); false when both can.
bool RefusedArrow(Form& f, int lengthBox, int angleBox, const char* noLength, const char* noAngle);

// RefusedArrow for the settings tab's arrow (Com59, Com60), which the
// welding, geometric-tolerance, leader-note and fit-tolerance tools draw.
bool RefusedSharedArrow(Form& f);

// The message for a box whose entry a tool reads as a number but that is
// none: kNotANumber and the entry in 「」.
std::string NotANumberMessage(const std::string& entry);

// The text with each control character shown as "□", which the user can
// find in a message; the message quotes it so.
std::string ControlsShown(const std::string& text);

// One field: its source read, the marker applied to the source text, then
// (for a colon field) the colon part of a non-empty entry.
std::string FormField(Form& f, const FieldSpec& def);
Record FormFields(Form& f, const std::vector<FieldSpec>& defs);

// The value of the named field; throws std::out_of_range when absent.
std::string& FieldValue(Record& record, const std::string& name);

// The fields joined by exactly one blank.
std::string RecordLine(const Record& record);

// The file in the host folder (Com54) as the user sees its path: the
// folder text, a "/" when the text ends with neither "/" nor "\", and the
// file name; an empty text gives the file name alone. Every file the
// window writes or reads in the host folder is named so; the file-system
// path is platform::HostPath of this text.
std::string HostFileText(Form& f, const std::string& fileName);

// A remember step: RememberEntry for the box, with or without its key.
struct RememberStep {
  const char* combo;    // "Com42"
  bool withKey = true;  // false: the text joins the list only
};

enum class SuccessAt {
  BeforeWrite,  // the message is on show before the file is opened
  AfterWrite,   // the message appears once the file is closed
};

// One parameter file as its layout header declares it: the file's name and
// the names of its fields in the order the tool reads them.
struct Layout {
  const char* fileName;                // kFileName
  std::span<const char* const> names;  // kNames
};

// Throws std::logic_error unless the record's fields are exactly the
// layout's, in the layout's order: a writer that drifted from its layout is
// a programming error, and writing its line would hand the tool fields in
// the wrong places.
void CheckLayout(const Layout& layout, const Record& record);

struct OutputSpec {
  Layout layout;
  const char* success;     // "溶接記号データを出力しました"
  SuccessAt successAt;
  std::vector<RememberStep> remember;  // in their order
};

// The whole draw of a tab without checks: MSG emptied when clearStatus,
// FormFields, then WriteRecord.
struct DrawSpec {
  bool clearStatus;
  std::vector<FieldSpec> fields;
  OutputSpec output;
};

// The refusal message for a record that must not be written (comma, line
// break, another control character or a character outside code page 932
// in the line or in `after`; a
// blank inside a field that the tool reads as one word; a box of `remember`
// with a memory key whose new text the memory file cannot hold, or that
// holds such a blank in what a field would take of it); "" when the record
// may be written.
std::string RefusalMessage(Form& f, const Record& record, const std::string& after,
                           const std::vector<RememberStep>& remember);

// Steps from the line to the remember steps: layout check (CheckLayout),
// refusal check, success message (before or after the write), path, write,
// remember. The file holds the record line, CR LF, then `after` unchanged
// (further lines, each already ended by CR LF). Returns true when the file
// was written. On a refusal or a failed write MSG says why, no box is
// remembered and nothing else of the form changes.
bool WriteRecord(Form& f, const OutputSpec& out, const Record& record,
                 const std::string& after = "");

// Runs a DrawSpec: MSG emptied when clearStatus, the record formed from the
// field table, then written and its boxes remembered by WriteRecord. True
// when the file was written.
bool Draw(Form& f, const DrawSpec& def);

// Messages of the frame (exact texts, for the tabs and the tests).
extern const char* const kWriteFailed;     // followed by the path text and the reason
extern const char* const kCommaRefused;    // followed by the entry in 「」
extern const char* const kBlankRefused;    // followed by the entry in 「」
extern const char* const kLineBreakRefused;
extern const char* const kControlRefused;      // followed by the entry in 「」, each control character as □
extern const char* const kUnencodableRefused;  // followed by the character in 「」
extern const char* const kNoArrowLength;       // the settings tab's Com59
extern const char* const kNoArrowAngle;        // the settings tab's Com60
extern const char* const kNotANumber;          // followed by the entry in 「」

}  // namespace mokrav::params
