#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/Error.h"
#include "platform/graphics/BmpFile.h"

namespace {

// Bytes taken by a bitmap in the stream form, or 0 when the reader refuses it.
std::size_t Consumed(std::span<const std::uint8_t> stream) {
  try {
    std::size_t consumed = 0;
    platform::ReadBmpStream(stream, consumed);
    return consumed;
  } catch (const platform::Error&) {
    return 0;
  }
}

}  // namespace

// Feeds arbitrary bytes to the BMP reader, as a file and in the stream form (whose leading count
// the input chooses), and checks that whatever decodes survives our own writer unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  try {
    const platform::Bitmap b = platform::ReadBmp(input);
    // The writer has no path that only large pictures take; a round trip of the millions of
    // pixels that a few RLE bytes may describe would triple the cost of such an input.
    if (b.Width() * b.Height() <= 1 << 16 && !(platform::ReadBmp(platform::WriteBmp(b)) == b))
      __builtin_trap();
  } catch (const platform::Error&) {
  }

  if (Consumed(input) > size) __builtin_trap();
  return 0;
}
