// What the installed plug-ins add to the table of photo extensions, and the
// formats they take over from the program's own decoders.
#include "core/plugins/plugin_formats.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lumetta
