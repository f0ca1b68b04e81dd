// libFuzzer harness of MOKRAVW (fuzz/tool_fuzz.h).
#include "fuzz/tool_fuzz.h"
#include "tools/weld/weld.h"
#include "tools/weld/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunInput(data, size, weld::kKeys.run, weld::Compute);
}
