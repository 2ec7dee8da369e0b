#pragma once
// Hints (tooltips) as the program shows them: after 800 ms, and up for an
// hour, since many controls explain themselves in long hints.

#include <QObject>

class QApplication;

namespace lumetta::ui {

inline constexpr int kHintDelayMs = 800;
inline constexpr int kHintShowMs = 3'600'000;

// Sets the delay and the display time for every widget of the application.
void InstallHints(QApplication& app);

}  // namespace lumetta::ui
