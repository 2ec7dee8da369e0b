#pragma once
// A UserInterface without windows, for the command line and benchmarks:
// controls and pictures go nowhere, questions are answered "no" (or 0), and
// message boxes are printed to a stream when one is given.

#include <cstdio>

#include "core/state/user_interface.h"

namespace lumetta {

class HeadlessUi : public UserInterface {
 public:
  // messages: where message-box lines go (one per line), or nullptr.
  explicit HeadlessUi(std::FILE* messages = nullptr) : messages_(messages) {}

  void ShowMessageBox(const std::vector<std::string>& lines) override {
    if (messages_ == nullptr) return;
    for (const std::string& line : lines) std::fprintf(messages_, "%s\n", line.c_str());
  }
  void ReportError(const Exception& failure) override { ShowMessageBox(ErrorLines(failure)); }
  int AskYesNo(const std::vector<std::string>& lines) override {
    ShowMessageBox(lines);
    return 2;
  }
  int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>&) override {
    ShowMessageBox(lines);
    return 0;
  }
  void SetText(Ctl, std::string_view) override {}
  void SetHint(Ctl, std::string_view) override {}
  void SetChecked(Ctl, bool) override {}
  void SetEnabled(Ctl, bool) override {}
  void SetVisible(Ctl, bool) override {}
  void SetTextColour(Ctl, Colour) override {}
  void SetCaption(std::string_view) override {}
  void SetBusy(bool) override {}
  void SetViewCursor(CursorKind) override {}
  void RepaintPicture(Picture) override {}
  void ProcessPendingPaints() override {}

 private:
  std::FILE* messages_;
};

}  // namespace lumetta
