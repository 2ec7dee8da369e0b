#include "platform/directory_watcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace lumetta::platform {

DirectoryWatcher::DirectoryWatcher(std::function<void(const std::string&)> on_change, int delay_ms)
    : on_change_(std::move(on_change)), watcher_(std::make_unique<QFileSystemWatcher>()),
      timer_(std::make_unique<QTimer>()) {
  timer_->setSingleShot(true);
  timer_->setInterval(delay_ms);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] {
    if (on_change_) on_change_(directory_);
  });
  QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, [this](const QString&) { Notify(); });
}

DirectoryWatcher::~DirectoryWatcher() = default;

void DirectoryWatcher::SetDirectory(const std::string& folder) {
  const QString next = QString::fromStdString(folder);
  if (next.compare(QString::fromStdString(directory_), Qt::CaseInsensitive) == 0) return;
  directory_ = folder;
  // The old folder's pending report would name the new one: dropped.
  timer_->stop();
  const QStringList watched = watcher_->directories();
  if (!watched.isEmpty()) watcher_->removePaths(watched);
  if (!folder.empty() && QFileInfo(next).isDir()) watcher_->addPath(next);
}

void DirectoryWatcher::Notify() {
  if (!delay_) {
    if (on_change_) on_change_(directory_);
    return;
  }
  timer_->start();  // restarts a running interval
}

}  // namespace lumetta::platform
