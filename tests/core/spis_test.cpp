// The plug-in list on scripted libraries: which files become plug-ins of
// which class, what they tell about themselves, the order plug-ins are
// asked for a file, the bytes and offsets they are shown, and that every
// block they hand over is freed.
#include "core/plugins/spis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "core/base/paths.h"
#include "support/fake_plugin_library.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::FakePlugin;
using testing_support::FakePluginLibrary;
using testing_support::SolidPicture;
using testing_support::TempDir;

FakePlugin PictureMaker(const std::string& filter) {
  FakePlugin p;
  p.info = {"00IN", "Maker of " + filter, filter, "Format"};
  p.picture = [](std::intptr_t) { return SolidPicture(3, 2, 10, 20, 30); };
  return p;
}

std::vector<std::string> FileNames(const TSPIs& spis) {
  std::vector<std::string> names;
  for (int i = 0; i < spis.Count(); ++i) names.push_back(spis.Plugin(i).PluginPath());
  return names;
}

TEST(SearchPlugins, ChoosesTheClassByTheApiVersionAndSkipsWhatCannotServe) {
  TempDir dir;
  FakePluginLibrary lib;
  auto add = [&](const std::string& name, FakePlugin plugin) {
    lib.Add(dir.Write(name), std::move(plugin));
  };
  FakePlugin archive;
  archive.info = {"00AM", "Archive", "*.lzh", "LHA"};
  FakePlugin exporter;
  exporter.info = {"00XN", "Export"};
  exporter.missing = {"IsSupported", "GetPictureInfo", "GetPicture", "GetArchiveInfo", "GetFileInfo", "GetFile"};
  FakePlugin other;
  other.info = {"T0IN", "Other"};
  FakePlugin no_picture = PictureMaker("*.abc");
  no_picture.missing = {"GetPicture"};
  FakePlugin no_file = archive;
  no_file.missing = {"GetFile"};
  FakePlugin no_info = PictureMaker("*.abc");
  no_info.missing = {"GetPluginInfo"};
  add("a_in.spi", PictureMaker("*.abc"));
  add("b_am.spi", archive);
  add("c_xn.spi", exporter);
  add("d_other.spi", other);
  add("e_no_picture.spi", no_picture);
  add("f_no_file.spi", no_file);
  add("g_no_info.spi", no_info);
  dir.Write("h_not_a_library.spi");
  dir.Write("i_not_a_plugin.dll");

  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});

  EXPECT_EQ(FileNames(spis), (std::vector<std::string>{dir / "a_in.spi", dir / "b_am.spi", dir / "c_xn.spi",
                                                       dir / "d_other.spi"}));
  EXPECT_NE(dynamic_cast<const TInSPI*>(&spis.Plugin(0)), nullptr);
  EXPECT_NE(dynamic_cast<const TAmSPI*>(&spis.Plugin(1)), nullptr);
  EXPECT_NE(dynamic_cast<const TXnSPI*>(&spis.Plugin(2)), nullptr);
  EXPECT_EQ(typeid(spis.Plugin(3)), typeid(TSPI));
  EXPECT_TRUE(spis.Plugin(0).IsLoader());
  EXPECT_TRUE(spis.Plugin(1).IsLoader());
  EXPECT_FALSE(spis.Plugin(2).IsLoader());
  EXPECT_EQ(lib.open_libraries, 4) << "the skipped ones are unloaded";
  EXPECT_TRUE(std::find(lib.calls.begin(), lib.calls.end(), "Open " + (dir / "i_not_a_plugin.dll")) ==
              lib.calls.end());
}

TEST(SearchPlugins, AMissingEntryPointIsNamedInTheCheck) {
  TempDir dir;
  FakePluginLibrary lib;
  FakePlugin plugin = PictureMaker("*.abc");
  plugin.missing = {"GetPictureInfo"};
  lib.Add(dir / "x.spi", plugin);
  const auto loaded = LoadSPI(lib.Api(), dir / "x.spi");
  try {
    loaded->CheckApi();
    FAIL() << "no ESPIInvalidAPI";
  } catch (const ESPIInvalidAPI& e) {
    EXPECT_EQ(std::string(e.what()), "GetPictureInfoは[" + (dir / "x.spi") + "]では使えないSusie Plugin APIです");
  }
  EXPECT_THROW(LoadSPI(lib.Api(), dir / "missing.spi"), ESPIFOpenErrorSPI);
}

