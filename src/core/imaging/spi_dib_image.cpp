#include "core/imaging/spi_dib_image.h"

#include <string>

#include "core/base/names.h"
#include "core/base/paths.h"

namespace lumetta {

namespace {
PluginDecoder* g_plugin_decoder = nullptr;

bool DecodeByPlugins(std::string_view path, TDibImage& image) {
  return g_plugin_decoder != nullptr && g_plugin_decoder->Decode(path, image);
}
}  // namespace

void TSPIDibImage::SetPluginDecoder(PluginDecoder* decoder) { g_plugin_decoder = decoder; }
PluginDecoder* TSPIDibImage::GetPluginDecoder() { return g_plugin_decoder; }

void TSPIDibImage::LoadFromFile(std::string_view path) {
  if (LowerCase(ExtensionOf(path)) == ".bmp") {
    try {
      TDibImage::LoadFromFile(path);
      return;
    } catch (const EDibError&) {
      if (DecodeByPlugins(path, *this)) return;
      throw;
    }
  }
  if (DecodeByPlugins(path, *this)) return;
  try {
    TDibImage::LoadFromFile(path);
  } catch (const EDibError&) {
    throw EInvalidGraphic("Susie Plugins could not decode");
  }
}

}  // namespace lumetta
