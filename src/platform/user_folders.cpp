#include "platform/user_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "core/base/paths.h"
#include "platform/private_folder.h"

namespace lumetta::platform {

namespace {
std::string Utf8(const QString& s) { return WithoutTrailingSeparator(QDir::toNativeSeparators(s).toStdString()); }
}  // namespace

SpecialFolders QuerySpecialFolders() {
  SpecialFolders f;
  f.DesktopFolder = Utf8(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
  f.DocumentsFolder = Utf8(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  f.PicturesFolder = Utf8(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
  f.HomeFolder = Utf8(QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
  return f;
}

std::string ExecutableFolder() { return Utf8(QCoreApplication::applicationDirPath()); }

std::string UserDataFolder() {
  return JoinPath(Utf8(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)), "lumetta");
}

std::string ScratchDataFolder() {
  return PrivateFolderIn(Utf8(QDir::tempPath()), "lumetta-" + Utf8(qEnvironmentVariable("USER", "user")));
}

}  // namespace lumetta::platform