TEST(SearchPlugins, APathAlreadyLoadedIsSkippedButCopiesElsewhereAreLoaded) {
  TempDir dir;
  FakePluginLibrary lib;
  lib.Add(dir.Write("one/x.spi"), PictureMaker("*.abc"));
  lib.Add(dir.Write("two/x.spi"), PictureMaker("*.abc"));
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir / "one", dir / "one", dir / "two"});
  spis.SearchPlugins("*.SPI", {dir / "one"});
  EXPECT_EQ(FileNames(spis), (std::vector<std::string>{dir / "one/x.spi", dir / "two/x.spi"}));
  EXPECT_EQ(spis.IndexOfPath(dir / "two/X.SPI"), 1);
  EXPECT_EQ(spis.IndexOfPath(dir / "three/x.spi"), -1);
}

TEST(SearchPlugins, APatternWithAFolderSearchesThatFolderOnly) {
  TempDir dir;
  FakePluginLibrary lib;
  lib.Add(dir.Write("one/a.spi"), PictureMaker("*.abc"));
  lib.Add(dir.Write("two/b.spi"), PictureMaker("*.abc"));
  lib.Add(dir.Write("two/c.spx"), PictureMaker("*.abc"));
  TSPIs spis(lib.Api());
  spis.SearchPlugins(dir / "two/*.sp?", {dir / "one"});
  EXPECT_EQ(FileNames(spis), (std::vector<std::string>{dir / "two/b.spi", dir / "two/c.spx"}));
}

TEST(SearchPlugins, InformationStringsAreCutAndTerminatedWhateverThePluginWrites) {
  TempDir dir;
  FakePluginLibrary lib;
  FakePlugin p = PictureMaker("*.abc");
  p.raw_info = [](int number, char* buffer, int length) {
    if (number == 0) {
      std::memcpy(buffer, "00IN", 4);
      return 4;  // no terminator
    }
    if (number == 1) {
      std::memset(buffer, 'x', static_cast<std::size_t>(length));
      return 1000;  // more than there was room for
    }
    const char* strings[] = {"*.a", "A", "*.b", "", "*.c", "C"};
    if (number - 2 >= 6) return 0;
    std::strcpy(buffer, strings[number - 2]);
    return static_cast<int>(std::strlen(buffer));
  };
  lib.Add(dir.Write("x.spi"), p);
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});
  ASSERT_EQ(spis.Count(), 1);
  EXPECT_EQ(spis.Plugin(0).ApiVersion(), "00IN");
  EXPECT_EQ(spis.Plugin(0).PluginName(), std::string(255, 'x'));
  EXPECT_EQ(spis.Plugin(0).FilterList(), (std::vector<std::string>{"*.a"})) << "pairs end at the first empty string";
  EXPECT_EQ(spis.Plugin(0).FormatList(), (std::vector<std::string>{"A"}));
}

TEST(SearchPlugins, ShiftJisNamesAreReadAsJapanese) {
  TempDir dir;
  FakePluginLibrary lib;
  FakePlugin p = PictureMaker("*.abc");
  p.info[1] = "\x89\xE6\x91\x9C";  // 画像 in Shift-JIS
  lib.Add(dir.Write("x.spi"), p);
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});
  EXPECT_EQ(spis.Plugin(0).PluginName(), "画像");
}

TEST(TSPIs, OnlyOneListMayExist) {
  FakePluginLibrary lib;
  TSPIs first(lib.Api());
  EXPECT_EQ(TSPIDibImage::GetPluginDecoder(), &first);
  try {
    TSPIs second(lib.Api());
    FAIL() << "a second list";
  } catch (const ESPIDupCreateSPIs& e) {
    EXPECT_EQ(std::string(e.what()), "TSPIs は複数生成できません");
  }
  EXPECT_EQ(TSPIDibImage::GetPluginDecoder(), &first);
}

struct CandidateCase {
  std::string file;
  std::vector<std::string> order;
};

void PrintTo(const CandidateCase& c, std::ostream* os) { *os << c.file; }

