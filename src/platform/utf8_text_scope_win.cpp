// On Windows the archive library converts names through the code pages on
// its own; there is no thread locale to change.
#include "platform/utf8_text_scope.h"

namespace lumetta::platform {

Utf8TextScope::Utf8TextScope() = default;
Utf8TextScope::~Utf8TextScope() = default;

}  // namespace lumetta::platform
