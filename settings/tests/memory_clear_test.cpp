// The "クリア" buttons: each empties its own tab's entry boxes and check
// boxes, and nothing else of the window.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "memory_test_util.h"
#include "settings/procedures.h"

namespace mokrav {
namespace {

struct ClearCase {
  const char* button;
  std::set<std::string> combos;
  std::set<std::string> checks;
};

const ClearCase kClearCases[] = {
    {"Co31",
     {"Com37", "Com38", "Com39", "Com42", "Com43", "Com155", "Com156", "Com157", "Com158",
      "Com159", "Com160", "Com161", "Com162"},
     {"H33", "H34", "H35", "H36"}},
    {"Co21", {"Com30", "Com31", "Com32", "Com33"}, {"H1", "H2"}},
    {"CO1", {"Com34", "Com35", "Com36"}, {"A1"}},
    {"Command7", {"Com25", "Com26", "Com27", "Com28"}, {}},
    {"Command3", {"Com11", "Com12", "Com13", "Com14", "Com15", "Com16", "Com40"}, {"H52"}},
    {"Command5", {"Com47", "Com48", "Com49", "Com51", "Com70", "Com71"},
     {"H61", "H62", "H65", "H66", "H67"}},
    {"Command9", {"Com83", "Com84", "Com85", "Com86", "Com87", "Com88", "Com89"}, {}},
    {"Command12", {"Com101", "Com102", "Com103", "Com104", "Com105", "Com106", "Com107"}, {}},
};

TEST(ClearButtons, EachClearsItsOwnTabOnly) {
  testing::TempFolder dir;
  for (const ClearCase& c : kClearCases) {
    Form f;
    Form_Load(f, dir.Text());
    // Every box shows a text, every check box is ticked, every option array
    // has a non-default choice, and something is queued.
    for (auto& [name, box] : f.Combos()) box.text = "x" + name;
    for (auto& [name, check] : f.Checks()) check.ticked = true;
    for (auto& [name, option] : f.Options()) option.selected = option.count - 1;
    f.Lbl("La11").caption = "1.41";
    f.pendingHistory = "54 d:\\\r\n";
    const Form before = f;

    ASSERT_TRUE(Click(f, c.button)) << c.button;
    EXPECT_EQ(f.MSG, "設定内容をクリアしました") << c.button;

    for (const auto& [name, box] : f.Combos()) {
      const std::string want = c.combos.count(name) ? "" : before.Combos().at(name).text;
      EXPECT_EQ(box.text, want) << c.button << " " << name;
      EXPECT_EQ(box.items, before.Combos().at(name).items) << c.button << " " << name;
    }
    for (const auto& [name, check] : f.Checks()) {
      EXPECT_EQ(check.ticked, c.checks.count(name) == 0) << c.button << " " << name;
    }
    for (const auto& [name, option] : f.Options()) {
      EXPECT_EQ(option.selected, before.Options().at(name).selected) << c.button << " " << name;
    }
    for (const auto& [name, label] : f.Labels()) {
      EXPECT_EQ(label.caption, before.Labels().at(name).caption) << c.button << " " << name;
    }
    EXPECT_EQ(f.pendingHistory, before.pendingHistory) << c.button;
  }
}

TEST(ClearButtons, AlreadyEmptyTabStillReports) {
  testing::TempFolder dir;
  Form f;
  Form_Load(f, dir.Text());
  Command7_Click(f);
  f.MSG = "前の表示";
  Command7_Click(f);
  EXPECT_EQ(f.MSG, "設定内容をクリアしました");
}

}  // namespace
}  // namespace mokrav
