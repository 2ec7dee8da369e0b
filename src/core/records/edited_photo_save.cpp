#include "core/records/edited_photo_save.h"

namespace lumetta {

std::int32_t ConfirmSaveEdits(AppState&, UserInterface&, std::int32_t target) {
  // Nothing is offered until saving edited-photo files comes; the list stays
  // as it is.
  return target;
}

}  // namespace lumetta
