#include "core/app/photo_file_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/library/file_operations.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_sort.h"
#include "core/library/thumb_cache_path.h"
#include "core/state/app_state.h"
#include "platform/safe_file.h"
#include "support/folder_fixture.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::FolderFixture;
using testing_support::ReadAll;
using testing_support::TempDir;

using Lines = std::vector<std::string>;

// The names in a folder, sorted; folders marked with a trailing "/".
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    names.push_back(entry.path().filename().string() + (entry.is_directory() ? "/" : ""));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A photo folder "Photos" as slot 1 with photos whose bytes name them, the
// strip's calls recorded and ShowPhoto recorded instead of decoding.
struct PhotoFolder : FolderFixture {
  PhotoFolder() {
    root = dir.MakeDir("Photos");
    UseSlot(1, root);
    state.ViewPicture.SetBitCount(24);
    state.ViewPicture.SetSize(8, -6);
    state.current.Slot = 1;
    state.hooks.ShowPhoto = [this](std::int32_t position, std::int32_t) {
      calls.push_back("show " + state.photos[position].Name);
    };
    state.hooks.RebuildTree = [this](const std::string& target) { calls.push_back("tree " + target); };
  }

  std::string Photo(const std::string& relative) { return dir.Write(relative, "photo " + relative); }

  // Writes the cached thumbnail and rotation file of a photo of slot 1.
  std::string Cache(const std::string& photo) {
    const std::string bmp = ThumbCachePath(state, 1, ParentFolder(photo), FileNameOf(photo));
    std::ofstream(bmp) << "bmp " << FileNameOf(photo);
    std::ofstream(ThumbRotationPath(bmp)) << "dat";
    return bmp;
  }
  std::string CacheOf(const std::string& photo) const {
    return JoinPath(ThumbCacheFolder(state, 1, ParentFolder(photo)), ThumbCacheFileName(FileNameOf(photo)));
  }

  // Reads the folder and shows the photo called name from it.
  void Show(const std::string& name) {
    ScanFolder(state, ui);
    const std::int32_t pos = FindPhotoPosition(state.photos, name);
    ASSERT_GT(pos, 0) << name;
    state.StripPos = pos;
    state.current = PhotoRecord{name, state.CurrentFolder, state.SlotIndex, pos, {}};
    calls.clear();
  }

  std::string root;
};

// ---------------------------------------------------------------- rename

