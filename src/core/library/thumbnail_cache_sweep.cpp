#include "core/library/thumbnail_cache_sweep.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/base/folder_cleanup.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

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

  for (const std::string& folder : ListFolderEntries(top).folders) examine_folder(folder);
  while (!stack.empty()) {
    const std::string relative = stack.back();
    stack.pop_back();
    const std::string here = JoinPath(top, relative);
    const FolderListing listing = ListFolderEntries(here);
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
  if (!IsCleanableRoot(state.folders.ThumbnailFolder)) {
    ReportUncleanableRoot(state.folders.ThumbnailFolder);
    return false;
  }
  for (std::int32_t n = 1; n <= kSlotCount; ++n) {
    const std::string cache = JoinPath(state.folders.ThumbnailFolder, n == 1 ? "01" : n == 2 ? "02" : "03");
    const std::string root = state.settings.SlotFolder[n];
    const std::string name = SlotCacheName(root);
    for (const std::string& entry : ListFolderEntries(cache).folders) ThumbnailCacheSweep(root, name, cache, entry);
  }
  state.settings.CacheSweepMonth = stamp;
  return true;
}

}  // namespace lumetta
