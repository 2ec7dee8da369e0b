#include "ui/app/application.h"

#include <QApplication>
#include <QDate>
#include <QScreen>
#include <QTimer>

#include "core/library/open_photo.h"
#include "core/app/main_layout.h"
#include "core/app/shutdown.h"
#include "core/state/version.h"
#include "core/library/photo_folders.h"
#include "core/plugins/plugin_formats.h"
#include "core/variants/edited_photo_save.h"
#include "ui/variants/variant_controls.h"
#include "ui/export/export_controls.h"
#include "platform/plugin_library.h"
#include "platform/user_folders.h"
#include "ui/app/command_runner.h"
#include "ui/app/full_screen_controller.h"
#include "ui/app/hints.h"
#include "ui/app/main_layout.h"
#include "ui/app/photo_display.h"
#include "ui/app/size_menu.h"
#include "ui/app/shell_menu.h"
#include "ui/app/susie_form.h"
#include "ui/app/translations.h"
#include "ui/app/view_popup.h"
#include "ui/app/wheel_router.h"
#include "ui/favorites/favorites_controller.h"
#include "ui/view/adjust_controls.h"
#include "ui/view/comment_overlay.h"
#include "ui/library/file_operations_view.h"
#include "ui/library/sort_menu.h"
#include "ui/library/thumb_strip_view.h"
#include "ui/slideshow/slide_show_view.h"
#include "ui/transfer/tensou_menu.h"
#include "ui/view/edit_panel.h"
#include "ui/view/histogram_panel.h"

namespace lumetta::ui {

namespace {
// The plug-in list refuses a second instance in one process; a second main
// window of the same process (only tests make one) shares the first list.
std::shared_ptr<TSPIs> ProcessPlugins(const std::vector<std::string>& folders) {
  static std::weak_ptr<TSPIs> current;
  if (std::shared_ptr<TSPIs> existing = current.lock()) return existing;
  auto made = std::make_shared<TSPIs>(platform::NativePluginLibrary());
  made->SearchPlugins("*.spi", folders);
  current = made;
  return made;
}

}  // namespace

const std::vector<std::string>& WelcomeLines() {
  static const std::vector<std::string> lines = {
      "こんにちは。",
      "「Lumetta」をお使いいただきありがとうございます。",
      "",
      "初めて画像を表示する際は、サムネイル画像を作成する",
      "ため多少時間を要します。１度表示したサムネイル画像",
      "は次回から『超高速』で処理します。",
      "",
      "キーボードでも操作できます。（『F1』キーで操作表表示）",
      "",
      "まずは、画面左上の「初めて使う方へ」メニューを",
      "クリックなさってください。",
      "写真をより楽しんでいただけたら幸いです。",
  };
  return lines;
}

StartupEnvironment Application::CurrentEnvironment(const std::string& command_line_photo) {
  StartupEnvironment env;
  env.ExecutableFolder = platform::ExecutableFolder();
  env.UserDataFolder = platform::UserDataFolder();
  env.ScratchDataFolder = platform::ScratchDataFolder();
  env.Special = platform::QuerySpecialFolders();
  const QDate today = QDate::currentDate();
  env.Today = CalendarDate{today.year(), today.month(), today.day()};
  if (QScreen* screen = QApplication::primaryScreen()) {
    env.ScreenWidth = screen->geometry().width();
    env.ScreenHeight = screen->geometry().height();
  }
  env.CommandLinePhoto = command_line_photo;
  return env;
}

Application::Application(const StartupEnvironment& env) : env_(env) {
  // No display name: Qt would append it to every window's title, and the
  // program's boxes are titled "確認" and "選択" alone.
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
    InstallHints(*app);
    InstallJapaneseTranslations(*app);
  }
  CreateMainState(state_, env_, ui_);

  lock_ = std::make_unique<platform::InstanceLock>(state_.folders.LockFile());
  if (!lock_->TryAcquire()) {
    second_instance_ = true;
    state_.settings.WindowLeft += 32;
    state_.settings.WindowTop += 32;
  }

  // The plug-ins of the program's folders, loaded once the settings are read
  // and kept until the program ends.
  spis_ = ProcessPlugins(ProgramPluginFolders(env_.ExecutableFolder, state_.folders.AppFolder));