struct NameCase {
  std::string name;
  std::vector<std::string> files;  // in the folder, besides a.jpg
  std::optional<std::string> typed;
  std::deque<int> answers;
  std::optional<std::string> result;  // the new name, or nothing
  std::vector<Lines> boxes;           // what the user was shown or asked
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class AskNewNameTest : public ::testing::TestWithParam<NameCase> {};

const Lines kPngQuestion = {"拡張子を「.png」に変更します。", "よろしいですか？"};
const Lines kExists = {"入力されたファイル名は、すでに存在して", "いますので、変更できませんでした。"};

TEST_P(AskNewNameTest, AsksRefusesOrRenames) {
  const NameCase& c = GetParam();
  PhotoFolder f;
  const std::string old_path = f.Photo("Photos/a.jpg");
  for (const std::string& name : c.files) f.Photo("Photos/" + name);
  f.ui.rename_replies = {c.typed};
  f.ui.answers = c.answers;

  EXPECT_EQ(AskNewName(f.state, f.ui, old_path), c.result);

  ASSERT_EQ(f.ui.rename_forms.size(), 1u);
  EXPECT_EQ(f.ui.rename_forms[0].OldName, "a.jpg");
  std::vector<Lines> boxes;
  for (const auto& box : f.ui.boxes) boxes.push_back(box.lines);
  EXPECT_EQ(boxes, c.boxes);
  if (c.result) {
    EXPECT_FALSE(IsRegularFile(old_path) && *c.result != "A.jpg");
    EXPECT_EQ(ReadAll(f.dir / ("Photos/" + *c.result)), "photo Photos/a.jpg");
    EXPECT_TRUE(f.state.IgnoreNextChange);
  } else {
    EXPECT_EQ(ReadAll(old_path), "photo Photos/a.jpg");
    EXPECT_FALSE(f.state.IgnoreNextChange);
  }
}

INSTANTIATE_TEST_SUITE_P(
    PhotoFileCommands, AskNewNameTest,
    ::testing::Values(
        NameCase{"no extension keeps the old one", {}, "trip", {}, "trip.jpg", {}},
        NameCase{"jpg to jpeg asks nothing", {}, "a.jpeg", {}, "a.jpeg", {}},
        NameCase{"JPE in capitals asks nothing", {}, "a.JPE", {}, "a.JPE", {}},
        NameCase{"png asks, yes", {}, "a.png", {1}, "a.png", {kPngQuestion}},
        NameCase{"png asks, no", {}, "a.png", {2}, std::nullopt, {kPngQuestion}},
        NameCase{"a question mark is refused",
                 {},
                 "a?.jpg",
                 {},
                 std::nullopt,
                 {{"ファイル名に「\\/:*?\"<>|」の文字は使用できません。"}}},
        NameCase{"a name too long for its companions is refused",
                 {},
                 std::string(248, 'x'),
                 {},
                 std::nullopt,
                 {{"入力されたファイル名が長すぎます。", "（拡張子を含めて半角247文字までにしてください）"}}},
        NameCase{"the longest name taken", {}, std::string(243, 'x'), {}, std::string(243, 'x') + ".jpg", {}},
        NameCase{"cancelled", {}, std::nullopt, {}, std::nullopt, {}},
        NameCase{"empty", {}, "", {}, std::nullopt, {}},
        NameCase{"the same name", {}, "a", {}, std::nullopt, {}},
        NameCase{"a name taken", {"b.jpg"}, "b", {}, std::nullopt, {kExists}},
        NameCase{"a name taken in another case", {"B.JPG"}, "b.jpg", {}, std::nullopt, {kExists}},
        NameCase{"a change of case only", {}, "A", {}, "A.jpg", {}}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return "case" + std::to_string(info.index); });

TEST(AskNewName, TheEditedFilesAndCachedThumbnailsFollowThePhoto) {
  PhotoFolder f;
  const std::string photo = f.Photo("Photos/IMG_0001.JPG");
  for (const char* name : {"IMG_0001_jpg.lum", "IMG_0001_jpg-001.lum", "IMG_0001_JPG-002.lum", "IMG_0001_jpg-020.lum",
                           "IMG_0002_JPG.lum"}) {
    f.dir.Write(std::string("Photos/") + name, name);
  }
  const std::string photo_cache = f.Cache(photo);
  const std::string edited_cache = f.Cache(f.dir / "Photos/IMG_0001_jpg.lum");
  f.ui.rename_replies = {"trip"};

  EXPECT_EQ(AskNewName(f.state, f.ui, photo), "trip.JPG");

  EXPECT_EQ(Names(f.root), (std::vector<std::string>{"IMG_0002_JPG.lum", "trip.JPG", "trip_JPG-001.lum",
                                                     "trip_JPG-002.lum", "trip_JPG-020.lum", "trip_JPG.lum"}));
  EXPECT_EQ(ReadAll(f.dir / "Photos/trip.JPG"), "photo Photos/IMG_0001.JPG");
  EXPECT_EQ(ReadAll(f.dir / "Photos/trip_JPG-020.lum"), "IMG_0001_jpg-020.lum");
  EXPECT_EQ(Names(ParentFolder(photo_cache)),
            (std::vector<std::string>{"trip_JPG.bmp", "trip_JPG.dat", "trip_JPG_lum.bmp", "trip_JPG_lum.dat"}));
  EXPECT_EQ(ReadAll(f.CacheOf(f.dir / "Photos/trip.JPG")), "bmp IMG_0001.JPG");
  EXPECT_EQ(ReadAll(f.CacheOf(f.dir / "Photos/trip_JPG.lum")), "bmp IMG_0001_jpg.lum");
  (void)edited_cache;
}

TEST(AskNewName, ARenameTheFileSystemRefusesShowsTheFourLinesAndChangesNothing) {
  PhotoFolder f;
  const std::string photo = f.Photo("Photos/a.jpg");
  f.dir.Write("Photos/a_jpg-002.lum", "edits");
  fs::remove(photo);  // gone behind the program's back
  f.ui.rename_replies = {"b"};

  EXPECT_EQ(AskNewName(f.state, f.ui, photo), std::nullopt);

  EXPECT_EQ(f.ui.LastLines(), kRenameFailedLines);
  EXPECT_EQ(Names(f.root), std::vector<std::string>{"a_jpg-002.lum"});
}

TEST(AskNewName, AnEditedFileWhoseNewNameIsTakenStaysAsItWas) {
  PhotoFolder f;
  const std::string photo = f.Photo("Photos/a.jpg");
  f.dir.Write("Photos/a_jpg-001.lum", "mine");
  f.dir.Write("Photos/b_JPG-001.LUM", "someone else's");
  f.dir.Write("Photos/a_jpg-002.lum", "mine too");
  f.ui.rename_replies = {"b.JPG"};

  EXPECT_EQ(AskNewName(f.state, f.ui, photo), "b.JPG");

  EXPECT_EQ(ReadAll(f.dir / "Photos/b_JPG-001.LUM"), "someone else's");
  EXPECT_EQ(ReadAll(f.dir / "Photos/a_jpg-001.lum"), "mine");
  EXPECT_EQ(ReadAll(f.dir / "Photos/b_JPG-002.lum"), "mine too");
}

TEST(RenameMenuClick, RenamesTheShownPhotoAndMovesTheStripPastIt) {
  PhotoFolder f;
  f.Photo("Photos/a.jpg");
  f.Photo("Photos/c.jpg");
  f.Photo("Photos/e.jpg");
  f.Show("a.jpg");
  f.ui.rename_replies = {"d"};

  RenameMenuClick(f.state, f.ui);

  EXPECT_EQ(f.state.current.Name, "d.jpg");
  EXPECT_EQ(f.state.current.Pos, 2);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"strip 1", "show c.jpg"}));
}

