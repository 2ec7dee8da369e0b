// The favorites as a user meets them: the menu items, Ctrl+B and Ctrl+D,
// the favorites window with its tree, pages, paging buttons, wheel, keys,
// selection and drag, the add dialog and the rename dialog.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include "core/base/paths.h"
#include "core/favorites/favorites_store.h"
#include "core/imaging/dib_image.h"
#include "core/library/rename_request.h"
#include "core/state/settings.h"
#include "support/modal.h"
#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/app/message_forms.h"
#include "ui/favorites/favorites_controller.h"
#include "ui/favorites/favorites_tree_widget.h"
#include "ui/favorites/okini_add_form.h"
#include "ui/favorites/okini_form.h"
#include "ui/favorites/make_folder_form.h"
#include "ui/library/folder_form.h"
#include "ui/library/paging_repeat.h"
#include "ui/library/rename_form.h"
#include "ui/library/strip_widgets.h"

using namespace lumetta;
using namespace lumetta::ui;
using testing_support::WhenModalOpens;

namespace {

void WriteLines(const QString& path, const QStringList& lines) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  // UTF-8 behind a byte-order mark, which the reader takes as well as code
  // page 932.
  file.write("\xEF\xBB\xBF");
  for (const QString& line : lines) file.write((line + "\r\n").toUtf8());
}

QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
  return lines;
}

void WritePhoto(const QString& path, std::uint32_t colour) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(160, 120);
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 160; ++x) image.SetPixels(x, y, colour);
  }
  image.SaveToFile(path.toStdString());
}

// The program folder with favorites files; photos in "card" outside every
// slot. size_mode 3 gives an 8 x 10 grid, 2 a 6 x 8 one.
struct Setup {
  explicit Setup(std::uint8_t size_mode = 3) {
    root = dir.path();
    QDir(root).mkpath("card");
    env = testing_support::TestEnvironment(dir);
    env.ScreenWidth = 1600;
    env.ScreenHeight = 1200;
    Settings settings;
    settings.SlotFolder[1] = env.Special.PicturesFolder;
    settings.SizeMode = size_mode;
    SaveSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), settings);
  }
  QString App(const QString& name) const { return root + "/bin/" + name; }
  QString Stored(const QString& path) const { return ToQString(StoredPhotoPath(path.toStdString())); }
  // n favorites f001.bmp ... in folder Trip, and the folders A and B.
  void Favorites(int n) {
    QStringList keys;
    QStringList photos;
    for (int i = 1; i <= n; ++i) {
      const QString name = QString("f%1.bmp").arg(i, 3, 10, QChar('0'));
      keys << "Trip\\" + name;
      photos << Stored(root + "/card/" + name);
    }
    WriteLines(App("OkiniF.dat"), {"A", "B", "Trip"});
    WriteLines(App("Okini.dat"), keys);
    WriteLines(App("Okini2.dat"), photos);
  }
  QTemporaryDir dir;
  QString root;
  StartupEnvironment env;
};

struct Running {
  explicit Running(Setup& setup) : app(setup.env) {
    QCursor::setPos(1500, 1100);
    app.State().hooks.ShowPhoto = [this](std::int32_t position, std::int32_t) { shown.append(position); };
    app.Show();
    favorites = app.MainForm().findChild<FavoritesController*>();
  }
  // Whether the window came up with its favorites: every test checks it
  // first.
  [[nodiscard]] bool Started() {
    return favorites != nullptr && QTest::qWaitForWindowExposed(&app.MainForm()) &&
           QTest::qWaitFor([this] { return app.State().Activated; });
  }
  TOkiniForm* Form() { return favorites->OkiniForm(); }
  FavoritesSession& Session() { return favorites->Session(); }
  // Opens the window with Ctrl+B and runs check in it; check closes it.
  void InWindow(const std::function<void(TOkiniForm*)>& check) {
    bool ran = false;
    WhenModalOpens([&](QWidget* modal) {
      auto* form = qobject_cast<TOkiniForm*>(modal);
      QVERIFY(form != nullptr);
      check(form);
      ran = true;
      if (form->isVisible()) form->reject();
    });
    app.MainForm().FormKeyDown(Key::B, false, true);
    QVERIFY(ran);
  }

  Application app;
  FavoritesController* favorites = nullptr;
  QList<int> shown;
};

QPoint CellMiddle(TOkiniForm* form, int k) { return form->CellRect(k).center(); }

