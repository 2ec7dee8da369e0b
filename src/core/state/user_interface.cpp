#include "core/state/user_interface.h"

#include "core/base/text_codec.h"

namespace lumetta {

namespace {

// Half-width: ASCII and the half-width katakana U+FF61..U+FF9F.
bool IsHalfWidth(std::string_view utf8, std::size_t pos, std::size_t length) {
  if (length == 1) return true;
  if (length != 3) return false;
  const auto b0 = static_cast<unsigned char>(utf8[pos]);
  const auto b1 = static_cast<unsigned char>(utf8[pos + 1]);
  const auto b2 = static_cast<unsigned char>(utf8[pos + 2]);
  const unsigned code = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
  return code >= 0xFF61 && code <= 0xFF9F;
}

}  // namespace

std::optional<std::pair<int, int>> UserInterface::MainWindowPosition() { return std::nullopt; }

void UserInterface::SetTop(Ctl, int) {}

void UserInterface::SetLeft(Ctl, int) {}

void UserInterface::SetWidth(Ctl, int) {}

int UserInterface::ControlLeft(Ctl) { return 0; }

void UserInterface::SetFocus(Ctl) {}

int UserInterface::ControlWidth(Ctl) { return 0; }

int UserInterface::TextWidth(Ctl, std::string_view text) {
  int width = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8CharLength(text, pos);
    width += IsHalfWidth(text, pos, length) ? 6 : 12;
    pos += length;
  }
  return width;
}

std::optional<std::string> UserInterface::ChooseFolder(std::string_view, std::string_view) { return std::nullopt; }

void UserInterface::OpenInFileManager(std::string_view) {}

void UserInterface::OpenDocument(std::string_view) {}
void UserInterface::ShowHelpWindow(std::string_view, std::string_view) {}
bool UserInterface::RaiseHelpWindow(std::string_view) { return false; }
bool UserInterface::StartProgram(const std::vector<std::string>&) { return false; }
bool UserInterface::StartNewInstance(std::string_view) { return false; }
bool UserInterface::RunAppSetForm(OneBasedArray<std::string, 3>&) { return false; }
void UserInterface::RefreshAppCaptions() {}

int UserInterface::RunFolderForm(const FolderFormRequest&, const std::function<bool(const std::string&)>&) {
  return kFolderFormClose;
}

std::optional<std::string> UserInterface::RunRenameForm(const RenameFormRequest&) { return std::nullopt; }

std::optional<std::string> UserInterface::RunMakeFolderForm() { return std::nullopt; }

int UserInterface::RunLumSaveForm(LumSaveModel&) { return 2; }

int UserInterface::RunLumRenameForm(LumRenameModel&) { return 2; }

std::optional<std::string> UserInterface::ChooseOpenFile(std::string_view, std::string_view, std::string_view) {
  return std::nullopt;
}

bool UserInterface::MoveToTrash(std::string_view) { return false; }

bool UserInterface::MoveToTrashAs(std::string_view, std::string_view) { return false; }

bool UserInterface::RunAkarusaForm(AkarusaModel&) { return false; }

std::optional<std::int32_t> UserInterface::RunSharpForm(std::int32_t) { return std::nullopt; }

bool UserInterface::RunTensouSetForm(CameraSlotsEdit&) { return false; }

bool UserInterface::RunTensouForm(TensouFormRequest&) { return false; }

void UserInterface::RunTransferProgress(TransferEngine&) {}

std::vector<std::string> ErrorLines(const Exception& failure) {
  const char* what_failed =
      failure.Kind() == FailureKind::Photo ? "写真を表示できませんでした。" : "ファイルを読み書きできませんでした。";
  return {what_failed, failure.what()};
}

}  // namespace lumetta
