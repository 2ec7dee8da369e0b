#include "ui/favorites/okini_form.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "core/favorites/favorites_commands.h"
#include "core/library/thumb_strip.h"
#include "core/imaging/thumbnail_fill.h"
#include "ui/app/colours.h"
#include "ui/app/command_runner.h"
#include "ui/app/fonts.h"
#include "ui/app/input_discard.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"
#include "ui/favorites/favorites_tree_widget.h"
#include "ui/imaging/dib_canvas.h"
#include "ui/library/paging_repeat.h"
#include "ui/library/strip_widgets.h"

namespace lumetta::ui {

namespace {

constexpr int kWheelNotch = 120;
constexpr int kButtonHeight = 22;
constexpr int kButtonStep = 26;
// 9 points on the 96-dot screen the window was laid out for.
constexpr int kLabelFontPixels = 12;
// The extension band: rows 44 to 57 of a cell, 6 pixels a character.
constexpr int kTagTop = 44;
constexpr int kTagHeight = 14;

bool Inside(const QWidget* ancestor, const QWidget* widget) {
  return ancestor != nullptr && widget != nullptr && (widget == ancestor || ancestor->isAncestorOf(widget));
}

void NoFocus(QWidget* widget) { widget->setFocusPolicy(Qt::NoFocus); }

}  // namespace

FavoriteNameLabel::FavoriteNameLabel(QWidget* parent) : QWidget(parent) {
  setObjectName("NameLbl");
  setFont(PGothicFont(kLabelFontPixels));
  // Presses on the label are presses on the thumbnail under it.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void FavoriteNameLabel::ShowAt(const QString& text, int thumb_left, int thumb_top) {
  text_ = text;
  const FavoriteLabelBox box = FavoriteLabelPlace(thumb_left, thumb_top, QFontMetrics(font()).horizontalAdvance(text));
  setGeometry(box.Left, box.Top, box.Width, box.Height);
  show();
  raise();
  update();
}

void FavoriteNameLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.fillRect(QRect(1, 1, width() - 2, height() - 2), kHintYellow);
  p.setPen(Qt::black);
  p.setFont(font());
  p.drawText(QPoint(3, kTextAscent + 2), text_);
}

FavoritesPagePanel::FavoritesPagePanel(const TDibImage* page, QWidget* parent) : QWidget(parent), page_(page) {
  setObjectName("ThumbPnl");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FavoritesPagePanel::ShowTag(int cell, int left, int top, const QString& tag) {
  if (tag_cell_ >= 0) update(tag_rect_);
  tag_cell_ = cell;
  tag_ = tag;
  const int n = static_cast<int>(tag.size());
  tag_rect_ = QRect(left + 75 - 6 * n, top + kTagTop, 6 * n + 2, kTagHeight);
  if (cell >= 0) update(tag_rect_);
}

void FavoritesPagePanel::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), Qt::black);
  if (page_ != nullptr) DrawDib(p, QRect(0, 0, page_->Width(), page_->Height()), *page_);
  if (tag_cell_ >= 0 && !tag_.isEmpty()) {
    p.fillRect(tag_rect_, kHintYellow);
    p.setPen(Qt::black);
    p.setFont(GothicFont(kLabelFontPixels));
    p.drawText(QPoint(tag_rect_.left() + 1, tag_rect_.top() + 1 + kTextAscent), tag_);
  }
}

