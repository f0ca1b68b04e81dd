// The geometric-tolerance tab's draw button: "mokrav3.jyd" for the
// geometric-tolerance tool, and the datum letter in the preview labels.
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

using params::FieldSpec;
using params::Way;

namespace {

const params::DrawSpec& GeomTolDraw() {
  static const params::DrawSpec draw = {
      true,
      {
          {"GeomTolParams.datumTextType", Way::Combo, "Com1"},
          {"GeomTolParams.valueTextType", Way::Combo, "Com2"},
          {"GeomTolParams.limitTextType", Way::Combo, "Com3"},
          {"GeomTolParams.lineColor", Way::Combo, "Com4"},
          {"GeomTolParams.characteristic", Way::Option, "C5"},
          {"GeomTolParams.valueForm", Way::Option, "C6"},
          {"GeomTolParams.datumLetter", Way::Combo, "Com72", "-"},
          {"GeomTolParams.toleranceValue", Way::Combo, "Com34", "-"},
          {"GeomTolParams.upperLimit", Way::Combo, "Com35", "-"},
          {"GeomTolParams.lowerLimit", Way::Combo, "Com36", "-"},
          {"GeomTolParams.fullWidth", Way::Check, "A1"},
          {"GeomTolParams.lineLayer", Way::Combo, "Com65"},
          {"GeomTolParams.textLayer", Way::Combo, "Com64"},
          {"GeomTolParams.arrowLength", Way::Combo, "Com59"},
          {"GeomTolParams.arrowAngle", Way::Combo, "Com60"},
      },
      {
          "mokrav3.jyd",
          "幾何公差記号データを出力しました",
          params::SuccessAt::BeforeWrite,
          {{"Com34"}, {"Com35"}, {"Com36"}, {"Com72"}},
      },
  };
  return draw;
}

}  // namespace

void CO2_Click(Form& f) {
  f.MSG.clear();
  params::TrimEntries(f, 2, {59, 60});
  // The preview shows the box as it stands, also when it is empty.
  f.Lbl("La1").caption = f.Com(72).text;
  f.Lbl("La2").caption = f.Com(72).text;
  // The tool draws the leader's arrow from the settings tab's length and
  // angle, which it reads as numbers.
  if (params::RefusedSharedArrow(f)) return;
  const params::DrawSpec& draw = GeomTolDraw();
  params::WriteRecord(f, draw.output, params::FormFields(f, draw.fields));
}

}  // namespace mokrav
