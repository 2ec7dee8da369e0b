#include "core/library/rename_request.h"

#include "core/base/text_codec.h"

namespace lumetta {

namespace {
constexpr std::string_view kForbidden = "\\/:*?\"<>|";
}  // namespace

RenameFormRequest PhotoRenameRequest(std::string_view old_name) {
  return {"表示中写真のファイル名を変更", "元のファイル名", "新しいファイル名", std::string(old_name), true};
}

RenameFormRequest FavoriteRenameRequest(std::string_view old_name) {
  return {"お気に入り写真の「お気に入り名」を変更", "元のお気に入り名", "新しいお気に入り名", std::string(old_name),
          false};
}

std::vector<std::string> RenameFormRefusal(const RenameFormRequest& request, std::string_view typed) {
  if (typed.find_first_of(kForbidden) == std::string_view::npos) return {};
  const std::string& label = request.OldLabel;
  const std::size_t skip = FirstChars(label, 2).size();
  return {label.substr(skip) + "に「\\/:*?\"<>|」の文字は使用できません。"};
}

}  // namespace lumetta
