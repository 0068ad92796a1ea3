#include "gfx/JpegDecoder.h"

// clang-format off
#include <cstdio>  // jpeglib.h wants FILE and size_t declared first
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <csetjmp>
#include <string>

namespace pendra {

namespace {

// Progressive files may hold any number of scans, each a pass over the whole picture;
// real pictures need about ten.
constexpr int kMaxScans = 64;
// libjpeg's own working memory (coefficient buffers of progressive pictures).
constexpr long kMaxDecoderMemory = 512L << 20;

// Everything one decode shares with libjpeg's callbacks. The error manager comes first, so
// a callback can get from the error-manager pointer libjpeg hands it back to the session.
struct Session {
  jpeg_error_mgr errors;
  jpeg_progress_mgr progress;
  jpeg_decompress_struct info;
  std::jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
  bool created;
};

Session& SessionOf(j_common_ptr info) { return *reinterpret_cast<Session*>(info->err); }

// libjpeg's error exit: keep the message and return to Run's setjmp instead of exiting.
[[noreturn]] void Escape(j_common_ptr info) {
  Session& session = SessionOf(info);
  info->err->format_message(info, session.message);
  std::longjmp(session.escape, 1);
}

bool IsAboutMetadataOnly(int warning) {
  return warning == JWRN_ADOBE_XFORM || warning == JWRN_EXTRANEOUS_DATA || warning == JWRN_JFIF_MAJOR ||
         warning == JWRN_BOGUS_ICC;
}

// Warnings that mean the image data is damaged or cut off end the decode; trace messages
// and warnings about metadata are ignored.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && !IsAboutMetadataOnly(info->err->msg_code)) Escape(info);
}

void OnProgress(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) {
    Session& session = SessionOf(info);
    std::snprintf(session.message, sizeof session.message, "Too many scans");
    std::longjmp(session.escape, 1);
  }
}

// CMYK as Adobe writes it (inverted: 255 means no ink) or plain, to opaque 0xAARRGGBB.
void CmykToPixels(std::uint32_t* row, int width, bool inverted) {
  for (int x = 0; x < width; ++x) {
    const auto* ink = reinterpret_cast<const unsigned char*>(row + x);
    auto amount = [&](int i) -> unsigned { return inverted ? ink[i] : 255 - ink[i]; };
    const unsigned k = amount(3);
    row[x] = 0xFF000000u | (amount(0) * k / 255) << 16 | (amount(1) * k / 255) << 8 | amount(2) * k / 255;
  }
}

// Runs libjpeg over the bytes into the caller's picture; false with the session's message
// when libjpeg fails. Only plain data lives in this frame and in libjpeg's, so leaving them
// by longjmp skips no destructor; everything that outlives the jump belongs to the caller.
bool Run(Session& session, std::string_view bytes, Picture& picture) {
  if (setjmp(session.escape) != 0) return false;
  jpeg_decompress_struct& info = session.info;
  jpeg_create_decompress(&info);
  session.created = true;
  info.progress = &session.progress;
  info.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  CheckPictureSize(info.image_width, info.image_height);

  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  const int width = static_cast<int>(info.output_width);
  picture.width = width;
  picture.height = static_cast<int>(info.output_height);
  // Rows are added as they are decoded, so a cut-off file costs only what it holds.
  picture.pixels.reserve(static_cast<std::size_t>(width) * picture.height);
  while (info.output_scanline < info.output_height) {
    picture.pixels.resize(picture.pixels.size() + width);
    std::uint32_t* row = picture.pixels.data() + picture.pixels.size() - width;
    JSAMPROW samples = reinterpret_cast<JSAMPROW>(row);
    if (jpeg_read_scanlines(&info, &samples, 1) != 1) {
      std::snprintf(session.message, sizeof session.message, "No more image data");
      return false;
    }
    if (cmyk) CmykToPixels(row, width, info.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&info);
  return true;
}

// Releases libjpeg's memory however the decode ends.
class SessionEnd {
 public:
  explicit SessionEnd(Session& session) : session_(session) {}
  ~SessionEnd() {
    if (session_.created) jpeg_destroy_decompress(&session_.info);
  }
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

 private:
  Session& session_;
};

}  // namespace

bool HasJpegSignature(std::string_view bytes) { return bytes.substr(0, 3) == "\xFF\xD8\xFF"; }

Picture DecodeJpeg(std::string_view bytes) {
  if (bytes.size() > 0xFFFFFFFFu) throw EInvalidGraphic(u"JPEG: the file is too large.");
  Session session{};
  session.info.err = jpeg_std_error(&session.errors);
  session.errors.error_exit = Escape;
  session.errors.emit_message = OnMessage;
  session.progress.progress_monitor = OnProgress;
  const SessionEnd end(session);
  Picture picture;
  if (!Run(session, bytes, picture)) {
    const std::string message(session.message);
    throw EInvalidGraphic(u"JPEG: " + std::u16string(message.begin(), message.end()) + u".");
  }
  return picture;
}

}  // namespace pendra