class CandidatesTest : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(CandidatesTest, PluginsNamingTheExtensionComeFirstInReverseLoadOrder) {
  TempDir dir;
  FakePluginLibrary lib;
  lib.Add(dir.Write("a.spi"), PictureMaker("*.pic"));
  lib.Add(dir.Write("b.spi"), PictureMaker("*.png"));
  FakePlugin c = PictureMaker("*.pic;*.pict");
  c.info.insert(c.info.end(), {"*.jpg", "JPEG"});
  lib.Add(dir.Write("c.spi"), c);
  FakePlugin exporter;
  exporter.info = {"00XN", "Export", "*.pic", "PIC"};
  lib.Add(dir.Write("d.spi"), exporter);
  lib.Add(dir.Write("e.spi"), PictureMaker("*.gif"));
  lib.Add(dir.Write("f.spi"), PictureMaker("*.gif;*.png"));
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});
  std::vector<std::string> order;
  for (const TSPI* p : spis.Candidates(dir / GetParam().file)) order.push_back(FileNameOf(p->PluginPath()));
  EXPECT_EQ(order, GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    TSPIs, CandidatesTest,
    // An entry's extension is the text after its last dot: "*.pic;*.pict"
    // names .pict only, "*.gif;*.png" .png only.
    ::testing::Values(CandidateCase{"x.pic", {"a.spi", "b.spi", "c.spi", "e.spi", "f.spi"}},
                      CandidateCase{"x.PICT", {"c.spi", "a.spi", "b.spi", "e.spi", "f.spi"}},
                      CandidateCase{"x.png", {"f.spi", "b.spi", "a.spi", "c.spi", "e.spi"}},
                      CandidateCase{"x.gif", {"e.spi", "a.spi", "b.spi", "c.spi", "f.spi"}},
                      CandidateCase{"x.jpg", {"c.spi", "a.spi", "b.spi", "e.spi", "f.spi"}},
                      CandidateCase{"x.tiff", {"a.spi", "b.spi", "c.spi", "e.spi", "f.spi"}},
                      CandidateCase{"noextension", {"a.spi", "b.spi", "c.spi", "e.spi", "f.spi"}}),
    [](const ::testing::TestParamInfo<CandidateCase>& info) { return "case" + std::to_string(info.index); });

// A file whose own bytes start with "SIG" after offset bytes of anything.
FakePlugin SignaturePlugin() {
  FakePlugin p = PictureMaker("*.sig");
  p.supports = [](const std::uint8_t* head) { return std::memcmp(head, "SIG", 3) == 0; };
  return p;
}

TEST(TSPIsDecode, APictureBehindAMacBinaryHeaderIsFoundAtOffset128) {
  TempDir dir;
  FakePluginLibrary lib;
  lib.Add(dir.Write("sig.spi"), SignaturePlugin());
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});
  const std::string photo = dir.Write("photo.sig", std::string(128, 'M') + "SIG picture");
  lib.calls.clear();

  TDibImage image;
  ASSERT_TRUE(spis.Decode(photo, image));
  EXPECT_EQ(lib.calls, (std::vector<std::string>{"IsSupported " + photo, "IsSupported " + photo,
                                                 "GetPictureInfo " + photo + " 128", "GetPicture " + photo + " 128"}));
  EXPECT_EQ(lib.heads.at(1).substr(0, 11), "SIG picture");
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(image.Pixels(0, 0), 0x0A141Eu);
  EXPECT_EQ(lib.live_blocks, 0);

  spis.MacBinary = false;
  EXPECT_FALSE(spis.Decode(photo, image));
}

TEST(TSPIsDecode, PluginsSeeTheFirst2176BytesZeroFilledPastTheEnd) {
  TempDir dir;
  FakePluginLibrary lib;
  FakePlugin p = PictureMaker("*.abc");
  p.supports = [](const std::uint8_t*) { return false; };
  lib.Add(dir.Write("x.spi"), p);
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});
  std::string bytes(3000, 'b');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i % 26);
  TDibImage image;
  EXPECT_FALSE(spis.Decode(dir.Write("long.abc", bytes), image));
  ASSERT_EQ(lib.heads.size(), 2u);
  EXPECT_EQ(lib.heads[0], bytes.substr(0, 2048));
  EXPECT_EQ(lib.heads[1], bytes.substr(128, 2048));

  lib.heads.clear();
  EXPECT_FALSE(spis.Decode(dir.Write("short.abc", "tiny"), image));
  EXPECT_EQ(lib.heads.at(0), "tiny" + std::string(2044, '\0'));
  EXPECT_EQ(lib.heads.at(1), std::string(2048, '\0'));
}

