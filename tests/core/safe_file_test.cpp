#include "platform/safe_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace lumetta::platform {
namespace {

namespace fs = std::filesystem;
using testing_support::FileSizeLimit;
using testing_support::ReadAll;
using testing_support::TempDir;

// The names in a folder, so that a test sees every temporary file left.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

FileFault FaultOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const EFileOperation& e) {
    return e.Fault();
  }
  ADD_FAILURE() << "no EFileOperation thrown";
  return FileFault::Other;
}

void SetModified(const std::string& path, fs::file_time_type when) { fs::last_write_time(path, when); }

fs::file_time_type AnOddTime() {
  // Nanoseconds that a copy keeping only seconds would lose.
  return fs::file_time_type::clock::now() - std::chrono::hours(24 * 400) + std::chrono::nanoseconds(123456789);
}

// A second file system for moves between media, when the machine has one.
std::string OtherDevice(const TempDir& dir) {
  const fs::path shm = "/dev/shm";
  std::error_code ec;
  if (!fs::is_directory(shm, ec)) return "";
  const std::string probe = (shm / ("lumetta-safe-file-" + std::to_string(std::rand()))).string();
  if (!fs::create_directory(probe, ec)) return "";
  // Only useful when it really is another device than the test folder.
  std::ofstream(probe + "/p") << "x";
  try {
    RenameNoReplace(probe + "/p", dir / "p");
  } catch (const EFileOperation& e) {
    if (e.Fault() == FileFault::CrossDevice) return probe;
  }
  fs::remove_all(probe, ec);
  return "";
}

// Whether permissions bind this process (a root process passes them).
bool PermissionsBind(const TempDir& dir) {
  const std::string locked = dir.MakeDir("locked-probe");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  std::ofstream(locked + "/x") << "x";
  const bool bound = !fs::exists(locked + "/x");
  fs::permissions(locked, fs::perms::owner_all);
  fs::remove_all(locked);
  return bound;
}

TEST(RenameNoReplace, RenamesToAFreeName) {
  TempDir dir;
  const std::string from = dir.Write("a.jpg", "photo");
  RenameNoReplace(from, dir / "b.jpg");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"b.jpg"});
  EXPECT_EQ(ReadAll(dir / "b.jpg"), "photo");
}

TEST(RenameNoReplace, NeverReplacesAFileOrAnEmptyFolder) {
  TempDir dir;
  const std::string from = dir.Write("a.jpg", "new");
  const std::string taken = dir.Write("b.jpg", "old");
  EXPECT_EQ(FaultOf([&] { RenameNoReplace(from, taken); }), FileFault::Exists);
  EXPECT_EQ(ReadAll(from), "new");
  EXPECT_EQ(ReadAll(taken), "old");

  // rename(2) alone would silently put a folder in place of an empty one.
  const std::string folder = dir.MakeDir("f");
  const std::string empty = dir.MakeDir("g");
  EXPECT_EQ(FaultOf([&] { RenameNoReplace(folder, empty); }), FileFault::Exists);
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST(RenameNoReplace, AMissingSourceIsNotFound) {
  TempDir dir;
  EXPECT_EQ(FaultOf([&] { RenameNoReplace(dir / "none", dir / "other"); }), FileFault::NotFound);
}

TEST(RenameNoReplace, AChangeOfCaseOnACaseSensitiveMediumIsAPlainRename) {
  TempDir dir;
  dir.Write("a_jpg.lum", "edits");
  RenameNoReplace(dir / "a_jpg.lum", dir / "a_JPG.lum");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"a_JPG.lum"});
}

// Two names of one file in one folder are what a FAT card shows for two
// spellings of a name; here they are hard links, which must both survive
// a refused rename (the step through a temporary name is undone).
TEST(RenameNoReplace, TwoNamesOfOneFileAreNeverLost) {
  TempDir dir;
  const std::string a = dir.Write("a_jpg.lum", "edits");
  fs::create_hard_link(a, dir / "a_JPG.lum");
  ASSERT_TRUE(SameFile(a, dir / "a_JPG.lum"));
  EXPECT_EQ(FaultOf([&] { RenameNoReplace(a, dir / "a_JPG.lum"); }), FileFault::Exists);
  EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"a_JPG.lum", "a_jpg.lum"}));
  EXPECT_EQ(ReadAll(a), "edits");
}

