#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/Error.h"
#include "platform/graphics/Jpeg.h"

// Any input either decodes, in both colour modes, to a picture of the size its header states,
// or throws platform::Error.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  for (const bool grey : {false, true}) {
    try {
      const platform::Bitmap b = platform::DecodeJpeg(bytes, grey);
      if (platform::JpegSize(bytes) != platform::TSize{b.Width(), b.Height()}) std::abort();
    } catch (const platform::Error&) {
    }
  }
  return 0;
}
