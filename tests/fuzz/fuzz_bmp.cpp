// The bitmap reader on any bytes, as a file and as a resource: never reads
// outside them, and a picture it returns has the pixels it claims.
#include <vector>

#include "FuzzInput.h"
#include "ui/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  for (const auto& bitmap : {tarnix::ReadBmp(bytes), tarnix::ReadDib(bytes.data(), bytes.size())}) {
    if (!bitmap) continue;
    const tarnix::Picture& p = bitmap->picture;
    if (p.Width() <= 0 || p.Height() <= 0 || p.Pixels().size() != size_t(p.Width()) * size_t(p.Height()))
      tarnix::fuzz::Fail("a picture whose size and pixels disagree");
  }
  return 0;
}
