// libFuzzer harness of MOKRAVP (fuzz/tool_fuzz.h).
#include "fuzz/tool_fuzz.h"
#include "tools/section/section.h"
#include "tools/section/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunInput(data, size, section::kKeys.run, section::Compute);
}
