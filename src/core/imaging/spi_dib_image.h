#pragma once
// TSPIDibImage: a TDibImage that can also load the picture formats of the
// installed Susie plug-ins.

#include <string_view>

#include "core/imaging/dib_image.h"

namespace lumetta {

// Decodes files through the installed plug-ins; the platform layer provides
// one. Without a host every file that is not a BMP fails to load.
class PluginDecoder {
 public:
  virtual ~PluginDecoder() = default;
  // Decodes path into image; false when no plug-in can.
  virtual bool Decode(std::string_view path, TDibImage& image) = 0;
};

class EInvalidGraphic : public EDibError {
 public:
  using EDibError::EDibError;
};

class TSPIDibImage : public TDibImage {
 public:
  // BMP files try the built-in reader first and the plug-ins second; every
  // other file the plug-ins first and the BMP reader second. Throws the
  // BMP reader's error for a BMP no plug-in takes, EInvalidGraphic otherwise.
  void LoadFromFile(std::string_view path) override;

  // 0 never, 1 only on palette displays, 2 always: when a colour table is
  // built for true-colour pixels. Kept for its meaning; no display here has
  // a palette.
  int PaletteMode = 1;

  // The plug-in host used by every TSPIDibImage (none by default).
  static void SetPluginDecoder(PluginDecoder* decoder);
  static PluginDecoder* GetPluginDecoder();
};

}  // namespace lumetta
