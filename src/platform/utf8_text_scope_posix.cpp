#include "platform/utf8_text_scope.h"

#include <locale.h>

#include <initializer_list>

namespace lumetta::platform {

namespace {

// Made once and kept for the life of the process, as the threads share it.
locale_t Utf8Locale() {
  static const locale_t locale = [] {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      if (locale_t made = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr))) return made;
    }
    return static_cast<locale_t>(nullptr);
  }();
  return locale;
}

}  // namespace

Utf8TextScope::Utf8TextScope() {
  if (locale_t locale = Utf8Locale()) previous_ = uselocale(locale);
}

Utf8TextScope::~Utf8TextScope() {
  if (previous_ != nullptr) uselocale(static_cast<locale_t>(previous_));
}

}  // namespace lumetta::platform
