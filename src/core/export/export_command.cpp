#include "core/export/export_command.h"

#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/export/export_exif.h"
#include "core/export/export_file.h"
#include "core/records/edited_names.h"
#include "core/state/busy.h"
#include "core/state/settings_file.h"
#include "core/view/view_render.h"
#include "platform/safe_file.h"

namespace lumetta {

namespace {

constexpr int kYes = 1;

std::string PhotoFileOf(const PhotoRecord& record) {
  const std::string path = JoinPath(record.Folder, record.Name);
  return IsEditedPhotoName(record.Name) ? SourcePhotoName(path) : path;
}

// The high-speed mode switched to high quality for the export, switched back
// however the export ends.
class QualitySwitch {
 public:
  QualitySwitch(AppState& state, UserInterface& ui) : state_(state), ui_(ui) {}
  ~QualitySwitch() {
    if (!switched_) return;
    state_.settings.QualityMode = QualityModeKind::HighSpeed;
    try {
      RenderAgain(state_, ui_);
    } catch (const Exception& e) {
      ui_.ReportError(e);
    }
  }
  QualitySwitch(const QualitySwitch&) = delete;
  QualitySwitch& operator=(const QualitySwitch&) = delete;

  void ToHighQuality() {
    state_.settings.QualityMode = QualityModeKind::HighQuality;
    switched_ = true;
    const std::int32_t histogram_auto = state_.settings.HistogramAuto;
    state_.settings.HistogramAuto = 0;
    {
      const BusyCursor busy(ui_);
      RenderAgain(state_, ui_);
    }
    state_.settings.HistogramAuto = histogram_auto;
  }

