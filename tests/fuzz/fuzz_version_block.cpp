// The version resource parser on any bytes: never reads outside them.
#include <vector>

#include "FuzzInput.h"
#include "platform/VersionBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly the input's size, so that AddressSanitizer sees any read past it.
  const std::vector<uint8_t> bytes(data, data + size);
  const auto info = tarnix::ParseVersionBlock(bytes.data(), bytes.size());
  if (info && info->companyName.size() > size) tarnix::fuzz::Fail("a company name longer than the block");
  return 0;
}
