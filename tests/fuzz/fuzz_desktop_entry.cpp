// libFuzzer target: reading an application's desktop entry and building
// the arguments that start it. Whatever the text, the reader either refuses
// it with its own error or gives an entry whose command line either is
// refused the same way or starts a program with the photo among its
// arguments.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/shell/desktop_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 65536) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string photo = "/photos/a b.jpg";
  try {
    const lumetta::DesktopEntry entry = lumetta::ParseDesktopEntry(text);
    const auto args = lumetta::ExecArguments(entry, photo);
    if (args.empty() || args.front().empty()) std::abort();
  } catch (const lumetta::EDesktopEntry&) {
    // The clean refusal.
  }
  return 0;
}
