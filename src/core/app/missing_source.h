#pragma once
// An edited-photo file whose source photo is gone, met while showing it:
// the user locates the source (the file's variants follow it into the
// source's folder under the source's name) or sends the file to the trash.

#include <cstdint>
#include <string>

namespace lumetta {

struct AppState;
class UserInterface;

// edited_path is the edited-photo file at list position, source_path the
// photo it names, which does not exist. In panorama mode, in a slide show
// or when the edited-photo file is gone as well, the photo is only marked
// unreadable. step is the showing's step, kept for the photo shown next.
void FollowMissingSource(AppState& state, UserInterface& ui, std::int32_t position, std::int32_t step,
                         const std::string& edited_path, const std::string& source_path);

}  // namespace lumetta
