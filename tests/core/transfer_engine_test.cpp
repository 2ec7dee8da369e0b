#include "core/transfer/transfer_engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/base/paths.h"
#include "support/fake_ui.h"
#include "support/file_dates.h"
#include "support/folder_fixture.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::FakeUi;
using testing_support::FolderFixture;
using testing_support::LocalTime;
using testing_support::ReadAll;
using testing_support::SetLocalDate;

// Every file below a folder with its bytes, by path relative to it.
std::map<std::string, std::string> FilesIn(const std::string& folder) {
  std::map<std::string, std::string> files;
  if (!fs::exists(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string relative = fs::relative(entry.path(), folder).string();
    files[relative] = entry.is_regular_file() ? ReadAll(entry.path().string()) : std::string("<dir>");
  }
  return files;
}

std::string Photo(char seed, std::size_t size = 5000) {
  std::string bytes(size, '\0');
  bytes[0] = static_cast<char>(0xFF);
  bytes[1] = static_cast<char>(0xD8);
  for (std::size_t i = 2; i < size; ++i) bytes[i] = static_cast<char>(seed + i * 7);
  return bytes;
}

// A camera card with DSC0001.JPG of 2001-06-28, DSC0002.JPG of 2001-06-29
// and MOV0003.AVI of 2001-06-29, and an empty folder on the PC.
struct CardFixture : FolderFixture {
  CardFixture() {
    card = dir.MakeDir("card/DCIM/100CAMERA");
    pc = dir.MakeDir("Photos");
    SetLocalDate(dir.Write("card/DCIM/100CAMERA/DSC0001.JPG", Photo('a')), 2001, 6, 28);
    SetLocalDate(dir.Write("card/DCIM/100CAMERA/DSC0002.JPG", Photo('b')), 2001, 6, 29, 9);
    SetLocalDate(dir.Write("card/DCIM/100CAMERA/MOV0003.AVI", Photo('c', 20000)), 2001, 6, 29, 10);
    card_before = FilesIn(card);
  }

  TransferRequest Request(TransferOptions options = {}) const {
    TransferRequest r;
    r.Direction = TransferDirection::CameraToPc;
    r.Source = card;
    r.Destination = pc;
    r.Options = options;
    return r;
  }

  // Runs a whole transfer through the fake progress window; every file it
  // reports is listed.
  TransferEngine& Run(const TransferRequest& request) {
    engine = std::make_unique<TransferEngine>(state, ui, request);
    engine->OnFile = [this](const FileReport& r) { reports.push_back(r); };
    engine->SpaceLimit = space_limit;
    ui.RunTransferProgress(*engine);
    return *engine;
  }

  std::string card;
  std::string pc;
  std::map<std::string, std::string> card_before;
  std::unique_ptr<TransferEngine> engine;
  std::vector<FileReport> reports;
  std::uint64_t space_limit = platform::CopyOptions{}.space_limit;
};

TEST(TransferEngine, CopiesIntoDateFoldersKeepingBytesAndTimes) {
  CardFixture f;
  TransferEngine& engine = f.Run(f.Request({false, true, true}));

  EXPECT_EQ(engine.Total(), 3);
  EXPECT_EQ(engine.Transferred(), 3);
  EXPECT_FALSE(engine.Failed());
  const std::map<std::string, std::string> expected = {
      {"01-0628", "<dir>"},
      {"01-0628/DSC0001.JPG", Photo('a')},
      {"01-0629", "<dir>"},
      {"01-0629/DSC0002.JPG", Photo('b')},
      {"01-0629/MOV0003.AVI", Photo('c', 20000)},
  };
  EXPECT_EQ(FilesIn(f.pc), expected);
  EXPECT_EQ(fs::last_write_time(f.pc + "/01-0628/DSC0001.JPG"), LocalTime(2001, 6, 28));
  EXPECT_EQ(fs::last_write_time(f.pc + "/01-0629/MOV0003.AVI"), LocalTime(2001, 6, 29, 10));
  EXPECT_EQ(FilesIn(f.card), f.card_before);  // the card is never written
  ASSERT_TRUE(engine.First());
  EXPECT_EQ(engine.First()->Record, f.pc + "/01-0628/DSC0001.JPG");
  EXPECT_EQ(f.ui.count_texts, (std::vector<std::string>{"あと３枚です 「DSC0001.JPG」を転送",
                                                        "あと２枚です 「DSC0002.JPG」を転送",
                                                        "あと１枚です 「MOV0003.AVI」を転送"}));
  EXPECT_EQ(f.ui.percents, (std::vector<std::int32_t>{0, 33, 100}));
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(TransferEngine, LeavesMoviesOutOfTheListWithoutTheMovieOption) {
  CardFixture f;
  TransferEngine& engine = f.Run(f.Request({false, false, true}));
  EXPECT_EQ(engine.Total(), 2);
  EXPECT_FALSE(fs::exists(f.pc + "/01-0629/MOV0003.AVI"));
  EXPECT_TRUE(fs::exists(f.pc + "/01-0629/DSC0002.JPG"));
}

TEST(TransferEngine, WithoutDateFoldersCopiesIntoTheFolderAndRemembersTheFirstName) {
  CardFixture f;
  f.state.settings.SortMode = SortKey::Name;
  TransferEngine& engine = f.Run(f.Request({false, true, false}));
  EXPECT_EQ(FilesIn(f.pc).size(), 3u);
  EXPECT_EQ(ReadAll(f.pc + "/DSC0002.JPG"), Photo('b'));
  ASSERT_TRUE(engine.First());
  EXPECT_EQ(engine.First()->Record, "DSC0001.JPG");
}

TEST(TransferEngine, ALaterPhotoWithASmallerKeyTakesTheFirstRecordAMovieNever) {
  CardFixture f;
  // A movie comes first in name order; DSC0001 is older and takes its place,
  // MOV0003 never does, and ZZZ.JPG is older still.
  SetLocalDate(f.dir.Write("card/DCIM/100CAMERA/AAA.MOV", "movie"), 2001, 6, 30);
  SetLocalDate(f.card + "/MOV0003.AVI", 2001, 6, 1);
  SetLocalDate(f.dir.Write("card/DCIM/100CAMERA/ZZZ.JPG", Photo('z')), 2001, 6, 27);
  TransferEngine& engine = f.Run(f.Request({false, true, true}));
  ASSERT_TRUE(engine.First());
  EXPECT_EQ(engine.First()->Record, f.pc + "/01-0627/ZZZ.JPG");
}

TEST(TransferEngine, SkipsWriteProtectedFilesUnlessAskedToTransferThem) {
  CardFixture f;
  fs::permissions(f.card + "/DSC0002.JPG", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  f.Run(f.Request({false, true, true}));
  EXPECT_FALSE(fs::exists(f.pc + "/01-0629/DSC0002.JPG"));
  EXPECT_EQ(f.reports[1].Outcome, FileOutcome::SkippedReadOnly);

  CardFixture g;
  fs::permissions(g.card + "/DSC0002.JPG", fs::perms::owner_write, fs::perm_options::remove);
  g.Run(g.Request({true, true, true}));
  EXPECT_EQ(ReadAll(g.pc + "/01-0629/DSC0002.JPG"), Photo('b'));
}

// The camera's files arrive where the PC holds older ones of the same names.
struct DuplicatesFixture : CardFixture {
  DuplicatesFixture() {
    for (const char* name : {"DSC0001.JPG", "DSC0002.JPG", "MOV0003.AVI"}) dir.Write(std::string("Photos/") + name, "old");
  }
};

TEST(TransferEngine, OverwriteAllIsAskedOnceAndOldFilesGoToTheTrashAfterTheirCopies) {
  DuplicatesFixture f;
  f.ui.answers = {4};
  f.Run(f.Request({false, true, false}));
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].kind, FakeUi::Box::Choice);
  EXPECT_EQ(f.ui.boxes[0].lines[1], "「DSC0001.JPG」");
  EXPECT_EQ(f.ui.boxes[0].captions, OverwriteCaptions());
  EXPECT_EQ(f.ui.trashed, (std::vector<std::string>{f.pc + "/DSC0001.JPG", f.pc + "/DSC0002.JPG", f.pc + "/MOV0003.AVI"}));
  EXPECT_EQ(ReadAll(f.pc + "/DSC0001.JPG"), Photo('a'));
  EXPECT_EQ(ReadAll(f.pc + "/MOV0003.AVI"), Photo('c', 20000));
  EXPECT_EQ(FilesIn(f.pc).size(), 3u);  // no temporary file left
}

TEST(TransferEngine, NoToAllIsAskedOnceAndKeepsEveryFile) {
  DuplicatesFixture f;
  f.ui.answers = {3};
  TransferEngine& engine = f.Run(f.Request({false, true, false}));
  EXPECT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_TRUE(f.ui.trashed.empty());
  EXPECT_EQ(engine.Transferred(), 0);
  for (const auto& [name, bytes] : FilesIn(f.pc)) EXPECT_EQ(bytes, "old") << name;
}

TEST(TransferEngine, OneAnswerAtATimeAsksAgainForTheNextFile) {
  DuplicatesFixture f;
  f.ui.answers = {2, 1, 0};  // 上書き, いいえ, Esc
  f.Run(f.Request({false, true, false}));
  EXPECT_EQ(f.ui.boxes.size(), 3u);
  EXPECT_EQ(ReadAll(f.pc + "/DSC0001.JPG"), Photo('a'));
  EXPECT_EQ(ReadAll(f.pc + "/DSC0002.JPG"), "old");
  EXPECT_EQ(ReadAll(f.pc + "/MOV0003.AVI"), "old");
}

TEST(TransferEngine, AnExistingNameInAnotherCaseIsTheSameFile) {
  CardFixture f;
  f.dir.Write("Photos/dsc0001.jpg", "old");
  f.ui.answers = {2};
  f.Run(f.Request({false, false, false}));
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.trashed, (std::vector<std::string>{f.pc + "/dsc0001.jpg"}));
  EXPECT_EQ(ReadAll(f.pc + "/DSC0001.JPG"), Photo('a'));
  EXPECT_FALSE(fs::exists(f.pc + "/dsc0001.jpg"));
}

