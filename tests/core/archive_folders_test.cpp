#include "core/library/archive_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/archive/archive_error.h"
#include "core/archive/archive_session.h"
#include "core/base/paths.h"
#include "support/archive_builder.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using testing_support::ArchiveFormat;
using testing_support::FileItem;
using testing_support::FolderItem;
using testing_support::LinkItem;
using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::WriteArchive;

// Everything below root, links included and never followed, as relative paths.
std::set<std::string> TreeOf(const fs::path& root) {
  std::set<std::string> paths;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    paths.insert(fs::relative(it->path(), root).generic_string() + (it->is_symlink() ? " -> link" : ""));
  }
  return paths;
}

struct ArchiveFixture {
  ~ArchiveFixture() { ArchiveSession::In(temp).End(); }
  std::vector<std::string> ScratchFiles() {
    const std::string scratch = ArchiveSession::In(temp).ScratchFolder();
    std::vector<std::string> files;
    if (scratch.empty()) return files;
    for (const std::string& path : TreeOf(scratch)) files.push_back(path);
    return files;
  }
  TempDir dir;
  std::string temp = dir.MakeDir("app/Temp");
};

TEST(ArchiveFolders, ListPhotosByInnerFolderAndTheFoldersAsChildren) {
  ArchiveFixture f;
  const std::string trip = f.dir / "p/trip.zip";
  WriteArchive(trip, ArchiveFormat::Zip, {FileItem("a.jpg", "A"), FolderItem("day1/"), FileItem("day1/b.jpg", "B")});
  EXPECT_EQ(ListArchiveFolder(f.temp, trip, ""), (Names{"a.jpg"}));
  EXPECT_EQ(ListArchiveFolder(f.temp, trip, "day1/"), (Names{"b.jpg"}));
  EXPECT_EQ(ListArchiveFolder(f.temp, trip, "gone/"), Names{});
  EXPECT_EQ(ListArchiveChildren(f.temp, trip, ""), (Names{"day1/"}));
  EXPECT_EQ(ListArchiveChildren(f.temp, trip, "day1/"), Names{});
}

TEST(ArchiveFolders, FoldersWithoutEntriesOfTheirOwnAreOneChild) {
  ArchiveFixture f;
  const std::string zip = f.dir / "p/deep.zip";
  WriteArchive(zip, ArchiveFormat::Zip, {FileItem("x/y/p.jpg", "P")});
  EXPECT_EQ(ListArchiveChildren(f.temp, zip, ""), (Names{"x/y/"}));
  EXPECT_EQ(ListArchiveFolder(f.temp, zip, "x/y/"), (Names{"p.jpg"}));
  EXPECT_EQ(ListArchiveFolder(f.temp, zip, "x/"), Names{});
}

TEST(ArchiveFolders, NestedArchivesAreChildrenListedShownAndTakenOutOnce) {
  ArchiveFixture f;
  const std::string inner = f.dir / "build/inner.zip";
  WriteArchive(inner, ArchiveFormat::Zip, {FileItem("d.jpg", "DDDD")});
  const std::string outer = f.dir / "p/outer.zip";
  WriteArchive(outer, ArchiveFormat::Zip, {FileItem("inner.zip", ReadAll(inner)), FileItem("notes.txt", "n")});

  EXPECT_EQ(ListArchiveChildren(f.temp, outer, ""), (Names{"inner.zip"}));
  EXPECT_EQ(ListArchiveFolder(f.temp, outer, "inner.zip/"), (Names{"d.jpg"}));
  {
    const ArchiveCopy copy = ExtractArchiveEntry(JoinPath(outer, "inner.zip/d.jpg"), f.temp);
    ASSERT_TRUE(copy.Extracted());
    EXPECT_EQ(ReadAll(copy.Path()), "DDDD");
    EXPECT_NE(FileNameOf(copy.Path()), "d.jpg") << "the copy's name is the program's own";
  }
  // The photo's copy has gone; the inner archive stays for the next photo.
  EXPECT_EQ(f.ScratchFiles(), (Names{"1.arc"}));
  EXPECT_TRUE(ExtractArchiveEntry(JoinPath(outer, "inner.zip/d.jpg"), f.temp).Extracted());
  EXPECT_EQ(f.ScratchFiles(), (Names{"1.arc"})) << "taken out once";

  // A changed outer archive gives a fresh inner one.
  WriteArchive(outer, ArchiveFormat::Zip, {FileItem("inner.zip", ReadAll(inner)), FileItem("more.txt", "more")});
  EXPECT_EQ(ListArchiveFolder(f.temp, outer, "inner.zip/"), (Names{"d.jpg"}));
  const Names scratch = f.ScratchFiles();
  ASSERT_EQ(scratch.size(), 1u);
  EXPECT_NE(scratch[0], "1.arc");

  ArchiveSession::In(f.temp).End();
  EXPECT_TRUE(fs::is_empty(f.temp)) << "nothing left in the temporary folder";
}

