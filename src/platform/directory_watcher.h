#pragma once
// Watches one folder for changes of its own entries (files and folders
// created, deleted, renamed, their attributes changed; not inside
// sub-folders) and reports them on the main thread, a burst of
// notifications as one report a quiet interval after the last of them.
//
// A folder that cannot be watched (missing, not accessible) reports
// nothing; an empty path watches nothing.

#include <functional>
#include <memory>
#include <string>

class QFileSystemWatcher;
class QTimer;

namespace lumetta::platform {

class DirectoryWatcher {
 public:
  // on_change gets the watched folder. delay_ms: the quiet interval.
  explicit DirectoryWatcher(std::function<void(const std::string& folder)> on_change, int delay_ms = 1000);
  ~DirectoryWatcher();
  DirectoryWatcher(const DirectoryWatcher&) = delete;
  DirectoryWatcher& operator=(const DirectoryWatcher&) = delete;

  // Watches folder instead of the one watched so far; a folder that differs
  // only in letter case is the same and changes nothing.
  void SetDirectory(const std::string& folder);
  const std::string& Directory() const { return directory_; }

  // Debounce the notifications (the default), or report each at once.
  void SetDelay(bool delay) { delay_ = delay; }

  // A notification as the system gives it: restarts the quiet interval.
  void Notify();

 private:
  std::function<void(const std::string&)> on_change_;
  std::unique_ptr<QFileSystemWatcher> watcher_;
  std::unique_ptr<QTimer> timer_;
  std::string directory_;
  bool delay_ = true;
};

}  // namespace lumetta::platform