// The pointer moved over widget. Sent to it directly: the offscreen
// platform hands a moved cursor to the first window under it, which is the
// main window, blocked while the favorites window is open.
void MoveOver(QWidget* widget, const QPoint& pos) {
  QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void Wheel(QWidget* widget, int delta) {
  const QPointF pos(widget->width() / 2.0, widget->height() / 2.0);
  QWheelEvent event(pos, widget->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

QTreeWidgetItem* ItemOf(TOkiniForm* form, const char* path) { return form->FolderTree->ItemOfPath(path); }

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  return captions;
}

}  // namespace

class FavoritesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theMenusOfferTheFavorites() {
    Setup setup;
    Running run(setup);
    QVERIFY(run.Started());
    QCOMPARE(Captions(run.app.MainForm().Menus().OkiniMenu),
             QStringList({"表示中写真を「お気に入り」に追加", "お気に入りウィンドウを開く"}));
    auto* popup = run.app.MainForm().findChild<QMenu*>("ViewImgPop");
    QVERIFY(popup != nullptr);
    QCOMPARE(Captions(popup).back(), QString("この写真を「お気に入り」に追加"));
  }

  void theWindowIsSizedByTheSizeModeAndShowsTheTree() {
    Setup setup(2);
    setup.Favorites(3);
    Running run(setup);
    QVERIFY(run.Started());
    run.InWindow([&](TOkiniForm* form) {
      QCOMPARE(form->size(), QSize(6 * 85 + 214, 8 * 65 + 10));
      QCOMPARE(form->windowTitle(), QString("お気に入り"));
      QTreeWidgetItem* top = form->FolderTree->topLevelItem(0);
      QCOMPARE(top->text(0), QString("お気に入り"));
      QCOMPARE(top->childCount(), 3);
      QCOMPARE(form->FolderTree->currentItem(), top);
      QCOMPARE(form->CellRect(7), QRect(89, 69, 80, 60));
      // The last cell holds the buttons.
      QVERIFY(form->CellRect(47).contains(form->MenuBtn->geometry().topLeft()));
      QTest::mouseClick(form->FolderTree->viewport(), Qt::LeftButton, {},
                        form->FolderTree->visualItemRect(ItemOf(form, "Trip")).center());
      QCOMPARE(run.Session().CurrentFavoritesFolder, std::string("Trip"));
      QCOMPARE(run.Session().page.Count, 3);
      QCOMPARE(form->FolderTree->currentItem(), ItemOf(form, "Trip"));
    });
    // The folder stays for the next opening.
    run.InWindow([&](TOkiniForm* form) { QCOMPARE(form->FolderTree->currentItem(), ItemOf(form, "Trip")); });
  }

  void thePageShowsTheThumbnailsWithTheNameOverTheOneUnderThePointer() {
    Setup setup;
    WritePhoto(setup.root + "/card/sea.bmp", 0x0A141E);
    WriteLines(setup.App("Okini.dat"), {"海の写真.bmp"});
    WriteLines(setup.App("Okini2.dat"), {setup.Stored(setup.root + "/card/sea.bmp")});
    Running run(setup);
    QVERIFY(run.Started());
    run.InWindow([&](TOkiniForm* form) {
      QTRY_COMPARE(form->PageImage().Pixels(44, 34), 0x0A141Eu);
      QCOMPARE(form->PageImage().Pixels(89 + 40, 34), 0x808080u);
      MoveOver(form->ThumbPnl, CellMiddle(form, 0));
      QTRY_VERIFY(form->NameLbl->isVisible());
      QCOMPARE(form->NameLbl->Text(), QString("海の写真"));
      QCOMPARE(form->NameLbl->geometry().top(), 6);
      QCOMPARE(form->NameLbl->geometry().right() + 1, 4 + 78);
      MoveOver(form->ThumbPnl, QPoint(86, 2));
      QTRY_VERIFY(!form->NameLbl->isVisible());
    });
  }

  void holdingTheRightButtonPagesAfter400MsThenEvery100Ms() {
    Setup setup;
    setup.Favorites(300);
    Running run(setup);
    QVERIFY(run.Started());
    run.Session().CurrentFavoritesFolder = "Trip";
    run.InWindow([&](TOkiniForm* form) {
      QCOMPARE(run.Session().page.Count, 300);
      // The first drawing, once the window is up, comes before the paging.
      QTest::qWait(50);
      QList<int> starts;
      form->OnPageDrawn = [&] { starts.append(run.Session().PageStart); };
      const QTimer& timer = form->Repeat().Timer();
      QTest::mousePress(form->RightBtn, Qt::LeftButton);
      QCOMPARE(run.Session().PageStart, 80);
      QVERIFY(timer.isActive());
      QCOMPARE(timer.interval(), PagingRepeat::kDelayMs);
      QTRY_COMPARE(run.Session().PageStart, 159);
      QCOMPARE(timer.interval(), PagingRepeat::kIntervalMs);
      QTRY_COMPARE_WITH_TIMEOUT(run.Session().PageStart, 300 - 79 + 2, 3000);
      QTRY_VERIFY(!timer.isActive());
      QTest::mouseRelease(form->RightBtn, Qt::LeftButton);
      form->OnPageDrawn = nullptr;
      QCOMPARE(starts, QList<int>({80, 159, 223}));
      QTest::mouseClick(form->TopBtn, Qt::LeftButton);
      QCOMPARE(run.Session().PageStart, 1);
      QTest::mouseClick(form->EndBtn, Qt::LeftButton);
      QCOMPARE(run.Session().PageStart, 223);
    });
  }

  void theWheelMovesARowForEachWholeNotch() {
    Setup setup;
    setup.Favorites(200);
    Running run(setup);
    QVERIFY(run.Started());
    run.Session().CurrentFavoritesFolder = "Trip";
    run.InWindow([&](TOkiniForm* form) {
      Wheel(form->ThumbPnl, -60);
      QCOMPARE(run.Session().PageStart, 1);
      Wheel(form->ThumbPnl, -60);
      QCOMPARE(run.Session().PageStart, 9);
      Wheel(form->ThumbPnl, -240);
      QCOMPARE(run.Session().PageStart, 25);
      Wheel(form->ThumbPnl, 120);
      QCOMPARE(run.Session().PageStart, 17);
      // Over the tree the wheel moves through the folders.
      Wheel(form->FolderTree->viewport(), 120);
      QCOMPARE(run.Session().CurrentFavoritesFolder, std::string("B"));
      Wheel(form->FolderTree->viewport(), -120);
      QCOMPARE(run.Session().CurrentFavoritesFolder, std::string("Trip"));
    });
  }

  void theKeysPageAndMoveThroughTheTree() {
    Setup setup;
    setup.Favorites(200);
    Running run(setup);
    QVERIFY(run.Started());
    run.Session().CurrentFavoritesFolder = "Trip";
    run.InWindow([&](TOkiniForm* form) {
      QTest::keyClick(form, Qt::Key_S);
      QCOMPARE(run.Session().PageStart, 80);
      QTest::keyClick(form, Qt::Key_Right);
      QCOMPARE(run.Session().PageStart, 88);
      QTest::keyClick(form, Qt::Key_Left, Qt::ShiftModifier);
      QCOMPARE(run.Session().PageStart, 9);
      QTest::keyClick(form, Qt::Key_W);
      QCOMPARE(run.Session().PageStart, 200 - 79 + 2);
      QTest::keyClick(form, Qt::Key_Left, Qt::ControlModifier);
      QCOMPARE(run.Session().PageStart, 1);
      QTest::keyClick(form, Qt::Key_E);
      QCOMPARE(run.Session().CurrentFavoritesFolder, std::string("B"));
      QTest::keyClick(form, Qt::Key_Down, Qt::ShiftModifier);
      QCOMPARE(run.Session().CurrentFavoritesFolder, std::string("Trip"));
      QTest::keyClick(form, Qt::Key_B, Qt::ControlModifier);
      QVERIFY(!form->isVisible());
    });
  }

  void rightClicksSelectAndDeleteAsksWithTheCount() {
    Setup setup;
    setup.Favorites(5);
    Running run(setup);
    QVERIFY(run.Started());
    run.Session().CurrentFavoritesFolder = "Trip";
    run.InWindow([&](TOkiniForm* form) {
      for (int k : {0, 1, 3}) QTest::mousePress(form->ThumbPnl, Qt::RightButton, {}, CellMiddle(form, k));
      QTRY_COMPARE(form->PageImage().Pixels(2, 2), 0x00B0FFu);
      QCOMPARE(form->PageImage().Pixels(2 * 85 + 4 - 2, 2), 0u);  // cell 2 is not selected
      QString asked;
      WhenModalOpens(
          [&](QWidget* modal) {
            auto* box = qobject_cast<TKakuninForm*>(modal);
            QVERIFY(box != nullptr);
            asked = box->LineLabel(1)->text();
            box->HaiBtn->click();
          },
          form);
      QTest::keyClick(form, Qt::Key_Delete);
      QCOMPARE(asked, QString("選択した３枚の写真をお気に入りから外します。"));
      QCOMPARE(ReadLines(setup.App("Okini.dat")), QStringList({"Trip\\f003.bmp", "Trip\\f005.bmp"}));
      QCOMPARE(run.Session().page.Count, 2);
      QCOMPARE(form->PageImage().Pixels(2, 2), 0u);
    });
  }

  void draggingAFavoriteOntoAFolderMovesIt() {
    Setup setup;
    setup.Favorites(3);
    Running run(setup);
    QVERIFY(run.Started());
    run.Session().CurrentFavoritesFolder = "Trip";
    run.InWindow([&](TOkiniForm* form) {
      const QRect node = form->FolderTree->visualItemRect(ItemOf(form, "A"));
      const QPoint over_a = form->FolderTree->viewport()->mapToGlobal(node.center());
      QTest::mousePress(form->ThumbPnl, Qt::LeftButton, {}, CellMiddle(form, 1));
      QTest::mouseRelease(form->ThumbPnl, Qt::LeftButton, {}, form->ThumbPnl->mapFromGlobal(over_a));
      QCOMPARE(ReadLines(setup.App("Okini.dat")), QStringList({"Trip\\f001.bmp", "A\\f002.bmp", "Trip\\f003.bmp"}));
      QCOMPARE(run.Session().page.Count, 2);
      QVERIFY(form->isVisible());
    });
  }

  void droppingAFavoriteOnItselfShowsItsPhoto() {
    Setup setup;
    WritePhoto(setup.root + "/card/sea.bmp", 0x0A141E);
    WriteLines(setup.App("Okini.dat"), {"sea.bmp"});
    WriteLines(setup.App("Okini2.dat"), {setup.Stored(setup.root + "/card/sea.bmp")});
    Running run(setup);
    QVERIFY(run.Started());
    run.InWindow([&](TOkiniForm* form) {
      QTest::mousePress(form->ThumbPnl, Qt::LeftButton, {}, CellMiddle(form, 0));
      QTest::mouseRelease(form->ThumbPnl, Qt::LeftButton, {}, CellMiddle(form, 0) + QPoint(5, 5));
      QVERIFY(!form->isVisible());
    });
    QCOMPARE(run.app.State().CurrentFolder, (setup.root + "/card").toStdString());
    QCOMPARE(run.shown, QList<int>({1}));
  }

  void ctrlDAddsTheShownPhotoAndOpensTheWindowOnIt() {
    Setup setup;
    WritePhoto(setup.root + "/card/IMG_0001.BMP", 0x0A141E);
    WriteLines(setup.App("OkiniF.dat"), {"A", "B"});
    Running run(setup);
    QVERIFY(run.Started());
    AppState& state = run.app.State();
    state.current.Folder = (setup.root + "/card").toStdString();
    state.current.Name = "IMG_0001.BMP";
    bool added = false;
    WhenModalOpens([&](QWidget* modal) {
      auto* add = qobject_cast<TOkiniAddForm*>(modal);
      QVERIFY(add != nullptr);
      QCOMPARE(add->NameEdit->text(), QString("IMG_0001.BMP"));
      QCOMPARE(add->height(), 10 * 65 + 10);
      QTest::keyClick(add, Qt::Key_D);
      QTest::keyClick(add, Qt::Key_D);
      QCOMPARE(add->FolderTree->currentItem(), add->FolderTree->ItemOfPath("B"));
      WhenModalOpens(
          [&](QWidget* window) {
            auto* form = qobject_cast<TOkiniForm*>(window);
            QVERIFY(form != nullptr);
            QCOMPARE(run.Session().CurrentFavoritesFolder, std::string("B"));
            QVERIFY(run.Session().page[1].Selected);
            added = true;
            form->reject();
          },
          add);
      add->KetteiBtn->click();
    });
    run.app.MainForm().FormKeyDown(Key::D, false, true);
    QVERIFY(added);
    QCOMPARE(ReadLines(setup.App("Okini.dat")), QStringList({"B\\IMG_0001.BMP"}));
    QCOMPARE(ReadLines(setup.App("Okini2.dat")), QStringList({setup.Stored(setup.root + "/card/IMG_0001.BMP")}));
  }

  void aNewFolderIsNamedInTheNameDialogAndTheTopFolderStaysFixed() {
    Setup setup;
    WriteLines(setup.App("OkiniF.dat"), {"A"});
    Running run(setup);
    QVERIFY(run.Started());
    run.InWindow([&](TOkiniForm* form) {
      QString said;
      WhenModalOpens(
          [&](QWidget* modal) {
            auto* name = qobject_cast<TMakeFolderForm*>(modal);
            QVERIFY(name != nullptr);
            QCOMPARE(name->windowTitle(), QString("フォルダを作成"));
            QCOMPARE(name->NameEdit->text(), QString("新しいフォルダ"));
            QCOMPARE(name->NameEdit->maxLength(), 64);
            name->NameEdit->setText("旅?");
            WhenModalOpens(
                [&](QWidget* box_widget) {
                  auto* box = qobject_cast<TPrintForm*>(box_widget);
                  QVERIFY(box != nullptr);
                  said = box->LineLabel(1)->text();
                  box->TojiruBtn->click();
                },
                name);
            name->MakeBtn->click();
            QVERIFY(name->isVisible());
            name->NameEdit->setText("旅行");
            name->MakeBtn->click();
          },
          form);
      form->MakeFolderBtn->click();
      QCOMPARE(said, QString("フォルダ名に「\\/:*?\"<>|」の文字は使用できません。"));
      QCOMPARE(run.Session().CurrentFavoritesFolder, std::string("旅行"));
      QCOMPARE(form->FolderTree->currentItem(), ItemOf(form, "旅行"));
      // A folder at the top goes first in the file.
      QCOMPARE(run.Session().store.Folders, std::vector<std::string>({"旅行", "A"}));

      // The top folder's dialog offers neither renaming nor deleting.
      bool checked = false;
      WhenModalOpens(
          [&](QWidget* modal) {
            auto* folder = qobject_cast<TFolderForm*>(modal);
            QVERIFY(folder != nullptr);
            QCOMPARE(folder->NameEdit->text(), QString("お気に入り"));
            QVERIFY(folder->NameEdit->isReadOnly());
            QVERIFY(!folder->NameBtn->isEnabled());
            QVERIFY(!folder->DeleteBtn->isEnabled());
            QVERIFY(folder->CreateBtn->isEnabled());
            checked = true;
            folder->CloseBtn->click();
          },
          form);
      QTreeWidgetItem* top = form->FolderTree->topLevelItem(0);
      QTest::mousePress(form->FolderTree->viewport(), Qt::RightButton, {},
                        form->FolderTree->visualItemRect(top).center());
      QVERIFY(checked);
      QCOMPARE(run.Session().CurrentFavoritesFolder, std::string());
    });
  }

  void theRenameFormRefusesTheForbiddenCharacters() {
    TRenameForm favorite(FavoriteRenameRequest("sea.jpg"));
    QCOMPARE(favorite.windowTitle(), QString("お気に入り写真の「お気に入り名」を変更"));
    QCOMPARE(favorite.OldCaptionLbl->text(), QString("元のお気に入り名"));
    QCOMPARE(favorite.NewCaptionLbl->text(), QString("新しいお気に入り名"));
    QCOMPARE(favorite.OldNameLbl->text(), QString("sea.jpg"));
    QVERIFY(favorite.ExtNoteLbl->isHidden());
    QCOMPARE(favorite.size(), QSize(284, 113));
    favorite.NewNameEdit->setText("a?b");
    QString said;
    WhenModalOpens([&](QWidget* modal) {
      QCOMPARE(modal, static_cast<QWidget*>(&favorite));
      WhenModalOpens(
          [&](QWidget* box_widget) {
            auto* box = qobject_cast<TPrintForm*>(box_widget);
            QVERIFY(box != nullptr);
            said = box->LineLabel(1)->text();
            box->TojiruBtn->click();
          },
          &favorite);
      favorite.KetteiBtn->click();
      QVERIFY(favorite.isVisible());
      favorite.NewNameEdit->setText("海");
      favorite.KetteiBtn->click();
    });
    const std::optional<std::string> typed = favorite.Run(nullptr);
    QCOMPARE(said, QString("お気に入り名に「\\/:*?\"<>|」の文字は使用できません。"));
    QCOMPARE(typed.value_or(""), std::string("海"));

    TRenameForm photo(PhotoRenameRequest("IMG_0001.JPG"));
    QCOMPARE(photo.windowTitle(), QString("表示中写真のファイル名を変更"));
    QVERIFY(!photo.ExtNoteLbl->isHidden());
    QCOMPARE(photo.ExtNoteLbl->text(), QString("（拡張子は省略できます）"));
  }
};

QTEST_MAIN(FavoritesWindowTest)
#include "favorites_window_test.moc"
