// What the installed plug-ins add to the table of photo extensions, and the
// formats they take over from the program's own decoders.
#include "core/plugins/plugin_formats.h"

#include <gtest/gtest.h>

#include "core/library/photo_extensions.h"
#include "core/plugins/spis.h"
#include "support/fake_plugin_library.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

struct RegistrationCase {
  std::string name;
  std::vector<std::vector<std::string>> filters;  // each plug-in's filter list, in load order
  std::vector<std::string> extensions;
  bool jpeg = false;
  bool bmp = false;
  bool tiff = false;
};

void PrintTo(const RegistrationCase& c, std::ostream* os) { *os << c.name; }

class RegistrationTest : public ::testing::TestWithParam<RegistrationCase> {};

TEST_P(RegistrationTest, TakesTheFirstFilterOfEachPlugin) {
  const RegistrationCase& c = GetParam();
  const PluginFormats formats = PluginFormatsOf(c.filters);
  EXPECT_EQ(formats.Extensions, c.extensions);
  EXPECT_EQ(formats.JpegByPlugin, c.jpeg);
  EXPECT_EQ(formats.BmpByPlugin, c.bmp);
  EXPECT_EQ(formats.TiffByPlugin, c.tiff);
}

INSTANTIATE_TEST_SUITE_P(
    PluginFormats, RegistrationTest,
    ::testing::Values(
        RegistrationCase{"both items of the first filter, none of the second", {{"*.pic;*.pict", "*.pcx"}},
                         {".pic", ".pict"}},
        RegistrationCase{".jpeg without .jpg leaves JPEG built in", {{"*.jpeg;*.jpe"}}, {".jpeg", ".jpe"}},
        RegistrationCase{".jpg in any case takes JPEG over", {{"*.JPG"}}, {".jpg"}, true},
        RegistrationCase{".jpg in a second filter does not", {{"*.png", "*.jpg"}}, {".png"}},
        RegistrationCase{".bmp and .tif", {{"*.bmp"}, {"*.tif;*.tiff"}}, {".bmp", ".tif", ".tiff"}, false, true, true},
        RegistrationCase{".tiff alone leaves TIFF built in", {{"*.tiff"}}, {".tiff"}},
        RegistrationCase{"cut to five characters", {{"*.jpeg2000;*.webpx"}}, {".jpeg", ".webp"}},
        RegistrationCase{"an item's first character goes whatever it is", {{"png;.gif"}}, {"ng", "gif"}},
        RegistrationCase{"empty items and items of one character leave nothing", {{";*;;*.png;"}}, {".png"}},
        RegistrationCase{"plug-ins without filters add nothing", {{}, {"*.png"}, {}}, {".png"}},
        RegistrationCase{"the same extension twice stays twice", {{"*.png"}, {"*.PNG"}}, {".png", ".png"}},
        RegistrationCase{"Japanese characters count as characters", {{"*.画像ファイル"}}, {".画像ファ"}}),
    [](const ::testing::TestParamInfo<RegistrationCase>& info) { return "case" + std::to_string(info.index); });

// The table as the main window builds it, from plug-ins of every kind in the
// order they were loaded.
TEST(RegisterPluginFormats, AppendsTheLoadedPluginsFirstFiltersAfterTheSevenBuiltIns) {
  testing_support::TempDir dir;
  testing_support::FakePluginLibrary lib;
  testing_support::FakePlugin pictures;
  pictures.info = {"00IN", "Pictures", "*.pic;*.pict", "PICT", "*.pcx", "PCX"};
  testing_support::FakePlugin archive;
  archive.info = {"00AM", "Archive", "*.lzh", "LHA"};
  testing_support::FakePlugin jpeg;
  jpeg.info = {"00IN", "JPEG", "*.jpeg", "JPEG"};
  lib.Add(dir.Write("a.spi"), pictures);
  lib.Add(dir.Write("b.spi"), archive);
  lib.Add(dir.Write("c.spi"), jpeg);
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});

  AppState state;
  RegisterPluginFormats(state, PluginFormatsOf(spis));
  EXPECT_EQ(state.PhotoExtensions, (std::vector<std::string>{".lum", ".jpg", ".jpe", ".jpeg", ".bmp", ".tif", ".tiff",
                                                             ".pic", ".pict", ".lzh", ".jpeg"}));
  EXPECT_TRUE(IsPhotoName(state.PhotoExtensions, "a.PICT"));
  EXPECT_FALSE(IsPhotoName(state.PhotoExtensions, "a.pcx")) << "a second filter adds nothing";
  EXPECT_FALSE(state.JpegByPlugin) << "*.jpeg without *.jpg leaves JPEG to the built-in decoder";
  EXPECT_FALSE(state.Decoders().JpegByPlugin);
}

TEST(RegisterPluginFormats, TheTableStopsAtAThousandEntriesAndTheFlagsFollowThePlugins) {
  PluginFormats formats;
  for (int i = 0; i < 1200; ++i) formats.Extensions.push_back(".x" + std::to_string(i % 100));
  formats.TiffByPlugin = true;
  AppState state;
  state.BmpByPlugin = true;
  RegisterPluginFormats(state, formats);
  ASSERT_EQ(state.PhotoExtensions.size(), MaxPhotoExtensions);
  EXPECT_EQ(state.PhotoExtensions[7], ".x0");
  EXPECT_EQ(state.PhotoExtensions.back(), ".x92") << "the 993rd plug-in extension is the last";
  EXPECT_TRUE(state.TiffByPlugin);
  EXPECT_FALSE(state.BmpByPlugin);

  RegisterPluginFormats(state, PluginFormats{});
  EXPECT_EQ(state.PhotoExtensions, BuiltInPhotoExtensions());
  EXPECT_FALSE(state.TiffByPlugin);
}

}  // namespace
}  // namespace lumetta
