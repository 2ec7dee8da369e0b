#include "core/app/shutdown.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/app/startup.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

// The entries of a folder, split into sub-folders and files; links count as
// files so that nothing is ever followed through them.
struct Listing {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};

Listing ListFolder(const std::string& folder) {
  Listing listing;
  std::error_code ec;
  fs::directory_iterator it(ToFsPath(folder), ec);
  if (ec) return listing;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    const std::string name = FromFsPath(it->path().filename());
    std::error_code sec;
    const fs::file_status st = it->symlink_status(sec);
    if (!sec && fs::is_directory(st)) {
      listing.folders.push_back(name);
    } else {
      listing.files.push_back(name);
    }
  }
  return listing;
}

// A path below base given by '/'-joined components, each found whatever its
// case; empty when a component is missing.
std::string FindBelowIgnoringCase(const std::string& base, const std::string& relative) {
  std::string path = base;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find(kPathSeparator, start);
    if (end == std::string::npos) end = relative.size();
    if (end > start) {
      auto found = FindNameInFolder(path, relative.substr(start, end - start));
      if (!found) return "";
      path = JoinPath(path, *found);
    }
    start = end + 1;
  }
  return path;
}

// The source photo name of a cache file name ("IMG_0001_JPG.bmp" gives
// "IMG_0001.JPG"), or "" when it has none.
std::string SourceNameOfCacheFile(const std::string& file) {
  std::vector<std::size_t> starts;
  for (std::size_t pos = 0; pos < file.size(); pos += Utf8CharLength(file, pos)) starts.push_back(pos);
  if (starts.size() <= 4) return "";
  const std::size_t n = starts.size() - 4;  // characters left without the cache extension
  const std::size_t stem_bytes = starts[n];
  for (std::size_t k : {4, 5}) {
    if (k > n || file[starts[n - k]] != '_') continue;
    const std::size_t us = starts[n - k];
    return file.substr(0, us) + "." + file.substr(us + 1, stem_bytes - us - 1);
  }
  return "";
}

bool IsInside(const fs::path& root, const fs::path& path) {
  std::error_code ec;
  const fs::path canonical_root = fs::weakly_canonical(root, ec);
  if (ec) return false;
  const fs::path parent = fs::weakly_canonical(path.parent_path(), ec);
  if (ec) return false;
  auto r = canonical_root.begin();
  auto p = parent.begin();
  for (; r != canonical_root.end(); ++r, ++p) {
    if (p == parent.end() || *r != *p) return false;
  }
  return true;
}

void TryRemoveEmptyFolder(const std::string& folder) {
  std::error_code ec;
  fs::remove(ToFsPath(folder), ec);
}

}  // namespace

std::string MonthStamp(const CalendarDate& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d%02d", date.Year % 10000, date.Month % 100);
  return buffer;
}

std::string SlotCacheName(std::string_view slot_root) {
  if (slot_root.empty()) return "";
  std::string root = WithoutTrailingSeparator(slot_root);
  if (!root.empty() && root.back() == ':') {
    root.pop_back();
    return FileNameOf(root) + "：";
  }
  return FileNameOf(root);
}

bool RemoveInside(std::string_view root, std::string_view path) {
  const fs::path target = ToFsPath(path);
  if (!IsInside(ToFsPath(root), target)) return false;
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(target, ec);
  if (ec || !fs::exists(st)) return !fs::exists(st);
  if (fs::is_symlink(st) || !fs::is_directory(st)) return fs::remove(target, ec);
  // remove_all never follows links inside the folder: a link is unlinked.
  fs::remove_all(target, ec);
  return !ec;
}

void ClearTempFolder(std::string_view folder) {
  if (folder.empty() || folder.back() == ':' || folder.back() == '\\' || folder.back() == '/') return;
  const std::string root(folder);
  const Listing listing = ListFolder(root);
  for (const auto* names : {&listing.folders, &listing.files}) {
    for (const std::string& name : *names) RemoveInside(root, JoinPath(root, name));
  }
}

void ThumbnailCacheSweep(std::string_view slot_root, std::string_view name, std::string_view cache,
                         std::string_view entry) {
  if (entry == "." || entry == "..") return;
  const std::string cache_root(cache);
  const std::string top = JoinPath(cache, entry);
  if (name.empty() || !SameNameIgnoringCase(entry, name)) {
    RemoveInside(cache_root, top);
    return;
  }
  const std::string root(slot_root);
  std::vector<std::string> stack;

  // A cache folder whose source is a folder is walked; one whose source is a
  // file is the cache of an archive's photos and stays; one without any
  // source goes.
  auto examine_folder = [&](const std::string& relative) {
    const std::string source = FindBelowIgnoringCase(root, relative);
    if (!source.empty() && IsDirectory(source)) {
      stack.push_back(relative);
    } else if (source.empty() || !PathExists(source)) {
      RemoveInside(cache_root, JoinPath(top, relative));
    }
  };

  for (const std::string& folder : ListFolder(top).folders) examine_folder(folder);
  while (!stack.empty()) {
    const std::string relative = stack.back();
    stack.pop_back();
    const std::string here = JoinPath(top, relative);
    const Listing listing = ListFolder(here);
    for (const std::string& folder : listing.folders) examine_folder(JoinPath(relative, folder));
    for (const std::string& file : listing.files) {
      const std::string source_name = SourceNameOfCacheFile(file);
      const std::string source =
          source_name.empty() ? std::string() : FindBelowIgnoringCase(root, JoinPath(relative, source_name));
      if (source.empty() || !IsRegularFile(source)) {
        RemoveInside(cache_root, JoinPath(here, file));
        TryRemoveEmptyFolder(here);
      }
    }
  }
}

bool SweepThumbnailCacheIfDue(AppState& state) {
  const std::string stamp = MonthStamp(state.Today);
  if (!(stamp > state.settings.CacheSweepMonth)) return false;
  for (int n = 1; n <= 3; ++n) {
    const std::string cache = JoinPath(state.folders.ThumbnailFolder, n == 1 ? "01" : n == 2 ? "02" : "03");
    const std::string root = state.settings.SlotFolder[n];
    const std::string name = SlotCacheName(root);
    for (const std::string& entry : ListFolder(cache).folders) ThumbnailCacheSweep(root, name, cache, entry);
  }
  state.settings.CacheSweepMonth = stamp;
  return true;
}

CloseAnswer CloseQuery(AppState& state, UserInterface& ui, bool other_instance_running, const CloseHooks& hooks) {
  if (hooks.StopSlideShow && hooks.StopSlideShow()) return CloseAnswer::Refuse;
  if (!state.UiReady) return CloseAnswer::Refuse;
  if (hooks.ConfirmSaveEdits) hooks.ConfirmSaveEdits();
  state.UiReady = false;
  ui.SetBusy(true);
  SweepThumbnailCacheIfDue(state);
  WriteSettingsFile(state, ui);
  if (!other_instance_running) ClearTempFolder(state.folders.TempFolder);
  ui.SetBusy(false);
  return CloseAnswer::Close;
}

}  // namespace lumetta
