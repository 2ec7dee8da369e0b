#include "core/view/comment_layout.h"

#include <algorithm>

namespace lumetta {

namespace {

constexpr char32_t kMovedChars[] = {
    U'。', U'、', U'，', U'．',  // full width
    U'｡', U'､', U',', U'.',      // half width
};

constexpr char32_t kTurnedChars[] = {
    // full width; U+2212 is the minus sign some code page 932 tables give
    // for －
    U'ー', U'－', U'\u2212', U'「', U'」', U'『', U'』', U'［', U'］', U'【', U'】', U'（', U'）', U'〔', U'〕',
    U'｛', U'｝', U'〈', U'〉', U'《', U'》', U'＜', U'＞',
    // half width
    U'ｰ', U'-', U'｢', U'｣', U'[', U']', U'(', U')', U'{', U'}', U'<', U'>',
};

bool OneOf(char32_t c, const auto& table) { return std::find(std::begin(table), std::end(table), c) != std::end(table); }

// The code point of the well-formed UTF-8 sequence at text[pos] and its
// length, or length 0 when the bytes there do not form a whole character.
struct Decoded {
  char32_t code = 0;
  std::size_t length = 0;
};

Decoded DecodeAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t n = 0;
  char32_t code = 0;
  char32_t least = 0;
  if (lead < 0x80) return {lead, 1};
  if (lead >= 0xC2 && lead < 0xE0) {
    n = 2;
    code = lead & 0x1F;
    least = 0x80;
  } else if (lead >= 0xE0 && lead < 0xF0) {
    n = 3;
    code = lead & 0x0F;
    least = 0x800;
  } else if (lead >= 0xF0 && lead < 0xF5) {
    n = 4;
    code = lead & 0x07;
    least = 0x10000;
  } else {
    return {};
  }
  if (pos + n > text.size()) return {};
  for (std::size_t i = 1; i < n; ++i) {
    const auto c = static_cast<unsigned char>(text[pos + i]);
    if ((c & 0xC0) != 0x80) return {};
    code = code << 6 | (c & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  return {code, n};
}

bool Empty(const CommentLayout& layout) { return layout.width < 1 || layout.height < 1; }

CommentLayout Hidden() { return CommentLayout{}; }

CommentLayout LayOutLine(std::string_view comment, std::int32_t position, const CommentPane& pane,
                         std::int32_t view_left, std::int32_t view_top, const CommentMetrics& metrics) {
  CommentLayout layout;
  layout.font = CommentFontOf(position, pane.W);
  std::int32_t w = metrics.text_width(comment, layout.font) + 4;
  const std::int32_t h = metrics.text_height("Ｈ", layout.font);
  // A line wider than the pane is cut at its right edge.
  if (pane.W - 1 < w + 3) w = pane.W - 4;
  const std::int32_t top = position == kCommentAbove ? view_top + 2 : view_top + pane.H - h - 2;
  layout.left = view_left + pane.X + 3;
  layout.top = pane.Y + top;
  layout.width = w;
  layout.height = h;
  layout.cell_height = h;
  layout.text = std::string(comment);
  layout.hint = layout.text;
  // A pane lower than a line holds no overlay.
  if (Empty(layout) || h + 4 > pane.H) return Hidden();
  layout.visible = true;
  return layout;
}

VerticalCell CellOf(const CommentChar& c, std::int32_t top, std::int32_t cw, std::int32_t ch) {
  VerticalCell cell;
  cell.ch = c;
  cell.glyph = VerticalGlyphOf(c.code);
  cell.half_width = IsHalfWidthChar(c.code);
  cell.top = top;
  switch (cell.glyph) {
    case VerticalGlyph::Upright:
      cell.text_x = cell.half_width ? cw / 4 : 0;
      break;
    case VerticalGlyph::Moved:
      cell.scratch_width = cw;
      cell.scratch_height = ch;
      cell.text_x = cw / 2 + cw / 8;
      cell.text_y = -(ch / 2);
      break;
    case VerticalGlyph::Turned: {
      // The character is drawn into a square with room around it, turned,
      // and the cw x ch block around the centre of its turned cell taken,
      // so that it stands in the middle of its cell. For a square cell
      // (cw = ch) this is the character's own cell turned; a font whose
      // cells are higher than wide (as the Gothic fonts here are) keeps its
      // turned stroke inside the cell instead of losing it.
      const std::int32_t s = cw + ch;
      cell.scratch_width = cell.scratch_height = s;
      cell.text_x = ch / 2;
      cell.text_y = cw / 2;
      // The turned cell covers x from s - text_y - ch, y from text_x, ch
      // wide and cw high.
      cell.source_left = s - cell.text_y - ch / 2 - cw / 2;
      cell.source_top = cell.text_x + cw / 2 - ch / 2;
      cell.dest_left = -(ch / 16);
      cell.dest_down = cell.half_width ? ch / 4 : 0;
      break;
    }
  }
  return cell;
}

CommentLayout LayOutVertical(std::string_view comment, std::int32_t position, const CommentPane& pane,
                             std::int32_t view_left, std::int32_t view_top, const CommentMetrics& metrics) {
  CommentLayout layout;
  layout.vertical = true;
  layout.font = CommentFontOf(position, pane.W);
  const std::int32_t cw = metrics.text_width("Ｗ", layout.font);
  const std::int32_t ch = metrics.text_height("Ｈ", layout.font);
  layout.cell_width = cw;
  layout.cell_height = ch;
  layout.left = position == kCommentLeft ? pane.X + view_left + 3 : pane.X + pane.W + view_left - cw - 3;
  layout.top = view_top + pane.Y + 2;
  layout.width = cw;
  layout.hint = std::string(comment);
  if (cw < 1 || ch < 1 || cw + 6 > pane.W) return Hidden();

  std::int32_t y = 2;
  for (const CommentChar& c : CommentChars(comment)) {
    // Cells below the pane would be cut away anyway.
    if (y < pane.H) layout.cells.push_back(CellOf(c, y, cw, ch));
    y += ch;
  }
  // A comment longer than the pane ends 4 pixels above its bottom.
  if (pane.H - 2 < y + 4) y = pane.H - 6;
  layout.height = y + 2;
  if (Empty(layout) || layout.cells.empty()) return Hidden();
  layout.visible = true;
  return layout;
}

}  // namespace

VerticalGlyph VerticalGlyphOf(char32_t c) {
  if (OneOf(c, kMovedChars)) return VerticalGlyph::Moved;
  if (OneOf(c, kTurnedChars)) return VerticalGlyph::Turned;
  return VerticalGlyph::Upright;
}

bool IsHalfWidthChar(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

std::vector<CommentChar> CommentChars(std::string_view utf8) {
  std::vector<CommentChar> chars;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const Decoded d = DecodeAt(utf8, pos);
    if (d.length == 0) {
      ++pos;
      continue;
    }
    chars.push_back(CommentChar{std::string(utf8.substr(pos, d.length)), d.code});
    pos += d.length;
  }
  return chars;
}

CommentPane CommentPaneOf(PanoramaKind mode, std::int32_t view_width, std::int32_t view_height, std::int32_t p) {
  if (mode == PanoramaKind::None) return {0, 0, view_width, view_height};
  CommentPane pane;
  pane.W = view_width / 2;
  pane.H = mode == PanoramaKind::Four ? view_height / 2 : view_height;
  pane.X = ((p - 1) % 2) * pane.W;
  if (mode == PanoramaKind::PairReversed) pane.X = pane.X == 0 ? pane.W : 0;
  pane.Y = ((p - 1) / 2) * pane.H;
  return pane;
}

CommentFont CommentFontOf(std::int32_t position, std::int32_t pane_width) {
  return CommentFont{position == kCommentLeft || position == kCommentRight, pane_width < 800 ? 14 : 16};
}

CommentLayout LayOutComment(std::string_view comment, std::int32_t position, const CommentPane& pane,
                            std::int32_t view_left, std::int32_t view_top, const CommentMetrics& metrics) {
  if (comment.empty() || position == kCommentHidden) return Hidden();
  if (position == kCommentLeft || position == kCommentRight) {
    return LayOutVertical(comment, position, pane, view_left, view_top, metrics);
  }
  return LayOutLine(comment, position, pane, view_left, view_top, metrics);
}

std::vector<std::uint32_t> TurnQuarterClockwise(const std::vector<std::uint32_t>& image, std::int32_t s) {
  std::vector<std::uint32_t> turned(image.size());
  const auto side = static_cast<std::size_t>(std::max(s, 0));
  if (image.size() < side * side) return turned;
  for (std::size_t y = 0; y < side; ++y) {
    for (std::size_t x = 0; x < side; ++x) turned[y * side + x] = image[(side - 1 - x) * side + y];
  }
  return turned;
}

}  // namespace lumetta