// A card that runs full in the middle of a file: the old file stays, no
// temporary file is left, the message says so and the run ends.
TEST(TransferEngine, ACopyFailingHalfWayLeavesTheOldFileAndNoTemporary) {
  DuplicatesFixture f;
  f.ui.answers = {4};
  f.space_limit = 2000;
  TransferEngine& engine = f.Run(f.Request({false, true, false}));
  EXPECT_TRUE(engine.Failed());
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"ハード的なエラーが出たため", "ファイルをコピーできませんでした。",
                                                        "（容量オーバーなどが考えられます）"}));
  EXPECT_TRUE(f.ui.trashed.empty());
  for (const auto& [name, bytes] : FilesIn(f.pc)) EXPECT_EQ(bytes, "old") << name;
  EXPECT_EQ(FilesIn(f.pc).size(), 3u);
  EXPECT_EQ(engine.Remaining(), 3);
  EXPECT_EQ(FilesIn(f.card), f.card_before);
}

TEST(TransferEngine, ATrashThatRefusesKeepsTheOldFileAndEndsTheRun) {
  DuplicatesFixture f;
  f.ui.answers = {4};
  f.ui.trash_refuses = true;
  TransferEngine& engine = f.Run(f.Request({false, true, false}));
  EXPECT_TRUE(engine.Failed());
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"ハード的なエラーが出たため", "ファイルをコピーできませんでした。"}));
  EXPECT_EQ(FilesIn(f.pc).size(), 3u);
  for (const auto& [name, bytes] : FilesIn(f.pc)) EXPECT_EQ(bytes, "old") << name;
}

