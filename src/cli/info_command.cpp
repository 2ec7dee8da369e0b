// lumetta-cli info PHOTO: the information panel as it would show the photo,
// one label a line ("name<TAB>caption", blanks kept), then what the export
// keeps of its Exif data. An edited-photo file is read through its source
// photo, as the viewer does.
#include <cstdio>
#include <string>

#include "cli/archive_input.h"
#include "cli/command.h"
#include "core/base/paths.h"
#include "core/records/edited_names.h"
#include "core/records/exif_info.h"
#include "core/records/info_panel.h"

namespace lumetta::cli {
namespace {

void PrintLine(const char* name, const std::string& value) { std::printf("%s\t%s\n", name, value.c_str()); }

int RunInfo(const std::vector<std::string>& arguments) {
  const std::vector<std::string> photos = Args(arguments).Positional();
  if (photos.size() != 1) throw UsageError("give exactly one photo");
  const std::string& listed = photos[0];
  const PhotoArg opened = OpenPhotoArg(listed);
  std::string photo = opened.Path;
  if (IsEditedPhotoName(listed)) {
    photo = SourcePhotoName(opened.Path);
    if (!IsRegularFile(photo)) {
      throw FileError("the source photo " + FileNameOf(SourcePhotoNameAsWritten(listed)) + " of " +
                      FileNameOf(listed) + " does not exist");
    }
  }
  if (!IsRegularFile(photo)) throw FileError("cannot open " + photo);

  const ExifReading reading = ReadExifInfo(photo);
  const PhotoNameCaptions names = PhotoNameCaptionsOf(FileNameOf(listed));
  const InfoPanelTexts& p = reading.Panel;
  const ExifInfo& info = reading.Info;
  PrintLine("FileNameLbl", names.FileNameLbl);
  PrintLine("ExtNameLbl", names.ExtNameLbl);
  PrintLine("FileSizeLbl", p.FileSizeLbl);
  PrintLine("HidukeLbl", p.HidukeLbl);
  PrintLine("TimeLbl", p.TimeLbl);
  PrintLine("CameraLbl", p.CameraLbl);
  PrintLine("MakerLbl", p.MakerLbl);
  PrintLine("SatsueiLbl", p.SatsueiLbl);
  PrintLine("StrobeLbl", p.StrobeLbl);
  PrintLine("SatsueiLbl2", p.SatsueiLbl2);
  PrintLine("App1Length", std::to_string(info.App1Length));
  PrintLine("OrientationEntryPos", std::to_string(info.OrientationEntryPos));
  PrintLine("WidthEntryPos", std::to_string(info.WidthEntryPos));
  PrintLine("HeightEntryPos", std::to_string(info.HeightEntryPos));
  std::fflush(stdout);
  if (reading.Truncated) {
    // The viewer's read-error message for the listed photo.
    std::fprintf(stderr, "画像ファイル %s\nは壊れているか、「Lumetta」で読み込めない形式です。\n",
                 FileNameOf(listed).c_str());
    return 1;
  }
  return 0;
}

const RegisterCommand kInfo({
    "info",
    "PHOTO",
    "print the photo information panel (name<TAB>caption per label) and the Exif export positions",
    RunInfo,
});

}  // namespace
}  // namespace lumetta::cli