TOkiniForm::TOkiniForm(AppState& state, QtUserInterface& ui, FavoritesSession& session, QWidget* main_window)
    : QDialog(main_window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state),
      ui_(ui),
      session_(session),
      main_window_(main_window) {
  setObjectName("OkiniForm");
  setWindowTitle("お気に入り");
  setFont(PGothicFont(12));
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(Qt::StrongFocus);
  SetBackground(this, kGreen);

  FolderTree = new FavoritesTreeWidget(this);
  FolderTree->OnPress = [this](const std::string& path, Qt::MouseButton button, const QPoint&) {
    TreePress(path, button);
  };
  FolderTree->viewport()->installEventFilter(this);
  MakeFolderBtn = MakeButton(this, "MakeFolderBtn", "フォルダを作成", 0, 0, 10, 10);
  AddBtn = MakeButton(this, "AddBtn", "表示中写真を追加", 0, 0, 10, 10);
  CloseBtn = MakeButton(this, "CloseBtn", "閉じる", 0, 0, 10, 10);

  ThumbPnl = new FavoritesPagePanel(&page_image_, this);
  ThumbPnl->installEventFilter(this);
  NameLbl = new FavoriteNameLabel(ThumbPnl);
  TopBtn = new StripButton(QString(), StripButton::Glyph::ToStart, ThumbPnl);
  TopBtn->setObjectName("TopBtn");
  LeftBtn = new StripButton("←", StripButton::Glyph::None, ThumbPnl);
  LeftBtn->setObjectName("LeftBtn");
  RightBtn = new StripButton("→", StripButton::Glyph::None, ThumbPnl);
  RightBtn->setObjectName("RightBtn");
  EndBtn = new StripButton(QString(), StripButton::Glyph::ToEnd, ThumbPnl);
  EndBtn->setObjectName("EndBtn");
  MenuBtn = MakeButton(ThumbPnl, "MenuBtn", "ﾒﾆｭｰ", 0, 0, 10, 10);
  for (QWidget* w :
       std::initializer_list<QWidget*>{MakeFolderBtn, AddBtn, CloseBtn, TopBtn, LeftBtn, RightBtn, EndBtn, MenuBtn}) {
    NoFocus(w);
    w->installEventFilter(this);
  }
  for (QPushButton* b : {MakeFolderBtn, AddBtn, CloseBtn, MenuBtn}) b->setAutoDefault(false);
  BuildMenu();
  repeat_ = new PagingRepeat(this);

  connect(MakeFolderBtn, &QPushButton::clicked, this, [this] {
    if (!Ready()) return;
    RunCommand(ui_, [this] {
      // The new folder becomes current: the tree and its empty page.
      std::string chosen = session_.CurrentFavoritesFolder;
      if (CreateFolderWithNameForm(state_, ui_, session_.store, chosen, {})) {
        BuildTree();
        SelectFolder(chosen);
      }
    });
  });
  connect(AddBtn, &QPushButton::clicked, this, [this] {
    if (Ready() && CanCloseForAdd(state_, ui_)) CloseWith(Outcome::AddPhoto);
  });
  connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseWith(Outcome::Closed); });
  connect(MenuBtn, &QPushButton::clicked, this, [this] {
    if (Ready()) OkiniPop->exec(QCursor::pos());
  });
  connect(LeftBtn, &StripButton::LeftPressed, this,
          [this] { StartRepeat([this] { return MoveFavoritesPage(session_, -session_.grid.PageSize()); }); });
  connect(RightBtn, &StripButton::LeftPressed, this,
          [this] { StartRepeat([this] { return MoveFavoritesPage(session_, session_.grid.PageSize()); }); });
  connect(LeftBtn, &StripButton::LeftReleased, repeat_, &PagingRepeat::Stop);
  connect(RightBtn, &StripButton::LeftReleased, repeat_, &PagingRepeat::Stop);
  connect(TopBtn, &QPushButton::clicked, this, [this] { Page([this] { return FavoritesToFirstPage(session_); }); });
  connect(EndBtn, &QPushButton::clicked, this, [this] { Page([this] { return FavoritesToLastPage(session_); }); });
}

TOkiniForm::~TOkiniForm() {
  if (dragging_) QApplication::restoreOverrideCursor();
}

void TOkiniForm::BuildMenu() {
  OkiniPop = new QMenu(this);
  OkiniPop->setObjectName("OkiniPop");
  auto item = [this](const char* name, const QString& text, std::function<void()> act) {
    QAction* action = OkiniPop->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, act] {
      if (Ready()) RunCommand(ui_, act);
    });
  };
  item("RemoveMenu", "選択写真をお気に入りから外す ［Del］", [this] { RemoveSelected(true); });
  item("RenameMenu", "選択写真のお気に入り写真名を変更 ［Ｆ2］", [this] { RenameSelected(true); });
  item("RefreshMenu", "選択写真のサムネイルを更新 ［Ｆ5］", [this] { RefreshSelected(true); });
  OkiniPop->addSeparator();
  item("SelectAllMenu", "全てのサムネイルを選択する [Ctrl+A]", [this] {
    SelectAllFavorites(session_);
    RedrawPage();
  });
  item("ClearAllMenu", "全ての選択を解除する", [this] {
    ClearFavoriteSelection(session_);
    RedrawPage();
  });
  OkiniPop->addSeparator();
  item("CancelMenu", "キャンセル", [] {});
}

bool TOkiniForm::Ready() const { return state_.UiReady; }