TEST(TransferEngine, FilesCopiedBeforeAHardErrorStay) {
  CardFixture f;
  f.dir.Write("Photos/DSC0002.JPG", "old");
  f.ui.answers = {2};
  f.ui.trash_refuses = true;
  TransferEngine& engine = f.Run(f.Request({false, true, false}));
  EXPECT_TRUE(engine.Failed());
  EXPECT_EQ(ReadAll(f.pc + "/DSC0001.JPG"), Photo('a'));
  EXPECT_EQ(ReadAll(f.pc + "/DSC0002.JPG"), "old");
  EXPECT_FALSE(fs::exists(f.pc + "/MOV0003.AVI"));
}

TEST(TransferEngine, AFileNamedLikeTheDateFolderStopsTheRunOnce) {
  CardFixture f;
  f.dir.Write("Photos/01-0629", "not a folder");
  TransferEngine& engine = f.Run(f.Request({false, true, true}));
  EXPECT_TRUE(engine.Failed());
  EXPECT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"「01-0629」という名前のファイルがあるため、",
                                                        "日付フォルダを作成できませんでした。"}));
  EXPECT_EQ(ReadAll(f.pc + "/01-0628/DSC0001.JPG"), Photo('a'));
  EXPECT_EQ(ReadAll(f.pc + "/01-0629"), "not a folder");
}

