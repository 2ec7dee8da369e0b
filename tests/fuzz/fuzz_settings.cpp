// libFuzzer target: reading the settings file. Whatever the file holds, the
// settings read from it must survive being written and read again unchanged,
// so a damaged file can never turn into a different damaged file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/state/settings.h"
#include "core/base/data_file.h"

namespace {

std::filesystem::path ScratchFile(const char* suffix) {
  static const std::string stem = "lumetta-fuzz-settings-" + std::to_string(std::random_device{}());
  return std::filesystem::temp_directory_path() / (stem + suffix);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path input = ScratchFile(".dat");
  static const std::filesystem::path copy = ScratchFile("-copy.dat");
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  try {
    const lumetta::Settings settings = lumetta::LoadSettings(input.string());
    lumetta::SaveSettings(copy.string(), settings);
    if (!(lumetta::LoadSettings(copy.string()) == settings)) std::abort();
    if (!(lumetta::SettingsFromLines(lumetta::SettingsToLines(settings)) == settings)) std::abort();
  } catch (const lumetta::EDataFile&) {
  }
  std::error_code ec;
  std::filesystem::remove(input, ec);
  std::filesystem::remove(copy, ec);
  return 0;
}
