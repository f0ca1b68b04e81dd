// The welding tab's draw button: "mokrav1.jyd" for the welding tool.
#include <utility>

#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

using params::FieldSpec;
using params::Way;

namespace {

const std::vector<FieldSpec>& WeldFields() {
  static const std::vector<FieldSpec> fields = {
      {"WeldParams.textType", Way::Combo, "Com7"},
      {"WeldParams.lineColor", Way::Combo, "Com8"},
      {"WeldParams.weldKind", Way::Option, "C33"},
      {"WeldParams.backDepth", Way::Combo, "Com157", "-"},
      {"WeldParams.backLengthPitch", Way::Combo, "Com42", "-"},
      {"WeldParams.backGrooveAngle", Way::Combo, "Com38", "-"},
      {"WeldParams.backFinish", Way::Colon, "Com161", "-", 0},
      {"WeldParams.weldSide", Way::Option, "C34"},
      {"WeldParams.nearDepth", Way::Combo, "Com158", "-"},
      {"WeldParams.nearLengthPitch", Way::Combo, "Com43", "-"},
      {"WeldParams.nearGrooveAngle", Way::Combo, "Com39", "-"},
      {"WeldParams.nearFinish", Way::Colon, "Com162", "-", 0},
      {"WeldParams.processCode", Way::Colon, "Com37", "-", 0},
      {"WeldParams.allAround", Way::Check, "H33"},
      {"WeldParams.fieldWeld", Way::Check, "H34"},
      {"WeldParams.staggered", Way::Check, "H36"},
      {"WeldParams.fullWidth", Way::Check, "H35"},
      {"WeldParams.lineLayer", Way::Combo, "Com61"},
      {"WeldParams.textLayer", Way::Combo, "Com58"},
      {"WeldParams.arrowLength", Way::Combo, "Com59"},
      {"WeldParams.arrowAngle", Way::Combo, "Com60"},
      {"WeldParams.backRootGap", Way::Combo, "Com159", "-"},
      {"WeldParams.nearRootGap", Way::Combo, "Com160", "-"},
      {"WeldParams.backContour", Way::Colon, "Com155", "0", 1},
      {"WeldParams.nearContour", Way::Colon, "Com156", "0", 1},
  };
  return fields;
}

const params::OutputSpec kWeldOutput = {
    "mokrav1.jyd",
    "溶接記号データを出力しました",
    params::SuccessAt::BeforeWrite,
    {{"Com42"}, {"Com43"}, {"Com37"}, {"Com38", false}, {"Com39", false},
     {"Com157"}, {"Com158"}, {"Com159"}, {"Com160"}},
};

// The welding tool draws only the contours 0 to 3; a typed contour without
// its code after ":" would reach it as a value it cannot use.
bool ValidContour(const std::string& code) {
  return code == "0" || code == "1" || code == "2" || code == "3";
}

}  // namespace

void Co32_Click(Form& f) {
  f.MSG.clear();
  params::TrimEntries(f, 0, {59, 60});
  // The welding tool draws the arrow from the settings tab's length and
  // angle, which it reads as numbers.
  if (params::RefusedSharedArrow(f)) return;
  params::Record record = params::FormFields(f, WeldFields());
  static const std::pair<const char*, const char*> contours[] = {
      {"WeldParams.backContour", "Com155"}, {"WeldParams.nearContour", "Com156"}};
  for (const auto& [field, box] : contours) {
    if (!ValidContour(params::FieldValue(record, field))) {
      f.MSG = "溶接部の形状は一覧から選んでください：「" + f.Combo(box).text + "」";
      return;
    }
  }
  params::WriteRecord(f, kWeldOutput, record);
}

}  // namespace mokrav
