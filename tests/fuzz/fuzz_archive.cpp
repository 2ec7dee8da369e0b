// The archive reader on arbitrary bytes: every entry's name and kind, and
// the data of the first few files up to a small limit. EArchive is a clean
// refusal; a crash, a sanitizer report or another exception is a fault. A
// name handed out must never leave the archive's tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/archive/archive_reader.h"

namespace {

void CheckName(const std::string& name) {
  if (name.empty()) return;
  if (name.front() == '/' || name.find('\\') != std::string::npos || name.find('\0') != std::string::npos ||
      name == ".." || name.rfind("../", 0) == 0 || name.find("/../") != std::string::npos ||
      (name.size() >= 3 && name.compare(name.size() - 3, 3, "/..") == 0)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 20) return 0;
  try {
    const auto reader = lumetta::ArchiveReader::OpenMemory(data, size);
    int files = 0;
    for (int k = 0; k < 1000; ++k) {
      const auto entry = reader->Next();
      if (!entry) break;
      CheckName(entry->Name);
      if (entry->Kind == lumetta::EntryKind::File && files++ < 4) {
        std::size_t total = 0;
        reader->ReadData([&total](const char*, std::size_t n) { total += n; }, 1 << 20);
        if (total > (1u << 20)) std::abort();
      }
    }
  } catch (const lumetta::EArchive&) {
  }
  return 0;
}
