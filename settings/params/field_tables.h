// The field tables of the tabs that form their record from one, gathered so
// that the frame can ask what a box's field is (a code before a ":", say)
// from the tables themselves instead of from a list that could be forgotten.
#pragma once

#include <span>
#include <vector>

#include "settings/params/frame.h"

namespace mokrav::params {

const std::vector<FieldSpec>& WeldFields();    // the welding tab
const std::vector<FieldSpec>& FinishFields();  // the surface-finish tab
const DrawSpec& GeomTolDraw();                 // the geometric-tolerance tab
const DrawSpec& SectionDraw();                 // the section tab

// Every table above, once each; a tab that gains a table adds it here.
std::span<const std::vector<FieldSpec>* const> FieldTables();

}  // namespace mokrav::params