TOkiniForm::Outcome TOkiniForm::Run() {
  outcome_ = Outcome::Closed;
  photo_to_open_.clear();
  bool opened = false;
  RunCommand(ui_, [this, &opened] { opened = OpenFavoritesWindow(state_, ui_, session_); });
  if (!opened) return outcome_;
  LayOut();
  BuildTree();
  // The cells show grey until the page is drawn, once the window is up.
  page_image_.SetBitCount(24);
  page_image_.SetSize(session_.grid.Columns * kFavoriteCellWidth, session_.grid.Rows * kFavoriteCellHeight);
  page_image_.Fill(0, 0, 0);
  for (int k = 0; k < session_.grid.PageSize(); ++k) {
    const QRect r = CellRect(k);
    page_image_.FillRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1, 128, 128, 128);
  }
  if (main_window_ != nullptr) {
    const QRect main = main_window_->frameGeometry();
    move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
  }
  QTimer::singleShot(0, this, [this] { RedrawPage(); });
  setFocus();
  exec();
  repeat_->Stop();
  EndHover();
  if (dragging_) {
    dragging_ = false;
    QApplication::restoreOverrideCursor();
  }
  return outcome_;
}

void TOkiniForm::LayOut() {
  const FavoritesGrid& grid = session_.grid;
  const int width = grid.ClientWidth();
  const int height = grid.ClientHeight();
  setFixedSize(width, height);
  const int tree_width = kFavoritesTreeWidth - 6;
  FolderTree->setGeometry(3, 3, tree_width, height - 3 - 3 * kButtonStep - 4);
  MakeFolderBtn->setGeometry(3, height - 3 * kButtonStep, tree_width, kButtonHeight);
  AddBtn->setGeometry(3, height - 2 * kButtonStep, tree_width, kButtonHeight);
  CloseBtn->setGeometry(3, height - kButtonStep, tree_width, kButtonHeight);
  ThumbPnl->setGeometry(kFavoritesTreeWidth, 0, grid.Columns * kFavoriteCellWidth, height);
  const QRect last = CellRect(grid.Cells() - 1);
  TopBtn->setGeometry(last.left(), last.top(), 19, 24);
  LeftBtn->setGeometry(last.left() + 20, last.top(), 20, 24);
  RightBtn->setGeometry(last.left() + 40, last.top(), 20, 24);
  EndBtn->setGeometry(last.left() + 61, last.top(), 19, 24);
  MenuBtn->setGeometry(last.left(), last.top() + 30, kThumbWidth, 26);
}

QRect TOkiniForm::CellRect(int k) const {
  return QRect(session_.grid.CellLeft(k), session_.grid.CellTop(k), kThumbWidth, kThumbHeight);
}

void TOkiniForm::BuildTree() { FolderTree->Build(session_.store.Folders, session_.CurrentFavoritesFolder); }

void TOkiniForm::RedrawPage() {
  EndHover();
  RunCommand(ui_, [this] {
    DrawFavoritesPage(state_, ui_, session_, page_image_, [this](std::int32_t) { ThumbPnl->repaint(); });
  });
  ThumbPnl->update();
  if (OnPageDrawn) OnPageDrawn();
}

void TOkiniForm::SelectFolder(const std::string& path) {
  FolderTree->SelectPath(path);
  if (SelectFavoritesFolder(state_, ui_, session_, path)) RedrawPage();
}

void TOkiniForm::TreePress(const std::string& path, Qt::MouseButton button) {
  if (!Ready()) return;
  RunCommand(ui_, [this, &path, button] {
    SelectFolder(path);
    if (button != Qt::RightButton) return;
    const FavoritesFolderEvents events{[this] {
      const bool other = session_.page.Folder != session_.CurrentFavoritesFolder;
      BuildTree();
      ReloadFavoritesPage(state_, ui_, session_);
      if (other) session_.PageStart = 1;
      RedrawPage();
    }};
    RunFavoritesFolderForm(state_, ui_, session_.store, session_.CurrentFavoritesFolder, path,
                           FavoritesFolderPlace::FavoritesWindow, events);
  });
}

void TOkiniForm::StepTree(bool forward) {
  if (const std::optional<std::string> next = FolderTree->NextPath(forward)) SelectFolder(*next);
}

void TOkiniForm::Page(const std::function<bool()>& step) {
  if (!Ready()) return;
  RunCommand(ui_, step);
  RedrawPage();
}

