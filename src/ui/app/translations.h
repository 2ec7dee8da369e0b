#pragma once
// Qt's own texts (the standard dialogs' buttons and labels) in Japanese, as
// every other text of the program.

class QApplication;

namespace lumetta::ui {

// Loads Qt's Japanese translations once; false when they are not installed.
bool InstallJapaneseTranslations(QApplication& app);

}  // namespace lumetta::ui
