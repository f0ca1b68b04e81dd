// The settings window as data: every control of Form1 under its own name,
// with the behaviour the procedures rely on and nothing more. The event
// procedures run on this model; the real window only mirrors it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace mokrav {

enum class ControlKind { Combo, Check, Option, Label, Button };

// One row of the control table: what the window shows and how it behaves.
struct ControlSpec {
  const char* name;       // "Com54", "C33", "H1", "La11", "Co32"
  ControlKind kind;
  int tab;                // 0..9, or -1 for the controls below the tabs
  const char* caption;    // caption or label text ("" if none)
  const char* toolTip;    // "" if none
  bool listOnly = false;  // combo: only list items may be chosen
  bool sorted = false;    // combo: keeps its list sorted
  bool fixedPitch = false;// combo: items shown in a fixed-pitch font
  int optionCount = 0;    // option array: number of buttons
  int optionDefault = 0;  // option array: button selected at start
  bool pushStyle = true;  // check/option: pressed look
  // Option arrays: one caption and one tool tip per button, '|' separated.
  const char* optionCaptions = "";
  const char* optionToolTips = "";
  // Look of the few controls whose font or alignment differs from the tab's.
  double fontPoints = 0;  // 0: the window's usual font
  bool bold = false;
  int align = 0;          // labels: 0 left, 1 centred, 2 right
  bool picture = false;   // check/option: shows a picture of the symbol
};

// The control table (controls.cpp): every control of the window.
const std::vector<ControlSpec>& ControlTable();

// Ascending order of the sorted combo boxes (see collate.cpp).
bool CollateLess(const std::string& a, const std::string& b);

struct ComboBox {
  std::vector<std::string> items;
  std::string text;
  bool listOnly = false;
  bool sorted = false;

  // At the end, or at its sorted place in a sorted box.
  void AddItem(const std::string& item);
  // Item k (from 0) becomes the text; out of range is ignored.
  void Select(int k);
  // Exact, case-sensitive search; -1 when absent.
  int Find(const std::string& item) const;
};

struct CheckBox {
  bool ticked = false;
};

struct OptionArray {
  int count = 0;
  int selected = 0;  // -1 when no button is set
  // Index + 1 of the selected button as text, "" when none.
  std::string Code() const;
};

struct Label {
  std::string caption;
};

// The settings tab's boxes that "設定完了" remembers: the host folder, the
// arrow length and the arrow angle. Each starts with its latest remembered
// text and lists every text once.
inline constexpr int kSettingBoxes[] = {54, 59, 60};
bool IsSettingBox(int n);

class Form {
 public:
  // All controls in their start state: empty combo boxes, default option
  // buttons, unticked check boxes, labels with their design text.
  Form();

  ComboBox& Com(int n);  // Com1 .. Com162
  ComboBox& Combo(const std::string& name);
  CheckBox& Check(const std::string& name);
  OptionArray& Option(const std::string& name);
  Label& Lbl(const std::string& name);
  bool Has(const std::string& name) const;

  const std::map<std::string, ComboBox>& Combos() const { return combos_; }
  const std::map<std::string, CheckBox>& Checks() const { return checks_; }
  const std::map<std::string, OptionArray>& Options() const { return options_; }
  const std::map<std::string, Label>& Labels() const { return labels_; }
  std::map<std::string, ComboBox>& Combos() { return combos_; }
  std::map<std::string, CheckBox>& Checks() { return checks_; }
  std::map<std::string, OptionArray>& Options() { return options_; }
  std::map<std::string, Label>& Labels() { return labels_; }

  std::string MSG;             // the status line
  std::string pendingHistory;  // memory lines queued for the exit button
  bool memoryFull = false;     // the memory file held more than start-up reads
  bool quitRequested = false;  // the exit button has done its work
  std::string startFolder = "."; // where the memory file lives (the start-up folder)
  // The settings tab's setting in force, by box number (kSettingBoxes): the
  // text that "設定完了" remembered last, in an earlier run or in this one,
  // or the text the box started with when none is remembered. Start-up sets
  // it; only a press that changes it queues a memory line.
  std::map<int, std::string> settingInForce;
  // Balloon auto-number (leader-note tab).
  long long balloonNumber = 0;
  std::string balloonLastStart;

 private:
  std::map<std::string, ComboBox> combos_;
  std::map<std::string, CheckBox> checks_;
  std::map<std::string, OptionArray> options_;
  std::map<std::string, Label> labels_;
};

// The load event: version text, the remembered entries from the memory file
// in `folder`, the host folder the window was started with (`hostFolder`,
// when given), the built-in lists and default selections, the status text.
//
// The host folder joins the host-folder box's list after the remembered
// folders and before the built-in ones, unless it is listed already; the
// box opens with the latest remembered folder, and with the host folder
// when none is remembered. It is taken as given, with a "/" added when it
// does not end with one (a relative folder stays relative to the folder the
// window starts in), and start-up never queues it for the memory file: a
// folder is remembered only when "設定完了" makes it the setting.
// A folder the box could not use is left out, and MSG says why: an empty
// text, one that is not UTF-8, one with a control character, or one with a
// "\", which the box reads as the folder separator.
void Form_Load(Form& f, const std::string& folder = ".",
               const std::optional<std::string>& hostFolder = std::nullopt);

// For a box whose text is not empty and equals none of its items (as the
// memory file would store them: the few characters that writing folds, such
// as the wave dash, compare in their stored form): add the text to the list
// and, when the box has a memory key, queue "key text" CR LF. Returns false
// (and says why in MSG) when the text cannot be remembered (not code page
// 932, or a line break in it).
//
// The host-folder box Com54 names folders, and a folded character names
// another folder: its text compares with its items exactly, and a text that
// writing would fold is not remembered either.
//
// "設定完了" does not go through this for its three boxes: it queues a
// setting that changed even when the box lists it (Command10_Click).
bool RememberEntry(Form& f, const std::string& comboName, bool withKey = true);

}  // namespace mokrav
