#pragma once
// Reading binary files of outside origin (EXIF blocks, TIFF directories):
// every read names its offset and length and is checked against the file's
// size before anything is copied, so that a damaged file can never make a
// reader look outside it.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <vector>

#include "core/base/exception.h"

namespace lumetta {

// The file cannot be opened, or a read reaches past its end.
class EBinaryRead : public Exception {
 public:
  using Exception::Exception;
};

enum class ByteOrder { LittleEndian, BigEndian };

inline std::uint16_t GetU16(const std::uint8_t* p, ByteOrder order) {
  return order == ByteOrder::LittleEndian ? static_cast<std::uint16_t>(p[0] | p[1] << 8)
                                          : static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

inline std::uint32_t GetU32(const std::uint8_t* p, ByteOrder order) {
  if (order == ByteOrder::LittleEndian) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
  }
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | std::uint32_t{p[3]};
}

// A file read at explicit offsets through a small window, so that the many
// little reads of a directory walk cost one system read, not one each.
class BinaryFile {
 public:
  // Throws EBinaryRead when the file cannot be opened.
  explicit BinaryFile(std::string_view path, std::size_t window_size = 4096);

  std::uint64_t Size() const { return size_; }
  // Whether size bytes at offset lie inside the file.
  bool Holds(std::uint64_t offset, std::uint64_t size) const { return offset <= size_ && size <= size_ - offset; }

  // Copies size bytes at offset into out. Throws EBinaryRead when they do not
  // lie inside the file or cannot be read.
  void ReadAt(std::uint64_t offset, void* out, std::size_t size);

  std::uint16_t U16At(std::uint64_t offset, ByteOrder order);
  std::uint32_t U32At(std::uint64_t offset, ByteOrder order);

 private:
  void ReadDirect(std::uint64_t offset, std::uint8_t* out, std::size_t size);

  std::filebuf file_;
  std::uint64_t size_ = 0;
  std::vector<std::uint8_t> window_;
  std::uint64_t window_offset_ = 0;
  std::size_t window_fill_ = 0;
};

// Bytes already in memory, read with the same checks as a BinaryFile.
class MemoryBytes {
 public:
  MemoryBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint64_t Size() const { return size_; }
  bool Holds(std::uint64_t offset, std::uint64_t size) const { return offset <= size_ && size <= size_ - offset; }
  void ReadAt(std::uint64_t offset, void* out, std::size_t size);
  std::uint16_t U16At(std::uint64_t offset, ByteOrder order);
  std::uint32_t U32At(std::uint64_t offset, ByteOrder order);

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace lumetta
