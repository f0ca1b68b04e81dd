// The body every tool's libFuzzer harness shares: one input (fuzz/input.h)
// becomes an exchange file and a parameter file in a private folder and a
// command line, and the tool's whole run (exchange::RunTool) goes over them.
// What any run must keep, checked after each and answered with abort():
// - a failure exits with 1, writes one line to stderr that starts with the
//   tool's name, and leaves every file as it was;
// - a success writes nothing to stderr, leaves the parameter file alone and
//   writes no coordinate, radius or angle as "inf" or "nan".
#pragma once

#include <cstddef>
#include <cstdint>

#include "exchange/toolrun.h"

namespace fuzz {

int RunInput(const std::uint8_t* data, std::size_t size, const exchange::ToolSpec& tool,
             const exchange::Compute& compute);

}  // namespace fuzz
