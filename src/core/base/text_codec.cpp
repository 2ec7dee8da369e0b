#include "core/base/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace lumetta {
namespace {

// One conversion descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts in full; returns false at the first unconvertible or invalid
  // sequence, leaving in_pos at it.
  bool Convert(std::string_view in, std::size_t& in_pos, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    while (in_pos < in.size()) {
      char* src = const_cast<char*>(in.data() + in_pos);
      std::size_t src_left = in.size() - in_pos;
      char* dst = buffer;
      std::size_t dst_left = sizeof buffer;
      std::size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
      in_pos = in.size() - src_left;
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &dst_left);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    return true;
  }

 private:
  iconv_t cd_;
};

Converter& ToCp932() {
  thread_local Converter c("CP932", "UTF-8");
  return c;
}

Converter& FromCp932() {
  thread_local Converter c("UTF-8", "CP932");
  return c;
}

}  // namespace

std::size_t Utf8CharLength(std::string_view s, std::size_t pos) {
  const auto c = static_cast<unsigned char>(s[pos]);
  std::size_t n = 1;
  if (c >= 0xF0 && c < 0xF8) {
    n = 4;
  } else if (c >= 0xE0) {
    n = c < 0xF0 ? 3 : 1;
  } else if (c >= 0xC0) {
    n = 2;
  }
  if (pos + n > s.size()) return 1;
  for (std::size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  Converter& c = ToCp932();
  if (!c.valid()) return std::nullopt;
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  if (!c.Convert(utf8, pos, out)) return std::nullopt;
  // Some characters convert to the bytes of another one (〜 U+301C becomes
  // 0x8160, which reads back as ～ U+FF5E): such a text has no code page 932
  // form that keeps it.
  if (Cp932ToUtf8(out) != utf8) return std::nullopt;
  return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  Converter& c = FromCp932();
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  std::size_t pos = 0;
  while (pos < cp932.size()) {
    if (!c.valid() || !c.Convert(cp932, pos, out)) {
      out += "\xEF\xBF\xBD";
      ++pos;
    }
  }
  return out;
}

std::string EncodeDataText(std::string_view utf8) {
  if (auto cp932 = Utf8ToCp932(utf8)) return *std::move(cp932);
  std::string out(kUtf8Bom);
  out += utf8;
  return out;
}

std::string DecodeDataText(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return std::string(bytes.substr(kUtf8Bom.size()));
  return Cp932ToUtf8(bytes);
}

namespace {

std::size_t CharDataBytes(std::string_view ch) {
  if (ch.size() == 1) return 1;
  if (auto cp932 = Utf8ToCp932(ch)) return cp932->size();
  return ch.size();
}

}  // namespace

std::size_t DataByteLength(std::string_view utf8) {
  // Plain ASCII is by far the commonest case and needs no conversion.
  std::size_t total = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t n = Utf8CharLength(utf8, pos);
    total += CharDataBytes(utf8.substr(pos, n));
    pos += n;
  }
  return total;
}

std::string CutToDataBytes(std::string_view utf8, std::size_t max_bytes) {
  std::size_t total = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t n = Utf8CharLength(utf8, pos);
    const std::size_t bytes = CharDataBytes(utf8.substr(pos, n));
    if (total + bytes > max_bytes) break;
    total += bytes;
    pos += n;
  }
  return std::string(utf8.substr(0, pos));
}

std::size_t CharCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size(); pos += Utf8CharLength(utf8, pos)) ++count;
  return count;
}

std::string FirstChars(std::string_view utf8, std::size_t n) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < n && pos < utf8.size(); ++i) pos += Utf8CharLength(utf8, pos);
  return std::string(utf8.substr(0, pos));
}

}  // namespace lumetta
