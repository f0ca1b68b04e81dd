// libFuzzer harness of MOKRAVB (fuzz/tool_fuzz.h).
#include "fuzz/tool_fuzz.h"
#include "tools/titleblock/titleblock.h"
#include "tools/titleblock/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunInput(data, size, titleblock::kKeys.run, titleblock::Compute);
}
