// The section tab's draw button: "mokrav7.jyd" for the section tool.
//
// The tab has its own arrow length and angle (not the settings tab's); the
// section tool draws the arrows from them as numbers, so a file without them
// would be reported as written and then refused by the tool.
#include "exchange/params/markers.h"
#include "exchange/params/section.h"
#include "settings/params/field_tables.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

using params::Way;

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::section::kNames;
using enum paramfile::section::Field;
using paramfile::kEmptyText;

const char* const kNoArrowLength = "矢の長さの数値が入力されていません";
const char* const kNoArrowAngle = "矢の角度の数値が入力されていません";

}  // namespace

const params::DrawSpec& params::SectionDraw() {
  static const params::DrawSpec draw = {
      false,  // the status line keeps its text until the file is written
      {
          {kNames[kTextType], Way::Combo, "Com75"},
          {kNames[kTextLayer], Way::Combo, "Com76"},
          {kNames[kCutLineColor], Way::Combo, "Com77"},
          {kNames[kCutLineType], Way::Combo, "Com78"},
          {kNames[kCutLineLayer], Way::Combo, "Com79"},
          {kNames[kArrowColor], Way::Combo, "Com80"},
          {kNames[kArrowLineType], Way::Combo, "Com81"},
          {kNames[kArrowLayer], Way::Combo, "Com82"},
          {kNames[kLetter1], Way::Combo, "Com83", kEmptyText},
          {kNames[kLetter2], Way::Combo, "Com84", kEmptyText},
          {kNames[kLetter3], Way::Combo, "Com85", kEmptyText},
          {kNames[kLetter4], Way::Combo, "Com86", kEmptyText},
          {kNames[kFullWidth], Way::Check, "H81"},
          {kNames[kArrowLength], Way::Combo, "Com87"},
          {kNames[kArrowAngle], Way::Combo, "Com88"},
          {kNames[kLabelSuffix], Way::Combo, "Com89"},
          {kNames[kCutLineStyle], Way::Option, "C81"},
      },
      {
          {paramfile::section::kFileName, kNames},
          "断面作図データを出力しました",
          params::SuccessAt::AfterWrite,
          {{"Com83"}, {"Com84"}, {"Com85"}, {"Com86"}, {"Com87"}, {"Com88"}, {"Com89"}},
      },
  };
  return draw;
}

void Command8_Click(Form& f) {
  params::TrimEntries(f, 6);
  // Checked before anything else, so a refusal writes nothing and remembers
  // nothing; the status line keeps its text until then, as for a write.
  if (params::RefusedArrow(f, 87, 88, kNoArrowLength, kNoArrowAngle)) return;
  params::Draw(f, params::SectionDraw());
}

}  // namespace mokrav