TEST(RenameMenuClick, AnEditedFileHandsOverToItsDialogAndRenamesItsSourceOn99) {
  PhotoFolder f;
  f.Photo("Photos/IMG_0001.JPG");
  f.dir.Write("Photos/IMG_0001_jpg.lum", "edits");
  f.dir.Write("Photos/IMG_0001_jpg-003.lum", "variant");
  f.Show("IMG_0001_jpg.lum");
  int dialogs = 0;
  f.ui.rename_replies = {"trip.Jpg"};
  f.ui.answers = {1};  // not asked: .Jpg and .JPG agree

  RenameMenuClick(f.state, f.ui, [&] {
    ++dialogs;
    return 99;
  });

  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(f.ui.rename_forms.at(0).OldName, "IMG_0001.JPG");
  EXPECT_EQ(f.state.current.Name, "trip_Jpg.lum");
  EXPECT_EQ(Names(f.root), (std::vector<std::string>{"trip.Jpg", "trip_Jpg-003.lum", "trip_Jpg.lum"}));

  // Any other answer of the dialog leaves the source alone.
  f.Show("trip_Jpg.lum");
  RenameMenuClick(f.state, f.ui, [] { return 1; });
  EXPECT_EQ(f.ui.rename_forms.size(), 1u);
}

// ---------------------------------------------------------------- refusals

struct RefusalCase {
  std::string name;
  bool rename;  // F2, else Del
  std::function<void(PhotoFolder&)> arrange;
  Lines lines;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, ShowsItsMessageAndTouchesNothing) {
  const RefusalCase& c = GetParam();
  PhotoFolder f;
  f.Photo("Photos/a.jpg");
  f.Show("a.jpg");
  c.arrange(f);
  if (c.rename) {
    RenameMenuClick(f.state, f.ui);
  } else {
    DeleteMenuClick(f.state, f.ui);
  }
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].kind, testing_support::FakeUi::Box::Message);
  EXPECT_EQ(f.ui.boxes[0].lines, c.lines);
  EXPECT_TRUE(f.ui.rename_forms.empty());
  EXPECT_TRUE(f.ui.trashed.empty());
  EXPECT_EQ(ReadAll(f.dir / "Photos/a.jpg"), "photo Photos/a.jpg");
}

const auto kNoPhoto = [](PhotoFolder& f) { f.state.current.Name.clear(); };
const auto kPanorama = [](PhotoFolder& f) { f.state.PanoramaMode = PanoramaKind::Pair; };
const auto kArchive = [](PhotoFolder& f) { f.state.CurrentFolder = f.dir / "Photos/x.zip/inner"; };

