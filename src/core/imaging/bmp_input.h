#pragma once
// Reading a BMP stream: exact reads that fail cleanly when the stream ends,
// and little-endian fields taken from bytes already read, each access checked
// against the length actually there.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>

namespace lumetta::bmp {

// The one failure for a stream that ends before the data its headers promise.
[[noreturn]] void ThrowTruncated();

class StreamInput {
 public:
  explicit StreamInput(std::istream& in) : in_(in) {}

  // Exactly size bytes, or EDibInvalidDIBFile.
  void Read(void* dest, std::size_t size);
  // Up to size bytes; fewer only at the end of the stream.
  std::size_t ReadUpTo(void* dest, std::size_t size);
  // Passes over count bytes, or EDibInvalidDIBFile when the stream ends first.
  void Skip(std::uint64_t count);
  // Bytes left in a stream that can tell (files, memory); nothing otherwise.
  std::optional<std::uint64_t> Remaining();

 private:
  std::istream& in_;
};

// Fields of a header held in memory. Reading past the bytes given is a
// truncated stream, never a read outside the buffer.
class LittleEndianFields {
 public:
  explicit LittleEndianFields(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint16_t U16(std::size_t offset) const;
  std::uint32_t U32(std::size_t offset) const;
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace lumetta::bmp
