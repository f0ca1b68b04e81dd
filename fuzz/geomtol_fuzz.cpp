// libFuzzer harness of MOKRAVG (fuzz/tool_fuzz.h).
#include "fuzz/tool_fuzz.h"
#include "tools/geomtol/geomtol.h"
#include "tools/geomtol/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::RunInput(data, size, geomtol::kKeys.run, geomtol::Compute);
}