INSTANTIATE_TEST_SUITE_P(
    PhotoFileCommands, RefusalTest,
    ::testing::Values(
        RefusalCase{"del, no photo", false, kNoPhoto,
                    {"このメニューは、現在表示されている写真を", "ごみ箱へ移動するときに使います。"}},
        RefusalCase{"del, panorama", false, kPanorama,
                    {"パノラマモード時には、写真ファイルの削除を", "行うことができません。",
                     "「削除したい写真」をダブルクリックして", "パノラマモードを解除してください。"}},
        RefusalCase{"del, archive", false, kArchive, {"書庫(ZIP)ファイル内の写真は", "削除することができません。"}},
        RefusalCase{"f2, no photo", true, kNoPhoto,
                    {"このメニューは、現在表示されている写真の", "ファイル名を変更するときに使います。"}},
        RefusalCase{"f2, panorama", true, kPanorama,
                    {"パノラマモード時には、ファイル名の変更を", "行うことができません。",
                     "「ファイル名を変更したい写真」をダブルクリックして", "パノラマモードを解除してください。"}},
        RefusalCase{"f2, archive", true, kArchive,
                    {"書庫(ZIP)ファイル内の写真は", "ファイル名を変更することができません。"}}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return "case" + std::to_string(info.index); });

// ---------------------------------------------------------------- trash

TEST(DeleteMenuClick, APhotoGoesToTheTrashWithItsVariantsAndCacheAndTheNextOneShows) {
  PhotoFolder f;
  const std::string photo = f.Photo("Photos/IMG_0001.JPG");
  f.dir.Write("Photos/IMG_0001_JPG-002.lum", "edits");
  f.dir.Write("Photos/IMG_0001_jpg-030.lum", "edits");
  f.Photo("Photos/b.jpg");
  const std::string cache = f.Cache(photo);
  f.Show("IMG_0001.JPG");
  f.ui.answers = {1};

  DeleteMenuClick(f.state, f.ui);

  EXPECT_EQ(f.ui.boxes.at(0).lines, (Lines{"現在表示されている写真", "「IMG_0001.JPG」", "をごみ箱へ移動します。"}));
  EXPECT_EQ(f.ui.trashed, (std::vector<std::string>{photo, f.dir / "Photos/IMG_0001_JPG-002.lum",
                                                    f.dir / "Photos/IMG_0001_jpg-030.lum"}));
  EXPECT_EQ(Names(f.root), std::vector<std::string>{"b.jpg"});
  EXPECT_FALSE(PathExists(cache));
  EXPECT_TRUE(f.state.IgnoreNextChange);
  EXPECT_EQ(f.state.photos.PhotoCount, 1);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"strip 1", "show b.jpg"}));
}

TEST(DeleteMenuClick, AnEditedFileGoesAloneAndItsPhotoIsListedAgain) {
  PhotoFolder f;
  f.Photo("Photos/IMG_0001.JPG");
  f.dir.Write("Photos/IMG_0001_jpg.lum", "edits");
  f.dir.Write("Photos/IMG_0001_jpg-002.lum", "variant");
  f.Show("IMG_0001_jpg.lum");
  f.ui.answers = {1};

  DeleteMenuClick(f.state, f.ui);

  EXPECT_EQ(f.ui.boxes.at(0).lines, (Lines{"現在表示されている写真の", "Lumetta形式ファイル IMG_0001_jpg.lum",
                                           "をごみ箱へ移動します。", "（元の写真ファイルは残ります）"}));
  EXPECT_EQ(f.ui.trashed, std::vector<std::string>{f.dir / "Photos/IMG_0001_jpg.lum"});
  EXPECT_EQ(Names(f.root), (std::vector<std::string>{"IMG_0001.JPG", "IMG_0001_jpg-002.lum"}));
  // The photo is listed again, beside its variant.
  ASSERT_EQ(f.state.photos.PhotoCount, 2);
  EXPECT_GT(FindPhotoPosition(f.state.photos, "IMG_0001.JPG"), 0);
  EXPECT_GT(FindPhotoPosition(f.state.photos, "IMG_0001_jpg-002.lum"), 0);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"strip 1", "show " + f.state.photos[f.state.StripPos].Name}));
}

