#include "platform/graphics/JpegDecompressor.h"

#include <jerror.h>

namespace platform {
namespace {

// A real progressive picture has about ten scans. Hundreds of them make libjpeg walk the whole
// coefficient buffer again and again, a known way to stall a decoder with a small file.
constexpr int MaxScans = 500;

JpegErrorManager& Manager(j_common_ptr info) {
  return *reinterpret_cast<JpegErrorManager*>(info->err);
}

[[noreturn]] void Jump(j_common_ptr info) {
  std::longjmp(Manager(info).jump, 1);
}

[[noreturn]] void ExitOnError(j_common_ptr info) {
  (*info->err->format_message)(info, Manager(info).message);
  Jump(info);
}

// libjpeg merely warns when the data ends early or is corrupt, and paints the lost part grey;
// such a picture is refused. Harmless warnings (stray bytes, unknown markers) pass.
bool LosesPixels(int code) {
  switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
      return true;
    default:
      return false;
  }
}

void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && LosesPixels(info->err->msg_code)) ExitOnError(info);
}

void LimitScans(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= MaxScans) return;
  std::snprintf(Manager(info).message, JMSG_LENGTH_MAX, "more than %d scans", MaxScans);
  Jump(info);
}

}  // namespace

JpegDecompressor::JpegDecompressor() {
  info_.err = jpeg_std_error(&errors_.pub);
  errors_.pub.error_exit = ExitOnError;
  errors_.pub.emit_message = OnMessage;
  progress_.progress_monitor = LimitScans;
  // A failure here leaves nothing allocated, so throwing from the constructor is fine.
  Guard([this] { jpeg_create_decompress(&info_); });
  info_.progress = &progress_;
}

void JpegDecompressor::ReadHeader(std::span<const std::uint8_t> data) {
  Guard([&] {
    jpeg_mem_src(&info_, data.data(), data.size());
    jpeg_read_header(&info_, TRUE);
  });
}

}  // namespace platform
