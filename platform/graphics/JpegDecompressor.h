#pragma once

#include <csetjmp>
#include <cstdint>
#include <cstdio>  // jpeglib.h expects FILE and size_t to be declared already
#include <span>
#include <string>

#include <jpeglib.h>

#include "platform/Error.h"

namespace platform {

struct JpegErrorManager {
  jpeg_error_mgr pub;  // first, so libjpeg's pointer to it points to the whole manager
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// One libjpeg decompressor over bytes in memory. libjpeg reports failures through callbacks
// that must not return; ours longjmp back into Guard, which throws platform::Error. Only
// libjpeg's C frames and the guarded step lie in between, so no destructor is skipped, and
// the destructor here frees whatever libjpeg had allocated.
class JpegDecompressor {
 public:
  JpegDecompressor();
  ~JpegDecompressor() { jpeg_destroy_decompress(&info_); }
  JpegDecompressor(const JpegDecompressor&) = delete;
  JpegDecompressor& operator=(const JpegDecompressor&) = delete;

  // Points libjpeg at the data and reads the header up to the first scan.
  void ReadHeader(std::span<const std::uint8_t> data);

  jpeg_decompress_struct& Info() { return info_; }

  // Runs libjpeg calls. Their errors, warnings that mean lost pixels, and an absurd number of
  // scans throw platform::Error. The step must not create objects that have destructors.
  template <typename Step>
  void Guard(Step step) {
    if (setjmp(errors_.jump) != 0) {
      throw Error(std::string("Cannot decode JPEG: ") + errors_.message);
    }
    step();
  }

 private:
  JpegErrorManager errors_{};
  jpeg_progress_mgr progress_{};
  jpeg_decompress_struct info_{};
};

}  // namespace platform