TEST(SameFile, IsTrueForLinksOfOneFileOnly) {
  TempDir dir;
  const std::string a = dir.Write("a", "1");
  const std::string b = dir.Write("b", "1");
  fs::create_hard_link(a, dir / "c");
  EXPECT_TRUE(SameFile(a, dir / "c"));
  EXPECT_TRUE(SameFile(a, a));
  EXPECT_FALSE(SameFile(a, b));
  EXPECT_FALSE(SameFile(a, dir / "missing"));
}

TEST(RenameReplace, PutsTheFileInPlaceOfTheOldOne) {
  TempDir dir;
  const std::string from = dir.Write("new.dat", "new");
  const std::string to = dir.Write("old.dat", "old");
  RenameReplace(from, to);
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"old.dat"});
  EXPECT_EQ(ReadAll(to), "new");
}

TEST(RenameKeepingReplaced, PutsTheFileInPlaceAndKeepsTheOldOneBesideIt) {
  TempDir dir;
  const std::string from = dir.Write("a/x.jpg", "new");
  const std::string to = dir.Write("b/x.jpg", "old");
  const std::string kept = RenameKeepingReplaced(from, to);
  EXPECT_EQ(ReadAll(to), "new");
  EXPECT_EQ(ReadAll(kept), "old");
  EXPECT_EQ(fs::path(kept).parent_path(), fs::path(dir / "b"));
  EXPECT_EQ(fs::path(kept).filename().string().front(), '.');  // hidden, and no photo name for a scan
  EXPECT_FALSE(fs::exists(from));

  // Put back: the old file comes back under its name.
  RenameReplace(kept, to);
  EXPECT_EQ(ReadAll(to), "old");
  EXPECT_EQ(Names(dir / "b"), std::vector<std::string>{"x.jpg"});
}

TEST(RenameKeepingReplaced, AFreeNameIsAPlainRenameAndAFolderIsNeverReplaced) {
  TempDir dir;
  const std::string from = dir.Write("a/x.jpg", "new");
  EXPECT_EQ(RenameKeepingReplaced(from, dir / "b.jpg"), "");
  EXPECT_EQ(ReadAll(dir / "b.jpg"), "new");
  const std::string folder = dir.MakeDir("c.jpg");
  EXPECT_EQ(FaultOf([&] { RenameKeepingReplaced(dir / "b.jpg", folder); }), FileFault::Exists);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(ReadAll(dir / "b.jpg"), "new");
}

// Replacing a file's contents: on success the new bytes under the old name;
// when the medium fills half way, the old file as it was and no temporary.
TEST(ReplaceFileContents, ReplacesOrLeavesTheOldFileAndNoTemporary) {
  TempDir dir;
  const std::string path = dir.Write("Lumetta-ini.dat", "old settings");
  ReplaceFileContents(path, "new settings");
  EXPECT_EQ(ReadAll(path), "new settings");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"Lumetta-ini.dat"});

  const std::string large(64 * 1024, 's');
  {
    const FileSizeLimit full(10000);
    EXPECT_EQ(FaultOf([&] { ReplaceFileContents(path, large); }), FileFault::NoSpace);
  }
  EXPECT_EQ(ReadAll(path), "new settings");
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"Lumetta-ini.dat"});

  EXPECT_EQ(FaultOf([&] { ReplaceFileContents(dir / "missing/a.dat", "x"); }), FileFault::NotFound);
}

