#include "core/view/size_input_model.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumetta {
namespace {

using Lines = std::vector<std::string>;

struct Dialog {
  AppState state;
  Dialog() {
    state.settings.SizeMode = 3;
    state.settings.CustomWidth = 800;
    state.settings.CustomHeight = 600;
  }
  void ShowPhoto(std::int32_t width, std::int32_t height) {
    state.current.Name = "photo.jpg";
    state.view.ShownWidth = width;
    state.view.ShownHeight = height;
  }
};

TEST(SizeInputModel, CouplesWidthAndHeightByTheShownPhoto) {
  Dialog d;
  d.ShowPhoto(3000, 2000);
  SizeInputModel model(d.state);
  EXPECT_EQ(model.Reference(), "3000x2000");
  EXPECT_EQ(model.Heading(), "表示中写真の原寸サイズ");
  EXPECT_TRUE(model.Keep());
  EXPECT_TRUE(model.KeepEnabled());
  // The width was derived from the height last filled in: 600 → 900.
  EXPECT_EQ(model.WidthText(), "900");
  EXPECT_EQ(model.HeightText(), "600");
  model.WidthChanged("600");
  EXPECT_EQ(model.HeightText(), "400");
  model.ClearHeight();
  EXPECT_EQ(model.HeightText(), "0");
  EXPECT_EQ(model.WidthText(), "0");
  // Without the check mark the other side stays.
  model.SetKeep(false);
  model.WidthChanged("700");
  EXPECT_EQ(model.HeightText(), "0");
}

TEST(SizeInputModel, InZoomModeTakesTheViewAsTheReference) {
  Dialog d;
  d.ShowPhoto(3000, 2000);
  d.state.current.Edits.ZoomMode = true;
  SizeInputModel model(d.state);
  EXPECT_EQ(model.Heading(), "現在の写真表示サイズ");
  EXPECT_EQ(model.Reference(), "800x600");
}

TEST(SizeInputModel, WithoutAPhotoHasNoAspectRatioToKeep) {
  Dialog d;
  SizeInputModel model(d.state);
  EXPECT_EQ(model.Reference(), "（未表示）");
  EXPECT_FALSE(model.Keep());
  EXPECT_FALSE(model.KeepEnabled());
  model.WidthChanged("1000");
  model.HeightChanged("700");
  model.SetButton(SizeLayoutButton::W800);
  EXPECT_EQ(model.Refusal(), (Lines{"Lumetta本体のWindowの大きさが", "写真表示サイズよりも小さく指定されています。"}));
  model.SetButton(SizeLayoutButton::Auto);
  EXPECT_TRUE(model.Refusal().empty());
  EXPECT_EQ(model.SizeMode(), 4);
  Settings s;
  s.SizeMode = model.SizeMode();
  s.CustomWidth = model.Width();
  s.CustomHeight = model.Height();
  EXPECT_EQ(SizeChoiceOf(s).Layout, WindowLayoutKind::L1024);
}

TEST(SizeInputModel, RefusesSizesOutOfRange) {
  Dialog d;
  SizeInputModel model(d.state);
  const Lines range{"入力されたサイズは、範囲を超えています。"};
  for (const auto& [w, h] : std::vector<std::pair<const char*, const char*>>{
           {"31", "100"}, {"1025", "100"}, {"100", "31"}, {"100", "769"}, {"", "100"}, {"abc", "100"}}) {
    model.WidthChanged(w);
    model.HeightChanged(h);
    EXPECT_EQ(model.Refusal(), range) << w << "x" << h;
    EXPECT_TRUE(model.OutOfRange());
  }
  model.WidthChanged("32");
  model.HeightChanged("768");
  model.SetButton(SizeLayoutButton::Auto);
  EXPECT_TRUE(model.Refusal().empty());
  // A non-numeric text counts as 0 and shows so.
  model.WidthChanged("x1");
  EXPECT_EQ(model.WidthText(), "0");
  // The leading number counts.
  model.WidthChanged("640px");
  EXPECT_EQ(model.Width(), 640);
}

TEST(SizeInputModel, NeverDividesByZeroAndSaturatesHugeNumbers) {
  Dialog d;
  d.ShowPhoto(0, 0);  // an unreadable photo: no reference size
  SizeInputModel model(d.state);
  model.WidthChanged("500");
  EXPECT_EQ(model.HeightText(), "0");
  Dialog big;
  big.ShowPhoto(1, 3000);
  SizeInputModel tall(big.state);
  tall.WidthChanged("99999999999999999999");
  EXPECT_EQ(tall.Width(), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(tall.Height(), std::numeric_limits<std::int32_t>::max());
  EXPECT_TRUE(tall.OutOfRange());
  EXPECT_EQ(KeptSide(600, 0, 2000), 0);
  EXPECT_EQ(KeptSide(600, 3000, 0), 0);
  EXPECT_EQ(KeptSide(-5, 3000, 2000), 0);
  EXPECT_EQ(KeptSide(601, 3000, 2000), 401);
}

TEST(SizeInputModel, PreselectsTheLayoutButtonByTheSizeMode) {
  const std::pair<int, SizeLayoutButton> cases[] = {
      {1, SizeLayoutButton::Auto}, {2, SizeLayoutButton::Auto},  {3, SizeLayoutButton::W800},
      {4, SizeLayoutButton::Auto}, {5, SizeLayoutButton::W480},  {6, SizeLayoutButton::W640},
      {7, SizeLayoutButton::W800}, {8, SizeLayoutButton::W1024}, {9, SizeLayoutButton::W1024}};
  for (const auto& [mode, button] : cases) {
    Dialog d;
    d.state.settings.SizeMode = static_cast<std::uint8_t>(mode);
    EXPECT_EQ(SizeInputModel(d.state).Button(), button) << mode;
  }
}

TEST(SizeInputModel, AZeroCustomWidthBecomesEightHundredWhenTheDialogOpens) {
  Dialog d;
  d.state.settings.CustomWidth = 0;
  d.state.settings.CustomHeight = 0;
  SizeInputModel model(d.state);
  EXPECT_EQ(d.state.settings.CustomWidth, 800);
  EXPECT_EQ(model.WidthText(), "800");
  EXPECT_EQ(model.HeightText(), "0");
}

}  // namespace
}  // namespace lumetta
