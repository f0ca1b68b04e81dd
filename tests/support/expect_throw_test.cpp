// The failure check must fail on every wrong way a call can fail, and say
// what it wanted and what it got; otherwise every check built on it passes
// for the wrong reason.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/support/expect_throw.h"

namespace {

using mokrav::test::ThrowsSaying;

// The failure output of a check of `call`, which must fail; "" if it held.
template <class Call>
std::string Failure(Call&& call, const char* fragment) {
  const ::testing::AssertionResult result =
      ThrowsSaying<std::runtime_error>(call, "Call()", "std::runtime_error", fragment);
  return result ? "" : result.message();
}

TEST(ThrowsSaying, HoldsOnlyForTheTypeAndTheWords) {
  EXPECT_TRUE(ThrowsSaying<std::runtime_error>([] { throw std::runtime_error("point 3 was not picked"); },
                                               "Call()", "std::runtime_error", "point 3"));
  // A derived type is of the type.
  EXPECT_TRUE(ThrowsSaying<std::runtime_error>([] { throw std::overflow_error("too large"); }, "Call()",
                                               "std::runtime_error", "too large"));
  EXPECT_THROW_SAYING(throw std::out_of_range("no label named La3"), std::out_of_range, "named La3");
}

TEST(ThrowsSaying, EachWrongFailureIsReportedWithWhatCame) {
  const std::string expected = "Call()\n  expected: std::runtime_error saying \"point 3\"\n    actual: ";
  EXPECT_EQ(Failure([] { throw std::runtime_error("point 5 was not picked"); }, "point 3"),
            expected + "std::runtime_error saying \"point 5 was not picked\"");
  const std::string other = Failure([] { throw std::logic_error("point 3 of the layout"); }, "point 3");
  EXPECT_EQ(other.rfind(expected, 0), 0u) << other;
  EXPECT_NE(other.find("saying \"point 3 of the layout\""), std::string::npos) << other;
  EXPECT_EQ(Failure([] { throw 3; }, "point 3"), expected + "an exception that is no std::exception");
  EXPECT_EQ(Failure([] {}, "point 3"), expected + "nothing thrown");
  // A check that names no words checks nothing, so it never holds.
  EXPECT_NE(Failure([] { throw std::runtime_error("anything"); }, ""), "");
}

}  // namespace
