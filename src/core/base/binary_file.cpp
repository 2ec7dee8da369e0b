#include "core/base/binary_file.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/base/paths.h"

namespace lumetta {

BinaryFile::BinaryFile(std::string_view path, std::size_t window_size) : window_(window_size == 0 ? 1 : window_size) {
  if (file_.open(ToFsPath(path), std::ios::in | std::ios::binary) == nullptr) {
    throw EBinaryRead("cannot open " + std::string(path));
  }
  const auto end = file_.pubseekoff(0, std::ios::end, std::ios::in);
  if (end < 0) throw EBinaryRead("cannot read " + std::string(path));
  size_ = static_cast<std::uint64_t>(end);
}

void BinaryFile::ReadDirect(std::uint64_t offset, std::uint8_t* out, std::size_t size) {
  if (file_.pubseekpos(static_cast<std::streamoff>(offset), std::ios::in) < 0) {
    throw EBinaryRead("cannot seek in the file");
  }
  std::size_t done = 0;
  while (done < size) {
    std::streamsize n = 0;
    try {
      n = file_.sgetn(reinterpret_cast<char*>(out + done), static_cast<std::streamsize>(size - done));
    } catch (const std::ios_base::failure& e) {
      throw EBinaryRead(std::string("cannot read the file: ") + e.what());
    }
    if (n <= 0) throw EBinaryRead("the file ended early");
    done += static_cast<std::size_t>(n);
  }
}

void BinaryFile::ReadAt(std::uint64_t offset, void* out, std::size_t size) {
  if (!Holds(offset, size)) throw EBinaryRead("a read reaches past the end of the file");
  if (size == 0) return;
  auto* dest = static_cast<std::uint8_t*>(out);
  if (offset >= window_offset_ && offset - window_offset_ <= window_fill_ &&
      size <= window_fill_ - (offset - window_offset_)) {
    std::memcpy(dest, window_.data() + (offset - window_offset_), size);
    return;
  }
  if (size >= window_.size()) {
    ReadDirect(offset, dest, size);
    return;
  }
  const std::size_t fill = static_cast<std::size_t>(std::min<std::uint64_t>(window_.size(), size_ - offset));
  window_fill_ = 0;
  ReadDirect(offset, window_.data(), fill);
  window_offset_ = offset;
  window_fill_ = fill;
  std::memcpy(dest, window_.data(), size);
}

std::uint16_t BinaryFile::U16At(std::uint64_t offset, ByteOrder order) {
  std::uint8_t b[2];
  ReadAt(offset, b, 2);
  return GetU16(b, order);
}

std::uint32_t BinaryFile::U32At(std::uint64_t offset, ByteOrder order) {
  std::uint8_t b[4];
  ReadAt(offset, b, 4);
  return GetU32(b, order);
}

void MemoryBytes::ReadAt(std::uint64_t offset, void* out, std::size_t size) {
  if (!Holds(offset, size)) throw EBinaryRead("a read reaches past the end of the data");
  if (size > 0) std::memcpy(out, data_ + offset, size);
}

std::uint16_t MemoryBytes::U16At(std::uint64_t offset, ByteOrder order) {
  std::uint8_t b[2];
  ReadAt(offset, b, 2);
  return GetU16(b, order);
}

std::uint32_t MemoryBytes::U32At(std::uint64_t offset, ByteOrder order) {
  std::uint8_t b[4];
  ReadAt(offset, b, 4);
  return GetU32(b, order);
}

}  // namespace lumetta
