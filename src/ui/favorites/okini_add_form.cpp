#include "ui/favorites/okini_add_form.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include "core/favorites/favorite_names.h"
#include "core/favorites/favorites_commands.h"
#include "core/favorites/favorites_grid.h"
#include "ui/app/colours.h"
#include "ui/app/command_runner.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"
#include "ui/favorites/favorites_tree_widget.h"

namespace lumetta::ui {

namespace {
constexpr int kWidth = 460;
constexpr int kWheelNotch = 120;
constexpr int kFieldLeft = kFavoritesTreeWidth + 6;
}  // namespace

TOkiniAddForm::TOkiniAddForm(AppState& state, QtUserInterface& ui, FavoritesStore& store, const std::string& folder,
                             int rows, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      ui_(ui),
      store_(store),
      chosen_(FavoritesFolderExists(store, folder) ? folder : std::string()) {
  setObjectName("OkiniAddForm");
  setWindowTitle("お気に入りへの追加");
  setFont(PGothicFont(12));
  setFocusPolicy(Qt::StrongFocus);
  SetBackground(this, kGreen);
  const int height = rows * kFavoriteCellHeight + 10;
  setFixedSize(kWidth, height);

  FolderTree = new FavoritesTreeWidget(this);
  FolderTree->setGeometry(3, 3, kFavoritesTreeWidth - 6, height - 6 - 30);
  FolderTree->OnPress = [this](const std::string& path, Qt::MouseButton button, const QPoint&) {
    TreePress(path, button);
  };
  FolderTree->viewport()->installEventFilter(this);
  MakeFolderBtn = MakeButton(this, "MakeFolderBtn", "フォルダ作成", 3, height - 30, kFavoritesTreeWidth - 6, 24);

  MakeLabel(this, "NameCaptionLbl", "お気に入り写真名", kFieldLeft, 10);
  NameEdit = new QLineEdit(ToQString(state.current.Name), this);
  NameEdit->setObjectName("NameEdit");
  NameEdit->setMaxLength(static_cast<int>(kMaxTypedNameChars));
  NameEdit->setGeometry(kFieldLeft, 30, kWidth - kFieldLeft - 8, 22);
  NameEdit->installEventFilter(this);
  ClearBtn = MakeButton(this, "ClearBtn", "クリア", kFieldLeft, 60, 64, 24);
  KetteiBtn = MakeButton(this, "KetteiBtn", "決定", kWidth - 8 - 80, 60, 80, 24);
  for (QPushButton* b : {MakeFolderBtn, ClearBtn, KetteiBtn}) b->setFocusPolicy(Qt::NoFocus);
  MakeFolderBtn->setAutoDefault(false);
  ClearBtn->setAutoDefault(false);
  KetteiBtn->setDefault(true);
  installEventFilter(this);

  connect(MakeFolderBtn, &QPushButton::clicked, this, [this] {
    if (!state_.UiReady) return;
    RunCommand(ui_, [this] { CreateFolderWithNameForm(state_, ui_, store_, chosen_, {[this] { Rebuild(); }}); });
  });
  connect(ClearBtn, &QPushButton::clicked, this, [this] {
    NameEdit->clear();
    NameEdit->setFocus();
  });
  connect(KetteiBtn, &QPushButton::clicked, this, [this] { RunCommand(ui_, [this] { KetteiBtnClick(); }); });
  Rebuild();
}

bool TOkiniAddForm::Run() {
  CentreOnOwnerWindow(this);
  setFocus();
  return exec() == QDialog::Accepted;
}

void TOkiniAddForm::Rebuild() { FolderTree->Build(store_.Folders, chosen_); }

void TOkiniAddForm::KetteiBtnClick() {
  if (!state_.UiReady) return;
  if (const std::optional<std::string> key =
          AddDisplayedPhoto(state_, ui_, store_, chosen_, FromQString(NameEdit->text()))) {
    added_key_ = *key;
    accept();
    return;
  }
  NameEdit->setFocus();
}

void TOkiniAddForm::TreePress(const std::string& path, Qt::MouseButton button) {
  if (!state_.UiReady) return;
  setFocus();
  chosen_ = path;
  FolderTree->SelectPath(path);
  if (button == Qt::RightButton) {
    RunCommand(ui_, [this, &path] {
      RunFavoritesFolderForm(state_, ui_, store_, chosen_, path, FavoritesFolderPlace::AddForm,
                             {[this] { Rebuild(); }});
    });
  }
}

void TOkiniAddForm::Step(bool forward) {
  if (const std::optional<std::string> next = FolderTree->NextPath(forward)) {
    chosen_ = *next;
    FolderTree->SelectPath(chosen_);
  }
}

bool TOkiniAddForm::focusNextPrevChild(bool) { return false; }

bool TOkiniAddForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && watched == FolderTree->viewport()) {
    wheel_rest_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
    while (wheel_rest_ <= -kWheelNotch || wheel_rest_ >= kWheelNotch) {
      const bool towards = wheel_rest_ < 0;
      wheel_rest_ += towards ? kWheelNotch : -kWheelNotch;
      Step(towards);
    }
    return true;
  }
  if (event->type() != QEvent::KeyPress || (watched != this && watched != NameEdit)) {
    return QDialog::eventFilter(watched, event);
  }
  auto* key = static_cast<QKeyEvent*>(event);
  const bool ctrl = key->modifiers() & Qt::ControlModifier;
  if (key->key() == Qt::Key_Escape || (key->key() == Qt::Key_D && ctrl)) {
    reject();
    return true;
  }
  if (watched == NameEdit || NameEdit->hasFocus()) return false;
  switch (key->key()) {
    case Qt::Key_E:
    case Qt::Key_Up:
      Step(false);
      return true;
    case Qt::Key_D:
    case Qt::Key_Down:
      Step(true);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      NameEdit->setFocus();
      return true;
    default:
      return false;
  }
}

}  // namespace lumetta::ui
