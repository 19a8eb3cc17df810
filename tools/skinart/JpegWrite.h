#pragma once

// JPEG encoding with libjpeg itself, for the artwork generator's pictures and for test
// pictures, so that the decoders are checked against the reference encoder.

#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace jpegwrite {

struct Options {
  J_COLOR_SPACE input = JCS_RGB;
  // JCS_UNKNOWN keeps libjpeg's choice for the input.
  J_COLOR_SPACE stored = JCS_UNKNOWN;
  int quality = 95;
  bool fullChroma = false;
  bool progressive = false;
  bool adobeMarker = true;
  int restartRows = 0;
  std::vector<jpeg_scan_info> scans = {};
};

// Row y of interleaved samples, `components` bytes per pixel.
using RowSource = std::function<const std::uint8_t*(int y)>;

inline std::vector<std::uint8_t> Encode(int width, int height, int components, const RowSource& row,
                                        const Options& o) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = o.input;
  jpeg_set_defaults(&info);
  if (o.stored != JCS_UNKNOWN) jpeg_set_colorspace(&info, o.stored);
  info.write_Adobe_marker = info.write_Adobe_marker && o.adobeMarker;
  jpeg_set_quality(&info, o.quality, TRUE);
  if (o.fullChroma) info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
  if (o.progressive) jpeg_simple_progression(&info);
  info.restart_in_rows = o.restartRows;
  if (!o.scans.empty()) {
    info.scan_info = o.scans.data();
    info.num_scans = static_cast<int>(o.scans.size());
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW samples = const_cast<std::uint8_t*>(row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &samples, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

}  // namespace jpegwrite
