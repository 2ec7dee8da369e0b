#include "core/base/name_collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cstring>
#include <memory>
#include <stdexcept>

namespace lumetta {

namespace {

// Secondary strength keeps accents and voicing marks apart but lets case go.
const icu::Collator& JapaneseCollator() {
  static const std::unique_ptr<icu::Collator> collator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(icu::Locale::getJapanese(), status));
    if (U_FAILURE(status) || !c) throw std::runtime_error("ICU has no collation for Japanese");
    c->setStrength(icu::Collator::SECONDARY);
    return c;
  }();
  return *collator;
}

icu::UnicodeString ToUnicode(std::string_view utf8) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
}

}  // namespace

int CompareNames(std::string_view a, std::string_view b) {
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult r = JapaneseCollator().compareUTF8(
      icu::StringPiece(a.data(), static_cast<std::int32_t>(a.size())),
      icu::StringPiece(b.data(), static_cast<std::int32_t>(b.size())), status);
  return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

NameSortKeys::NameSortKeys(const std::vector<std::string_view>& names) {
  const icu::Collator& collator = JapaneseCollator();
  starts_.reserve(names.size());
  bytes_.reserve(names.size() * 32);
  for (std::string_view name : names) {
    const icu::UnicodeString text = ToUnicode(name);
    const std::size_t start = bytes_.size();
    starts_.push_back(start);
    // Try the room a typical key needs; ask again when the key is longer.
    std::size_t room = 64 + static_cast<std::size_t>(text.length()) * 4;
    bytes_.resize(start + room);
    std::int32_t length = collator.getSortKey(text, bytes_.data() + start, static_cast<std::int32_t>(room));
    if (length > static_cast<std::int32_t>(room)) {
      room = static_cast<std::size_t>(length);
      bytes_.resize(start + room);
      length = collator.getSortKey(text, bytes_.data() + start, static_cast<std::int32_t>(room));
    }
    bytes_.resize(start + static_cast<std::size_t>(length > 0 ? length : 0));
    if (length <= 0) bytes_.push_back(0);
  }
}

int NameSortKeys::Compare(std::size_t i, std::size_t j) const {
  return std::strcmp(reinterpret_cast<const char*>(bytes_.data() + starts_[i]),
                     reinterpret_cast<const char*>(bytes_.data() + starts_[j]));
}

}  // namespace lumetta