  main_form_ = std::make_unique<TMainForm>(state_, ui_);
  // The strip and the wide thumbnail window live as long as the main window.
  auto* strip = new ThumbStripView(state_, ui_, *main_form_);
  new WheelRouter(state_, ui_, *main_form_, *strip);
  // The edit panel's view controls, the view's mouse, menus and keys.
  EditPanel* edit_panel = BuildEditPanel(state_, ui_, *main_form_);
  // Brightness, sharpness and the colour effect: buttons, menus, labels, F12.
  BuildAdjustControls(state_, ui_, *main_form_, *edit_panel);
  // Saving edited-photo files: "保存", its menu item and F6.
  new VariantControls(state_, ui_, *main_form_);
  // The export of the shown photo as JPEG or BMP, and the hand-over to it.
  new ExportControls(state_, ui_, *main_form_);
  // The histogram and its menu, after the effect items of the same menu.
  new HistogramPanel(state_, ui_, *main_form_);
  // The photo's labels, the panorama commands and ShowPhoto for every caller.
  photo_display_ = new PhotoDisplay(state_, ui_, *main_form_, edit_panel->JoutaiLbl);
  // The view sizes, ahead of the panorama items of the same menu.
  new SizeMenu(state_, ui_, *main_form_);
  // The comment over the view, its menu and F7, F8.
  auto* comments = new CommentOverlay(state_, ui_, *main_form_, main_form_->ViewImg());
  // The favorites: their menu, the folder panel's button, Ctrl+D and Ctrl+B.
  new FavoritesController(state_, ui_, *main_form_);
  // The sort menu, the slide show, and the view's pop-up menu once the main
  // menu is complete.
  new SortMenu(state_, ui_, *main_form_);
  auto* slides = new SlideShowView(state_, ui_, *main_form_);
  // The camera transfer menu, and date-folder sorting in "コマンド".
  new TensouMenu(state_, ui_, *main_form_);
  // Help texts, documents, the version box and "他のアプリケーションで開く".
  new ShellMenu(state_, ui_, *main_form_);
  new ViewPopup(state_, ui_, *main_form_);
  // The full-screen view: its menu items, F11, the middle button and the
  // slide show's full-screen start.
  new FullScreenController(state_, ui_, *main_form_, *slides, *comments);
  // Del, F2, dragging onto the folder tree, and the directory watcher.
  new FileOperationsView(state_, ui_, *main_form_, *strip);
  // "設定" → "Susieプラグイン".
  new SusieMenu(state_, ui_, *main_form_, *spis_);
  main_form_->OnCloseQuery = [this] { return FormCloseQuery(); };
  main_form_->OnActivate = [this] { FormActivate(); };
  FormShow();
}

Application::~Application() = default;

void Application::FormShow() {
  TMainForm& form = *main_form_;
  // The photo extensions: the built-in ones, then the plug-ins' ones.
  RegisterPluginFormats(state_, PluginFormatsOf(*spis_));
  LayoutMainWindow(state_, ui_, form);
  CheckSizeMenu(state_, ui_);

  std::int32_t left = state_.settings.WindowLeft;
  std::int32_t top = state_.settings.WindowTop;
  const QSize size = form.frameGeometry().size();
  KeepOnScreen(left, top, size.width(), size.height(), env_.ScreenWidth, env_.ScreenHeight);
  form.move(left, top);
}

void Application::Show() {
  main_form_->show();
  const QRect frame = main_form_->frameGeometry();
  std::int32_t left = frame.left();
  std::int32_t top = frame.top();
  KeepOnScreen(left, top, frame.width(), frame.height(), env_.ScreenWidth, env_.ScreenHeight);
  if (left != frame.left() || top != frame.top()) main_form_->move(left, top);
  // The first activation runs once the window is up, whether or not the
  // window manager activates it.
  QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void Application::FormActivate() {
  if (state_.Activated) return;
  state_.Activated = true;
  main_form_->repaint();
  if (state_.FirstRun) {
    state_.FirstRun = false;
    ui_.ShowMessageBox(WelcomeLines());
  }
  state_.ViewPicture.Fill(128, 128, 128);
  ui_.RepaintPicture(Picture::ViewImg);
  if (!state_.CommandLinePhoto.empty()) {
    const std::string photo = state_.CommandLinePhoto;
    state_.CommandLinePhoto.clear();
    RunCommand(ui_, [this, &photo] { OpenPhotoByPath(state_, ui_, photo); });
    return;
  }
  SelectSlot(state_, ui_, 1);
}

bool Application::FormCloseQuery() {
  const QPoint pos = main_form_->frameGeometry().topLeft();
  const std::int32_t old_left = state_.settings.WindowLeft;
  const std::int32_t old_top = state_.settings.WindowTop;
  state_.settings.WindowLeft = pos.x();
  state_.settings.WindowTop = pos.y();
  // Only the first instance empties the shared scratch folder.
  const bool other_running = !lock_->TryAcquire();
  CloseHooks hooks;
  hooks.StopSlideShow = [this] {
    if (!state_.SlideShowActive) return false;
    CallHook(state_.hooks.StopSlideShow);
    return true;
  };
  hooks.ConfirmSaveEdits = [this] { ConfirmSaveEdits(state_, ui_, 0); };
  if (CloseQuery(state_, ui_, other_running, hooks) == CloseAnswer::Close) return true;
  state_.settings.WindowLeft = old_left;
  state_.settings.WindowTop = old_top;
  return false;
}

}  // namespace lumetta::ui
