// The favorites window's two costs that grow with a folder: drawing a page
// of 79 thumbnails read from the favorites' own cache (the 8 x 10 grid), and
// ordering 300 favorites by their photos' Exif dates with the files in the
// page cache.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/favorites/favorites_files.h"
#include "core/favorites/favorites_grid.h"
#include "core/favorites/favorites_page.h"
#include "core/favorites/favorites_window.h"
#include "core/imaging/dib_image.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "support/synthetic_photo.h"

namespace {

constexpr int kFavorites = 300;
constexpr int kPageThumbnails = 79;

// A camera JPEG with its Exif block right after the start marker.
std::string ExifFirstSample() {
  const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "tests/fixtures/camera/Canon_40D.jpg";
  std::ifstream in(path, std::ios::binary);
  std::string jpeg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (jpeg.size() < 6 || static_cast<unsigned char>(jpeg[3]) != 0xE0) return jpeg;
  const std::size_t app0 = static_cast<unsigned char>(jpeg[4]) << 8 | static_cast<unsigned char>(jpeg[5]);
  return jpeg.substr(0, 2) + jpeg.substr(4 + app0);
}

// A program folder with two favorites folders: "Trip" holds 300 camera
// JPEGs with differing dates, "Page" 79 photos of 640 x 480 whose
// thumbnails the first drawing builds, so that the page then reads them from
// the favorites' cache. The photos lie outside every photo-folder slot.
// Removed at exit.
class FavoritesFolder {
 public:
  FavoritesFolder() : root_(std::filesystem::temp_directory_path() / "lumetta-bench-favorites") {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "app/Thumbnail");
    std::filesystem::create_directories(root_ / "card");
    const std::string sample = ExifFirstSample();
    const std::string date = "2008:05:30 15:56:01";
    for (int i = 0; i < kFavorites; ++i) {
      const int n = (i * 7919) % kFavorites;
      char name[32];
      std::snprintf(name, sizeof name, "IMG_%03d.JPG", n);
      const std::string path = (root_ / "card" / name).string();
      std::string bytes = sample;
      char stamp[20];
      std::snprintf(stamp, sizeof stamp, "20%02d:%02d:%02d %02d:%02d:%02d", n % 23, 1 + n % 12, 1 + n % 28, n % 24,
                    (n / 24) % 60, n % 60);
      for (std::size_t at = bytes.find(date); at != std::string::npos; at = bytes.find(date, at + 1)) {
        bytes.replace(at, date.size(), stamp);
      }
      std::ofstream(path, std::ios::binary) << bytes;
      store_.Favorites.push_back({std::string("Trip\\") + name, lumetta::StoredPhotoPath(path)});
    }
    const lumetta::TDibImage photo = lumetta::bench_support::SyntheticPhoto(640, 480, 7);
    for (int i = 0; i < kPageThumbnails; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "P%03d.bmp", i);
      const std::string path = (root_ / "card" / name).string();
      photo.SaveToFile(path);
      store_.Favorites.push_back({std::string("Page\\") + name, lumetta::StoredPhotoPath(path)});
    }
    store_.Folders = {"Page", "Trip"};
    state_ = std::make_unique<lumetta::AppState>();
    state_->folders.AppFolder = (root_ / "app").string();
    state_->folders.ThumbnailFolder = (root_ / "app/Thumbnail").string();
    lumetta::WriteAllFavoritesFiles(state_->folders, store_);
  }
  ~FavoritesFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  lumetta::AppState& State() const { return *state_; }
  const lumetta::FavoritesStore& Store() const { return store_; }

 private:
  std::filesystem::path root_;
  lumetta::FavoritesStore store_;
  std::unique_ptr<lumetta::AppState> state_;
};

const FavoritesFolder& Folder() {
  static const FavoritesFolder folder;
  return folder;
}

void BM_DrawPageOf79CachedThumbnails(benchmark::State& st) {
  lumetta::AppState& state = Folder().State();
  lumetta::HeadlessUi ui;
  lumetta::FavoritesSession session;
  session.store = Folder().Store();
  session.grid = {8, 10};
  lumetta::LoadFavoritesPage(session.page, session.store, "Page", {}, ui);
  lumetta::TDibImage image;
  lumetta::DrawFavoritesPage(state, ui, session, image);  // builds and caches the thumbnails
  for (auto _ : st) {
    for (std::int32_t i = 1; i <= session.page.Count; ++i) session.page[i].ThumbLoaded = false;
    lumetta::DrawFavoritesPage(state, ui, session, image);
    benchmark::DoNotOptimize(image.Pixels(44, 34));
  }
  int built = 0;
  for (std::int32_t k = 0; k < session.grid.PageSize(); ++k) {
    const std::int32_t slot = lumetta::SlotOfCell(session, k);
    built += slot != 0 && !session.page[slot].Unreadable ? 1 : 0;
  }
  if (built != kPageThumbnails) st.SkipWithError("the page did not show 79 thumbnails");
  st.counters["thumbnails"] = built;
}

void BM_Sort300FavoritesByExifDate(benchmark::State& st) {
  lumetta::HeadlessUi ui;
  lumetta::FavoritesPage page;
  const lumetta::FavoritesOrder by_exif{lumetta::SortKey::ExifDate, lumetta::SortOrder::FromLeft};
  lumetta::LoadFavoritesPage(page, Folder().Store(), "Trip", by_exif, ui);  // warms the page cache
  for (auto _ : st) {
    lumetta::SortFavoritesPage(page, by_exif);
    benchmark::DoNotOptimize(page[1].Name.data());
  }
  if (page.Count != kFavorites) st.SkipWithError("the page did not hold 300 favorites");
  st.counters["favorites"] = page.Count;
}

BENCHMARK(BM_DrawPageOf79CachedThumbnails)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort300FavoritesByExifDate)->Unit(benchmark::kMillisecond);

}  // namespace
