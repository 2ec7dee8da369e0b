#pragma once
// The rotation file of a plain photo in the thumbnail cache: two lines, "100"
// and the quarter-turn code (1 clockwise, 2 half turn, 255 counter-clockwise).
// A photo shown unturned has no such file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

// The rotation the lines record: line 2 as a decimal number kept as a byte
// (255 reads as -1). A missing line or one that is no number gives 0; the
// first line means nothing.
std::int8_t ParseThumbRotation(const std::vector<std::string>& lines);

// The same from the file's bytes (code page 932, or UTF-8 after a byte-order
// mark); only the first few kilobytes are looked at.
std::int8_t ParseThumbRotationBytes(std::string_view bytes);

// The rotation a file records; 0 when it cannot be read.
std::int8_t ReadThumbRotationFile(std::string_view path);

// Records rotation 1, 2 or -1 in a rotation file (written whole), or removes
// the file for rotation 0. Throws EDataFile when the file cannot be written.
void WriteThumbRotationFile(std::string_view path, std::int8_t rotation);

}  // namespace lumetta
