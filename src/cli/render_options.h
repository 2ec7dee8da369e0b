#pragma once
// The options that set up a render of a photo as the main view shows it,
// shared by the commands that render: the view's size, the quality mode,
// wide mode, the edits and the zoom.

#include <cstdint>
#include <optional>
#include <string>

#include "cli/command.h"

namespace lumetta {
struct AppState;
}

namespace lumetta::cli {

struct RenderOptions {
  std::string view;
  std::string quality;  // "high" or "speed"
  bool fill = false;
  std::string rotation;
  std::optional<std::int32_t> brightness;
  std::optional<std::int32_t> contrast;
  std::optional<std::int32_t> effect;
  std::optional<std::int32_t> sharpness;
  std::int32_t global_effect = 1;
  std::int32_t global_sharpness = 12;
  std::string zoom;
  std::string centre;
};

// The usage text of the options.
extern const char* const kRenderOptionsUsage;

// Takes the render options out of args; quality_option names the option of
// the quality mode ("--quality" for render). default_view is used when
// --view is not given ("" makes it required).
RenderOptions TakeRenderOptions(Args& args, const std::string& quality_option, const std::string& default_view);

// Sets up the state for photo (a photo or an edited-photo file) with the
// options and renders it into ViewPicture.
void RenderWithOptions(AppState& state, const RenderOptions& options, const std::string& photo);

std::optional<std::int32_t> GivenIntOption(Args& args, const std::string& name, std::int32_t low,
                                           std::int32_t high);
std::int32_t IntOption(Args& args, const std::string& name, std::int32_t fallback, std::int32_t low,
                       std::int32_t high);

}  // namespace lumetta::cli
