#include "core/records/variant_numbers.h"

#include <filesystem>
#include <system_error>

#include "core/base/names.h"
#include "core/base/numbers.h"
#include "core/base/paths.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace {

std::string ThreeDigits(int number) {
  const std::string text = "00" + IntToString(number);
  return text.substr(text.size() - 3);
}

// "-NNN" after the base: the number; nothing otherwise.
std::optional<int> NumberAfterBase(std::string_view folded_stem, std::string_view folded_base) {
  if (folded_stem == folded_base) return 0;
  if (folded_stem.size() != folded_base.size() + 4 || folded_stem.substr(0, folded_base.size()) != folded_base ||
      folded_stem[folded_base.size()] != '-') {
    return std::nullopt;
  }
  int number = 0;
  for (const char c : folded_stem.substr(folded_base.size() + 1)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number == 0) return std::nullopt;
  return number;
}

}  // namespace

int CurrentVariantNumber(std::string_view name) {
  if (!IsEditedPhotoName(name)) return 0;
  const std::string stem = WithoutExtension(FileNameOf(name));
  const std::size_t underscore = stem.rfind('_');
  if (underscore == std::string::npos) return 0;
  const std::string tail = stem.substr(underscore + 1);
  const std::size_t dash = tail.rfind('-');
  if (dash == std::string::npos) return 0;
  const auto number = ParseInt(tail.substr(dash + 1, 3));
  return number && *number > 0 && *number <= kMaxVariantNumber ? *number : 0;
}

std::string VariantBaseName(std::string_view name) {
  if (!IsEditedPhotoName(name)) return EditedBaseName(FileNameOf(name));
  const std::string source = FileNameOf(SourcePhotoNameAsWritten(FileNameOf(name)));
  return WithoutExtension(source) + "_" + LowerCase(ExtensionOf(source).substr(ExtensionOf(source).empty() ? 0 : 1));
}

std::string VariantFileName(std::string_view base, int number, bool upper_case_ext) {
  std::string name(base);
  if (number > 0) name += "-" + ThreeDigits(number);
  name += upper_case_ext ? ".LUM" : ".lum";
  return name;
}

std::optional<int> NumberList::NewNumber() const {
  const int number = ListedCount + 1;
  if (number > kMaxVariantNumber) return std::nullopt;
  return number;
}

int NumberList::RowOf(int number) const {
  if (number < 0) return -1;
  for (std::size_t row = 0; row < Rows.size(); ++row) {
    if (Rows[row].Number == number) return static_cast<int>(row);
  }
  return -1;
}

int NumberList::NumberAt(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= Rows.size()) return -1;
  return Rows[static_cast<std::size_t>(row)].Number;
}

std::optional<std::string> NumberList::ExistingName(int number) const {
  const auto it = Existing.find(number);
  if (it == Existing.end()) return std::nullopt;
  return it->second;
}

NumberList BuildNumberList(std::string_view folder, std::string_view base) {
  NumberList list;
  const std::string folded_base = FoldCase(base);
  std::error_code ec;
  std::filesystem::directory_iterator it(ToFsPath(folder), ec);
  if (!ec) {
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
      if (ec) break;
      std::string name = FromFsPath(it->path().filename());
      if (!IsEditedPhotoName(name)) continue;
      std::error_code type_ec;
      if (!it->is_regular_file(type_ec)) continue;
      const auto number = NumberAfterBase(FoldCase(WithoutExtension(name)), folded_base);
      if (number) list.Existing.emplace(*number, std::move(name));
    }
  }

  list.Rows.push_back({"(Default)", 0, list.Existing.count(0) > 0});
  int highest_with_gaps = 0;
  for (int n = 1; n <= kGapListedUpTo; ++n) {
    if (list.Existing.count(n)) highest_with_gaps = n;
  }
  for (int n = 1; n <= kMaxVariantNumber; ++n) {
    if (list.Existing.count(n)) {
      list.Rows.push_back({"   " + ThreeDigits(n), n, true});
    } else if (n >= highest_with_gaps) {
      break;
    } else {
      list.Rows.push_back({"  空" + ThreeDigits(n), n, false});
    }
    list.ListedCount = n;
  }
  while (list.Rows.size() < static_cast<std::size_t>(kNumberListRows)) list.Rows.push_back({" ", -1, false});
  return list;
}

}  // namespace lumetta
