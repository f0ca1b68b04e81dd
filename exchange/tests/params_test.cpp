#include <gtest/gtest.h>

#include <set>
#include <string>

#include "exchange/params/balloon.h"
#include "exchange/params/finish.h"
#include "exchange/params/geomtol.h"
#include "exchange/params/hole.h"
#include "exchange/params/section.h"
#include "exchange/params/titleblock.h"
#include "exchange/params/tolerance.h"
#include "exchange/params/weld.h"

namespace {

// Every field of a layout has a name of its own under the layout's one
// prefix: a name left out would leave a null at the end, a row pasted from
// another layout would carry that layout's prefix or repeat a name.
template <typename Names>
void ExpectNamed(const Names& names, const std::string& prefix) {
  std::set<std::string> seen;
  for (const char* name : names) {
    ASSERT_NE(name, nullptr) << prefix;
    EXPECT_EQ(std::string(name).rfind(prefix, 0), 0u) << name;
    EXPECT_GT(std::string(name).size(), prefix.size()) << name;
    EXPECT_TRUE(seen.insert(name).second) << name << " twice";
  }
}

TEST(ParamLayouts, EachFieldNamedOnceAndEachToolItsOwnFile) {
  ExpectNamed(paramfile::weld::kNames, "WeldParams.");
  ExpectNamed(paramfile::finish::kNames, "FinishParams.");
  ExpectNamed(paramfile::geomtol::kNames, "GeomTolParams.");
  ExpectNamed(paramfile::hole::kNames, "HoleParams.");
  ExpectNamed(paramfile::balloon::kNames, "BalloonParams.");
  ExpectNamed(paramfile::tolerance::kNames, "ToleranceParams.");
  ExpectNamed(paramfile::section::kNames, "SectionParams.");
  ExpectNamed(paramfile::titleblock::kNames, "TitleBlockParams.");

  // Two tools reading one file would each draw from the other's line.
  const std::set<std::string> files = {
      paramfile::weld::kFileName,    paramfile::finish::kFileName,    paramfile::geomtol::kFileName,
      paramfile::hole::kFileName,    paramfile::balloon::kFileName,   paramfile::tolerance::kFileName,
      paramfile::section::kFileName, paramfile::titleblock::kFileName};
  EXPECT_EQ(files.size(), 8u);
}

}  // namespace
