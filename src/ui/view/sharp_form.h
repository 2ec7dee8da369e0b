#pragma once
// TSharpForm: "シャープネス", the dialog that chooses the photo's own
// sharpness: following the level of all photos, one of six levels, or never.

#include <QButtonGroup>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumetta::ui {

class TSharpForm : public QDialog {
  Q_OBJECT
 public:
  // sharpness: the photo's value, whose button is selected.
  explicit TSharpForm(std::int32_t sharpness, QWidget* parent = nullptr);

  // Shows the dialog modally, centred on its parent; the value of the
  // selected button when closed with "決定", nothing when cancelled.
  std::optional<std::int32_t> Run();
  // The value of the selected button.
  std::int32_t Chosen() const;

  QRadioButton* DefaultBtn = nullptr;
  QRadioButton* KanariBtn = nullptr;
  QRadioButton* DaibuBtn = nullptr;
  QRadioButton* TsuyomeBtn = nullptr;
  QRadioButton* YayaBtn = nullptr;
  QRadioButton* ChuuBtn = nullptr;
  QRadioButton* YowameBtn = nullptr;
  QRadioButton* NashiBtn = nullptr;
  QPushButton* DefaultSetsumeiBtn = nullptr;  // "説明"
  QPushButton* SHelpBtn = nullptr;            // "解説"
  QPushButton* CancelBtn = nullptr;
  QPushButton* KetteiBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QButtonGroup* group_ = nullptr;
};

// The texts of "説明" and "解説".
const std::vector<std::string>& SharpDefaultLines();
const std::vector<std::string>& SharpHelpLines();

}  // namespace lumetta::ui
