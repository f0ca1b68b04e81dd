// A failure check that holds only when the call fails for the reason it
// should: an exception of the given type whose message holds the words that
// say why. EXPECT_THROW alone would also pass when the call fails early for
// some other reason.
#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <string_view>
#include <typeinfo>

namespace mokrav::test {

// Whether `call` throws an E whose message holds `fragment`; when not, the
// result says what was expected and what came instead.
template <class E, class Call>
::testing::AssertionResult ThrowsSaying(Call&& call, const char* statement, const char* type,
                                        std::string_view fragment) {
  const auto failure = [&] {
    return ::testing::AssertionFailure()
           << statement << "\n  expected: " << type << " saying \"" << fragment << "\"\n    actual: ";
  };
  if (fragment.empty()) return failure() << "(none checked: the check names no words of the message)";
  try {
    call();
  } catch (const E& e) {
    if (std::string_view(e.what()).find(fragment) != std::string_view::npos) return ::testing::AssertionSuccess();
    return failure() << type << " saying \"" << e.what() << "\"";
  } catch (const std::exception& e) {
    return failure() << typeid(e).name() << " saying \"" << e.what() << "\"";
  } catch (...) {
    return failure() << "an exception that is no std::exception";
  }
  return failure() << "nothing thrown";
}

}  // namespace mokrav::test

// EXPECT_THROW(statement, type) that also wants `fragment` in the message;
// more may be streamed into its failure output as into any EXPECT_.
#define EXPECT_THROW_SAYING(statement, type, fragment)                                                 \
  switch (0)                                                                                           \
  case 0:                                                                                              \
  default:                                                                                             \
    if (const ::testing::AssertionResult mokrav_thrown_ =                                              \
            ::mokrav::test::ThrowsSaying<type>([&] { statement; }, #statement, #type, fragment))      \
      ;                                                                                                \
    else                                                                                               \
      ADD_FAILURE() << mokrav_thrown_.message()