TEST(ArchiveFolders, AnEditedPhotoComesOutWithItsSourceBesideIt) {
  ArchiveFixture f;
  const std::string zip = f.dir / "p/edits.zip";
  WriteArchive(zip, ArchiveFormat::Zip, {FileItem("d/IMG_0001.JPG", "photo"), FileItem("d/IMG_0001_jpg.lum", "lum")});
  const ArchiveCopy copy = ExtractArchiveEntry(JoinPath(zip, "d/IMG_0001_jpg.lum"), f.temp);
  ASSERT_TRUE(copy.Extracted());
  EXPECT_EQ(ReadAll(copy.Path()), "lum");
  EXPECT_EQ(FileNameOf(copy.Path()), "photo_jpg.lum");
  EXPECT_EQ(ReadAll(JoinPath(ParentFolder(copy.Path()), "photo.JPG")), "photo");
}

TEST(ArchiveFolders, EntriesComeOutInAnyOrderAndAfterTheArchiveChanged) {
  ArchiveFixture f;
  const std::string zip = f.dir / "p/order.zip";
  WriteArchive(zip, ArchiveFormat::Zip, {FileItem("a.jpg", "A"), FileItem("b.jpg", "B"), FileItem("c.jpg", "C")});
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "b.jpg", "a.jpg", "c.jpg", "c.jpg"}) {
    const ArchiveCopy copy = ExtractArchiveEntry(JoinPath(zip, name), f.temp);
    ASSERT_TRUE(copy.Extracted()) << name;
    EXPECT_EQ(ReadAll(copy.Path()), std::string(1, static_cast<char>(name[0] - 'a' + 'A')));
  }
  WriteArchive(zip, ArchiveFormat::Zip, {FileItem("a.jpg", "new A"), FileItem("d.jpg", "D")});
  EXPECT_EQ(ReadAll(ExtractArchiveEntry(JoinPath(zip, "d.jpg"), f.temp).Path()), "D");
  EXPECT_EQ(ReadAll(ExtractArchiveEntry(JoinPath(zip, "a.jpg"), f.temp).Path()), "new A");
  EXPECT_EQ(ExtractArchiveEntry(JoinPath(zip, "b.jpg"), f.temp).Status(), ArchiveCopyStatus::EntryUnreadable);
}

TEST(ArchiveFolders, AMissingEntryIsUnreadableWithoutBlamingTheArchive) {
  ArchiveFixture f;
  const std::string zip = f.dir / "p/trip.zip";
  WriteArchive(zip, ArchiveFormat::Zip, {FileItem("a.jpg", "A")});
  EXPECT_EQ(ExtractArchiveEntry(JoinPath(zip, "b.jpg"), f.temp).Status(), ArchiveCopyStatus::EntryUnreadable);
  EXPECT_EQ(ExtractArchiveEntry(f.dir / "p/plain/a.jpg", f.temp).Status(), ArchiveCopyStatus::NotInArchive);
  EXPECT_EQ(f.ScratchFiles(), Names{});
}