TEST(TSPIsDecode, DamagedBlocksAreFreedAndTheNextPluginAsked) {
  TempDir dir;
  FakePluginLibrary lib;
  FakePlugin damaged = PictureMaker("*.abc");
  damaged.picture = [](std::intptr_t) {
    FakePlugin::Answer a = SolidPicture(3, 2, 1, 2, 3);
    a.pixels.pop_back();  // one byte short of its rows
    return a;
  };
  FakePlugin failing = PictureMaker("*.abc");
  failing.picture = [](std::intptr_t) {
    FakePlugin::Answer a = SolidPicture(3, 2, 1, 2, 3);
    a.result = SPI_OUT_OF_ORDER;  // blocks handed over all the same
    return a;
  };
  FakePlugin half = PictureMaker("*.abc");
  half.picture = [](std::intptr_t) {
    FakePlugin::Answer a = SolidPicture(3, 2, 1, 2, 3);
    a.pixel_block = false;
    return a;
  };
  lib.Add(dir.Write("a.spi"), damaged);
  lib.Add(dir.Write("b.spi"), failing);
  lib.Add(dir.Write("c.spi"), half);
  lib.Add(dir.Write("d.spi"), PictureMaker("*.xyz"));
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});
  TDibImage image;
  ASSERT_TRUE(spis.Decode(dir.Write("photo.abc", "x"), image));
  EXPECT_EQ(image.Pixels(2, 1), 0x0A141Eu) << "d's picture";
  EXPECT_EQ(lib.live_blocks, 0);
}

TEST(TSPIsDecode, WithoutAPluginForTheFileTheImageKeepsItsPicture) {
  TempDir dir;
  FakePluginLibrary lib;
  FakePlugin refusing = PictureMaker("*.abc");
  refusing.supports = [](const std::uint8_t*) { return false; };
  lib.Add(dir.Write("a.spi"), refusing);
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});
  TSPIDibImage image;
  image.SetBitCount(24);
  image.SetSize(5, 4);
  try {
    image.LoadFromFile(dir.Write("photo.abc", "x"));
    FAIL() << "decoded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(std::string(e.what()), "Susie Plugins could not decode");
  }
  EXPECT_EQ(image.Width(), 5);
  EXPECT_FALSE(spis.Decode(dir / "missing.abc", image));
}

TEST(TSPIsDecode, PreviewsAreAskedForOnlyWhenWanted) {
  TempDir dir;
  FakePluginLibrary lib;
  FakePlugin p = PictureMaker("*.abc");
  p.preview = [](std::intptr_t) { return SolidPicture(1, 1, 0, 0, 0); };
  lib.Add(dir.Write("a.spi"), p);
  TSPIs spis(lib.Api());
  spis.SearchPlugins("*.spi", {dir.Path()});
  const std::string photo = dir.Write("photo.abc", "x");
  TDibImage image;
  ASSERT_TRUE(spis.Decode(photo, image));
  EXPECT_EQ(image.Width(), 3);
  spis.GraphicPreview = true;
  ASSERT_TRUE(spis.Decode(photo, image));
  EXPECT_EQ(image.Width(), 1);
  EXPECT_EQ(lib.live_blocks, 0);
}

TEST(ProgramPluginFolders, TheExecutablesFolderThenTheDataFolderWhenItIsAnother) {
  EXPECT_EQ(ProgramPluginFolders("/opt/lumetta/bin", "/home/u/.local/share/lumetta"),
            (std::vector<std::string>{"/opt/lumetta/bin", "/home/u/.local/share/lumetta"}));
  EXPECT_EQ(ProgramPluginFolders("/home/u/Lumetta/", "/home/u/Lumetta"), (std::vector<std::string>{"/home/u/Lumetta"}));
}

TEST(MatchesPluginPattern, WildcardsIgnoringCase) {
  EXPECT_TRUE(MatchesPluginPattern("ifpng.spi", "*.spi"));
  EXPECT_TRUE(MatchesPluginPattern("IFPNG.SPI", "*.spi"));
  EXPECT_TRUE(MatchesPluginPattern("a.spi", "?.SPI"));
  EXPECT_FALSE(MatchesPluginPattern("ab.spi", "?.spi"));
  EXPECT_FALSE(MatchesPluginPattern("a.spi.bak", "*.spi"));
  EXPECT_TRUE(MatchesPluginPattern("a.spi.spi", "*.spi"));
}

}  // namespace
}  // namespace lumetta
