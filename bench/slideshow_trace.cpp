// Runs the slide show in Lumetta's main window over a folder of photos and
// prints its trace: for each photo when its transition started and ended,
// how long preparing the next photo took, how long the photo stood (from
// its transition's end to the next one's start) against the interval, the
// transition's steps per second with the view painted, and the CPU the
// program used while it only waited.
//
//   slideshow_trace --make FOLDER N       writes N synthetic 6000 x 4000
//                                         camera photos as JPEG (cjpeg)
//   slideshow_trace FOLDER [--interval S] [--transition T] [--speed I]
//                   [--fade-mode M] [--direction D] [--photos N]
//
// T is 0 none, 1 star sand, 2 page turn, 3 fade; I the speed choice 0..4.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/slideshow/slide_settings.h"
#include "core/slideshow/transition_player.h"
#include "core/state/settings.h"
#include "support/synthetic_photo.h"
#include "ui/app/application.h"
#include "ui/slideshow/slide_show_view.h"

using namespace lumetta;

namespace {

int MakePhotos(const QString& folder, int count) {
  QDir().mkpath(folder);
  for (int k = 1; k <= count; ++k) {
    const TDibImage photo = bench_support::SyntheticPhoto(6000, 4000, static_cast<unsigned>(k));
    const QString ppm = folder + QString("/photo%1.ppm").arg(k, 3, 10, QChar('0'));
    {
      std::ofstream out(ppm.toStdString(), std::ios::binary);
      out << "P6\n6000 4000\n255\n";
      std::string row(6000 * 3, '\0');
      for (std::int32_t y = 0; y < 4000; ++y) {
        const std::uint8_t* p = photo.RowUnchecked(y);
        for (std::size_t x = 0; x < 6000; ++x) {
          row[x * 3] = static_cast<char>(p[x * 3 + 2]);
          row[x * 3 + 1] = static_cast<char>(p[x * 3 + 1]);
          row[x * 3 + 2] = static_cast<char>(p[x * 3]);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
      }
    }
    const QString jpeg = folder + QString("/photo%1.jpg").arg(k, 3, 10, QChar('0'));
    const int rc = QProcess::execute("cjpeg", {"-quality", "92", "-outfile", jpeg, ppm});
    QFile::remove(ppm);
    if (rc != 0) {
      std::fprintf(stderr, "cjpeg failed (libjpeg-turbo-progs installed?)\n");
      return 1;
    }
  }
  return 0;
}

struct Event {
  SlideEvent kind;
  std::int64_t at;
  std::clock_t cpu;
};

int Arg(const QStringList& args, const QString& name, int fallback) {
  const qsizetype i = args.indexOf(name);
  return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  // Making photos needs no display.
  if (argc >= 4 && std::string(argv[1]) == "--make") return MakePhotos(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
  QApplication qt(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: slideshow_trace FOLDER [--interval S] [--transition T] [--speed I] ...\n");
    return 2;
  }
  const QString folder = QDir(args.at(1)).absolutePath();
  const int interval = Arg(args, "--interval", 5);
  const int photos = Arg(args, "--photos", 6);

  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  QDir(dir.path()).mkpath("bin");
  StartupEnvironment env;
  env.ExecutableFolder = root + "/bin";
  env.UserDataFolder = root + "/xdg";
  env.ScratchDataFolder = root + "/scratch";
  env.Special.PicturesFolder = folder.toStdString();
  env.Special.DocumentsFolder = root + "/Documents";
  env.Special.DesktopFolder = root + "/Desktop";
  env.ScreenWidth = 1280;
  env.ScreenHeight = 1024;
  Settings settings;
  settings.SlotFolder[1] = folder.toStdString();
  settings.SlideInterval = 0;
  settings.SlideCustomSeconds = interval;
  settings.SlideRepeat = 1;
  settings.SlideNextFolder = 0;
  settings.SlideTransition = Arg(args, "--transition", 2);
  const int speed = Arg(args, "--speed", 2);
  settings.StarSandSpeed = speed;
  settings.PageSpeed = speed;
  settings.FadeSpeed = speed;
  settings.FadeMode = Arg(args, "--fade-mode", 0);
  settings.PageDirection = Arg(args, "--direction", 0);
  SaveSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), settings);

  ui::Application app(env);
  app.Show();
  QElapsedTimer waited;
  waited.start();
  while (!app.State().Activated && waited.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  auto* view = app.MainForm().findChild<ui::SlideShowView*>();
  if (view == nullptr) return 1;

  std::vector<Event> events;
  int transitions = 0;
  view->Show().Trace = [&](SlideEvent kind, std::int64_t at) {
    events.push_back(Event{kind, at, std::clock()});
    if (kind == SlideEvent::TransitionEnd && ++transitions >= photos) {
      QTimer::singleShot(0, [view] { view->Show().Stop(); });
    }
  };
  app.State().StripPos = 1;
  view->StartInMainView();
  while (view->Show().Running()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);

  const TransitionChoice choice = TransitionChoiceOf(app.State().settings);
  const std::int32_t width = app.State().ViewPicture.Width();
  const std::int32_t height = app.State().ViewPicture.Height();
  const std::int32_t steps = TransitionPlayer::StepCountOf(choice, width, height);
  std::printf("interval %d s, transition %d speed %d, %d steps per transition on %d x %d\n", interval,
              settings.SlideTransition, speed, steps, width, height);
  std::printf("%3s %10s %10s %8s %9s %10s %12s\n", "n", "start_ms", "end_ms", "prep_ms", "shown_ms", "steps/s",
              "wait_cpu_%");
  std::int64_t worst = 0;
  double wait_cpu = 0;
  double wait_wall = 0;
  int n = 0;
  const Event* last_end = nullptr;
  const Event* last_wait = nullptr;
  const Event* start = nullptr;
  for (const Event& e : events) {
    if (e.kind == SlideEvent::TransitionStart) {
      start = &e;
    } else if (e.kind == SlideEvent::WaitStart) {
      last_wait = &e;
    } else if (e.kind == SlideEvent::TransitionEnd && start != nullptr) {
      ++n;
      const double seconds = static_cast<double>(e.at - start->at) / 1000.0;
      const double rate = seconds > 0 ? steps / seconds : 0;
      std::int64_t shown = -1;
      double cpu_percent = -1;
      if (last_end != nullptr && last_wait != nullptr) {
        shown = start->at - last_end->at;
        worst = std::max<std::int64_t>(worst, std::llabs(shown - interval * 1000));
        const double wall = static_cast<double>(start->at - last_wait->at) / 1000.0;
        const double cpu = static_cast<double>(start->cpu - last_wait->cpu) / CLOCKS_PER_SEC;
        cpu_percent = wall > 0 ? 100.0 * cpu / wall : 0;
        wait_cpu += cpu;
        wait_wall += wall;
      }
      const std::int64_t prep = last_wait != nullptr && last_end != nullptr ? last_wait->at - last_end->at : -1;
      std::printf("%3d %10lld %10lld %8lld %9lld %10.0f %12.2f\n", n, static_cast<long long>(start->at),
                  static_cast<long long>(e.at), static_cast<long long>(prep), static_cast<long long>(shown), rate,
                  cpu_percent);
      last_end = &e;
    }
  }
  std::printf("largest difference of a shown time from the interval: %lld ms\n", static_cast<long long>(worst));
  std::printf("CPU while waiting: %.2f %% of one core over %.1f s\n", wait_wall > 0 ? 100.0 * wait_cpu / wait_wall : 0,
              wait_wall);
  return 0;
}
