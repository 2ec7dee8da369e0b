#pragma once
// The one failure of decoding a photo: whatever went wrong (a damaged file,
// a format the program cannot read, too little memory), the photo is shown
// as unreadable.

#include "core/imaging/dib_image.h"

namespace lumetta {

class EDecodeError : public EDibError {
 public:
  using EDibError::EDibError;
};

}  // namespace lumetta