TEST(ArchiveFolders, AHostileArchiveWritesNothingOutsideTheScratchFolder) {
  ArchiveFixture f;
  const std::string outside = f.dir.MakeDir("outside");
  const std::string zip = f.dir / "p/d1/hostile.zip";
  WriteArchive(zip, ArchiveFormat::Zip,
               {FileItem("../../evil.jpg", "evil"), FileItem(outside + "/x.jpg", "abs"), FileItem("..\\..\\w.jpg", "w"),
                LinkItem("link", outside), FileItem("link/through.jpg", "through"), LinkItem("l.jpg", outside + "/x.jpg"),
                FileItem("ok.jpg", "ok")});
  const std::set<std::string> before = TreeOf(f.dir.Path());

  EXPECT_EQ(ListArchiveFolder(f.temp, zip, ""), (Names{"ok.jpg"}));
  EXPECT_EQ(ListArchiveChildren(f.temp, zip, ""), (Names{"link/"}));
  EXPECT_EQ(ListArchiveFolder(f.temp, zip, "link/"), (Names{"through.jpg"}));
  for (const char* photo : {"ok.jpg", "link/through.jpg", "../../evil.jpg", "l.jpg", "..\\..\\w.jpg"}) {
    const ArchiveCopy copy = ExtractArchiveEntry(JoinPath(zip, photo), f.temp);
    if (copy.Extracted()) {
      EXPECT_EQ(fs::path(copy.Path()).parent_path().parent_path(), fs::path(ArchiveSession::In(f.temp).ScratchFolder()));
      EXPECT_FALSE(fs::is_symlink(copy.Path()));
    }
  }
  EXPECT_EQ(ReadAll(ExtractArchiveEntry(JoinPath(zip, "link/through.jpg"), f.temp).Path()), "through");

  std::set<std::string> after = TreeOf(f.dir.Path());
  for (auto it = after.begin(); it != after.end();) {
    const bool link = it->size() > 8 && it->substr(it->size() - 8) == " -> link";
    it = it->rfind("app/Temp/", 0) == 0 && !link ? after.erase(it) : std::next(it);
  }
  EXPECT_EQ(after, before);
  EXPECT_TRUE(fs::is_empty(outside));
  EXPECT_EQ(f.ScratchFiles(), Names{});
}

TEST(ArchiveFolders, CodePage932AndUtf8NamesBothReadAsText) {
  ArchiveFixture f;
  for (const ArchiveFormat format : {ArchiveFormat::Zip, ArchiveFormat::ZipCp932}) {
    const std::string zip = f.dir / (format == ArchiveFormat::Zip ? "p/utf8.zip" : "p/cp932.zip");
    WriteArchive(zip, format, {FileItem("写真/夏の海.jpg", "umi")});
    EXPECT_EQ(ListArchiveChildren(f.temp, zip, ""), (Names{"写真/"})) << zip;
    EXPECT_EQ(ListArchiveFolder(f.temp, zip, "写真/"), (Names{"夏の海.jpg"})) << zip;
    EXPECT_EQ(ReadAll(ExtractArchiveEntry(JoinPath(zip, "写真/夏の海.jpg"), f.temp).Path()), "umi");
  }
  // The code page 932 archive really holds code page 932 bytes.
  EXPECT_NE(ReadAll(f.dir / "p/cp932.zip").find("\x89\xc4\x82\xcc\x8a\x43"), std::string::npos);
}

TEST(ArchiveFolders, ADamagedOrForeignFileIsAnUnreadableArchive) {
  ArchiveFixture f;
  const std::string good = f.dir / "p/good.zip";
  WriteArchive(good, ArchiveFormat::Zip, {FileItem("a.jpg", std::string(5000, 'a')), FileItem("b.jpg", "B")});
  const std::string bytes = ReadAll(good);
  const std::string truncated = f.dir.Write("p/truncated.zip", bytes.substr(0, bytes.size() / 2));
  const std::string foreign = f.dir.Write("p/foreign.zip", "PK not really");
  const std::string empty = f.dir.Write("p/empty.zip", "");
  for (const std::string& zip : {truncated, foreign, empty}) {
    EXPECT_THROW(ListArchiveChildren(f.temp, zip, ""), EArchive) << zip;
    EXPECT_THROW(ListArchiveFolder(f.temp, zip, ""), EArchive) << zip;
    EXPECT_EQ(ExtractArchiveEntry(JoinPath(zip, "a.jpg"), f.temp).Status(), ArchiveCopyStatus::ArchiveUnreadable);
  }
  EXPECT_EQ(f.ScratchFiles(), Names{});
}

