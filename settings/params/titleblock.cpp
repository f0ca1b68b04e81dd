// "作図" of the title-block tab: "mokrav8.jyd" for the title-block tool.
//
// The cell kind C91 picks the kind's own text-size box, layer box and text
// boxes; the fifth kind can quote the weight last shown by the weight
// calculator (La11) instead of its text box. Texts are written as typed.
#include <string>

#include "exchange/params/markers.h"
#include "exchange/params/titleblock.h"
#include "settings/params/frame.h"
#include "settings/procedures.h"

namespace mokrav {

namespace {

// The fields are named and placed as the file's layout declares them.
using paramfile::titleblock::kNames;
using enum paramfile::titleblock::Field;
using paramfile::kEmptyText;

using params::Record;

const params::OutputSpec kTitleBlockOutput = {
    {paramfile::titleblock::kFileName, kNames},
    "図枠欄作図データを出力しました",
    params::SuccessAt::AfterWrite,
    {{"Com101"}, {"Com102"}, {"Com103"}, {"Com104"}, {"Com105"}, {"Com106", false}, {"Com107"}},
};

}  // namespace

void Command11_Click(Form& f) {
  params::TrimEntries(f, 7);
  // The status line keeps what it shows until this tab's file is written.
  const std::string kind = params::OptionCode(f, "C91");
  const std::string align = params::OptionCode(f, "C92");

  std::string textType, layer, text1, text2 = kEmptyText;
  if (!kind.empty()) {
    const int k = std::stoi(kind);  // 1 .. 5
    textType = f.Com(90 + k).text;
    layer = f.Com(95 + k).text;
  }
  if (kind == "1") {
    text1 = f.Com(101).text;
    text2 = params::WithMarker(f.Com(102).text, kEmptyText);
  } else if (kind == "2") {
    text1 = f.Com(103).text;
  } else if (kind == "3") {
    text1 = f.Com(104).text;
  } else if (kind == "4") {
    text1 = params::WithMarker(f.Com(105).text, kEmptyText);
    text2 = params::WithMarker(f.Com(106).text, kEmptyText);
  } else if (kind == "5") {
    text1 = f.Check("H91").ticked ? f.Lbl("La11").caption : f.Com(107).text;
  }

  Record r = {
      {kNames[kCellKind], kind},
      {kNames[kTextType], textType},
      {kNames[kTextLayer], layer},
      {kNames[kText1], text1},
      {kNames[kText2], text2},
      {kNames[kAlign], align},
  };
  params::WriteRecord(f, kTitleBlockOutput, r);
}

}  // namespace mokrav
