#include "exchange/tools.h"

#include <utility>

#include "exchange/records.h"

namespace exchange {

namespace {

// The key pass and the scale pass, with the tool's text types taken from
// the parameter fields.
HostValues ReadToolHostValues(const ItemTable& table, const ToolKeys& tool,
                              const std::vector<std::string>& fields) {
  KeySet keys;
  keys.points = tool.points;
  keys.hostText = tool.hostText;
  keys.scaleWithoutHs = tool.scaleWithoutHs;
  for (const TextTypeField& t : tool.textTypeFields)
    keys.textTypes.push_back(Field(fields, t.field));
  return ReadHostValues(table, keys);
}

}  // namespace

ToolStart StartTool(const ItemTable& table, const ToolKeys& tool, const std::vector<std::string>& fields) {
  const std::size_t count = tool.textTypeFields.size();
  std::vector<std::size_t> order = tool.textTypeCheckOrder;
  if (order.empty())
    for (std::size_t i = 0; i < count; ++i) order.push_back(i);
  std::vector<std::string> records(count);
  for (std::size_t i : order) {
    const TextTypeField& t = tool.textTypeFields.at(i);
    records[i] = StyleRecords::TextType(Field(fields, t.field), FieldLabel(t.what, t.field));
  }

  HostValues host = ReadToolHostValues(table, tool, fields);
  std::vector<ToolTextType> textTypes;
  for (std::size_t i = 0; i < count; ++i)
    textTypes.push_back({records[i], host.Text(Field(fields, tool.textTypeFields[i].field))});
  return {std::move(host), std::move(textTypes)};
}

LineAndTextRecords ReadLineAndTextRecords(const HostValues& host, const std::vector<std::string>& fields,
                                          const LineAndTextFields& at) {
  const StyleRecords style(host);
  LineAndTextRecords r;
  r.lineLayer = style.Layer(Field(fields, at.lineLayer), FieldLabel("the line layer", at.lineLayer));
  r.colour = StyleRecords::Colour(Field(fields, at.lineColor), FieldLabel("the line colour", at.lineColor));
  r.textLayer = style.Layer(Field(fields, at.textLayer), FieldLabel("the text layer", at.textLayer));
  return r;
}

}  // namespace exchange
