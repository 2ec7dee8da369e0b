#pragma once
// Where the comment overlay of a pane goes and how its text is laid out:
// one line along the top or bottom edge of the pane, or one character under
// the other along its left or right edge (vertical writing). In vertical
// writing brackets, dashes and the long-vowel mark are drawn turned a
// quarter turn clockwise and the small punctuation marks sit in the upper
// right of their cell.
//
// Everything here is arithmetic on the font's measures; the window that
// shows the overlay measures the texts, draws them and turns the cells as
// the plan says.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/state/current_photo.h"

namespace lumetta {

// Where a comment shows: CommentPosition and the positions CommentFix fixes.
inline constexpr std::int32_t kCommentBelow = 1;
inline constexpr std::int32_t kCommentAbove = 2;
inline constexpr std::int32_t kCommentLeft = 3;   // vertical writing
inline constexpr std::int32_t kCommentRight = 4;  // vertical writing
inline constexpr std::int32_t kCommentHidden = -1;  // CommentFix: never shown

enum class VerticalGlyph {
  Upright,  // drawn as it is
  Moved,    // 。、，． and their half-width forms: in the upper right of the cell
  Turned,   // brackets, dashes, the long-vowel mark: a quarter turn clockwise
};

VerticalGlyph VerticalGlyphOf(char32_t c);

// A character of one byte in code page 932 (ASCII and the half-width
// katakana): it stands a quarter cell in from the left in vertical writing.
bool IsHalfWidthChar(char32_t c);

struct CommentChar {
  std::string text;  // its UTF-8 bytes
  char32_t code = 0;
};

// The characters of a UTF-8 comment. A malformed or incomplete sequence (a
// character cut in two at the end) is dropped, so that nothing is read past
// the text.
std::vector<CommentChar> CommentChars(std::string_view utf8);

// A pane of the view in view coordinates.
struct CommentPane {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t W = 0;
  std::int32_t H = 0;
};

// Pane p (1..4) of a view of view_width x view_height: the halves side by
// side in the two-photo modes (pane 1 on the right in the reversed one), the
// quarters in the four-photo mode, the whole view otherwise.
CommentPane CommentPaneOf(PanoramaKind mode, std::int32_t view_width, std::int32_t view_height, std::int32_t p);

// The font of an overlay: the fixed-pitch Gothic for vertical writing, the
// proportional one for a line; 14 points in a pane narrower than 800 pixels,
// else 16; white and bold.
struct CommentFont {
  bool fixed_pitch = false;
  std::int32_t points = 14;
  bool operator==(const CommentFont&) const = default;
};

CommentFont CommentFontOf(std::int32_t position, std::int32_t pane_width);

// The measures the overlay needs, in pixels, taken from the font in use.
struct CommentMetrics {
  std::function<std::int32_t(std::string_view text, const CommentFont& font)> text_width;
  std::function<std::int32_t(std::string_view text, const CommentFont& font)> text_height;
};

// How one character of a vertical comment is drawn into its cell, the cell
// being cw x ch at (0, top) of the overlay.
struct VerticalCell {
  CommentChar ch;
  VerticalGlyph glyph = VerticalGlyph::Upright;
  bool half_width = false;
  std::int32_t top = 0;
  // Upright: the text is drawn at (text_x, top + text_y) of the overlay.
  // Moved: into a black scratch_width x scratch_height scratch image at
  // (text_x, text_y), which is then copied whole to (0, top).
  // Turned: into a black scratch_width x scratch_height (square) scratch
  // image at (text_x, text_y); that image is turned a quarter turn
  // clockwise (TurnQuarterClockwise) and its block at (source_left,
  // source_top) of size cw x ch, centred on the turned character, is
  // copied to (dest_left, top + dest_down): a little to the left, and a
  // quarter cell down for a half-width character.
  std::int32_t text_x = 0;
  std::int32_t text_y = 0;
  std::int32_t scratch_width = 0;
  std::int32_t scratch_height = 0;
  std::int32_t source_left = 0;
  std::int32_t source_top = 0;
  std::int32_t dest_left = 0;
  std::int32_t dest_down = 0;
};

// The overlay of one pane: hidden, or a black box at (left, top) of the
// view of width x height with the line drawn at (2, 0), or the vertical
// cells. The hint is the whole comment, so that a line cut at the pane's
// edge can still be read.
struct CommentLayout {
  bool visible = false;
  bool vertical = false;
  CommentFont font;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t cell_width = 0;   // cw: the width of "Ｗ" (vertical writing)
  std::int32_t cell_height = 0;  // ch: the height of "Ｈ"
  std::string text;              // the line (horizontal)
  std::string hint;
  std::vector<VerticalCell> cells;
};

// Lays out comment at position (1 below, 2 above, 3 left, 4 right; any
// other value below) over pane, the photo view's image lying at
// (view_left, view_top) of the overlay's parent. An empty comment, and a
// pane too small to hold the overlay, give a hidden layout.
CommentLayout LayOutComment(std::string_view comment, std::int32_t position, const CommentPane& pane,
                            std::int32_t view_left, std::int32_t view_top, const CommentMetrics& metrics);

// The square image of side s (pixels row by row) turned a quarter turn
// clockwise: pixel (x, y) of the result is pixel (y, s - 1 - x) of image.
std::vector<std::uint32_t> TurnQuarterClockwise(const std::vector<std::uint32_t>& image, std::int32_t s);

}  // namespace lumetta
