// The form model: the controls of the control table in their start state,
// and the few operations the procedures perform on them.
#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "settings/form.h"

namespace mokrav {

namespace {

template <typename Map>
auto& Lookup(Map& controls, const std::string& name, const char* kind) {
  auto it = controls.find(name);
  if (it == controls.end()) {
    throw std::out_of_range(std::string("no ") + kind + " named " + name);
  }
  return it->second;
}

}  // namespace

bool IsSettingBox(int n) {
  return std::find(std::begin(kSettingBoxes), std::end(kSettingBoxes), n) != std::end(kSettingBoxes);
}

void ComboBox::AddItem(const std::string& item) {
  if (!sorted) {
    items.push_back(item);
    return;
  }
  // After any equal items, so that equal rows keep their order of arrival.
  auto at = std::upper_bound(items.begin(), items.end(), item, CollateLess);
  items.insert(at, item);
}

void ComboBox::Select(int k) {
  if (k < 0 || static_cast<std::size_t>(k) >= items.size()) return;
  text = items[static_cast<std::size_t>(k)];
}

int ComboBox::Find(const std::string& item) const {
  auto it = std::find(items.begin(), items.end(), item);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

std::string OptionArray::Code() const {
  if (selected < 0) return "";
  return std::to_string(selected + 1);
}

Form::Form() {
  for (const ControlSpec& row : ControlTable()) {
    switch (row.kind) {
      case ControlKind::Combo: {
        ComboBox& box = combos_[row.name];
        box.listOnly = row.listOnly;
        box.sorted = row.sorted;
        break;
      }
      case ControlKind::Check:
        checks_[row.name] = CheckBox{};
        break;
      case ControlKind::Option: {
        OptionArray& array = options_[row.name];
        array.count = row.optionCount;
        array.selected = row.optionDefault;
        break;
      }
      case ControlKind::Label:
        labels_[row.name].caption = row.caption;
        break;
      case ControlKind::Button:
        break;  // buttons carry no state; their procedures live in procedures.h
    }
  }
}

ComboBox& Form::Com(int n) { return Lookup(combos_, "Com" + std::to_string(n), "combo box"); }

ComboBox& Form::Combo(const std::string& name) { return Lookup(combos_, name, "combo box"); }

CheckBox& Form::Check(const std::string& name) { return Lookup(checks_, name, "check box"); }

OptionArray& Form::Option(const std::string& name) {
  return Lookup(options_, name, "option array");
}

Label& Form::Lbl(const std::string& name) { return Lookup(labels_, name, "label"); }

bool Form::Has(const std::string& name) const {
  if (combos_.count(name) || checks_.count(name) || options_.count(name) || labels_.count(name)) {
    return true;
  }
  for (const ControlSpec& row : ControlTable()) {
    if (row.kind == ControlKind::Button && name == row.name) return true;
  }
  return false;
}

}  // namespace mokrav
