#include "core/library/rename_request.h"

#include "core/base/paths.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace {
constexpr std::string_view kForbidden = "\\/:*?\"<>|";
}  // namespace

RenameFormRequest PhotoRenameRequest(std::string_view old_name) {
  return {"表示中写真のファイル名を変更", "元のファイル名", "新しいファイル名", std::string(old_name), true,
          kMaxPhotoNameBytes};
}

RenameFormRequest FavoriteRenameRequest(std::string_view old_name) {
  return {"お気に入り写真の「お気に入り名」を変更", "元のお気に入り名", "新しいお気に入り名", std::string(old_name),
          false};
}

std::vector<std::string> RenameFormRefusal(const RenameFormRequest& request, std::string_view typed) {
  if (typed.find_first_of(kForbidden) == std::string_view::npos) {
    std::size_t bytes = typed.size();
    if (typed.find('.') == std::string_view::npos) bytes += ExtensionOf(request.OldName).size();
    if (request.MaxNameBytes == 0 || bytes <= request.MaxNameBytes) return {};
    return {"入力されたファイル名が長すぎます。",
            "（拡張子を含めて半角" + std::to_string(request.MaxNameBytes) + "文字までにしてください）"};
  }
  const std::string& label = request.OldLabel;
  const std::size_t skip = FirstChars(label, 2).size();
  return {label.substr(skip) + "に「\\/:*?\"<>|」の文字は使用できません。"};
}

}  // namespace lumetta