TEST(DeleteMenuClick, ATrashThatRefusesIsReportedAndNothingIsDeleted) {
  PhotoFolder f;
  f.Photo("Photos/a.jpg");
  f.dir.Write("Photos/a_jpg-001.lum", "edits");
  f.Show("a.jpg");
  f.ui.answers = {1};
  f.ui.trash_refuses = true;

  DeleteMenuClick(f.state, f.ui);

  EXPECT_EQ(f.ui.LastLines(), kTrashFailedLines);
  EXPECT_EQ(Names(f.root), (std::vector<std::string>{"a.jpg", "a_jpg-001.lum"}));
  EXPECT_EQ(f.state.current.Name, "a.jpg");
  EXPECT_FALSE(f.state.IgnoreNextChange);
}

TEST(DeleteMenuClick, NoKeepsEverything) {
  PhotoFolder f;
  f.Photo("Photos/a.jpg");
  f.Show("a.jpg");
  f.ui.answers = {2};
  DeleteMenuClick(f.state, f.ui);
  EXPECT_TRUE(f.ui.trashed.empty());
  EXPECT_EQ(f.state.current.Name, "a.jpg");
}

// ---------------------------------------------------------------- move

struct DropCase {
  std::string name;
  std::vector<std::string> in_target;  // files already in Photos/sub
  bool onto_own_folder;
  Lines message;
};

void PrintTo(const DropCase& c, std::ostream* os) { *os << c.name; }

class DropRefusalTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropRefusalTest, ShowsItsMessageAndMovesNothing) {
  const DropCase& c = GetParam();
  PhotoFolder f;
  f.Photo("Photos/a.jpg");
  const std::string sub = f.dir.MakeDir("Photos/sub");
  for (const std::string& name : c.in_target) f.dir.Write("Photos/sub/" + name, "other");
  f.Show("a.jpg");

  DropStripCellOnTree(f.state, f.ui, 1, c.onto_own_folder ? f.root : sub);

  EXPECT_EQ(f.ui.LastLines(), c.message);
  EXPECT_EQ(ReadAll(f.dir / "Photos/a.jpg"), "photo Photos/a.jpg");
  EXPECT_FALSE(f.state.IgnoreNextChange);
}

INSTANTIATE_TEST_SUITE_P(
    PhotoFileCommands, DropRefusalTest,
    ::testing::Values(DropCase{"own folder", {}, true, {"移動元と移動先のフォルダが同じです。"}},
                      DropCase{"name taken",
                               {"a.jpg"},
                               false,
                               {"移動先に、すでに同名のファイルが存在", "していますので、移動できませんでした。"}},
                      DropCase{"name taken in another case",
                               {"A.JPG"},
                               false,
                               {"移動先に、すでに同名のファイルが存在", "していますので、移動できませんでした。"}}),
    [](const ::testing::TestParamInfo<DropCase>& info) { return "case" + std::to_string(info.index); });

TEST(MoveToTreeNode, ArchivesAreRefusedBothWays) {
  PhotoFolder f;
  const std::string photo = f.Photo("Photos/a.jpg");
  EXPECT_FALSE(MoveToTreeNode(f.state, f.ui, f.dir / "Photos/x.zip/a.jpg", f.root, false));
  EXPECT_EQ(f.ui.LastLines(), Lines{"書庫ファイル内の写真は移動することができません。"});
  EXPECT_FALSE(MoveToTreeNode(f.state, f.ui, photo, f.dir / "Photos/x.zip/inner", false));
  EXPECT_EQ(f.ui.LastLines(), Lines{"書庫ファイル内へは移動することができません。"});
  EXPECT_EQ(ReadAll(photo), "photo Photos/a.jpg");
}

