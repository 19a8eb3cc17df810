#pragma once

// Encodes test pictures with libjpeg itself, so the decoders are checked against the reference
// encoder rather than against files of unknown origin.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

// Interleaved samples as libjpeg takes them: RGB, grey, or CMYK.
struct Picture {
  int width = 0;
  int height = 0;
  int components = 3;
  Bytes samples;

  const std::uint8_t* At(int x, int y) const {
    return samples.data() + (static_cast<std::size_t>(y) * width + x) * components;
  }
};

struct JpegOptions {
  J_COLOR_SPACE stored = JCS_YCbCr;
  bool fullChroma = false;
  bool progressive = false;
  bool adobeMarker = true;
  int restartRows = 0;
  std::vector<jpeg_scan_info> scans = {};
};

inline Bytes EncodeJpeg(const Picture& p, const JpegOptions& o = {}) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(p.width);
  info.image_height = static_cast<JDIMENSION>(p.height);
  info.input_components = p.components;
  info.in_color_space = p.components == 1 ? JCS_GRAYSCALE : p.components == 3 ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_colorspace(&info, p.components == 1 ? JCS_GRAYSCALE : o.stored);
  info.write_Adobe_marker = info.write_Adobe_marker && o.adobeMarker;
  jpeg_set_quality(&info, 95, TRUE);
  if (o.fullChroma) info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
  if (o.progressive) jpeg_simple_progression(&info);
  info.restart_in_rows = o.restartRows;
  if (!o.scans.empty()) {
    info.scan_info = o.scans.data();
    info.num_scans = static_cast<int>(o.scans.size());
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<std::uint8_t*>(p.At(0, static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes jpeg(out, out + size);
  std::free(out);
  return jpeg;
}

}  // namespace testsupport