TEST(TransferEngine, NeverCopiesAFileOntoItself) {
  FolderFixture f;
  const std::string pc = f.dir.MakeDir("Photos");
  const std::string dated = f.dir.Write("Photos/01-0628/DSC0001.JPG", Photo('a'));
  SetLocalDate(dated, 2001, 6, 28);
  TransferRequest r;
  r.Source = pc + "/01-0628";
  r.Destination = pc;
  TransferEngine engine(f.state, f.ui, r);
  std::vector<FileReport> reports;
  engine.OnFile = [&](const FileReport& report) { reports.push_back(report); };
  f.ui.RunTransferProgress(engine);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].Outcome, FileOutcome::SkippedItself);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(ReadAll(dated), Photo('a'));
}

TEST(TransferEngine, PcToCameraPutsFilesDirectlyIntoTheCameraFolder) {
  CardFixture f;
  const std::string camera = f.dir.MakeDir("card2");
  TransferRequest r;
  r.Direction = TransferDirection::PcToCamera;
  r.Source = f.card;
  r.Destination = camera;
  r.Options = {false, true, true};
  TransferEngine& engine = f.Run(r);
  EXPECT_EQ(engine.Transferred(), 3);
  EXPECT_EQ(ReadAll(camera + "/DSC0001.JPG"), Photo('a'));
  EXPECT_FALSE(engine.First());
}

// A large file is copied over many ticks; "キャンセル" in the middle drops
// the copy under way and leaves no temporary or partial file.
TEST(TransferEngine, CancelDuringALargeFileLeavesNoPartialFile) {
  CardFixture f;
  SetLocalDate(f.dir.Write("card/DCIM/100CAMERA/DSC0002.JPG", Photo('b', 300000)), 2001, 6, 29);
  TransferEngine engine(f.state, f.ui, f.Request({false, true, false}));
  engine.PieceBytes = 10000;
  engine.TickBudget = std::chrono::milliseconds(0);
  f.ui.cancel_after_steps = 5;  // DSC0001 in one tick, then four pieces of DSC0002
  f.ui.RunTransferProgress(engine);
  EXPECT_TRUE(engine.Cancelled());
  EXPECT_EQ(FilesIn(f.pc), (std::map<std::string, std::string>{{"DSC0001.JPG", Photo('a')}}));
}

TEST(TransferEngine, ALargeFileTakesSeveralTicksAndArrivesWhole) {
  CardFixture f;
  SetLocalDate(f.dir.Write("card/DCIM/100CAMERA/DSC0002.JPG", Photo('b', 300000)), 2001, 6, 29);
  TransferEngine engine(f.state, f.ui, f.Request({false, true, false}));
  engine.PieceBytes = 10000;
  engine.TickBudget = std::chrono::milliseconds(0);
  f.ui.RunTransferProgress(engine);
  EXPECT_GT(f.ui.transfer_steps, 30);
  EXPECT_EQ(ReadAll(f.pc + "/DSC0002.JPG"), Photo('b', 300000));
  EXPECT_EQ(fs::last_write_time(f.pc + "/DSC0002.JPG"), LocalTime(2001, 6, 29));
  EXPECT_EQ(FilesIn(f.pc).size(), 3u);
}

}  // namespace
}  // namespace lumetta