TEST(CopyFileKeepingDates, CopiesTheBytesAndTheModificationTime) {
  TempDir dir;
  std::string bytes(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 31 % 251);
  const std::string from = dir.Write("card/DSC0001.JPG", bytes);
  const auto when = AnOddTime();
  SetModified(from, when);
  const std::string to = dir.MakeDir("pc") + "/DSC0001.JPG";

  CopyFileKeepingDates(from, to);

  EXPECT_EQ(ReadAll(to), bytes);
  EXPECT_EQ(fs::last_write_time(to), when);
  EXPECT_EQ(Names(dir / "pc"), std::vector<std::string>{"DSC0001.JPG"});
  EXPECT_EQ(ReadAll(from), bytes);
}

TEST(CopyFileKeepingDates, CopiesAnEmptyFile) {
  TempDir dir;
  const std::string from = dir.Write("a/empty.jpg", "");
  CopyFileKeepingDates(from, dir.MakeDir("b") + "/empty.jpg");
  EXPECT_TRUE(fs::is_regular_file(dir / "b/empty.jpg"));
  EXPECT_EQ(fs::file_size(dir / "b/empty.jpg"), 0u);
}

TEST(CopyFileKeepingDates, RefusesAnExistingTargetUnlessToldToReplaceIt) {
  TempDir dir;
  const std::string from = dir.Write("a/x.jpg", "new");
  const std::string to = dir.Write("b/x.jpg", "old");
  EXPECT_EQ(FaultOf([&] { CopyFileKeepingDates(from, to); }), FileFault::Exists);
  EXPECT_EQ(ReadAll(to), "old");
  EXPECT_EQ(Names(dir / "b"), std::vector<std::string>{"x.jpg"});

  CopyOptions replace;
  replace.replace = true;
  CopyFileKeepingDates(from, to, replace);
  EXPECT_EQ(ReadAll(to), "new");
  EXPECT_EQ(Names(dir / "b"), std::vector<std::string>{"x.jpg"});
}

TEST(CopyFileKeepingDates, NeverCopiesAFileOntoItself) {
  TempDir dir;
  const std::string photo = dir.Write("a/x.jpg", "photo");
  fs::create_hard_link(photo, dir / "a/y.jpg");
  CopyOptions replace;
  replace.replace = true;
  EXPECT_EQ(FaultOf([&] { CopyFileKeepingDates(photo, photo, replace); }), FileFault::Exists);
  EXPECT_EQ(FaultOf([&] { CopyFileKeepingDates(photo, dir / "a/y.jpg", replace); }), FileFault::Exists);
  EXPECT_EQ(ReadAll(photo), "photo");
  EXPECT_EQ(Names(dir / "a"), (std::vector<std::string>{"x.jpg", "y.jpg"}));
}

// A card that runs full half way: the old target stays as it was and no
// temporary file is left behind.
TEST(CopyFileKeepingDates, AMediumThatRunsFullLeavesTheOldFileAndNoTemporary) {
  TempDir dir;
  const std::string from = dir.Write("a/x.jpg", std::string(1 << 20, 'n'));
  const std::string to = dir.Write("b/x.jpg", "old");
  CopyOptions full;
  full.replace = true;
  full.space_limit = 300 * 1024;
  EXPECT_EQ(FaultOf([&] { CopyFileKeepingDates(from, to, full); }), FileFault::NoSpace);
  EXPECT_EQ(ReadAll(to), "old");
  EXPECT_EQ(Names(dir / "b"), std::vector<std::string>{"x.jpg"});

  full.replace = false;
  const std::string fresh = dir.MakeDir("c") + "/x.jpg";
  EXPECT_EQ(FaultOf([&] { CopyFileKeepingDates(from, fresh, full); }), FileFault::NoSpace);
  EXPECT_TRUE(Names(dir / "c").empty());
}

// The same with the kernel refusing the write, as a full card would.
TEST(CopyFileKeepingDates, AWriteRefusedHalfWayLeavesTheOldFileAndNoTemporary) {
  TempDir dir;
  const std::string from = dir.Write("a/x.mov", std::string(3 << 20, 'n'));
  const std::string to = dir.Write("b/x.mov", "old");
  CopyOptions replace;
  replace.replace = true;
  {
    const FileSizeLimit full(1 << 20);
    EXPECT_EQ(FaultOf([&] { CopyFileKeepingDates(from, to, replace); }), FileFault::NoSpace);
  }
  EXPECT_EQ(ReadAll(to), "old");
  EXPECT_EQ(Names(dir / "b"), std::vector<std::string>{"x.mov"});
  EXPECT_EQ(fs::file_size(from), std::uint64_t{3} << 20);
}

