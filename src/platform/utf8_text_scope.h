#pragma once
// Names read by the archive library come to the program in the thread's
// multibyte encoding. While a Utf8TextScope lives, that encoding is UTF-8 on
// the calling thread, whatever the process's locale (a command line started
// under LANG=C, a test), so that Japanese names are never lost.

namespace lumetta::platform {

class Utf8TextScope {
 public:
  Utf8TextScope();
  ~Utf8TextScope();
  Utf8TextScope(const Utf8TextScope&) = delete;
  Utf8TextScope& operator=(const Utf8TextScope&) = delete;

 private:
  void* previous_ = nullptr;
};

}  // namespace lumetta::platform
