#pragma once
// The program's fonts: a proportional Japanese gothic ("ＭＳ Ｐゴシック") and a
// fixed-pitch one ("ＭＳ ゴシック"), taken from Noto Sans CJK; fontconfig
// falls back to any Japanese font when it is missing.

#include <QFont>

namespace lumetta::ui {

QFont PGothicFont(int pixel_size, bool bold = false);
QFont GothicFont(int pixel_size, bool bold = false);
// Point sizes, as the strip's labels give them.
QFont PGothicPointFont(int point_size);
QFont GothicPointFont(int point_size);

}  // namespace lumetta::ui
