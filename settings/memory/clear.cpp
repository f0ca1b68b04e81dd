// The "クリア" buttons of the eight annotation tabs: empty the tab's free
// entry boxes and untick its check boxes, so the next annotation starts from
// a blank tab. The lists keep their rows, option buttons stay as chosen, and
// the pending history is not touched.
#include <initializer_list>

#include "settings/procedures.h"

namespace mokrav {

namespace {

void ClearTab(Form& f, std::initializer_list<const char*> combos,
              std::initializer_list<const char*> checks) {
  f.MSG.clear();
  for (const char* name : combos) f.Combo(name).text.clear();
  for (const char* name : checks) f.Check(name).ticked = false;
  f.MSG = "設定内容をクリアしました";
}

}  // namespace

void Co31_Click(Form& f) {
  ClearTab(f,
           {"Com37", "Com38", "Com39", "Com42", "Com43", "Com155", "Com156", "Com157", "Com158",
            "Com159", "Com160", "Com161", "Com162"},
           {"H33", "H34", "H35", "H36"});
}

void Co21_Click(Form& f) { ClearTab(f, {"Com30", "Com31", "Com32", "Com33"}, {"H1", "H2"}); }

// The datum letter Com72 stays: it is usually the same for the next frame.
void CO1_Click(Form& f) { ClearTab(f, {"Com34", "Com35", "Com36"}, {"A1"}); }

void Command7_Click(Form& f) { ClearTab(f, {"Com25", "Com26", "Com27", "Com28"}, {}); }

// The auto-number box H53 stays ticked: the numbering runs on across notes.
void Command3_Click(Form& f) {
  ClearTab(f, {"Com11", "Com12", "Com13", "Com14", "Com15", "Com16", "Com40"}, {"H52"});
}

// The fit classes Com52 and Com53 stay as chosen.
void Command5_Click(Form& f) {
  ClearTab(f, {"Com47", "Com48", "Com49", "Com51", "Com70", "Com71"},
           {"H61", "H62", "H65", "H66", "H67"});
}

void Command9_Click(Form& f) {
  ClearTab(f, {"Com83", "Com84", "Com85", "Com86", "Com87", "Com88", "Com89"}, {});
}

void Command12_Click(Form& f) {
  ClearTab(f, {"Com101", "Com102", "Com103", "Com104", "Com105", "Com106", "Com107"}, {});
}

}  // namespace mokrav
