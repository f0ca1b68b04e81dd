// What a drawing tool reads: its item capacity, the word that names its
// parameter file, the parameter fields that hold text types and its
// picked-point tests. Each tool declares its own set in its folder
// (tools/<tool>/keys.h); one reader serves them all.
#pragma once

#include <string>
#include <vector>

#include "exchange/exchange.h"
#include "exchange/toolrun.h"

namespace exchange {

// A parameter field that names a text type, and what a failure calls it
// ("the text type"; the message adds the field's place).
struct TextTypeField {
  std::size_t field;
  const char* what;
};

struct ToolKeys {
  ToolSpec run;
  // The fields that name a text type, in the order the host's sizes are
  // read by them.
  std::vector<TextTypeField> textTypeFields = {};
  // The order their records are checked in, as places in textTypeFields,
  // for a tool that checks them otherwise; empty: the order above.
  std::vector<std::size_t> textTypeCheckOrder = {};
  std::vector<PointTest> points;
  bool hostText = true;           // tests "hcw", "hcd", "hch"
  double scaleWithoutHs = 0;      // the group scale when no "hs" item comes
};

// A text type as a tool writes and measures it.
struct ToolTextType {
  std::string record;  // "cn" and the field, checked
  TextSize size;       // the host's W, D and CH of it
};

// What every tool's run opens with: the host's values and the tool's text
// types in the order of textTypeFields.
struct ToolStart {
  HostValues host;
  std::vector<ToolTextType> textTypes;
};

// The text-type records are checked first, since the host's sizes are
// looked up by those fields; then the key pass and the scale pass read the
// host's values. A field that would break its record is a ToolError naming
// it, the first in the check order winning; a missing field is a ToolError;
// a text-type field that is no number is one only when the host lists
// character sizes.
ToolStart StartTool(const ItemTable& table, const ToolKeys& tool, const std::vector<std::string>& fields);

// Where a tool that draws one line group and one text group keeps the
// fields of their header records.
struct LineAndTextFields {
  std::size_t lineLayer;
  std::size_t lineColor;
  std::size_t textLayer;
};

// Those header records: the line group's layer and colour, the text group's
// layer.
struct LineAndTextRecords {
  std::string lineLayer;
  std::string colour;
  std::string textLayer;
};

// The header records, checked in the order above; a field that would break
// its record is a ToolError naming it.
LineAndTextRecords ReadLineAndTextRecords(const HostValues& host, const std::vector<std::string>& fields,
                                          const LineAndTextFields& at);

}  // namespace exchange
