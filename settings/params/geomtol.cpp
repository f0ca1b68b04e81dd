// The geometric-tolerance tab's draw button: "mokrav3.jyd" for the
// geometric-tolerance tool, and the datum letter in the preview labels.
#include "exchange/params/geomtol.h"
#include "exchange/params/markers.h"
#include "settings/params/field_tables.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

using params::FieldSpec;
using params::Way;

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::geomtol::kNames;
using enum paramfile::geomtol::Field;
using paramfile::kEmptyText;

}  // namespace

const params::DrawSpec& params::GeomTolDraw() {
  static const params::DrawSpec draw = {
      true,
      {
          {kNames[kDatumTextType], Way::Combo, "Com1"},
          {kNames[kValueTextType], Way::Combo, "Com2"},
          {kNames[kLimitTextType], Way::Combo, "Com3"},
          {kNames[kLineColor], Way::Combo, "Com4"},
          {kNames[kCharacteristic], Way::Option, "C5"},
          {kNames[kValueForm], Way::Option, "C6"},
          {kNames[kDatumLetter], Way::Combo, "Com72", kEmptyText},
          {kNames[kToleranceValue], Way::Combo, "Com34", kEmptyText},
          {kNames[kUpperLimit], Way::Combo, "Com35", kEmptyText},
          {kNames[kLowerLimit], Way::Combo, "Com36", kEmptyText},
          {kNames[kFullWidth], Way::Check, "A1"},
          {kNames[kLineLayer], Way::Combo, "Com65"},
          {kNames[kTextLayer], Way::Combo, "Com64"},
          {kNames[kArrowLength], Way::Combo, "Com59"},
          {kNames[kArrowAngle], Way::Combo, "Com60"},
      },
      {
          {paramfile::geomtol::kFileName, kNames},
          "幾何公差記号データを出力しました",
          params::SuccessAt::BeforeWrite,
          {{"Com34"}, {"Com35"}, {"Com36"}, {"Com72"}},
      },
  };
  return draw;
}

void CO2_Click(Form& f) {
  f.MSG.clear();
  params::TrimEntries(f, 2, {59, 60});
  // The preview shows the box as it stands, also when it is empty.
  f.Lbl("La1").caption = f.Com(72).text;
  f.Lbl("La2").caption = f.Com(72).text;
  // The tool draws the leader's arrow from the settings tab's length and
  // angle, which it reads as numbers.
  if (params::RefusedSharedArrow(f)) return;
  const params::DrawSpec& draw = params::GeomTolDraw();
  params::WriteRecord(f, draw.output, params::FormFields(f, draw.fields));
}

}  // namespace mokrav
