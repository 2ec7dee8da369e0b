#pragma once
// The program-wide state: created once at start-up, owned by the
// application, passed by reference to the operations.

#include <cstdint>
#include <string>
#include <vector>

#include "core/state/app_folders.h"
#include "core/state/app_hooks.h"
#include "core/state/change_ignore.h"
#include "core/state/current_photo.h"
#include "core/state/exif_info.h"
#include "core/state/settings.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/spi_dib_image.h"
#include "core/state/folder_tree_model.h"
#include "core/state/photo_list.h"
#include "core/state/view_state.h"

namespace lumetta {

struct CalendarDate {
  int Year = 2000;
  int Month = 1;
  int Day = 1;
};

struct AppState {
  AppState() { DecodedPhoto.SetBitCount(24); }

  AppFolders folders;
  Settings settings;

  // Start-up and busy flags.
  bool UiReady = true;
  bool FirstRun = false;
  bool Activated = false;
  bool ZipAvailable = false;
  std::string CommandLinePhoto;
  CalendarDate Today;

  // Photo-folder slots and the folder shown.
  std::int32_t SlotIndex = 0;
  PerSlot<std::string> SlotLastFolder;
  PerSlot<std::int32_t> SlotStripPos{1, 1, 1};
  std::string OpenFolder;
  std::string CurrentFolder;
  // The folder tree of the selected slot.
  FolderTree tree;

  // The photo list and the strip position.
  PhotoList photos;
  std::int32_t StripPos = 0;
  std::vector<std::string> PhotoExtensions;
  bool JpegByPlugin = false;
  bool BmpByPlugin = false;
  bool TiffByPlugin = false;

  // The photo on show.
  PhotoRecord current;
  bool EditsDirty = false;
  // The photo on show could not be decoded: DecodedPhoto is not its picture,
  // and the view's commands have nothing to act on.
  bool CurrentUnreadable = false;
  PanoramaKind PanoramaMode = PanoramaKind::None;
  OneBasedArray<PhotoRecord, 4> Panes;
  TSPIDibImage DecodedPhoto;
  // The shooting information of the photo shown last outside panorama mode.
  ExifInfo exif;

  // The view.
  ViewState view;
  TDibImage ViewPicture;     // what ViewImg shows
  TDibImage FullPicture;     // the full-screen image
  TDibImage PreviewPicture;  // the brightness dialog's preview
  TDibImage SlidePicture;    // the slide show's buffer
  TDibImage HistogramPicture;  // HistgramImg, 128 x 50
  TDibImage HistogramLegend;   // HistgramImg2, 128 x 5
  // HistgramImg shows the histogram of what the view shows now.
  bool HistogramShown = false;

  // Mode flags that redirect rendering.
  bool FullScreenActive = false;
  bool SlideShowActive = false;
  bool AdjustPreviewActive = false;

  // The directory watcher's flags.
  bool WatchArmed = false;
  ChangeIgnore IgnoreNextChange;

  // Calls into the strip, the folder tree, the watcher and the photo display.
  AppHooks hooks;

  bool PhotoShown() const { return !current.Name.empty(); }
  bool InPanorama() const { return PanoramaMode != PanoramaKind::None; }
  // The formats the installed plug-ins take over.
  DecoderChoice Decoders() const { return DecoderChoice{JpegByPlugin, BmpByPlugin, TiffByPlugin}; }
};

}  // namespace lumetta
