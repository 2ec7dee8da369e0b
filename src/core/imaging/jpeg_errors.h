#pragma once
// libjpeg's errors for the decoder and the encoder. libjpeg reports a fatal
// error by calling error_exit, which must not return: it keeps libjpeg's
// message and jumps back to the setjmp of the step that called into
// libjpeg. Those steps are plain functions whose locals need no
// destructors, so that the jump skips nothing C++ would have to clean up;
// the C++ objects live in the callers, above the jump's target. Warnings
// (corrupt data, data that ends early) are counted by libjpeg and otherwise
// kept quiet.

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
// clang-format on

#include <csetjmp>

namespace lumetta::jpeg {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// Sets err up and returns the manager to put in a codec's err field before
// the codec is created.
jpeg_error_mgr* UseErrorManager(ErrorManager& err);

}  // namespace lumetta::jpeg
