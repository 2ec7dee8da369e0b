#pragma once
// The program's colours.

#include <QColor>

namespace lumetta::ui {

inline const QColor kGreen(0, 128, 0);
inline const QColor kLightYellow(255, 255, 144);
inline const QColor kHintYellow(255, 255, 208);
inline const QColor kSilver(192, 192, 192);
inline const QColor kGrey(128, 128, 128);
inline const QColor kOrange(255, 176, 0);

}  // namespace lumetta::ui
