// The surface-finish tab's draw button: "mokrav2.jyd" for the finish tool.
#include "exchange/params/finish.h"
#include "exchange/params/markers.h"
#include "platform/numtext.h"
#include "settings/params/field_tables.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

using params::FieldSpec;
using params::Way;

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::finish::kNames;
using enum paramfile::finish::Field;
using paramfile::kEmptyText;

}  // namespace

const std::vector<FieldSpec>& params::FinishFields() {
  static const std::vector<FieldSpec> fields = {
      {kNames[kTextType], Way::Combo, "Com5"},
      {kNames[kLineColor], Way::Combo, "Com6"},
      {kNames[kFinishKind], Way::Option, "C23"},
      {kNames[kGrindingMark], Way::Check, "H1"},
      {kNames[kFullWidth], Way::Check, "H2"},
      {kNames[kProcessCode], Way::Colon, "Com30", kEmptyText, 0},
      {kNames[kExtraSymbol], Way::Combo, "Com31", kEmptyText},
      {kNames[kLowerValue], Way::Combo, "Com32", kEmptyText},
      {kNames[kUpperValue], Way::Combo, "Com33", kEmptyText},
      {kNames[kLineLayer], Way::Combo, "Com63"},
      {kNames[kTextLayer], Way::Combo, "Com62"},
  };
  return fields;
}

namespace {

const params::OutputSpec kFinishOutput = {
    {paramfile::finish::kFileName, kNames},
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
  params::Record record = params::FormFields(f, params::FinishFields());
  if (FinishKind(params::FieldValue(record, kNames[kFinishKind])) <= 5) {
    // The wave and the triangles carry no texts.
    for (const char* name : {kNames[kProcessCode], kNames[kExtraSymbol],
                             kNames[kLowerValue], kNames[kUpperValue]}) {
      params::FieldValue(record, name) = kEmptyText;
    }
  } else {
    // The V symbol has no letter G.
    params::FieldValue(record, kNames[kGrindingMark]) = "0";
  }
  params::WriteRecord(f, kFinishOutput, record);
}

}  // namespace mokrav
