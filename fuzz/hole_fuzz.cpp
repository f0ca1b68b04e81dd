// libFuzzer harness of MOKRAVR (fuzz/tool_fuzz.h).
#include "fuzz/tool_fuzz.h"
#include "tools/hole/hole.h"
#include "tools/hole/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunInput(data, size, hole::kKeys.run, hole::Compute);
}
