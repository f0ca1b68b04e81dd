// libFuzzer harness of MOKRAVF (fuzz/tool_fuzz.h).
#include "fuzz/tool_fuzz.h"
#include "tools/finish/finish.h"
#include "tools/finish/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunInput(data, size, finish::kKeys.run, finish::Compute);
}