TEST(DropStripCellOnTree, MovesThePhotoWithItsEditedFilesAndCacheAndReadsTheListAgain) {
  PhotoFolder f;
  const std::string photo = f.Photo("Photos/IMG_0001.JPG");
  f.dir.Write("Photos/IMG_0001_JPG-002.lum", "edits 2");
  f.dir.Write("Photos/IMG_0001_JPG-020.lum", "edits 20");
  f.Photo("Photos/b.jpg");
  const std::string sub = f.dir.MakeDir("Photos/sub");
  f.Cache(photo);
  f.Show("b.jpg");

  DropStripCellOnTree(f.state, f.ui, FindPhotoPosition(f.state.photos, "IMG_0001.JPG"), sub);

  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(Names(sub), (std::vector<std::string>{"IMG_0001.JPG", "IMG_0001_JPG-002.lum", "IMG_0001_JPG-020.lum"}));
  EXPECT_EQ(Names(f.root), (std::vector<std::string>{"b.jpg", "sub/"}));
  EXPECT_EQ(ReadAll(sub + "/IMG_0001.JPG"), "photo Photos/IMG_0001.JPG");
  EXPECT_EQ(ReadAll(f.CacheOf(sub + "/IMG_0001.JPG")), "bmp IMG_0001.JPG");
  EXPECT_FALSE(PathExists(f.CacheOf(photo)));
  EXPECT_TRUE(f.state.IgnoreNextChange);
  EXPECT_EQ(f.state.photos.PhotoCount, 1);
  EXPECT_EQ(f.state.current.Name, "b.jpg");  // another photo was on show
  EXPECT_EQ(f.calls, std::vector<std::string>{"strip 1"});
}

TEST(DropViewOnTree, AnEditedFileAsksAndMovesItsSourcePhotoWithAllItsEditedFiles) {
  PhotoFolder f;
  f.Photo("Photos/IMG_0001.JPG");
  f.dir.Write("Photos/IMG_0001_jpg.lum", "edits");
  f.dir.Write("Photos/IMG_0001_jpg-002.lum", "variant");
  f.Photo("Photos/b.jpg");
  const std::string sub = f.dir.MakeDir("Photos/sub");
  f.Show("IMG_0001_jpg.lum");
  f.ui.answers = {1};

  DropViewOnTree(f.state, f.ui, sub);

  EXPECT_EQ(f.ui.boxes.at(0).lines,
            (Lines{"現在表示されている写真は、", "Lumetta形式ファイル「IMG_0001_jpg.lum」", "です。",
                   "元の写真ファイル「IMG_0001.JPG」", "と、その写真のLumetta形式ファイルも", "全ていっしょに移動します。"}));
  EXPECT_EQ(Names(sub), (std::vector<std::string>{"IMG_0001.JPG", "IMG_0001_JPG-002.lum", "IMG_0001_JPG.lum"}));
  EXPECT_EQ(ReadAll(sub + "/IMG_0001_JPG.lum"), "edits");
  EXPECT_TRUE(f.state.current.Name.empty());
  EXPECT_EQ(f.calls, (std::vector<std::string>{"strip 1", "show b.jpg"}));
}

TEST(DropViewOnTree, NoLeavesEverythingWhereItWas) {
  PhotoFolder f;
  f.Photo("Photos/IMG_0001.JPG");
  f.dir.Write("Photos/IMG_0001_jpg.lum", "edits");
  const std::string sub = f.dir.MakeDir("Photos/sub");
  f.Show("IMG_0001_jpg.lum");
  f.ui.answers = {2};
  DropViewOnTree(f.state, f.ui, sub);
  EXPECT_TRUE(Names(sub).empty());
  EXPECT_EQ(f.state.current.Name, "IMG_0001_jpg.lum");
}

// A second file system for moves between media, when the machine has one.
std::string OtherDevice(const TempDir& dir) {
  std::error_code ec;
  if (!fs::is_directory("/dev/shm", ec)) return "";
  const std::string probe = "/dev/shm/lumetta-move-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                            "-" + std::to_string(std::rand());
  if (!fs::create_directory(probe, ec)) return "";
  std::ofstream(probe + "/p") << "x";
  try {
    platform::RenameNoReplace(probe + "/p", dir / "p");
  } catch (const platform::EFileOperation& e) {
    if (e.Fault() == platform::FileFault::CrossDevice) {
      fs::remove(probe + "/p", ec);
      return probe;
    }
  }
  fs::remove_all(probe, ec);
  fs::remove(dir / "p", ec);
  return "";
}

struct ReadOnlyCase {
  std::string name;
  bool across;
};

