#include "core/view/comment_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/text_codec.h"

namespace lumetta {
namespace {

// A font whose full-width characters are 16 pixels wide and half-width ones
// 8; "Ｗ" is 19 wide and "Ｈ" 21 high (a fixed-pitch Gothic is a little
// higher than wide); at 16 points everything is 2 pixels larger.
CommentMetrics TestMetrics() {
  CommentMetrics m;
  m.text_width = [](std::string_view text, const CommentFont& font) {
    const std::int32_t extra = font.points == 16 ? 2 : 0;
    if (text == "Ｗ") return 19 + extra;
    std::int32_t width = 0;
    for (const CommentChar& c : CommentChars(text)) width += IsHalfWidthChar(c.code) ? 8 : 16;
    return width;
  };
  m.text_height = [](std::string_view, const CommentFont& font) { return font.points == 16 ? 23 : 21; };
  return m;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(CommentLayout, VerticalCharacterClasses) {
  struct Case {
    std::string ch;
    VerticalGlyph glyph;
    bool half;
  };
  const std::vector<Case> cases = {
      {"。", VerticalGlyph::Moved, false}, {"、", VerticalGlyph::Moved, false}, {"，", VerticalGlyph::Moved, false},
      {"．", VerticalGlyph::Moved, false}, {"｡", VerticalGlyph::Moved, true},   {"､", VerticalGlyph::Moved, true},
      {",", VerticalGlyph::Moved, true},   {".", VerticalGlyph::Moved, true},   {"ー", VerticalGlyph::Turned, false},
      {"－", VerticalGlyph::Turned, false}, {"「", VerticalGlyph::Turned, false}, {"」", VerticalGlyph::Turned, false},
      {"『", VerticalGlyph::Turned, false}, {"』", VerticalGlyph::Turned, false}, {"［", VerticalGlyph::Turned, false},
      {"］", VerticalGlyph::Turned, false}, {"【", VerticalGlyph::Turned, false}, {"】", VerticalGlyph::Turned, false},
      {"（", VerticalGlyph::Turned, false}, {"）", VerticalGlyph::Turned, false}, {"〔", VerticalGlyph::Turned, false},
      {"〕", VerticalGlyph::Turned, false}, {"｛", VerticalGlyph::Turned, false}, {"｝", VerticalGlyph::Turned, false},
      {"〈", VerticalGlyph::Turned, false}, {"〉", VerticalGlyph::Turned, false}, {"《", VerticalGlyph::Turned, false},
      {"》", VerticalGlyph::Turned, false}, {"＜", VerticalGlyph::Turned, false}, {"＞", VerticalGlyph::Turned, false},
      {"ｰ", VerticalGlyph::Turned, true},   {"-", VerticalGlyph::Turned, true},   {"｢", VerticalGlyph::Turned, true},
      {"｣", VerticalGlyph::Turned, true},   {"[", VerticalGlyph::Turned, true},   {"]", VerticalGlyph::Turned, true},
      {"(", VerticalGlyph::Turned, true},   {")", VerticalGlyph::Turned, true},   {"{", VerticalGlyph::Turned, true},
      {"}", VerticalGlyph::Turned, true},   {"<", VerticalGlyph::Turned, true},   {">", VerticalGlyph::Turned, true},
      {"写", VerticalGlyph::Upright, false}, {"あ", VerticalGlyph::Upright, false}, {"ア", VerticalGlyph::Upright, false},
      {"１", VerticalGlyph::Upright, false}, {"ｱ", VerticalGlyph::Upright, true},   {"a", VerticalGlyph::Upright, true},
      {"7", VerticalGlyph::Upright, true},  {"〜", VerticalGlyph::Upright, false}, {"・", VerticalGlyph::Upright, false},
  };
  for (const Case& c : cases) {
    const std::vector<CommentChar> chars = CommentChars(c.ch);
    ASSERT_EQ(chars.size(), 1u) << c.ch;
    EXPECT_EQ(VerticalGlyphOf(chars[0].code), c.glyph) << c.ch;
    EXPECT_EQ(IsHalfWidthChar(chars[0].code), c.half) << c.ch;
  }
}

TEST(CommentLayout, CharactersAreWholeCodePoints) {
  EXPECT_EQ(CommentChars("写真ab").size(), 4u);
  // A character cut in two at the end, and stray bytes, are dropped.
  const std::vector<CommentChar> cut = CommentChars(std::string("あい") + "\xE3\x81");
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(cut[1].text, "い");
  EXPECT_EQ(CommentChars("\x80\xFF" "a").size(), 1u);
  EXPECT_TRUE(CommentChars("").empty());
  // A comment cut to 255 data bytes in the middle of a two-byte character
  // keeps its whole characters only.
  const std::string comment = CutToDataBytes(Repeat("あ", 200), 255);
  EXPECT_EQ(CommentChars(comment).size(), 127u);
}

TEST(CommentLayout, PanesPerPanoramaMode) {
  struct Case {
    PanoramaKind mode;
    std::int32_t p;
    CommentPane pane;
  };
  const std::vector<Case> cases = {
      {PanoramaKind::None, 1, {0, 0, 800, 600}},        {PanoramaKind::Pair, 1, {0, 0, 400, 600}},
      {PanoramaKind::Pair, 2, {400, 0, 400, 600}},      {PanoramaKind::PairReversed, 1, {400, 0, 400, 600}},
      {PanoramaKind::PairReversed, 2, {0, 0, 400, 600}}, {PanoramaKind::Four, 1, {0, 0, 400, 300}},
      {PanoramaKind::Four, 2, {400, 0, 400, 300}},      {PanoramaKind::Four, 3, {0, 300, 400, 300}},
      {PanoramaKind::Four, 4, {400, 300, 400, 300}},
  };
  for (const Case& c : cases) {
    const CommentPane pane = CommentPaneOf(c.mode, 800, 600, c.p);
    EXPECT_EQ(pane.X, c.pane.X) << static_cast<int>(c.mode) << " pane " << c.p;
    EXPECT_EQ(pane.Y, c.pane.Y) << static_cast<int>(c.mode) << " pane " << c.p;
    EXPECT_EQ(pane.W, c.pane.W) << static_cast<int>(c.mode) << " pane " << c.p;
    EXPECT_EQ(pane.H, c.pane.H) << static_cast<int>(c.mode) << " pane " << c.p;
  }
}

TEST(CommentLayout, FontPerPositionAndPaneWidth) {
  EXPECT_EQ(CommentFontOf(1, 640), (CommentFont{false, 14}));
  EXPECT_EQ(CommentFontOf(2, 799), (CommentFont{false, 14}));
  EXPECT_EQ(CommentFontOf(1, 800), (CommentFont{false, 16}));
  EXPECT_EQ(CommentFontOf(3, 1024), (CommentFont{true, 16}));
  EXPECT_EQ(CommentFontOf(4, 512), (CommentFont{true, 14}));
}

TEST(CommentLayout, LineGeometryPerPositionAndPane) {
  struct Case {
    std::string label;
    std::string comment;
    std::int32_t position;
    CommentPane pane;
    std::int32_t view_left, view_top;
    std::int32_t left, top, width, height;
  };
  const std::vector<Case> cases = {
      // 40 full-width characters are cut at the right edge of a 480 view.
      {"cut below", Repeat("写", 40), 1, {0, 0, 480, 360}, 0, 0, 3, 360 - 21 - 2, 476, 21},
      {"short below", "abc", 1, {0, 0, 640, 480}, 0, 0, 3, 457, 28, 21},
      {"above", "abc", 2, {0, 0, 640, 480}, 0, 0, 3, 2, 28, 21},
      {"unknown position is below", "abc", 7, {0, 0, 640, 480}, 0, 0, 3, 457, 28, 21},
      {"16 points from 800", "abc", 1, {0, 0, 800, 600}, 0, 0, 3, 600 - 23 - 2, 28, 23},
      {"view origin", "abc", 2, {0, 0, 800, 600}, 149, 71, 152, 73, 28, 23},
      {"reversed pair pane 1", "abc", 1, {400, 0, 400, 600}, 0, 0, 403, 577, 28, 21},
      {"four panes pane 4", "abc", 1, {400, 300, 400, 300}, 0, 0, 403, 577, 28, 21},
      {"four panes pane 4 above", "abc", 2, {400, 300, 400, 300}, 0, 0, 403, 302, 28, 21},
      {"exactly fitting", Repeat("a", 59), 1, {0, 0, 480, 360}, 0, 0, 3, 337, 476, 21},
  };
  for (const Case& c : cases) {
    const CommentLayout l = LayOutComment(c.comment, c.position, c.pane, c.view_left, c.view_top, TestMetrics());
    ASSERT_TRUE(l.visible) << c.label;
    EXPECT_FALSE(l.vertical) << c.label;
    EXPECT_EQ(l.left, c.left) << c.label;
    EXPECT_EQ(l.top, c.top) << c.label;
    EXPECT_EQ(l.width, c.width) << c.label;
    EXPECT_EQ(l.height, c.height) << c.label;
    EXPECT_EQ(l.text, c.comment) << c.label;
    EXPECT_EQ(l.hint, c.comment) << c.label;
  }
}

TEST(CommentLayout, VerticalGeometryPerPositionAndPane) {
  struct Case {
    std::string label;
    std::string comment;
    std::int32_t position;
    CommentPane pane;
    std::int32_t left, top, width, height;
  };
  const std::vector<Case> cases = {
      // Three cells of 21 from y = 2, then 2 below the last.
      {"left", "写真だ", 3, {0, 0, 640, 480}, 3, 2, 19, 2 + 3 * 21 + 2},
      {"right", "写真だ", 4, {0, 0, 640, 480}, 640 - 19 - 3, 2, 19, 67},
      {"right, 16 points", "写真だ", 4, {0, 0, 800, 600}, 800 - 21 - 3, 2, 21, 2 + 3 * 23 + 2},
      {"right of pair pane 1", "写", 4, {0, 0, 400, 600}, 400 - 19 - 3, 2, 19, 25},
      {"left of reversed pair pane 1", "写", 3, {400, 0, 400, 600}, 403, 2, 19, 25},
      {"right of four panes pane 4", "写", 4, {400, 300, 400, 300}, 800 - 19 - 3, 302, 19, 25},
      // Longer than the pane: it ends at H - 6 + 2.
      {"too long", Repeat("写", 40), 3, {0, 0, 480, 360}, 3, 2, 19, 356},
      // Just fits: y + 4 = 2 + 16 * 21 + 4 = 342 <= H - 2.
      {"just fits", Repeat("写", 16), 3, {0, 0, 480, 344}, 3, 2, 19, 340},
  };
  for (const Case& c : cases) {
    const CommentLayout l = LayOutComment(c.comment, c.position, c.pane, 0, 0, TestMetrics());
    ASSERT_TRUE(l.visible) << c.label;
    EXPECT_TRUE(l.vertical) << c.label;
    EXPECT_EQ(l.left, c.left) << c.label;
    EXPECT_EQ(l.top, c.top) << c.label;
    EXPECT_EQ(l.width, c.width) << c.label;
    EXPECT_EQ(l.height, c.height) << c.label;
    EXPECT_EQ(l.hint, c.comment) << c.label;
  }
}

TEST(CommentLayout, VerticalCellsOfMixedText) {
  // cw 19, ch 21: the turned scratch image is 40 square, the character drawn
  // at (10, 9), and the block taken around its turned cell's centre.
  const CommentLayout l = LayOutComment("「写真」ー。a-", 3, {0, 0, 640, 480}, 0, 0, TestMetrics());
  ASSERT_TRUE(l.visible);
  ASSERT_EQ(l.cells.size(), 8u);
  struct Expect {
    std::string ch;
    VerticalGlyph glyph;
    std::int32_t text_x, text_y, scratch, source_left, source_top, dest_left, dest_down;
  };
  const std::vector<Expect> expected = {
      {"「", VerticalGlyph::Turned, 10, 9, 40, 12, 9, -1, 0},  {"写", VerticalGlyph::Upright, 0, 0, 0, 0, 0, 0, 0},
      {"真", VerticalGlyph::Upright, 0, 0, 0, 0, 0, 0, 0},   {"」", VerticalGlyph::Turned, 10, 9, 40, 12, 9, -1, 0},
      {"ー", VerticalGlyph::Turned, 10, 9, 40, 12, 9, -1, 0},  {"。", VerticalGlyph::Moved, 11, -10, 19, 0, 0, 0, 0},
      {"a", VerticalGlyph::Upright, 4, 0, 0, 0, 0, 0, 0},    {"-", VerticalGlyph::Turned, 10, 9, 40, 12, 9, -1, 5},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const VerticalCell& c = l.cells[i];
    const Expect& e = expected[i];
    EXPECT_EQ(c.ch.text, e.ch) << i;
    EXPECT_EQ(c.top, 2 + 21 * static_cast<std::int32_t>(i)) << i;
    EXPECT_EQ(c.glyph, e.glyph) << i;
    EXPECT_EQ(c.text_x, e.text_x) << i;
    EXPECT_EQ(c.text_y, e.text_y) << i;
    EXPECT_EQ(c.scratch_width, e.scratch) << i;
    if (e.glyph == VerticalGlyph::Moved) {
      EXPECT_EQ(c.scratch_height, 21) << i;
    }
    if (e.glyph == VerticalGlyph::Turned) {
      EXPECT_EQ(c.scratch_height, 40) << i;
      EXPECT_EQ(c.source_left, e.source_left) << i;
      EXPECT_EQ(c.source_top, e.source_top) << i;
      EXPECT_EQ(c.dest_left, e.dest_left) << i;
      EXPECT_EQ(c.dest_down, e.dest_down) << i;
    }
  }
}

TEST(CommentLayout, TurnedCellsOfOtherShapes) {
  struct Case {
    std::int32_t cw, ch;
    std::int32_t s, text_x, text_y, source_left, source_top, dest_left;
  };
  // A square cell takes exactly the character's own cell, turned.
  for (const Case& c : {Case{20, 20, 40, 10, 10, 10, 10, -1}, Case{24, 20, 44, 10, 12, 10, 12, -1},
                        Case{19, 27, 46, 13, 9, 15, 9, -1}}) {
    CommentMetrics m;
    m.text_width = [&](std::string_view, const CommentFont&) { return c.cw; };
    m.text_height = [&](std::string_view, const CommentFont&) { return c.ch; };
    const CommentLayout l = LayOutComment("（", 4, {0, 0, 640, 480}, 0, 0, m);
    ASSERT_EQ(l.cells.size(), 1u);
    const VerticalCell& cell = l.cells[0];
    EXPECT_EQ(cell.scratch_width, c.s) << c.cw << "x" << c.ch;
    EXPECT_EQ(cell.text_x, c.text_x) << c.cw << "x" << c.ch;
    EXPECT_EQ(cell.text_y, c.text_y) << c.cw << "x" << c.ch;
    EXPECT_EQ(cell.source_left, c.source_left) << c.cw << "x" << c.ch;
    EXPECT_EQ(cell.source_top, c.source_top) << c.cw << "x" << c.ch;
    EXPECT_EQ(cell.dest_left, c.dest_left) << c.cw << "x" << c.ch;
    // The block lies inside the scratch image.
    EXPECT_GE(cell.source_left, 0);
    EXPECT_GE(cell.source_top, 0);
    EXPECT_LE(cell.source_left + c.cw, c.s);
    EXPECT_LE(cell.source_top + c.ch, c.s);
  }
}

TEST(CommentLayout, HalfWidthLettersTakeWholeCellsAQuarterIn) {
  const CommentLayout l = LayOutComment("abc", 3, {0, 0, 640, 480}, 0, 0, TestMetrics());
  ASSERT_EQ(l.cells.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(l.cells[i].text_x, 19 / 4);
    EXPECT_EQ(l.cells[i].top, 2 + 21 * i);
  }
  EXPECT_EQ(l.height, 2 + 3 * 21 + 2);
}

TEST(CommentLayout, NothingShowsForEmptyHiddenOrTinyPanes) {
  const CommentMetrics m = TestMetrics();
  EXPECT_FALSE(LayOutComment("", 1, {0, 0, 640, 480}, 0, 0, m).visible);
  EXPECT_FALSE(LayOutComment("写真", -1, {0, 0, 640, 480}, 0, 0, m).visible);
  // A 32-pixel view in four panes: 16 x 16 panes hold neither a line nor a
  // column of cells.
  for (std::int32_t position : {1, 2, 3, 4}) {
    const CommentPane pane = CommentPaneOf(PanoramaKind::Four, 32, 32, 4);
    EXPECT_FALSE(LayOutComment("写真", position, pane, 0, 0, m).visible) << position;
  }
  // A 32 x 32 single pane still holds a (cut) line.
  const CommentLayout line = LayOutComment("写真です", 1, {0, 0, 32, 32}, 0, 0, m);
  EXPECT_TRUE(line.visible);
  EXPECT_EQ(line.width, 28);
  // Tiny widths never give a zero or negative overlay.
  for (std::int32_t w = 0; w < 8; ++w) {
    for (std::int32_t position : {1, 3}) {
      const CommentLayout l = LayOutComment("写真", position, {0, 0, w, 480}, 0, 0, m);
      if (l.visible) {
        EXPECT_GE(l.width, 1);
        EXPECT_GE(l.height, 1);
      }
    }
  }
  for (std::int32_t h = 0; h < 30; ++h) {
    const CommentLayout l = LayOutComment("写真", 3, {0, 0, 640, h}, 0, 0, m);
    if (l.visible) {
      EXPECT_GE(l.height, 1) << h;
    }
  }
}

TEST(CommentLayout, TurnQuarterClockwise) {
  // a b c      g d a
  // d e f  ->  h e b
  // g h i      i f c
  const std::vector<std::uint32_t> image = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i'};
  const std::vector<std::uint32_t> turned = TurnQuarterClockwise(image, 3);
  EXPECT_EQ(turned, (std::vector<std::uint32_t>{'g', 'd', 'a', 'h', 'e', 'b', 'i', 'f', 'c'}));
  EXPECT_EQ(TurnQuarterClockwise(TurnQuarterClockwise(TurnQuarterClockwise(turned, 3), 3), 3), image);
}

}  // namespace
}  // namespace lumetta
