#include "settings/params/field_tables.h"

namespace mokrav::params {

std::span<const std::vector<FieldSpec>* const> FieldTables() {
  static const std::vector<FieldSpec>* const tables[] = {
      &WeldFields(), &FinishFields(), &GeomTolDraw().fields, &SectionDraw().fields};
  return tables;
}

}  // namespace mokrav::params
