// Applications described by ".desktop" files, and the arguments that start
// one with a photo.
#include <gtest/gtest.h>

#include "core/base/data_file.h"
#include "core/shell/desktop_entry.h"
#include "support/temp_dir.h"

using namespace lumetta;
using lumetta::testing_support::TempDir;

namespace {

DesktopEntry Entry(const std::string& exec) {
  DesktopEntry e;
  e.Name = "表示";
  e.Icon = "viewer";
  e.Exec = exec;
  return e;
}

using Args = std::vector<std::string>;

}  // namespace

TEST(DesktopEntry, ReadsTheDesktopEntryGroupOnlyAndPrefersTheJapaneseName) {
  const DesktopEntry e = ParseDesktopEntry(
      "# comment\n[Desktop Action new]\nExec=other --new\nName=Other\n"
      "[Desktop Entry]\r\nType=Application\r\nName=Image Viewer\r\nName[ja]=画像ビューアー\r\n"
      "Icon = viewer \r\nExec=viewer\\s%U\r\n[Other Group]\nExec=wrong\n");
  EXPECT_EQ(e.Name, "画像ビューアー");
  EXPECT_EQ(e.Icon, "viewer");
  EXPECT_EQ(e.Exec, "viewer %U");
}

TEST(DesktopEntry, RefusesTextThatIsNoApplicationEntry) {
  for (const char* text : {"", "Exec=x\n", "[Desktop Entry]\nName=x\n", "[Desktop Entry]\nExec=\n",
                           "\xff\xfe[Desktop Entry", "[Desktop Entry]\nExec"}) {
    EXPECT_THROW(ParseDesktopEntry(text), EDesktopEntry) << text;
  }
}

TEST(DesktopEntry, ExecGivesTheArgumentListWithThePhotoInPlace) {
  const std::string photo = "/home/u/写真/a b \"c\" $HOME `x`.jpg";
  struct Case {
    const char* exec;
    Args args;
  } cases[] = {
      {"viewer %f", {"viewer", photo}},
      {"viewer %U", {"viewer", photo}},
      {"viewer", {"viewer", photo}},
      {"viewer --title=%c %F", {"viewer", "--title=表示", photo}},
      {"viewer %i %u", {"viewer", "--icon", "viewer", photo}},
      {"\"/opt/My Viewer/bin\" --x 100%% %f", {"/opt/My Viewer/bin", "--x", "100%", photo}},
      {"sh -c \"echo \\\"\\$1\\\" \\\\ %f\" %f", {"sh", "-c", "echo \"$1\" \\ %f", photo}},
      {"viewer %k %d %D %n %N %v %m %f", {"viewer", photo}},
      {"viewer  \t --a   %f  ", {"viewer", "--a", photo}},
  };
  for (const Case& c : cases) EXPECT_EQ(ExecArguments(Entry(c.exec), photo), c.args) << c.exec;
}

TEST(DesktopEntry, RefusesAnExecWithAnOpenQuoteOrNoProgram) {
  EXPECT_THROW(ExecArguments(Entry("\"viewer %f"), "/p.jpg"), EDesktopEntry);
  EXPECT_THROW(ExecArguments(Entry("%k %d"), "/p.jpg"), EDesktopEntry);
  EXPECT_THROW(ExecArguments(Entry("\"\" %f"), "/p.jpg"), EDesktopEntry);
}

TEST(DesktopEntry, CaptionIsTheEntrysNameOrTheFileName) {
  TempDir dir;
  const std::string good = dir.Write("org.example.Viewer.desktop", "[Desktop Entry]\nName=Viewer\nExec=viewer %f\n");
  const std::string bad = dir.Write("broken.desktop", "nonsense");
  const std::string program = dir.Write("gimp-2.10", "");
  EXPECT_EQ(ApplicationCaption(good), "Viewer");
  EXPECT_EQ(ApplicationCaption(bad), "broken");
  EXPECT_EQ(ApplicationCaption(program), "gimp-2.10");
  EXPECT_THROW(ReadDesktopEntry(dir / "missing.desktop"), EDataFile);
}
