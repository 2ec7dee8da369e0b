#pragma once
// The file formats the installed plug-ins add: the extensions that make a
// file a photo, and the formats they take over from the program's own
// decoders.

#include <string>
#include <vector>

#include "core/imaging/photo_decoder.h"
#include "core/state/app_state.h"

namespace lumetta {

class TSPIs;

struct PluginFormats {
  // In plug-in order, in compared form; the same extension may come twice.
  std::vector<std::string> Extensions;
  // A plug-in lists ".jpg", ".bmp" or ".tif".
  bool JpegByPlugin = false;
  bool BmpByPlugin = false;
  bool TiffByPlugin = false;

  DecoderChoice Choice() const { return DecoderChoice{JpegByPlugin, BmpByPlugin, TiffByPlugin}; }
};

// From the filter lists of the plug-ins in load order (plug-ins of any
// kind): only the first entry of each counts. It is split at ";", and each
// item, less its first character (the "*"), lower-cased and cut to 5
// characters, is an extension; items that leave nothing are dropped.
PluginFormats PluginFormatsOf(const std::vector<std::vector<std::string>>& filter_lists);
PluginFormats PluginFormatsOf(const TSPIs& plugins);

// The main window's show step: the photo extension table becomes the
// built-in extensions followed by the plug-ins' ones as they are (at most
// MaxPhotoExtensions in all, the rest dropped), and the decoder flags follow
// the plug-ins.
void RegisterPluginFormats(AppState& state, const PluginFormats& formats);

}  // namespace lumetta
