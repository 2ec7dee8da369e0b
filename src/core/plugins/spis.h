#pragma once
// TSPIs: the list of loaded plug-ins, and the decoding of a file through
// them (the plug-in step of TSPIDibImage's loading).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/imaging/spi_dib_image.h"
#include "core/plugins/plugin_library.h"
#include "core/plugins/spi.h"

namespace lumetta {

// The number of leading file bytes a plug-in's IsSupported is shown: 2,048
// and room for a 128-byte MacBinary header in front of them.
inline constexpr std::size_t kPluginHeadBytes = 2176;
inline constexpr std::int64_t kMacBinaryOffset = 128;

class TSPIs : public PluginDecoder {
 public:
  // Only one list may exist at a time: it is the decoder every TSPIDibImage
  // uses while it lives. Throws ESPIDupCreateSPIs for a second one.
  explicit TSPIs(const PluginLibraryApi& api);
  ~TSPIs() override;
  TSPIs(const TSPIs&) = delete;
  TSPIs& operator=(const TSPIs&) = delete;

  // Loads the files matching pattern (wildcards * and ?, letter case
  // ignored) of each folder in turn; a pattern with a folder of its own
  // searches only that folder. In each folder the files are taken in name
  // order. A file whose path (ignoring case) is already loaded, that cannot
  // be loaded or is no plug-in, or that lacks an entry point its class
  // requires is skipped without a word.
  void SearchPlugins(std::string_view pattern, const std::vector<std::string>& folders);

  int Count() const { return static_cast<int>(plugins_.size()); }
  const TSPI& Plugin(int index) const { return *plugins_.at(static_cast<std::size_t>(index)); }
  // The index of the plug-in loaded from path (ignoring case); -1 if none.
  int IndexOfPath(std::string_view path) const;

  // Also try each file with a 128-byte MacBinary header in front.
  bool MacBinary = true;
  // Ask for previews (GetPreview) before pictures.
  bool GraphicPreview = false;

  // The picture plug-ins in the order they are asked for path: those with a
  // filter entry whose extension (the text after the entry's last dot) is
  // path's extension come first, the last loaded of them first; then the
  // others in load order.
  std::vector<const TSPI*> Candidates(std::string_view path) const;

  // Decodes path through the first plug-in that gives a sound picture;
  // false when none does.
  bool Decode(std::string_view path, TDibImage& image) override;

 private:
  const PluginLibraryApi& api_;
  std::vector<std::unique_ptr<TSPI>> plugins_;
};

// The folders the program loads plug-ins from, in order: the executable's
// folder (the plug-ins built with the program lie there) and the program's
// data folder when that is another one (where a user copies plug-ins when
// the executable's folder cannot be written). No other folder is searched.
std::vector<std::string> ProgramPluginFolders(std::string_view executable_folder, std::string_view app_folder);

// Whether name matches a pattern of * and ? wildcards, ignoring case.
bool MatchesPluginPattern(std::string_view name, std::string_view pattern);

}  // namespace lumetta
