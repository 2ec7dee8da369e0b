#include "core/transfer/camera_slots.h"

#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "core/state/settings.h"

namespace lumetta {

namespace {

const char* const kFullWidthDigits[] = {"０", "１", "２", "３"};


std::string NameOf(const std::string& text) { return text == kNoCameraName ? std::string() : text; }
std::string FolderOf(const std::string& text) { return text == kNoCameraFolder ? std::string() : text; }

}  // namespace

std::string CameraDisplayName(const Settings& settings, std::int32_t slot) {
  const std::string& name = settings.CameraNames[slot];
  if (!name.empty()) return name;
  return std::string("デジタルカメラ") + kFullWidthDigits[slot];
}

std::string CameraMark(const Settings& settings, std::int32_t slot) {
  const bool ready = !settings.CameraNames[slot].empty() && !settings.CameraFolders[slot].empty() &&
                     IsDirectory(settings.CameraFolders[slot]);
  return ready ? "◎" : "×";
}

std::string CameraToPcCaption(const Settings& settings, std::int32_t slot) {
  return CameraMark(settings, slot) + "「" + CameraDisplayName(settings, slot) + "」→選択中フォルダ";
}

std::string PcToCameraCaption(const Settings& settings, std::int32_t slot) {
  return CameraMark(settings, slot) + "選択中フォルダ→「" + CameraDisplayName(settings, slot) + "」";
}

std::string CameraNameOfFolder(std::string_view folder) {
  std::string name = FileNameOf(WithoutTrailingSeparator(folder));
  if (name.empty()) name = std::string(folder);
  return CutToDataBytes(name, kCameraNameBytes);
}

CameraSlotsEdit::CameraSlotsEdit(const Settings& settings) {
  for (std::int32_t slot = 1; slot <= 3; ++slot) {
    const std::string& name = settings.CameraNames[slot];
    const std::string& folder = settings.CameraFolders[slot];
    names_[slot] = name.empty() ? std::string(kNoCameraName) : name;
    folders_[slot] = folder.empty() ? std::string(kNoCameraFolder) : folder;
  }
}

std::string CameraSlotsEdit::FolderTitle(std::int32_t slot) {
  return "「デジタルカメラ(" + std::to_string(slot) + ")」のフォルダを設定";
}

std::string CameraSlotsEdit::Folder(std::int32_t slot) const { return FolderOf(folders_[slot]); }

void CameraSlotsEdit::SetNameText(std::int32_t slot, std::string_view text) { names_[slot] = text; }

void CameraSlotsEdit::ChooseFolder(std::int32_t slot, std::string_view folder) {
  const std::string chosen = WithoutTrailingSeparator(folder);
  if (chosen.empty()) return;
  folders_[slot] = chosen;
  if (NameOf(names_[slot]).empty()) names_[slot] = CameraNameOfFolder(chosen);
}

void CameraSlotsEdit::ClearName(std::int32_t slot) { names_[slot] = kNoCameraName; }

void CameraSlotsEdit::ClearFolder(std::int32_t slot) { folders_[slot] = kNoCameraFolder; }

void CameraSlotsEdit::StoreInto(Settings& settings) const {
  for (std::int32_t slot = 1; slot <= 3; ++slot) {
    const std::string folder = FolderOf(folders_[slot]);
    std::string name = CutToDataBytes(NameOf(names_[slot]), kCameraNameBytes);
    if (name.empty() && !folder.empty()) name = CameraNameOfFolder(folder);
    settings.CameraNames[slot] = name;
    settings.CameraFolders[slot] = folder;
  }
}

}  // namespace lumetta
