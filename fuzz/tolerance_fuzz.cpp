// libFuzzer harness of MOKRAVT (fuzz/tool_fuzz.h).
#include "fuzz/tool_fuzz.h"
#include "tools/tolerance/tolerance.h"
#include "tools/tolerance/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunInput(data, size, tolerance::kKeys.run, tolerance::Compute);
}