class ReadOnlyMoveTest : public ::testing::TestWithParam<ReadOnlyCase> {};

TEST_P(ReadOnlyMoveTest, GivesAWritableCopyWithTheSameTime) {
  TempDir dir;
  std::string from_folder = dir.MakeDir("from");
  std::string other;
  if (GetParam().across) {
    other = OtherDevice(dir);
    if (other.empty()) GTEST_SKIP() << "no second file system here";
    from_folder = other;
  }
  const std::string from = from_folder + "/DSC0001.JPG";
  std::ofstream(from) << "photo bytes";
  const auto when = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400) + std::chrono::nanoseconds(1234567);
  fs::last_write_time(from, when);
  fs::permissions(from, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  AppState state;
  const std::string to = dir.MakeDir("to") + "/DSC0001.JPG";

  MovePhotoFiles(state, 0, from, to);

  EXPECT_FALSE(PathExists(from));
  EXPECT_EQ(ReadAll(to), "photo bytes");
  EXPECT_EQ(fs::last_write_time(to), when);
  EXPECT_NE(fs::status(to).permissions() & fs::perms::owner_write, fs::perms::none);
  if (!other.empty()) fs::remove_all(other);
}

INSTANTIATE_TEST_SUITE_P(PhotoFileCommands, ReadOnlyMoveTest,
                         ::testing::Values(ReadOnlyCase{"same file system", false},
                                           ReadOnlyCase{"across file systems", true}),
                         [](const ::testing::TestParamInfo<ReadOnlyCase>& info) { return info.param.across ? "across" : "same"; });

// Across file systems, the target folder fails after the photo arrived:
// every file is in one defined place, complete, and no temporary is left.
struct HalfWayCase {
  std::string name;
  bool read_only;  // the folder turns read-only; else it is taken away
};

class HalfWayMoveTest : public ::testing::TestWithParam<HalfWayCase> {};

TEST_P(HalfWayMoveTest, LeavesEveryFileInADefinedPlace) {
  TempDir dir;
  const std::string other = OtherDevice(dir);
  if (other.empty()) GTEST_SKIP() << "no second file system here";
  if (GetParam().read_only && ::geteuid() == 0) {
    fs::remove_all(other);
    GTEST_SKIP() << "permissions do not bind this process";
  }
  std::ofstream(other + "/a.jpg") << "photo";
  std::ofstream(other + "/a_jpg.lum") << "edits";
  std::ofstream(other + "/a_jpg-007.lum") << "variant";
  const std::string target = dir.MakeDir("to");
  const std::string moved_away = dir / "elsewhere";
  AppState state;
  int arrivals = 0;

  const PhotoFilesOutcome outcome =
      MovePhotoFiles(state, 0, other + "/a.jpg", target + "/a.jpg", [&](const PhotoFilesOutcome::Step&) {
        if (++arrivals != 1) return;
        if (GetParam().read_only) {
          fs::permissions(target, fs::perms::owner_read | fs::perms::owner_exec);
        } else {
          fs::rename(target, moved_away);
        }
      });

  const std::string landed = GetParam().read_only ? target : moved_away;
  if (GetParam().read_only) fs::permissions(target, fs::perms::owner_all);
  ASSERT_EQ(outcome.Moved.size(), 1u);
  EXPECT_EQ(outcome.Left, (std::vector<std::string>{other + "/a_jpg.lum", other + "/a_jpg-007.lum"}));
  EXPECT_EQ(Names(landed), std::vector<std::string>{"a.jpg"});
  EXPECT_EQ(ReadAll(landed + "/a.jpg"), "photo");
  EXPECT_EQ(Names(other), (std::vector<std::string>{"a_jpg-007.lum", "a_jpg.lum"}));
  EXPECT_EQ(ReadAll(other + "/a_jpg.lum"), "edits");
  fs::remove_all(other);
}

INSTANTIATE_TEST_SUITE_P(PhotoFileCommands, HalfWayMoveTest,
                         ::testing::Values(HalfWayCase{"read-only", true}, HalfWayCase{"taken away", false}),
                         [](const ::testing::TestParamInfo<HalfWayCase>& info) {
                           return info.param.read_only ? "read_only" : "taken_away";
                         });

}  // namespace
}  // namespace lumetta
