// The surface-finish tab's draw button: "mokrav2.jyd" for the finish tool.
#include "platform/numtext.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

using params::FieldSpec;
using params::Way;

namespace {

const std::vector<FieldSpec>& FinishFields() {
  static const std::vector<FieldSpec> fields = {
      {"FinishParams.textType", Way::Combo, "Com5"},
      {"FinishParams.lineColor", Way::Combo, "Com6"},
      {"FinishParams.finishKind", Way::Option, "C23"},
      {"FinishParams.grindingMark", Way::Check, "H1"},
      {"FinishParams.fullWidth", Way::Check, "H2"},
      {"FinishParams.processCode", Way::Colon, "Com30", "-", 0},
      {"FinishParams.extraSymbol", Way::Combo, "Com31", "-"},
      {"FinishParams.lowerValue", Way::Combo, "Com32", "-"},
      {"FinishParams.upperValue", Way::Combo, "Com33", "-"},
      {"FinishParams.lineLayer", Way::Combo, "Com63"},
      {"FinishParams.textLayer", Way::Combo, "Com62"},
  };
  return fields;
}

const params::OutputSpec kFinishOutput = {
    "mokrav2.jyd",
    "仕上げ記号データを出力しました",
    params::SuccessAt::BeforeWrite,
    // Remembered for every kind, also when the kind writes "-" for them.
    {{"Com30"}, {"Com31"}, {"Com32"}, {"Com33"}},
};

// The finish kind code as a whole number; no button set counts as 0.
long long FinishKind(const std::string& code) {
  double value = 0;
  if (!platform::TryParseNumber(code, value)) return 0;
  return static_cast<long long>(value);  // truncated toward zero
}

}  // namespace

void Co22_Click(Form& f) {
  f.MSG.clear();
  params::TrimEntries(f, 1);
  params::Record record = params::FormFields(f, FinishFields());
  if (FinishKind(params::FieldValue(record, "FinishParams.finishKind")) <= 5) {
    // The wave and the triangles carry no texts.
    for (const char* name : {"FinishParams.processCode", "FinishParams.extraSymbol",
                             "FinishParams.lowerValue", "FinishParams.upperValue"}) {
      params::FieldValue(record, name) = "-";
    }
  } else {
    // The V symbol has no letter G.
    params::FieldValue(record, "FinishParams.grindingMark") = "0";
  }
  params::WriteRecord(f, kFinishOutput, record);
}

}  // namespace mokrav
