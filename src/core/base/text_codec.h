#pragma once
// Text as the program's data files hold it.
//
// In memory every text is UTF-8. Data files (settings, edited-photo files,
// rotation files, favorites) are Shift-JIS (code page 932) so that they move
// between Windows and Linux; a text that code page 932 cannot hold is stored
// as UTF-8 behind a byte-order mark instead. Byte limits of the file formats
// count code page 932 bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

// The code page 932 bytes of a UTF-8 text, or nothing when a character has
// no code page 932 form that reads back as the same character, or the text
// is not valid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// UTF-8 of code page 932 bytes; a byte sequence that is not valid code page
// 932 becomes U+FFFD, one per offending byte.
std::string Cp932ToUtf8(std::string_view cp932);

// The bytes a data file stores for a text: code page 932 when every character
// has a form there, otherwise the UTF-8 byte-order mark and the UTF-8 text.
std::string EncodeDataText(std::string_view utf8);

// The text of data-file bytes: UTF-8 after a byte-order mark, else code page 932.
std::string DecodeDataText(std::string_view bytes);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Length of a text in data-file bytes: a character counts its code page 932
// bytes, or its UTF-8 bytes when code page 932 cannot hold it.
std::size_t DataByteLength(std::string_view utf8);

// The longest prefix of whole characters whose data-file length is at most
// max_bytes.
std::string CutToDataBytes(std::string_view utf8, std::size_t max_bytes);

// Number of characters (code points) of a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// The first n characters of a UTF-8 text.
std::string FirstChars(std::string_view utf8, std::size_t n);

// Byte length of the UTF-8 character that starts at utf8[pos] (1 for a
// stray continuation byte, so that loops always advance).
std::size_t Utf8CharLength(std::string_view utf8, std::size_t pos);

}  // namespace lumetta