TEST(CopyFileKeepingDates, AWriteProtectedSourceGivesAWriteProtectedCopy) {
  TempDir dir;
  const std::string from = dir.Write("a/locked.jpg", "photo");
  fs::permissions(from, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::string to = dir.MakeDir("b") + "/locked.jpg";
  CopyFileKeepingDates(from, to);
  EXPECT_EQ(fs::status(to).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_NE(fs::status(to).permissions() & fs::perms::owner_read, fs::perms::none);
}

TEST(FileCopy, CopiesInPiecesAndIsInPlaceOnlyAfterCommit) {
  TempDir dir;
  const std::string from = dir.Write("a/movie.mov", std::string(1000, 'm'));
  const std::string to = dir.MakeDir("b") + "/movie.mov";
  FileCopy copy(from, to);
  EXPECT_EQ(copy.Size(), 1000u);
  EXPECT_FALSE(copy.CopyPiece(400));
  EXPECT_EQ(copy.Copied(), 400u);
  EXPECT_FALSE(fs::exists(to));
  EXPECT_TRUE(fs::exists(copy.TemporaryPath()));
  EXPECT_EQ(fs::path(copy.TemporaryPath()).parent_path(), fs::path(dir / "b"));
  EXPECT_FALSE(copy.CopyPiece(400));
  EXPECT_TRUE(copy.CopyPiece(400));
  EXPECT_FALSE(fs::exists(to));
  copy.Commit();
  EXPECT_EQ(ReadAll(to), std::string(1000, 'm'));
  EXPECT_EQ(Names(dir / "b"), std::vector<std::string>{"movie.mov"});
}

TEST(FileCopy, AnAbandonedOrDroppedCopyLeavesNothing) {
  TempDir dir;
  const std::string from = dir.Write("a/movie.mov", std::string(1000, 'm'));
  const std::string to = dir.Write("b/movie.mov", "old");
  CopyOptions replace;
  replace.replace = true;
  {
    FileCopy copy(from, to, replace);
    EXPECT_FALSE(copy.CopyPiece(10));
    copy.Abandon();
    EXPECT_EQ(FaultOf([&] { copy.CopyPiece(10); }), FileFault::Cancelled);
    EXPECT_EQ(FaultOf([&] { copy.Commit(); }), FileFault::NotComplete);
  }
  {
    FileCopy copy(from, to, replace);
    EXPECT_FALSE(copy.CopyPiece(10));
  }
  {
    FileCopy copy(from, to, replace);
    EXPECT_TRUE(copy.CopyPiece(5000));  // complete, but never committed
  }
  EXPECT_EQ(Names(dir / "b"), std::vector<std::string>{"movie.mov"});
  EXPECT_EQ(ReadAll(to), "old");
}

TEST(FileCopy, ACommitKeepingTheReplacedFileHandsItBack) {
  TempDir dir;
  const auto when = AnOddTime();
  const std::string from = dir.Write("a/x.jpg", "new");
  SetModified(from, when);
  const std::string to = dir.Write("b/x.jpg", "old");
  CopyOptions replace;
  replace.replace = true;
  FileCopy copy(from, to, replace);
  ASSERT_TRUE(copy.CopyPiece(100));
  const std::string kept = copy.CommitKeepingReplaced();
  EXPECT_EQ(ReadAll(to), "new");
  EXPECT_EQ(fs::last_write_time(to), when);
  EXPECT_EQ(ReadAll(kept), "old");
  EXPECT_EQ(Names(dir / "b").size(), 2u);
}

TEST(FileCopy, ACommitThatFindsTheNameTakenLeavesBothFilesAsTheyWere) {
  TempDir dir;
  const std::string from = dir.Write("a/x.jpg", "new");
  const std::string to = dir.MakeDir("b") + "/x.jpg";
  FileCopy copy(from, to);
  ASSERT_TRUE(copy.CopyPiece(100));
  dir.Write("b/x.jpg", "arrived meanwhile");
  EXPECT_EQ(FaultOf([&] { copy.Commit(); }), FileFault::Exists);
  EXPECT_EQ(ReadAll(to), "arrived meanwhile");
  EXPECT_EQ(Names(dir / "b"), std::vector<std::string>{"x.jpg"});
}

TEST(MoveFileSafely, RenamesOnOneFileSystemAndNeverReplaces) {
  TempDir dir;
  const std::string from = dir.Write("a/x.jpg", "photo");
  const std::string taken = dir.Write("b/x.jpg", "other");
  EXPECT_EQ(FaultOf([&] { MoveFileSafely(from, taken); }), FileFault::Exists);
  EXPECT_EQ(MoveFileSafely(from, dir / "b/y.jpg"), MoveKind::Renamed);
  EXPECT_FALSE(fs::exists(from));
  EXPECT_EQ(ReadAll(dir / "b/y.jpg"), "photo");
  EXPECT_EQ(ReadAll(taken), "other");
}

TEST(MoveFileSafely, CopiesThenDeletesAcrossFileSystems) {
  TempDir dir;
  const std::string other = OtherDevice(dir);
  if (other.empty()) GTEST_SKIP() << "no second file system here";
  const std::string from = other + "/DSC0001.JPG";
  std::ofstream(from) << "photo";
  const auto when = AnOddTime();
  SetModified(from, when);

  EXPECT_EQ(MoveFileSafely(from, dir / "DSC0001.JPG"), MoveKind::Copied);
  EXPECT_FALSE(fs::exists(from));
  EXPECT_EQ(ReadAll(dir / "DSC0001.JPG"), "photo");
  EXPECT_EQ(fs::last_write_time(dir / "DSC0001.JPG"), when);

  // A medium that runs full keeps the source where it was.
  std::ofstream(from) << std::string(100000, 'x');
  CopyOptions full;
  full.space_limit = 1000;
  EXPECT_EQ(FaultOf([&] { MoveFileSafely(from, dir / "big.JPG", full); }), FileFault::NoSpace);
  EXPECT_EQ(fs::file_size(from), 100000u);
  EXPECT_FALSE(fs::exists(dir / "big.JPG"));
  fs::remove_all(other);
}

TEST(MoveFileSafely, ASourceThatCannotBeDeletedIsReported) {
  TempDir dir;
  if (!PermissionsBind(dir)) GTEST_SKIP() << "permissions do not bind this process";
  const std::string other = OtherDevice(dir);
  if (other.empty()) GTEST_SKIP() << "no second file system here";
  std::ofstream(other + "/x.jpg") << "photo";
  fs::permissions(other, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(FaultOf([&] { MoveFileSafely(other + "/x.jpg", dir / "x.jpg"); }), FileFault::SourceKept);
  fs::permissions(other, fs::perms::owner_all);
  EXPECT_EQ(ReadAll(dir / "x.jpg"), "photo");
  EXPECT_EQ(ReadAll(other + "/x.jpg"), "photo");
  fs::remove_all(other);
}

// The trash of the user's data folder, set for the test.
class TrashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("XDG_DATA_HOME")) saved_ = old;
    had_ = std::getenv("XDG_DATA_HOME") != nullptr;
    ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  }
  void TearDown() override {
    if (had_) {
      ::setenv("XDG_DATA_HOME", saved_.c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
  }
  TempDir dir;
  std::string saved_;
  bool had_ = false;
};

TEST_F(TrashTest, MovesTheFileIntoTheHomeTrashWithItsInformation) {
  const std::string photo = dir.Write("photos/旅 1.jpg", "photo");
  MoveToTrash(photo);
  EXPECT_FALSE(fs::exists(photo));
  EXPECT_EQ(ReadAll(dir / "data/Trash/files/旅 1.jpg"), "photo");
  const std::string info = ReadAll(dir / "data/Trash/info/旅 1.jpg.trashinfo");
  EXPECT_EQ(info.rfind("[Trash Info]\nPath=", 0), 0u) << info;
  EXPECT_NE(info.find("/photos/%E6%97%85%201.jpg\n"), std::string::npos) << info;
  EXPECT_NE(info.find("\nDeletionDate="), std::string::npos);

  // A second file of the same name gets a name of its own in the trash.
  dir.Write("photos/旅 1.jpg", "again");
  MoveToTrash(photo);
  EXPECT_EQ(ReadAll(dir / "data/Trash/files/旅 1.jpg"), "photo");
  EXPECT_EQ(ReadAll(dir / "data/Trash/files/旅 1.jpg-0001"), "again");
  EXPECT_TRUE(fs::exists(dir / "data/Trash/info/旅 1.jpg-0001.trashinfo"));
}

TEST_F(TrashTest, AKeptFileGoesToTheTrashAsTheFileItWas) {
  const std::string photo = dir.Write("photos/DSC0001.JPG", "new");
  const std::string kept = dir.Write("photos/.DSC0001.JPG.k3p7q9x2.tmp", "old");
  MoveToTrash(kept, photo);
  EXPECT_EQ(ReadAll(dir / "data/Trash/files/DSC0001.JPG"), "old");
  const std::string info = ReadAll(dir / "data/Trash/info/DSC0001.JPG.trashinfo");
  EXPECT_NE(info.find("/photos/DSC0001.JPG\n"), std::string::npos) << info;
  EXPECT_EQ(ReadAll(photo), "new");
  EXPECT_EQ(Names(dir / "photos"), std::vector<std::string>{"DSC0001.JPG"});
}

// A fresh account has no ~/.local/share yet.
TEST_F(TrashTest, MakesTheUsersDataFolderWhenItIsMissing) {
  ::setenv("XDG_DATA_HOME", (dir / "home/.local/share").c_str(), 1);
  const std::string photo = dir.Write("photos/a.jpg", "photo");
  MoveToTrash(photo);
  EXPECT_EQ(ReadAll(dir / "home/.local/share/Trash/files/a.jpg"), "photo");
}

TEST_F(TrashTest, WithoutAUsableTrashTheFileStays) {
  dir.Write("data", "a file where the data folder should be");
  const std::string photo = dir.Write("photos/a.jpg", "photo");
  EXPECT_EQ(FaultOf([&] { MoveToTrash(photo); }), FileFault::NoTrash);
  EXPECT_EQ(ReadAll(photo), "photo");
}

TEST_F(TrashTest, AFileOnAnotherMediumGoesToThatMediumsTrashNeverAcross) {
  const std::string other = OtherDevice(dir);
  if (other.empty()) GTEST_SKIP() << "no second file system here";
  const std::string name = fs::path(other).filename().string() + ".jpg";
  const std::string photo = other + "/" + name;
  std::ofstream(photo) << "photo";
  // The medium's own trash is in its top folder, beside the test's folder.
  const fs::path trash = fs::path(other).parent_path() / (".Trash-" + std::to_string(::getuid()));
  const bool trash_was_there = fs::exists(trash);
  try {
    MoveToTrash(photo);
    EXPECT_FALSE(fs::exists(photo));
    EXPECT_EQ(ReadAll((trash / "files" / name).string()), "photo");
    EXPECT_TRUE(fs::exists(trash / "info" / (name + ".trashinfo")));
    EXPECT_FALSE(fs::exists(dir / ("data/Trash/files/" + name)));
  } catch (const EFileOperation& e) {
    // A medium whose top folder this process may not write has no trash.
    EXPECT_EQ(e.Fault(), FileFault::NoTrash);
    EXPECT_EQ(ReadAll(photo), "photo");
  }
  std::error_code ec;
  fs::remove(trash / "files" / name, ec);
  fs::remove(trash / "info" / (name + ".trashinfo"), ec);
  if (!trash_was_there) fs::remove_all(trash, ec);
  fs::remove_all(other, ec);
}

}  // namespace
}  // namespace lumetta::platform
