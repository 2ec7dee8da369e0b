#include "core/imaging/jpeg_errors.h"

namespace lumetta::jpeg {

namespace {

extern "C" void LumettaJpegErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

extern "C" void LumettaJpegOutputMessage(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* UseErrorManager(ErrorManager& err) {
  jpeg_error_mgr* manager = jpeg_std_error(&err.pub);
  err.pub.error_exit = LumettaJpegErrorExit;
  err.pub.output_message = LumettaJpegOutputMessage;
  err.message[0] = '\0';
  return manager;
}

}  // namespace lumetta::jpeg
