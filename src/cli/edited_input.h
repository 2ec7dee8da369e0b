#pragma once
// A photo or an edited-photo file given on the command line, decoded and
// set up as the photo display sets it up: a photo with neutral edits, an
// edited-photo file with its source photo and the state it keeps, its zoom
// restored for the view's width.

#include <string>

namespace lumetta {
struct AppState;
}

namespace lumetta::cli {

// Decodes path (the source photo of an edited-photo file) into the state's
// decoded photo and makes it the current photo. Throws FileError when an
// edited-photo file cannot be read.
void LoadShownPhoto(AppState& state, const std::string& path);

}  // namespace lumetta::cli
