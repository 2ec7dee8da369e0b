// libFuzzer target: reading an edited-photo file and meeting it with photos
// of several shapes. The reader takes a path, so each input goes through a
// file of its own.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/base/data_file.h"
#include "core/records/edited_photo_reader.h"

namespace {

const std::filesystem::path& InputFile() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("lumetta-fuzz-" + std::to_string(std::random_device{}()) + ".lum");
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(InputFile(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  try {
    const lumetta::EditedPhotoFile file = lumetta::ReadEditedPhotoFile(InputFile().string());
    lumetta::ResolveEditedPhoto(file, 640, 480, 800);
    lumetta::ResolveEditedPhoto(file, 1, 60000, 1);
    lumetta::ResolveEditedPhoto(file, 16384, 16384, 4000);
  } catch (const lumetta::EConvertError&) {
  } catch (const lumetta::EDataFile&) {
  }
  std::error_code ec;
  std::filesystem::remove(InputFile(), ec);
  return 0;
}
