// The event procedures of the settings window, one per button. Each runs on
// the form model to its end; none ever stops the application on a failure:
// it says what went wrong in MSG and keeps the pending history.
#pragma once

#include <string>

#include "settings/form.h"

namespace mokrav {

// Draw buttons: write the tab's parameter file into the host folder.
void Co32_Click(Form& f);       // welding        "mokrav1.jyd"
void Co22_Click(Form& f);       // surface finish "mokrav2.jyd"
void CO2_Click(Form& f);        // geometric tol. "mokrav3.jyd"
void Command6_Click(Form& f);   // hole, thread   "mokrav4.jyd"
void Command2_Click(Form& f);   // leader note    "mokrav5.jyd"
void Command4_Click(Form& f);   // fit tolerance  "mokrav6.jyd"
void Command8_Click(Form& f);   // section        "mokrav7.jyd"
void Command11_Click(Form& f);  // title block    "mokrav8.jyd"

// Clear buttons: empty the tab's entry boxes and untick its check boxes.
void Co31_Click(Form& f);
void Co21_Click(Form& f);
void CO1_Click(Form& f);
void Command7_Click(Form& f);
void Command3_Click(Form& f);
void Command5_Click(Form& f);
void Command9_Click(Form& f);
void Command12_Click(Form& f);

void Command13_Click(Form& f);  // weight calculator
// "設定完了": the host folder, arrow length and angle as they stand become
// the settings in force; each one this changes is queued for the memory
// file, a row picked from a list as much as a text typed anew. An arrow
// that is no number, or a text the memory file cannot hold, refuses the
// whole press with the reason in MSG.
void Command10_Click(Form& f);
// "終了": append the pending history to the memory file in f.startFolder.
// Sets f.quitRequested when done; on a failed write it says so in MSG and
// keeps the history, so the user can try again.
void Command1_Click(Form& f);

// Runs the procedure of the named button; false for a name without one.
bool Click(Form& f, const std::string& button);

// The memory file's restore step of the load event (memory/). False when
// the file is there but cannot be read; MSG then says so, naming it. The
// settings tab's boxes get each remembered text once and their setting in
// force from their last line, also one beyond the lines read.
bool RestoreMemory(Form& f, const std::string& folder);
// The built-in lists and default selections of the load event (model/).
void LoadBuiltInLists(Form& f);

}  // namespace mokrav
