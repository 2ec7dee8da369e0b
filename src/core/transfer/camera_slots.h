#pragma once
// The three camera slots: a name and the folder under which a camera or
// card reader shows its photos, kept in the settings file; the captions of
// the "デジカメ転送" menu built from them; and the settings dialog
// ("転送デジタルカメラ（またはカードリーダーなど）の設定") without its widgets.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/numbered_array.h"

namespace lumetta {

struct Settings;

inline constexpr std::string_view kNoCameraName = "（カメラ名未設定）";
inline constexpr std::string_view kNoCameraFolder = "（フォルダ未設定）";

// The slot's name, or "デジタルカメラ１" (２, ３) when it has none.
std::string CameraDisplayName(const Settings& settings, std::int32_t slot);
// "◎" when the slot has a name and its folder exists, else "×".
std::string CameraMark(const Settings& settings, std::int32_t slot);
// The menu items: "◎「name」→選択中フォルダ" and "◎選択中フォルダ→「name」".
std::string CameraToPcCaption(const Settings& settings, std::int32_t slot);
std::string PcToCameraCaption(const Settings& settings, std::int32_t slot);

// The name a folder gives a slot that has none: its last component, or the
// whole path when that is empty (a root), cut to 30 bytes.
std::string CameraNameOfFolder(std::string_view folder);

// What the settings dialog shows and edits: per slot 1..3 the name field
// and the read-only folder field, with their placeholder texts when empty.
class CameraSlotsEdit {
 public:
  explicit CameraSlotsEdit(const Settings& settings);

  const std::string& NameText(std::int32_t slot) const { return names_[slot]; }
  const std::string& FolderText(std::int32_t slot) const { return folders_[slot]; }
  // The folder button's browser title: "「デジタルカメラ(1)」のフォルダを設定".
  static std::string FolderTitle(std::int32_t slot);
  // The folder to preselect in the browser ("" for none).
  std::string Folder(std::int32_t slot) const;

  // Typing in the name field.
  void SetNameText(std::int32_t slot, std::string_view text);
  // A folder chosen with the folder button; a slot without a name takes the
  // folder's name.
  void ChooseFolder(std::int32_t slot, std::string_view folder);
  // The two "クリア" buttons.
  void ClearName(std::int32_t slot);
  void ClearFolder(std::int32_t slot);

  // "決定": the slots as they are to be stored. Names are cut to 30 bytes,
  // the placeholders count as empty, and a slot with a folder and no name
  // gets the folder's name.
  void StoreInto(Settings& settings) const;

 private:
  OneBasedArray<std::string, 3> names_;
  OneBasedArray<std::string, 3> folders_;
};

}  // namespace lumetta