void TOkiniForm::StartRepeat(std::function<bool()> step) {
  if (!Ready()) return;
  EndHover();
  // A step that moved draws the page; so does the press itself, which
  // clears the selections even at the limit.
  repeat_->Start([this, step = std::move(step), first = true]() mutable {
    bool moved = false;
    RunCommand(ui_, [&step, &moved] { moved = step(); });
    if (moved || first) RedrawPage();
    first = false;
    return moved;
  });
}

void TOkiniForm::keyPressEvent(QKeyEvent* event) {
  RunCommand(ui_, [this, event] { KeyDown(event); });
}

void TOkiniForm::RemoveSelected(bool explain) {
  if (RemoveSelectedFavorites(state_, ui_, session_, explain)) RedrawPage();
}

void TOkiniForm::RenameSelected(bool explain) {
  if (RenameSelectedFavorites(state_, ui_, session_, explain)) RedrawPage();
}

void TOkiniForm::RefreshSelected(bool explain) {
  if (RefreshSelectedThumbnails(state_, ui_, session_, explain)) RedrawPage();
}

void TOkiniForm::CloseWith(Outcome outcome) {
  outcome_ = outcome;
  repeat_->Stop();
  accept();
}

bool TOkiniForm::focusNextPrevChild(bool) { return false; }

void TOkiniForm::KeyDown(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool shift = mods & Qt::ShiftModifier;
  const bool ctrl = mods & Qt::ControlModifier;
  const int page = session_.grid.PageSize();
  const int row = session_.grid.Columns;
  auto page_by = [this](int delta) { Page([this, delta] { return MoveFavoritesPage(session_, delta); }); };
  auto first = [this] { Page([this] { return FavoritesToFirstPage(session_); }); };
  auto last = [this] { Page([this] { return FavoritesToLastPage(session_); }); };
  if (event->key() == Qt::Key_Escape || (event->key() == Qt::Key_B && ctrl)) {
    CloseWith(Outcome::Closed);
    return;
  }
  if (!Ready()) {
    DiscardPendingInput();
    return;
  }
  switch (event->key()) {
    case Qt::Key_A:
      if (ctrl) {
        ToggleAllFavorites(session_);
        RedrawPage();
      } else {
        page_by(-page);
      }
      break;
    case Qt::Key_S:
      page_by(page);
      break;
    case Qt::Key_F:
      page_by(-row);
      break;
    case Qt::Key_G:
      page_by(row);
      break;
    case Qt::Key_Q:
      first();
      break;
    case Qt::Key_W:
      last();
      break;
    case Qt::Key_Left:
      ctrl ? first() : page_by(shift ? -page : -row);
      break;
    case Qt::Key_Right:
      ctrl ? last() : page_by(shift ? page : row);
      break;
    case Qt::Key_E:
      StepTree(false);
      break;
    case Qt::Key_D:
      if (!ctrl) StepTree(true);
      break;
    case Qt::Key_Up:
      if (shift || ctrl) StepTree(false);
      break;
    case Qt::Key_Down:
      if (shift || ctrl) StepTree(true);
      break;
    case Qt::Key_Delete:
      RemoveSelected(false);
      break;
    case Qt::Key_F2:
      RenameSelected(false);
      break;
    case Qt::Key_F5:
      RefreshSelected(false);
      break;
    default:
      break;
  }
  DiscardPendingInput();
}

bool TOkiniForm::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::Wheel) {
    if (widget == ThumbPnl) {
      RunCommand(ui_, [this, event] { PanelWheel(static_cast<QWheelEvent*>(event)); });
      return true;
    }
    if (Inside(FolderTree, widget)) {
      RunCommand(ui_, [this, event] { TreeWheel(static_cast<QWheelEvent*>(event)); });
      return true;
    }
  }
  if (widget == ThumbPnl) {
    bool handled = false;
    RunCommand(ui_, [this, event, &handled] { handled = PanelMouse(event); });
    return handled;
  }
  // The pointer on a button leaves the thumbnails.
  if (event->type() == QEvent::Enter && !dragging_) EndHover();
  return QDialog::eventFilter(watched, event);
}

int TOkiniForm::CellAtPanel(const QPoint& panel_pos) const {
  if (NameLbl->isVisible() && NameLbl->geometry().contains(panel_pos)) return hover_cell_;
  const int k = session_.grid.CellAt(panel_pos.x(), panel_pos.y());
  return k >= 0 && k < session_.grid.PageSize() ? k : -1;
}

void TOkiniForm::EndHover() {
  hover_cell_ = -1;
  NameLbl->hide();
  ThumbPnl->ShowTag(-1, 0, 0, QString());
}

