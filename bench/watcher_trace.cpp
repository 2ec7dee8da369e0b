// The directory watcher end to end, as the main window runs it: the watcher
// (one second of quiet) over a folder of photos, its reports handled by the
// program's refresh. Prints, for ten photos copied in by another program
// (cp, one after another), how many refreshes followed and when the first
// came after the last copy; then, for the program's own rename and move of
// a photo with its edited-photo files, how many refreshes followed (none
// expected); and the time of one rename and one move in the program.
//
//   watcher_trace [PHOTOS_IN_FOLDER]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/base/paths.h"
#include "core/library/file_operations.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/app/photo_file_commands.h"
#include "core/library/watch_refresh.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "platform/directory_watcher.h"

using namespace lumetta;

namespace {

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int photos = argc > 1 ? std::atoi(argv[1]) : 1000;
  QTemporaryDir work;
  const std::string folder = work.filePath("Photos").toStdString();
  const std::string outside = work.filePath("outside").toStdString();
  QDir().mkpath(QString::fromStdString(folder));
  QDir().mkpath(QString::fromStdString(outside));
  QDir().mkpath(QString::fromStdString(folder + "/sub"));
  const std::string bytes(5 * 1024 * 1024, 'x');
  for (int i = 0; i < photos; ++i) Write(folder + "/P" + std::to_string(100000 + i) + ".JPG", "p");
  for (int i = 0; i < 10; ++i) Write(outside + "/NEW" + std::to_string(i) + ".JPG", bytes);
  Write(folder + "/IMG_0001.JPG", bytes);
  for (const char* name : {"IMG_0001_jpg.lum", "IMG_0001_jpg-002.lum", "IMG_0001_jpg-020.lum"}) {
    Write(folder + "/" + name, "edits");
  }

  AppState state;
  HeadlessUi ui;
  state.PhotoExtensions = BuildPhotoExtensions({});
  state.CurrentFolder = folder;
  state.ViewPicture.SetBitCount(24);
  state.ViewPicture.SetSize(8, -6);
  int refreshes = 0;
  QElapsedTimer clock;
  qint64 first_refresh = -1;
  state.hooks.PaintStrip = [&](std::int32_t, bool keep_hover) {
    if (!keep_hover) return;  // the program's own rescans repaint without the hover
    ++refreshes;
    if (first_refresh < 0) first_refresh = clock.elapsed();
  };
  platform::DirectoryWatcher watcher([&](const std::string&) { DirWatcherChange(state, ui); });
  state.hooks.SetDirectory = [&](const std::string& f) { watcher.SetDirectory(f); };
  ScanFolder(state, ui);
  std::printf("folder: %d photos in %s\n", state.photos.PhotoCount, folder.c_str());

  // Another program copies ten photos of 5 MB in, one after another.
  for (int i = 0; i < 10; ++i) {
    QProcess::execute("cp", {QString::fromStdString(outside + "/NEW" + std::to_string(i) + ".JPG"),
                             QString::fromStdString(folder)});
  }
  clock.start();
  Wait(3000);
  std::printf("ten copies by cp: %d refresh(es), the first %lld ms after the last copy; list now %d\n", refreshes,
              static_cast<long long>(first_refresh), state.photos.PhotoCount);

  // The program's own rename and move, with the edited-photo files.
  refreshes = 0;
  first_refresh = -1;
  state.current = PhotoRecord{"IMG_0001.JPG", folder, 0, 0, {}};
  auto start = std::chrono::steady_clock::now();
  RenamePhotoAsTyped(state, ui, folder + "/IMG_0001.JPG", "trip");
  const double rename_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  Wait(2500);
  const int after_rename = refreshes;
  start = std::chrono::steady_clock::now();
  MoveTargetFor(ui, folder + "/trip.JPG", folder + "/sub");
  MovePhotoFiles(state, 0, folder + "/trip.JPG", folder + "/sub/trip.JPG");
  state.IgnoreNextChange = true;
  const double move_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  Wait(2500);
  std::printf("own rename of a photo with 3 edited-photo files: %.2f ms, %d refresh(es)\n", rename_ms, after_rename);
  std::printf("own move of it into a sub-folder: %.2f ms, %d refresh(es)\n", move_ms, refreshes - after_rename);
  return 0;
}
