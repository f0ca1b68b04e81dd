// The section tab's draw button: "mokrav7.jyd" for the section tool.
//
// The tab has its own arrow length and angle (not the settings tab's); the
// section tool draws the arrows from them as numbers, so a file without them
// would be reported as written and then refused by the tool.
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

using params::Way;

namespace {

const char* const kNoArrowLength = "矢の長さの数値が入力されていません";
const char* const kNoArrowAngle = "矢の角度の数値が入力されていません";

const params::DrawSpec& SectionDraw() {
  static const params::DrawSpec draw = {
      false,  // the status line keeps its text until the file is written
      {
          {"SectionParams.textType", Way::Combo, "Com75"},
          {"SectionParams.textLayer", Way::Combo, "Com76"},
          {"SectionParams.cutLineColor", Way::Combo, "Com77"},
          {"SectionParams.cutLineType", Way::Combo, "Com78"},
          {"SectionParams.cutLineLayer", Way::Combo, "Com79"},
          {"SectionParams.arrowColor", Way::Combo, "Com80"},
          {"SectionParams.arrowLineType", Way::Combo, "Com81"},
          {"SectionParams.arrowLayer", Way::Combo, "Com82"},
          {"SectionParams.letter1", Way::Combo, "Com83", "-"},
          {"SectionParams.letter2", Way::Combo, "Com84", "-"},
          {"SectionParams.letter3", Way::Combo, "Com85", "-"},
          {"SectionParams.letter4", Way::Combo, "Com86", "-"},
          {"SectionParams.fullWidth", Way::Check, "H81"},
          {"SectionParams.arrowLength", Way::Combo, "Com87"},
          {"SectionParams.arrowAngle", Way::Combo, "Com88"},
          {"SectionParams.labelSuffix", Way::Combo, "Com89"},
          {"SectionParams.cutLineStyle", Way::Option, "C81"},
      },
      {
          "mokrav7.jyd",
          "断面作図データを出力しました",
          params::SuccessAt::AfterWrite,
          {{"Com83"}, {"Com84"}, {"Com85"}, {"Com86"}, {"Com87"}, {"Com88"}, {"Com89"}},
      },
  };
  return draw;
}

}  // namespace

void Command8_Click(Form& f) {
  params::TrimEntries(f, 6);
  // Checked before anything else, so a refusal writes nothing and remembers
  // nothing; the status line keeps its text until then, as for a write.
  if (params::RefusedArrow(f, 87, 88, kNoArrowLength, kNoArrowAngle)) return;
  params::Draw(f, SectionDraw());
}

}  // namespace mokrav
