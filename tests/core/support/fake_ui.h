#pragma once
// A UserInterface for core tests: records what the user would see and
// answers questions from a script.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/app/user_interface.h"

namespace lumetta::testing_support {

class FakeUi : public UserInterface {
 public:
  struct Box {
    enum Kind { Message, YesNo, Choice } kind;
    std::vector<std::string> lines;
    std::vector<std::string> captions;
  };

  // Answers for the coming AskYesNo / AskChoice calls, in order; when the
  // script runs out, AskYesNo answers 2 (no) and AskChoice 0.
  std::deque<int> answers;

  std::vector<Box> boxes;
  std::map<Ctl, std::string> texts;
  std::map<Ctl, std::string> hints;
  std::map<Ctl, bool> checked;
  std::map<Ctl, bool> enabled;
  std::map<Ctl, bool> visible;
  std::map<Ctl, Colour> colours;
  std::map<Ctl, int> lefts;
  std::string caption;
  int busy_depth = 0;
  int busy_calls = 0;
  CursorKind view_cursor = CursorKind::Default;
  std::vector<Picture> repaints;
  int paint_flushes = 0;

  void ShowMessageBox(const std::vector<std::string>& lines) override { boxes.push_back({Box::Message, lines, {}}); }
  int AskYesNo(const std::vector<std::string>& lines) override {
    boxes.push_back({Box::YesNo, lines, {}});
    return Next(2);
  }
  int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) override {
    boxes.push_back({Box::Choice, lines, captions});
    return Next(0);
  }
  void SetText(Ctl c, std::string_view t) override { texts[c] = std::string(t); }
  void SetHint(Ctl c, std::string_view h) override { hints[c] = std::string(h); }
  void SetChecked(Ctl c, bool v) override { checked[c] = v; }
  void SetEnabled(Ctl c, bool v) override { enabled[c] = v; }
  void SetVisible(Ctl c, bool v) override { visible[c] = v; }
  void SetTextColour(Ctl c, Colour v) override { colours[c] = v; }
  void SetLeft(Ctl c, int v) override { lefts[c] = v; }
  void SetCaption(std::string_view c) override { caption = std::string(c); }
  void SetBusy(bool busy) override {
    busy_depth += busy ? 1 : -1;
    if (busy) ++busy_calls;
  }
  void SetViewCursor(CursorKind c) override { view_cursor = c; }
  void RepaintPicture(Picture p) override { repaints.push_back(p); }
  void ProcessPendingPaints() override { ++paint_flushes; }

  // The lines of the last box shown, or nothing.
  std::vector<std::string> LastLines() const { return boxes.empty() ? std::vector<std::string>{} : boxes.back().lines; }
  std::string Text(Ctl c) const {
    auto it = texts.find(c);
    return it == texts.end() ? std::string() : it->second;
  }

 private:
  int Next(int fallback) {
    if (answers.empty()) return fallback;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace lumetta::testing_support
