#pragma once
// The export's six settings as the export dialog edits them, the texts the
// dialog and the file dialog show for them, and the names an export is
// offered under.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/state/settings.h"

namespace lumetta {

enum class ExportFormatKind : std::uint8_t { Jpeg = 1, Bmp = 2, EditedPhoto = 3 };

// The dialog's working copy of ExportFormat, JpegQuality, ExportExif,
// UpperCaseExt, ExportComment and ExportWhole.
struct ExportChoices {
  ExportFormatKind Format = ExportFormatKind::Jpeg;
  std::int32_t Quality = 8;  // the bar's position, 1 ... 10
  bool Exif = true;
  bool UpperCase = false;
  bool Comment = true;  // the comment is part of the image; CommentChk shows the opposite
  bool Whole = false;

  bool operator==(const ExportChoices&) const = default;
};

// The settings' values, each brought into its range.
ExportChoices ExportChoicesOf(const Settings& settings);
void StoreExportChoices(const ExportChoices& choices, Settings& settings);

// "推奨設定": JPEG, quality 8, Exif on, lower case, comment kept, the part
// shown.
ExportChoices SuggestedExportChoices();

// The quality given to the encoder for a bar position: 55 ... 100.
std::int32_t JpegQualityOf(std::int32_t bar);

// GashitsuLbl: "画質" + the position + "→", positions 1-9 in full-width digits.
std::string GashitsuText(std::int32_t bar);

// "_s.jpg", "_s.bmp", "_S.JPG" or "_S.BMP".
std::string ExportSuffix(ExportFormatKind format, bool upper_case);

// The name offered for the photo (or edited-photo file) named name: its
// (source photo's) name without extension followed by the suffix.
std::string DefaultExportName(std::string_view name, ExportFormatKind format, bool upper_case);

// What the file dialog is given.
struct ExportFileRequest {
  std::string Title;
  std::string Folder;        // where it starts: the last export folder
  std::string Name;          // the offered name
  std::string DefaultSuffix;  // "jpg", "JPG", "bmp" or "BMP", added to a name typed without one
};

// The file dialog's title; whole_photo for an export of the whole zoomed
// photo.
std::string ExportDialogTitle(std::string_view suffix, bool whole_photo);

}  // namespace lumetta