TEST(ArchiveFolders, ABombIsRefusedBeforeAnythingIsWritten) {
  ArchiveFixture f;
  const std::string& zip = testing_support::BombZip();
  ASSERT_LT(fs::file_size(zip), 10u << 20);
  EXPECT_EQ(ListArchiveFolder(f.temp, zip, ""), (Names{"bomb.jpg"}));
  EXPECT_EQ(ExtractArchiveEntry(JoinPath(zip, "bomb.jpg"), f.temp).Status(), ArchiveCopyStatus::ArchiveUnreadable);
  EXPECT_EQ(f.ScratchFiles(), Names{});
}

TEST(ArchiveFolders, NestingDeeperThanEightLevelsIsRefused) {
  ArchiveFixture f;
  std::string previous = f.dir / "build/0.zip";
  WriteArchive(previous, ArchiveFormat::Zip, {FileItem("d.jpg", "D")});
  std::string inner_path;
  for (int level = 1; level <= 9; ++level) {
    const std::string next = f.dir / ("build/" + std::to_string(level) + ".zip");
    WriteArchive(next, ArchiveFormat::Zip, {FileItem("n.zip", ReadAll(previous))});
    previous = next;
    inner_path += "n.zip/";
  }
  // Eight levels in: the photo is there.
  EXPECT_EQ(ListArchiveChildren(f.temp, previous, inner_path.substr(0, 8 * 6)), (Names{"n.zip"}));
  EXPECT_THROW(ListArchiveFolder(f.temp, previous, inner_path), EArchive);
}

TEST(ArchiveFolders, MoreThanAHundredThousandEntriesAreRefused) {
  ArchiveFixture f;
  std::vector<testing_support::ArchiveItem> items;
  for (std::size_t i = 0; i <= kMaxArchiveEntries; ++i) items.push_back(FileItem("f" + std::to_string(i), ""));
  const std::string tar = f.dir / "p/many.tar";
  WriteArchive(tar, ArchiveFormat::Tar, items);
  EXPECT_THROW(ListArchiveFolder(f.temp, tar, ""), EArchive);
}

class OtherFormats : public testing::TestWithParam<std::pair<ArchiveFormat, const char*>> {};

TEST_P(OtherFormats, BrowseLikeZip) {
  ArchiveFixture f;
  const std::string archive = f.dir / (std::string("p/trip") + GetParam().second);
  WriteArchive(archive, GetParam().first,
               {FileItem("a.jpg", "A"), FolderItem("day1/"), FileItem("day1/b.jpg", "BB"), FileItem("x/y/c.jpg", "C")});
  EXPECT_EQ(ListArchiveFolder(f.temp, archive, ""), (Names{"a.jpg"}));
  EXPECT_EQ(ListArchiveFolder(f.temp, archive, "day1/"), (Names{"b.jpg"}));
  EXPECT_EQ(ListArchiveChildren(f.temp, archive, ""), (Names{"day1/", "x/y/"}));
  EXPECT_EQ(ReadAll(ExtractArchiveEntry(JoinPath(archive, "day1/b.jpg"), f.temp).Path()), "BB");
}

INSTANTIATE_TEST_SUITE_P(Formats, OtherFormats,
                         testing::Values(std::pair{ArchiveFormat::Zip, ".cbz"}, std::pair{ArchiveFormat::SevenZip, ".7z"},
                                         std::pair{ArchiveFormat::Tar, ".tar"},
                                         std::pair{ArchiveFormat::TarGz, ".tar.gz"},
                                         std::pair{ArchiveFormat::TarGz, ".tgz"}));

TEST(ArchiveSessions, KeepTheirScratchFolderToThemselves) {
  TempDir dir;
  const std::string temp = dir.MakeDir("Temp");
  const std::string zip = dir / "a.zip";
  WriteArchive(zip, ArchiveFormat::Zip, {FileItem("a.jpg", "A")});
  ArchiveSession one(temp);
  ArchiveSession two(temp);
  const std::string first = one.NewWorkFolder();
  const std::string second = two.NewWorkFolder();
  EXPECT_NE(one.ScratchFolder(), two.ScratchFolder());
  EXPECT_EQ(fs::path(one.ScratchFolder()).parent_path(), fs::path(temp));
  one.End();
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(fs::exists(second));
  two.Remove(dir / "a.zip");
  EXPECT_TRUE(fs::exists(zip)) << "nothing outside the scratch folder is removed";
}

}  // namespace
}  // namespace lumetta