 private:
  AppState& state_;
  UserInterface& ui_;
  bool switched_ = false;
};

bool CommentIncluded(const AppState& state, const ExportChoices& choices, const ExportArea& area) {
  return !area.WholePhoto && choices.Comment && !state.current.Edits.Comment.empty() &&
         state.settings.CommentVisible == 1;
}

std::string JpegHeaderFor(const AppState& state, const ExportChoices& choices, const TDibImage& image) {
  const std::string start("\xFF\xD8", 2);
  if (!choices.Exif || state.InPanorama()) return start;
  if (!ExifBelongsTo(state.exif, PhotoFileOf(state.current))) return start;
  return ExportJpegHeader(state.exif, static_cast<std::uint32_t>(image.Width()),
                          static_cast<std::uint32_t>(image.Height()));
}

// Builds and writes the export; false when it failed (the user has been told).
bool WriteExport(AppState& state, UserInterface& ui, ExportWindows& windows, const ExportChoices& choices,
                 const ExportArea& area, const std::string& path) {
  const BusyCursor busy(ui);
  std::string bytes;
  bool built = true;
  try {
    std::vector<ShownOverlay> overlays;
    if (CommentIncluded(state, choices, area)) overlays = windows.ShownComments();
    bytes = ExportFileBytes(state, choices, area, overlays);
  } catch (const EDibError&) {
    built = false;
  }
  // The sharpening of the whole photo changed the zoom image in place.
  if (area.WholePhoto) RenderZoom(state, ui, false);
  try {
    if (built) WriteExportFile(path, bytes);
  } catch (const EExportWrite&) {
    built = false;
  }
  if (!built) ui.ShowMessageBox(ExportFailedLines());
  return built;
}

}  // namespace

const std::vector<std::string>& ExportExplanationLines() {
  static const std::vector<std::string> lines{"このメニューは、現在表示されている写真を",
                                              "表示されているままのサイズ・状態で別保存したいとき",
                                              "に使います。",
                                              "鑑賞用には「Lumetta形式（.lum）」",
                                              "メール添付用やホームページ用には「JPEG形式」で",
                                              "の保存が便利です。"};
  return lines;
}

const std::vector<std::string>& ExportOntoPhotoLines() {
  static const std::vector<std::string> lines{"表示中の写真のファイルには保存できません。",
                                              "別のファイル名を指定してください。"};
  return lines;
}

const std::vector<std::string>& ExportFailedLines() {
  static const std::vector<std::string> lines{"ファイルの保存が出来ませんでした。", "保存先が、読込専用メディア",
                                              "（CD-ROMや書込み禁止にしてある場合など）",
                                              "か、空き容量が足りない可能性があります。"};
  return lines;
}

std::string ExportFileBytes(AppState& state, const ExportChoices& choices, const ExportArea& area,
                            const std::vector<ShownOverlay>& overlays) {
  TDibImage image;
  if (area.WholePhoto) {
    image = WholePhotoImage(state);
  } else {
    image = ShownPartImage(state.ViewPicture, state.view.ViewWidth, state.view.ViewHeight, area.Ox, area.Oy,
                           overlays);
  }
  if (choices.Format == ExportFormatKind::Bmp) return ExportBmpBytes(image);
  return ExportJpegBytes(image, JpegQualityOf(choices.Quality), JpegHeaderFor(state, choices, image));
}

std::vector<std::string> ShownPhotoFiles(const AppState& state) {
  std::vector<std::string> files;
  if (state.InPanorama()) {
    for (const PhotoRecord& pane : state.Panes) {
      if (!pane.Name.empty()) files.push_back(PhotoFileOf(pane));
    }
  } else if (state.PhotoShown()) {
    files.push_back(PhotoFileOf(state.current));
  }
  return files;
}

bool IsShownPhotoFile(const AppState& state, const std::string& path) {
  for (const std::string& photo : ShownPhotoFiles(state)) {
    if (platform::SameFile(photo, path)) return true;
    if (SameNameIgnoringCase(FileNameOf(photo), FileNameOf(path)) &&
        platform::SameFile(ParentFolder(photo), ParentFolder(path))) {
      return true;
    }
  }
  return false;
}

void ExportMenuClick(AppState& state, UserInterface& ui, ExportWindows& windows, ExportSession& session) {
  if (!state.UiReady) return;
  if (!state.PhotoShown()) {
    ui.ShowMessageBox(ExportExplanationLines());
    return;
  }
  ExportDisplayedPhoto(state, ui, windows, session);
}

void ExportDisplayedPhoto(AppState& state, UserInterface& ui, ExportWindows& windows, ExportSession& session) {
  Settings& settings = state.settings;
  const bool panorama = state.InPanorama();
  // The dialog never opens on the edited-photo format.
  if (settings.ExportFormat == static_cast<std::uint8_t>(ExportFormatKind::EditedPhoto)) {
    settings.ExportFormat = static_cast<std::uint8_t>(ExportFormatKind::Jpeg);
    WriteSettingsFile(state, ui);
  }
  ExportChoices choices = ExportChoicesOf(settings);
  if (!windows.RunExportForm(choices, !panorama)) return;
  StoreExportChoices(choices, settings);
  WriteSettingsFile(state, ui);
  if (choices.Format == ExportFormatKind::EditedPhoto) {
    windows.StartEditedPhotoSave();
    return;
  }

  QualitySwitch quality(state, ui);
  if (settings.QualityMode == QualityModeKind::HighSpeed &&
      ui.AskYesNo({"現在、写真が「高速モード」で表示されています。", "「高画質モード」で表示してから保存しますか？"}) ==
          kYes) {
    quality.ToHighQuality();
  }

  ExportArea area = ExportAreaOf(state, choices.Whole);
  if (area.AskToCut && ui.AskYesNo({"画像に非表示部分（縦横比の関係でできた黒い部分）", "があります。",
                                    "この部分をカットして保存しますか？"}) != kYes) {
    area.Ox = area.Oy = 0;
  }

  const std::string suffix = ExportSuffix(choices.Format, choices.UpperCase);
  ExportFileRequest request;
  request.Title = ExportDialogTitle(suffix, choices.Whole && !panorama);
  if (session.LastFolder.empty()) session.LastFolder = state.folders.DesktopFolder;
  request.Folder = session.LastFolder;
  request.Name = DefaultExportName(state.current.Name, choices.Format, choices.UpperCase);
  request.DefaultSuffix = suffix.substr(3);
  const std::optional<std::string> chosen = windows.ChooseExportFile(request);
  if (!chosen || chosen->empty()) return;
  session.LastFolder = ParentFolder(*chosen);

  if (IsShownPhotoFile(state, *chosen)) {
    ui.ShowMessageBox(ExportOntoPhotoLines());
    return;
  }
  WriteExport(state, ui, windows, choices, area, *chosen);
}

}  // namespace lumetta
