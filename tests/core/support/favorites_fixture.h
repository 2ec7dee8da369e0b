#pragma once
// A program state with its folders in a temporary folder and the favorites
// files written from lines, for the favorites tests.

#include <string>
#include <vector>

#include "core/favorites/favorites_store.h"
#include "core/favorites/favorites_window.h"
#include "core/imaging/dib_image.h"
#include "folder_fixture.h"
#include "temp_dir.h"
#include "thumb_photos.h"

namespace lumetta::testing_support {

struct FavoritesFixture : FolderFixture {
  FavoritesFixture() {
    // The 640 layout: a 6 x 8 grid, 47 favorites a page.
    state.settings.SizeMode = 2;
    state.view.ViewWidth = 640;
    state.view.ViewHeight = 480;
  }

  // Writes the three files as the lines given, each ended by CR LF.
  void WriteFiles(const std::vector<std::string>& folders, const std::vector<std::string>& keys,
                  const std::vector<std::string>& photos) {
    dir.Write("app/OkiniF.dat", Joined(folders));
    dir.Write("app/Okini.dat", Joined(keys));
    dir.Write("app/Okini2.dat", Joined(photos));
  }
  std::string Bytes(const char* name) const { return ReadAll(dir / (std::string("app/") + name)); }
  std::vector<std::string> Lines(const char* name) const {
    std::vector<std::string> lines;
    const std::string bytes = Bytes(name);
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
  }

  // A 160 x 120 BMP photo of one colour; returns its path.
  std::string Photo(const std::string& relative, Bgr colour = {10, 20, 30}) {
    return dir.Write(relative, BmpBytes(Uniform(160, 120, colour)));
  }

  static std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
  }

  FavoritesSession session;
};

}  // namespace lumetta::testing_support
