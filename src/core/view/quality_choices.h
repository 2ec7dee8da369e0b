#pragma once
// The choices of the picture-quality settings, one table each: the colour
// effects of the menu "画質モード" and the sharpness levels of the menu
// "全シャープネス" and the dialog "シャープネス". Every place that lists them
// (menus, dialog, labels, check marks) reads these tables.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/imaging/pixel_adjust.h"
#include "core/state/user_interface.h"

namespace lumetta {

struct EffectChoice {
  std::int32_t effect;       // GlobalEffect
  std::string_view caption;  // the menu item
  std::string_view label;    // KoukaLbl
  Ctl menu;
};

// In the menu's order; a value no entry has shows as the first.
inline constexpr std::array<EffectChoice, 4> kEffectChoices{{
    {kEffectNormal, "ノーマルモード ［Ｆ12］", "ノーマル", Ctl::GNormalMenu},
    {kEffectChrome, "クロームモード ［Ｆ12］", "クローム", Ctl::GChromaMenu},
    {kEffectSepia, "セピアモード ［Ｆ12］", "セピア", Ctl::GSepiaMenu},
    {kEffectBlackWhite, "白黒モード", " 白黒", Ctl::GWhiteBlackMenu},
}};

struct SharpnessChoice {
  std::int32_t level;            // GlobalSharpness
  std::int32_t own;              // the photo's own Sharpness when chosen in the dialog
  std::string_view role;         // the role word of the dialog's button: "Kanari" for KanariBtn
  std::string_view caption;      // the menu item
  std::string_view own_caption;  // the dialog's button
  std::string_view label;        // SharpLbl
  Ctl menu;
};

// Strongest first, in the order of the menu and the dialog; a level no
// entry has shows as the last ("なし").
inline constexpr std::array<SharpnessChoice, 7> kSharpnessChoices{{
    {4, 4, "Kanari", "かなり強め", "かなり強め", "かなり強", Ctl::SPKanariMenu},
    {6, 6, "Daibu", "だいぶ強め", "だいぶ強め", "だいぶ強", Ctl::SPDaibuMenu},
    {8, 8, "Tsuyome", "強め", "強め", " 強め", Ctl::SPTsuyomeMenu},
    {10, 10, "Yaya", "やや強め", "やや強め", "やや強め", Ctl::SPYayaMenu},
    {12, 12, "Chuu", "普通", "普通", " 普通", Ctl::SPChuuMenu},
    {16, 16, "Yowame", "弱め", "弱め", " 弱め", Ctl::SPYowameMenu},
    {0, -1, "Nashi", "なし", "なし（常に解除）", " なし", Ctl::SPNashiMenu},
}};

// The dialog's first button, "全体の設定に従う": the photo follows the
// global level.
inline constexpr std::int32_t kFollowGlobalSharpness = 0;

constexpr const EffectChoice& EffectChoiceOf(std::int32_t effect) {
  for (const EffectChoice& choice : kEffectChoices) {
    if (choice.effect == effect) return choice;
  }
  return kEffectChoices.front();
}

constexpr const SharpnessChoice& SharpnessChoiceOf(std::int32_t level) {
  for (const SharpnessChoice& choice : kSharpnessChoices) {
    if (choice.level == level) return choice;
  }
  return kSharpnessChoices.back();
}

}  // namespace lumetta
