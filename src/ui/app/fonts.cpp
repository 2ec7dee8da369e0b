#include "ui/app/fonts.h"

#include <QStringList>

namespace lumetta::ui {

namespace {
QFont Make(const QStringList& families, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setBold(bold);
  return font;
}

const QStringList kProportional = {"Noto Sans CJK JP", "Noto Sans JP", "IPAPGothic", "VL PGothic", "sans-serif"};
const QStringList kFixed = {"Noto Sans Mono CJK JP", "Noto Sans CJK JP", "IPAGothic", "VL Gothic", "monospace"};
}  // namespace

QFont PGothicFont(int pixel_size, bool bold) {
  QFont font = Make(kProportional, bold);
  font.setPixelSize(pixel_size);
  // Noto sets kana as wide as ideographs; a proportional gothic sets them
  // narrower. Six per cent less advance per character brings captions back
  // to the widths the layout was drawn for without the ideographs touching.
  font.setLetterSpacing(QFont::PercentageSpacing, 94);
  return font;
}

QFont GothicFont(int pixel_size, bool bold) {
  QFont font = Make(kFixed, bold);
  font.setPixelSize(pixel_size);
  return font;
}

QFont PGothicPointFont(int point_size) {
  QFont font = Make(kProportional, false);
  font.setPointSize(point_size);
  return font;
}

QFont GothicPointFont(int point_size) {
  QFont font = Make(kFixed, false);
  font.setPointSize(point_size);
  return font;
}

}  // namespace lumetta::ui
