#include "core/view/size_modes.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/view/window_layouts.h"

namespace lumetta {
namespace {

struct LayoutCase {
  WindowLayoutKind kind;
  std::int32_t client_width;
  std::int32_t client_height;
  std::int32_t view_left;
  std::int32_t view_top;
  bool quality_panel;
  LayoutRect folder_pnl;
  LayoutRect exif_pnl;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << "layout of view width " << LayoutViewWidth(c.kind); }

class WindowLayoutTable : public testing::TestWithParam<LayoutCase> {};

TEST_P(WindowLayoutTable, PlacesTheClientAreaTheViewAndThePanels) {
  const LayoutCase& c = GetParam();
  const WindowLayout& l = WindowLayoutOf(c.kind);
  EXPECT_EQ(l.ClientWidth, c.client_width);
  EXPECT_EQ(l.ClientHeight, c.client_height);
  EXPECT_EQ(l.ViewLeft, c.view_left);
  EXPECT_EQ(l.ViewTop, c.view_top);
  EXPECT_EQ(l.GashitsuShown, c.quality_panel);
  EXPECT_EQ(l.FolderPnl, c.folder_pnl);
  EXPECT_EQ(l.ExifPnl, c.exif_pnl);
  // The largest view of the layout fits the client area right of and below
  // the panels.
  EXPECT_LE(l.ViewLeft + LayoutViewWidth(c.kind), l.ClientWidth);
  EXPECT_LE(l.ViewTop + LayoutViewHeight(c.kind), l.ClientHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WindowLayoutTable,
    testing::Values(
        LayoutCase{WindowLayoutKind::L480, 791, 433, 149, 71, true, {1, 72, 146, 359}, {631, 314, 146, 117}},
        LayoutCase{WindowLayoutKind::L640, 791, 553, 149, 71, false, {1, 72, 146, 270}, {1, 434, 146, 117}},
        LayoutCase{WindowLayoutKind::L800, 1016, 673, 214, 71, true, {1, 72, 211, 390}, {1, 554, 211, 117}},
        LayoutCase{WindowLayoutKind::L1024, 1240, 841, 214, 71, true, {1, 72, 211, 558}, {1, 722, 211, 117}}));

TEST(WindowLayout, NarrowLayoutsUseTheShortCaptionsAndTheNarrowEditPanel) {
  EXPECT_EQ(WindowLayoutOf(WindowLayoutKind::L480).ExplorerCaption, "ﾏｲｺﾝ");
  EXPECT_EQ(WindowLayoutOf(WindowLayoutKind::L640).OpenCaption, "上記以外");
  EXPECT_EQ(WindowLayoutOf(WindowLayoutKind::L800).ExplorerCaption, "ﾏｲｺﾝﾋﾟｭｰﾀ");
  EXPECT_EQ(WindowLayoutOf(WindowLayoutKind::L1024).OpenCaption, "上記以外から");
  EXPECT_EQ(WindowLayoutOf(WindowLayoutKind::L480).HenshuPnl.Width, 61);
  EXPECT_EQ(WindowLayoutOf(WindowLayoutKind::L1024).HenshuPnl.Width, 195);
}

struct ModeCase {
  int mode;
  std::int32_t custom_width;
  std::int32_t custom_height;
  std::int32_t view_width;
  std::int32_t view_height;
  WindowLayoutKind layout;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
  *os << "mode " << c.mode << " with " << c.custom_width << "x" << c.custom_height;
}

class SizeModeTable : public testing::TestWithParam<ModeCase> {};

TEST_P(SizeModeTable, GivesTheViewSizeAndTheLayout) {
  const ModeCase& c = GetParam();
  Settings s;
  s.SizeMode = static_cast<std::uint8_t>(c.mode);
  s.CustomWidth = c.custom_width;
  s.CustomHeight = c.custom_height;
  const SizeChoice choice = SizeChoiceOf(s);
  EXPECT_EQ(choice.ViewWidth, c.view_width);
  EXPECT_EQ(choice.ViewHeight, c.view_height);
  EXPECT_EQ(choice.Layout, c.layout);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SizeModeTable,
    testing::Values(ModeCase{1, 0, 0, 480, 360, WindowLayoutKind::L480},
                    ModeCase{2, 0, 0, 640, 480, WindowLayoutKind::L640},
                    ModeCase{3, 0, 0, 800, 600, WindowLayoutKind::L800},
                    ModeCase{8, 0, 0, 1024, 768, WindowLayoutKind::L1024},
                    // Mode 4 chooses by the size, in this order.
                    ModeCase{4, 480, 360, 480, 360, WindowLayoutKind::L480},
                    ModeCase{4, 481, 360, 481, 360, WindowLayoutKind::L640},
                    ModeCase{4, 640, 480, 640, 480, WindowLayoutKind::L640},
                    ModeCase{4, 640, 481, 640, 481, WindowLayoutKind::L800},
                    ModeCase{4, 800, 600, 800, 600, WindowLayoutKind::L800},
                    ModeCase{4, 801, 100, 801, 100, WindowLayoutKind::L1024},
                    ModeCase{4, 100, 601, 100, 601, WindowLayoutKind::L1024},
                    ModeCase{5, 300, 200, 300, 200, WindowLayoutKind::L480},
                    ModeCase{6, 300, 200, 300, 200, WindowLayoutKind::L640},
                    ModeCase{7, 500, 400, 500, 400, WindowLayoutKind::L800},
                    ModeCase{9, 1000, 700, 1000, 700, WindowLayoutKind::L1024},
                    // Damaged settings: the 800 x 600 view, whatever the custom size.
                    ModeCase{0, 500, 400, 800, 600, WindowLayoutKind::L800},
                    ModeCase{10, 500, 400, 800, 600, WindowLayoutKind::L800},
                    ModeCase{255, 0, 0, 800, 600, WindowLayoutKind::L800},
                    ModeCase{4, 0, 0, 800, 600, WindowLayoutKind::L800},
                    ModeCase{7, -1, 400, 800, 600, WindowLayoutKind::L800},
                    ModeCase{9, 2147483647, 700, 800, 600, WindowLayoutKind::L800},
                    ModeCase{4, 1025, 768, 800, 600, WindowLayoutKind::L800},
                    ModeCase{4, 1024, 769, 800, 600, WindowLayoutKind::L800},
                    ModeCase{5, 31, 100, 800, 600, WindowLayoutKind::L800}));

TEST(RepairSizeSettings, PutsDamagedSizesBackToEightHundredAndKeepsSoundOnes) {
  Settings s;
  s.SizeMode = 4;
  s.CustomWidth = 0;
  s.CustomHeight = 0;
  RepairSizeSettings(s);
  EXPECT_EQ(s.SizeMode, 3);
  s.SizeMode = 200;
  RepairSizeSettings(s);
  EXPECT_EQ(s.SizeMode, 3);
  // A fixed size needs no custom size.
  s.SizeMode = 8;
  RepairSizeSettings(s);
  EXPECT_EQ(s.SizeMode, 8);
  s.SizeMode = 6;
  s.CustomWidth = 32;
  s.CustomHeight = 32;
  RepairSizeSettings(s);
  EXPECT_EQ(s.SizeMode, 6);
}

TEST(SizeNiniCaption, ShowsTheCustomSizeWhileACustomModeIsInForce) {
  Settings s;
  s.CustomWidth = 700;
  s.CustomHeight = 300;
  for (int mode : {4, 5, 6, 7, 9}) {
    s.SizeMode = static_cast<std::uint8_t>(mode);
    EXPECT_EQ(SizeNiniCaption(s), "任意（700x300）") << mode;
  }
  for (int mode : {1, 2, 3, 8}) {
    s.SizeMode = static_cast<std::uint8_t>(mode);
    EXPECT_EQ(SizeNiniCaption(s), "任意の大きさ") << mode;
  }
}

}  // namespace
}  // namespace lumetta
