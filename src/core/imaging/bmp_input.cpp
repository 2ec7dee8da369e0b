#include "core/imaging/bmp_input.h"

#include <istream>

#include "core/imaging/dib_image.h"

namespace lumetta::bmp {

void ThrowTruncated() { throw EDibInvalidDIBFile("TDibData.LoadFromStream: File is truncated"); }

void StreamInput::Read(void* dest, std::size_t size) {
  if (ReadUpTo(dest, size) != size) ThrowTruncated();
}

std::size_t StreamInput::ReadUpTo(void* dest, std::size_t size) {
  std::size_t done = 0;
  // streamsize is signed; very large reads go in pieces it can express.
  constexpr std::size_t kPiece = std::size_t{1} << 30;
  while (done < size && in_) {
    const std::size_t want = size - done < kPiece ? size - done : kPiece;
    in_.read(static_cast<char*>(dest) + done, static_cast<std::streamsize>(want));
    const auto got = static_cast<std::size_t>(in_.gcount());
    done += got;
    if (got != want) break;
  }
  return done;
}

void StreamInput::Skip(std::uint64_t count) {
  constexpr std::uint64_t kPiece = std::uint64_t{1} << 30;
  while (count > 0) {
    const std::uint64_t want = count < kPiece ? count : kPiece;
    in_.ignore(static_cast<std::streamsize>(want));
    if (static_cast<std::uint64_t>(in_.gcount()) != want) ThrowTruncated();
    count -= want;
  }
}

std::optional<std::uint64_t> StreamInput::Remaining() {
  if (!in_) return std::nullopt;
  const std::istream::pos_type here = in_.tellg();
  if (here == std::istream::pos_type(-1)) return std::nullopt;
  in_.seekg(0, std::ios::end);
  const std::istream::pos_type end = in_.tellg();
  in_.clear();
  in_.seekg(here);
  if (end == std::istream::pos_type(-1) || !in_ || end < here) return std::nullopt;
  return static_cast<std::uint64_t>(end - here);
}

std::uint16_t LittleEndianFields::U16(std::size_t offset) const {
  if (offset > bytes_.size() || bytes_.size() - offset < 2) ThrowTruncated();
  return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

std::uint32_t LittleEndianFields::U32(std::size_t offset) const {
  if (offset > bytes_.size() || bytes_.size() - offset < 4) ThrowTruncated();
  return std::uint32_t{bytes_[offset]} | std::uint32_t{bytes_[offset + 1]} << 8 |
         std::uint32_t{bytes_[offset + 2]} << 16 | std::uint32_t{bytes_[offset + 3]} << 24;
}

}  // namespace lumetta::bmp
