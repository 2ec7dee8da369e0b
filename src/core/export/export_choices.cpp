#include "core/export/export_choices.h"

#include <algorithm>

#include "core/base/paths.h"
#include "core/records/edited_names.h"

namespace lumetta {

ExportChoices ExportChoicesOf(const Settings& settings) {
  ExportChoices c;
  switch (settings.ExportFormat) {
    case 2:
      c.Format = ExportFormatKind::Bmp;
      break;
    case 3:
      c.Format = ExportFormatKind::EditedPhoto;
      break;
    default:
      c.Format = ExportFormatKind::Jpeg;
      break;
  }
  c.Quality = std::clamp<std::int32_t>(settings.JpegQuality, 1, 10);
  c.Exif = settings.ExportExif != 0;
  c.UpperCase = settings.UpperCaseExt != 0;
  c.Comment = settings.ExportComment != 0;
  c.Whole = settings.ExportWhole != 0;
  return c;
}

void StoreExportChoices(const ExportChoices& choices, Settings& settings) {
  settings.ExportFormat = static_cast<std::uint8_t>(choices.Format);
  settings.JpegQuality = static_cast<std::uint8_t>(std::clamp(choices.Quality, 1, 10));
  settings.ExportExif = choices.Exif ? 1 : 0;
  settings.UpperCaseExt = choices.UpperCase ? 1 : 0;
  settings.ExportComment = choices.Comment ? 1 : 0;
  settings.ExportWhole = choices.Whole ? 1 : 0;
}

ExportChoices SuggestedExportChoices() { return ExportChoices{}; }

std::int32_t JpegQualityOf(std::int32_t bar) { return std::clamp(bar, 1, 10) * 5 + 50; }

std::string GashitsuText(std::int32_t bar) {
  static const char* const kFullWidth[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  const std::int32_t b = std::clamp(bar, 1, 10);
  return std::string("画質") + (b < 10 ? kFullWidth[b] : "10") + "→";
}

std::string ExportSuffix(ExportFormatKind format, bool upper_case) {
  const bool bmp = format == ExportFormatKind::Bmp;
  if (upper_case) return bmp ? "_S.BMP" : "_S.JPG";
  return bmp ? "_s.bmp" : "_s.jpg";
}

std::string DefaultExportName(std::string_view name, ExportFormatKind format, bool upper_case) {
  const std::string photo = IsEditedPhotoName(name) ? FileNameOf(SourcePhotoNameAsWritten(name)) : std::string(name);
  return WithoutExtension(photo) + ExportSuffix(format, upper_case);
}

std::string ExportDialogTitle(std::string_view suffix, bool whole_photo) {
  const std::string part(suffix.substr(std::min<std::size_t>(2, suffix.size())));
  return std::string(whole_photo ? "表示中の状態（表示倍率）で写真全体を保存（ファイル名の「"
                                 : "表示中のサイズ・状態で写真を保存（ファイル名の「") +
         part + "」は省略できます）";
}

}  // namespace lumetta
