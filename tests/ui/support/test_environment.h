#pragma once
// A start-up environment inside a temporary folder: the program's folder
// "bin", the user's folders under "home", a fixed date and a 1280 x 1024
// screen.

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "core/app/startup.h"

namespace lumetta::testing_support {

inline StartupEnvironment TestEnvironment(const QTemporaryDir& dir) {
  StartupEnvironment env;
  const std::string root = dir.path().toStdString();
  QDir(dir.path()).mkpath("bin");
  QDir(dir.path()).mkpath("home/Pictures");
  env.ExecutableFolder = root + "/bin";
  env.UserDataFolder = root + "/xdg/lumetta";
  env.ScratchDataFolder = root + "/scratch";
  env.Special.PicturesFolder = root + "/home/Pictures";
  env.Special.DocumentsFolder = root + "/home/Documents";
  env.Special.DesktopFolder = root + "/home/Desktop";
  env.Special.HomeFolder = root + "/home";
  env.Today = {2026, 12, 10};
  env.ScreenWidth = 1280;
  env.ScreenHeight = 1024;
  return env;
}

}  // namespace lumetta::testing_support
