// libFuzzer harness of MOKRAVL (fuzz/tool_fuzz.h).
#include "fuzz/tool_fuzz.h"
#include "tools/balloon/balloon.h"
#include "tools/balloon/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunInput(data, size, balloon::kKeys.run, balloon::Compute);
}
