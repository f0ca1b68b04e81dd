// One fuzz input holds a whole run of a drawing tool: the exchange file's
// bytes, a NUL, the parameter file's bytes, a NUL, then the command-line
// words that follow the exchange file's name. The tools' run tests write
// each of their runs in this form as a seed (MOKRAV_FUZZ_SEEDS); the
// harnesses split it again.
#pragma once

#include <string>
#include <string_view>

namespace fuzz {

struct Input {
  std::string exchange;
  std::string parameters;
  std::string words;  // blank-separated, without the exchange file's name
};

inline std::string JoinInput(const Input& in) {
  return in.exchange + '\0' + in.parameters + '\0' + in.words;
}

// Parts missing at the end are empty; a NUL among the words ends them, as
// no command line can hold one.
inline Input SplitInput(std::string_view bytes) {
  auto cut = [&bytes] {
    const std::size_t at = bytes.find('\0');
    std::string part(bytes.substr(0, at));
    bytes = at == std::string_view::npos ? std::string_view() : bytes.substr(at + 1);
    return part;
  };
  Input in;
  in.exchange = cut();
  in.parameters = cut();
  in.words = cut();
  return in;
}

}  // namespace fuzz
