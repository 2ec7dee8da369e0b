#include "ui/app/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lumetta::ui {

bool InstallJapaneseTranslations(QApplication& app) {
  if (app.findChild<QTranslator*>("QtJapanese") != nullptr) return true;
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* translator = new QTranslator(&app);
  translator->setObjectName("QtJapanese");
  if (!translator->load(japanese, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QApplication::installTranslator(translator);
  return true;
}

}  // namespace lumetta::ui
