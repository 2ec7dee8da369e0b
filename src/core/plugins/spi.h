#pragma once
// The plug-in objects: one per loaded library, of the class its API version
// asks for. The class decides which entry points the library must export.

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/plugins/plugin_library.h"
#include "lumetta/susie_plugin.h"

namespace lumetta {

class ESPIError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// A file that is not a usable plug-in.
class ESPIInvalidSPI : public ESPIError {
 public:
  using ESPIError::ESPIError;
};
// A file that cannot be loaded as a library at all.
class ESPIFOpenErrorSPI : public ESPIInvalidSPI {
 public:
  using ESPIInvalidSPI::ESPIInvalidSPI;
};
// A plug-in that lacks an entry point its class requires.
class ESPIInvalidAPI : public ESPIError {
 public:
  using ESPIError::ESPIError;
};
// A second plug-in list.
class ESPIDupCreateSPIs : public ESPIError {
 public:
  using ESPIError::ESPIError;
};

// The entry points of the plug-in convention, each null when the library
// does not export it.
struct SPIEntryPoints {
  SpiGetPluginInfo GetPluginInfo = nullptr;
  SpiConfigurationDlg ConfigurationDlg = nullptr;
  SpiIsSupported IsSupported = nullptr;
  SpiGetPictureInfo GetPictureInfo = nullptr;
  SpiGetPicture GetPicture = nullptr;
  SpiGetPreview GetPreview = nullptr;
  SpiGetArchiveInfo GetArchiveInfo = nullptr;
  SpiGetFileInfo GetFileInfo = nullptr;
  SpiGetFile GetFile = nullptr;
};

// A loaded library with what it told about itself.
struct LoadedSPI {
  const PluginLibraryApi* api = nullptr;
  PluginHandle handle = nullptr;
  std::string PluginPath;
  SPIEntryPoints entry;
  std::string ApiVersion;
  std::string PluginName;
  std::vector<std::string> FilterList;
  std::vector<std::string> FormatList;
};

class TSPI {
 public:
  explicit TSPI(LoadedSPI loaded);
  virtual ~TSPI();  // unloads the library
  TSPI(const TSPI&) = delete;
  TSPI& operator=(const TSPI&) = delete;

  // Throws ESPIInvalidAPI naming the first required entry point missing.
  virtual void CheckApi() const;
  virtual bool IsLoader() const { return false; }

  // At most 255 characters: the loaded module's path, or the path it was
  // loaded by when the system gives none.
  const std::string& PluginPath() const { return loaded_.PluginPath; }
  // Information string 0, e.g. "00IN".
  const std::string& ApiVersion() const { return loaded_.ApiVersion; }
  // Information string 1.
  const std::string& PluginName() const { return loaded_.PluginName; }
  // Strings 2, 4, … and 3, 5, …, as long as both of a pair are non-empty.
  const std::vector<std::string>& FilterList() const { return loaded_.FilterList; }
  const std::vector<std::string>& FormatList() const { return loaded_.FormatList; }
  const SPIEntryPoints& Entry() const { return loaded_.entry; }

 protected:
  void Require(const void* entry_point, const char* name) const;

 private:
  LoadedSPI loaded_;
};

class TLoaderSPI : public TSPI {
 public:
  using TSPI::TSPI;
  void CheckApi() const override;
  bool IsLoader() const override { return true; }
};

// "00IN": picture import.
class TInSPI : public TLoaderSPI {
 public:
  using TLoaderSPI::TLoaderSPI;
  void CheckApi() const override;
};

// "00AM": archives.
class TAmSPI : public TLoaderSPI {
 public:
  using TLoaderSPI::TLoaderSPI;
  void CheckApi() const override;
};

// "00XN": export.
class TXnSPI : public TSPI {
 public:
  using TSPI::TSPI;
};

// Loads the library at path, reads its information strings and makes the
// object of the class its API version names (not yet checked with
// CheckApi). Throws ESPIFOpenErrorSPI when the library cannot be loaded and
// ESPIInvalidSPI when it has no GetPluginInfo.
std::unique_ptr<TSPI> LoadSPI(const PluginLibraryApi& api, const std::string& path);

// Information string number of a plug-in through its GetPluginInfo: read
// into a 256-byte buffer with a limit of 255 and always terminated, whatever
// the plug-in writes or returns; as UTF-8 (bytes that are not UTF-8 are
// taken as Shift-JIS).
std::string ReadPluginInfo(SpiGetPluginInfo get_plugin_info, int number);

}  // namespace lumetta
