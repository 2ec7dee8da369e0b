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
#include "core/records/edited_photo_writer.h"
#include "core/records/variant_numbers.h"

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
    // Whatever was read is written back as a file that reads again, with
    // the same values.
    const auto again = lumetta::ParseEditedPhotoLines(lumetta::EditedPhotoLines(file.Edits));
    if (again.Edits.Rotation != file.Edits.Rotation || again.Edits.Brightness != file.Edits.Brightness ||
        again.Edits.Contrast != file.Edits.Contrast || again.Edits.Effect != file.Edits.Effect) {
      __builtin_trap();
    }
  } catch (const lumetta::EConvertError&) {
  } catch (const lumetta::EDataFile&) {
  }
  // The input's name as a variant of another photo's: the number rules
  // take any name.
  const std::string name(reinterpret_cast<const char*>(data), size < 64 ? size : 64);
  lumetta::CurrentVariantNumber(name + ".lum");
  lumetta::VariantBaseName(name + ".lum");
  std::error_code ec;
  std::filesystem::remove(InputFile(), ec);
  return 0;
}
