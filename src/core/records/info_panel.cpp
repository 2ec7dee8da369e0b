#include "core/records/info_panel.h"

#include <string>

#include "core/base/paths.h"
#include "core/records/edited_names.h"
#include "core/records/exif_info.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

namespace {

// The name label leaves this much of the panel's width to the shooting date
// and time beside it.
constexpr int kDateRoom = 68;

void ShowFileSize(UserInterface& ui, const std::string& caption) {
  ui.SetText(Ctl::FileSizeLbl, caption);
  // Right-aligned in the panel.
  const int width = ui.TextWidth(Ctl::FileSizeLbl, caption);
  const int panel = ui.ControlWidth(Ctl::ExifPnl);
  ui.SetWidth(Ctl::FileSizeLbl, width);
  if (panel > 0) ui.SetLeft(Ctl::FileSizeLbl, panel - width - 1);
}

void ShowShootingInfo(UserInterface& ui, const ExifReading& reading) {
  const InfoPanelTexts& p = reading.Panel;
  if (!p.HidukeLbl.empty()) {
    ui.SetText(Ctl::HidukeLbl, p.HidukeLbl);
    ui.SetText(Ctl::TimeLbl, p.TimeLbl);
    const int panel = ui.ControlWidth(Ctl::ExifPnl);
    if (panel > kDateRoom) ui.SetWidth(Ctl::FileNameLbl, panel - kDateRoom);
  }
  if (!p.MakerLbl.empty()) {
    ui.SetText(Ctl::MakerLbl, p.MakerLbl);
    ui.SetHint(Ctl::MakerLbl, p.MakerLbl);
  }
  ui.SetText(Ctl::CameraLbl, p.CameraLbl);
  ui.SetHint(Ctl::CameraLbl, p.CameraLbl);
  ui.SetText(Ctl::SatsueiLbl, p.SatsueiLbl);
  if (!p.StrobeLbl.empty()) {
    // The star follows the aperture line at its right end.
    const int width = ui.TextWidth(Ctl::SatsueiLbl, p.SatsueiLbl) - 1;
    ui.SetWidth(Ctl::SatsueiLbl, width);
    ui.SetLeft(Ctl::StrobeLbl, ui.ControlLeft(Ctl::SatsueiLbl) + width);
    ui.SetText(Ctl::StrobeLbl, p.StrobeLbl);
  }
  ui.SetText(Ctl::SatsueiLbl2, p.SatsueiLbl2);
}

}  // namespace

void ResetInfoPanel(AppState& state, UserInterface& ui) {
  for (Ctl label : {Ctl::HidukeLbl, Ctl::TimeLbl, Ctl::CameraLbl, Ctl::MakerLbl, Ctl::SatsueiLbl, Ctl::StrobeLbl,
                    Ctl::SatsueiLbl2, Ctl::ExtNameLbl, Ctl::FileSizeLbl}) {
    ui.SetText(label, "");
  }
  ui.SetHint(Ctl::CameraLbl, "");
  ui.SetHint(Ctl::MakerLbl, "");
  const int panel = ui.ControlWidth(Ctl::ExifPnl);
  if (panel > 2) {
    ui.SetWidth(Ctl::FileNameLbl, panel - 2);
    ui.SetWidth(Ctl::SatsueiLbl, panel - ui.ControlLeft(Ctl::SatsueiLbl) - 2);
  }
  if (state.InPanorama()) ui.SetText(Ctl::FileNameLbl, "【パノラマモード】");
}

PhotoNameCaptions PhotoNameCaptionsOf(std::string_view name) {
  std::string shown;
  std::string extension = ExtensionOf(name);
  if (IsEditedPhotoName(name)) {
    shown = WithoutExtension(FileNameOf(SourcePhotoNameAsWritten(name)));
    const std::string stem = WithoutExtension(name);
    const std::size_t underscore = stem.rfind('_');
    if (underscore != std::string::npos) extension = stem.substr(underscore + 1) + extension;
  } else {
    shown = WithoutExtension(name);
  }
  return {shown, extension};
}

void ShowPhotoNames(UserInterface& ui, std::string_view name) {
  const PhotoNameCaptions captions = PhotoNameCaptionsOf(name);
  ui.SetText(Ctl::FileNameLbl, captions.FileNameLbl);
  ui.SetText(Ctl::ExtNameLbl, captions.ExtNameLbl);
  ui.SetHint(Ctl::FileNameLbl, name);
  ui.SetHint(Ctl::ExtNameLbl, name);
}

bool ReadExifInfo(AppState& state, UserInterface& ui, std::int32_t, std::string_view path) {
  state.exif.App1Length = 0;
  ExifReading reading;
  try {
    reading = ReadExifInfo(path);
  } catch (const EExifRead&) {
    return true;
  }
  ShowFileSize(ui, reading.Panel.FileSizeLbl);
  ShowShootingInfo(ui, reading);
  state.exif = std::move(reading.Info);
  return !reading.Truncated;
}

}  // namespace lumetta
