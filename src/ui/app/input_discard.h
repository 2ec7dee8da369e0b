#pragma once
// Throwing away keyboard and mouse input that is still waiting, so that a
// held-down key does not pile up work.

namespace lumetta::ui {

// Processes pending events, dropping the keyboard and mouse ones.
void DiscardPendingInput();

}  // namespace lumetta::ui
