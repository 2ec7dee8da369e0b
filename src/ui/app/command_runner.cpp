#include "ui/app/command_runner.h"

#include "core/base/data_file.h"
#include "core/imaging/dib_image.h"
#include "core/records/edited_photo_reader.h"
#include "core/state/user_interface.h"

namespace lumetta::ui {

void RunCommand(UserInterface& ui, const std::function<void()>& command) {
  try {
    command();
  } catch (const EDibError& e) {
    ui.ShowMessageBox({"写真を表示できませんでした。", e.what()});
  } catch (const EConvertError& e) {
    ui.ShowMessageBox({"写真を表示できませんでした。", e.what()});
  } catch (const EDataFile& e) {
    ui.ShowMessageBox({"ファイルを読み書きできませんでした。", e.what()});
  }
}

}  // namespace lumetta::ui