void TOkiniForm::Hover(const QPoint& panel_pos) {
  const int cell = CellAtPanel(panel_pos);
  if (cell == hover_cell_) return;
  EndHover();
  const std::int32_t slot = SlotOfCell(session_, cell);
  if (slot == 0) return;
  hover_cell_ = cell;
  const std::string& name = session_.page[slot].Name;
  const QRect r = CellRect(cell);
  ThumbPnl->ShowTag(cell, r.left(), r.top(), ToQString(ExtensionTagText(name)));
  NameLbl->ShowAt(ToQString(WithoutExtension(name)), r.left(), r.top());
}

bool TOkiniForm::PanelMouse(QEvent* event) {
  switch (event->type()) {
    case QEvent::Leave:
      if (!dragging_) EndHover();
      return false;
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!dragging_) {
        Hover(mouse->position().toPoint());
        return false;
      }
      const QPoint global = mouse->globalPosition().toPoint();
      const bool on_own = CellAtPanel(ThumbPnl->mapFromGlobal(global)) == hover_cell_ && hover_cell_ >= 0;
      const bool on_tree = FolderTree->PathAtGlobal(global).has_value();
      QApplication::changeOverrideCursor(on_own    ? Qt::PointingHandCursor
                                         : on_tree ? Qt::DragMoveCursor
                                                   : Qt::ForbiddenCursor);
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!Ready()) return true;
      const QPoint pos = mouse->position().toPoint();
      Hover(pos);
      const int cell = CellAtPanel(pos);
      const std::int32_t slot = SlotOfCell(session_, cell);
      if (mouse->button() == Qt::LeftButton && slot != 0) {
        pressed_slot_ = slot;
        dragging_ = true;
        QApplication::setOverrideCursor(Qt::PointingHandCursor);
      } else if (mouse->button() == Qt::RightButton) {
        if (slot != 0) {
          ToggleFavoriteSelection(session_, slot);
          RedrawPage();
          Hover(pos);
        } else {
          OkiniPop->exec(mouse->globalPosition().toPoint());
        }
      }
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragging_ && mouse->button() == Qt::LeftButton) {
        dragging_ = false;
        QApplication::restoreOverrideCursor();
        Drop(mouse->globalPosition().toPoint());
      }
      return true;
    }
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      // A double click on the background closes the window.
      if (Ready() && mouse->button() == Qt::LeftButton && CellAtPanel(mouse->position().toPoint()) < 0) {
        CloseWith(Outcome::Closed);
      }
      return true;
    }
    default:
      return false;
  }
}

void TOkiniForm::Drop(const QPoint& global_pos) {
  const std::int32_t slot = pressed_slot_;
  pressed_slot_ = 0;
  if (!session_.page.Valid(slot)) return;
  const int cell = CellAtPanel(ThumbPnl->mapFromGlobal(global_pos));
  if (ThumbPnl->rect().contains(ThumbPnl->mapFromGlobal(global_pos)) && SlotOfCell(session_, cell) == slot) {
    photo_to_open_ = FavoritePhotoDiskPath(session_, slot);
    CloseWith(Outcome::OpenPhoto);
    return;
  }
  if (const std::optional<std::string> target = FolderTree->PathAtGlobal(global_pos)) {
    if (DropFavoriteOnFolder(state_, ui_, session_, slot, *target)) RedrawPage();
  }
}

void TOkiniForm::PanelWheel(QWheelEvent* event) {
  if (!Ready()) return;
  panel_wheel_rest_ += event->angleDelta().y();
  bool moved = false;
  while (panel_wheel_rest_ <= -kWheelNotch || panel_wheel_rest_ >= kWheelNotch) {
    // Turned towards the user: on through the favorites, a row a notch.
    const bool towards = panel_wheel_rest_ < 0;
    panel_wheel_rest_ += towards ? kWheelNotch : -kWheelNotch;
    moved |= MoveFavoritesPage(session_, towards ? session_.grid.Columns : -session_.grid.Columns);
  }
  if (moved) RedrawPage();
}

void TOkiniForm::TreeWheel(QWheelEvent* event) {
  if (!Ready()) return;
  tree_wheel_rest_ += event->angleDelta().y();
  while (tree_wheel_rest_ <= -kWheelNotch || tree_wheel_rest_ >= kWheelNotch) {
    const bool towards = tree_wheel_rest_ < 0;
    tree_wheel_rest_ += towards ? kWheelNotch : -kWheelNotch;
    StepTree(towards);
  }
}

}  // namespace lumetta::ui
