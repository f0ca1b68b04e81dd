// The welding tab's draw button: "mokrav1.jyd" for the welding tool.
#include <utility>

#include "exchange/params/markers.h"
#include "exchange/params/weld.h"
#include "settings/params/field_tables.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

using params::FieldSpec;
using params::Way;

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::weld::kNames;
using enum paramfile::weld::Field;
using paramfile::kEmptyText;

}  // namespace

const std::vector<FieldSpec>& params::WeldFields() {
  static const std::vector<FieldSpec> fields = {
      {kNames[kTextType], Way::Combo, "Com7"},
      {kNames[kLineColor], Way::Combo, "Com8"},
      {kNames[kWeldKind], Way::Option, "C33"},
      {kNames[kBackDepth], Way::Combo, "Com157", kEmptyText},
      {kNames[kBackLengthPitch], Way::Combo, "Com42", kEmptyText},
      {kNames[kBackGrooveAngle], Way::Combo, "Com38", kEmptyText},
      {kNames[kBackFinish], Way::Colon, "Com161", kEmptyText, 0},
      {kNames[kWeldSide], Way::Option, "C34"},
      {kNames[kNearDepth], Way::Combo, "Com158", kEmptyText},
      {kNames[kNearLengthPitch], Way::Combo, "Com43", kEmptyText},
      {kNames[kNearGrooveAngle], Way::Combo, "Com39", kEmptyText},
      {kNames[kNearFinish], Way::Colon, "Com162", kEmptyText, 0},
      {kNames[kProcessCode], Way::Colon, "Com37", kEmptyText, 0},
      {kNames[kAllAround], Way::Check, "H33"},
      {kNames[kFieldWeld], Way::Check, "H34"},
      {kNames[kStaggered], Way::Check, "H36"},
      {kNames[kFullWidth], Way::Check, "H35"},
      {kNames[kLineLayer], Way::Combo, "Com61"},
      {kNames[kTextLayer], Way::Combo, "Com58"},
      {kNames[kArrowLength], Way::Combo, "Com59"},
      {kNames[kArrowAngle], Way::Combo, "Com60"},
      {kNames[kBackRootGap], Way::Combo, "Com159", kEmptyText},
      {kNames[kNearRootGap], Way::Combo, "Com160", kEmptyText},
      {kNames[kBackContour], Way::Colon, "Com155", "0", 1},
      {kNames[kNearContour], Way::Colon, "Com156", "0", 1},
  };
  return fields;
}

namespace {

const params::OutputSpec kWeldOutput = {
    {paramfile::weld::kFileName, kNames},
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
  params::Record record = params::FormFields(f, params::WeldFields());
  static const std::pair<const char*, const char*> contours[] = {
      {kNames[kBackContour], "Com155"}, {kNames[kNearContour], "Com156"}};
  for (const auto& [field, box] : contours) {
    if (!ValidContour(params::FieldValue(record, field))) {
      f.MSG = "溶接部の形状は一覧から選んでください：「" + f.Combo(box).text + "」";
      return;
    }
  }
  params::WriteRecord(f, kWeldOutput, record);
}

}  // namespace mokrav
