#pragma once

#include "engine/RunState.h"

namespace veltrano {

class HelpWindowView;

// The help window: one picture that explains the run button, the fill-level list and the
// change-all option, in the language that holds when the window is loaded. Modeless; closing it
// unloads it, and the next showing loads it again.
class HelpWindow {
  public:
    explicit HelpWindow(const RunState& state);

    // The view the main window's front made for this window; before any showing.
    void attach(HelpWindowView& view);

    // Loads the window when it is not loaded (fixing its language), then shows it.
    void showModeless();
    void Form_Load();
    // The user closed the window: it keeps nothing of its last load.
    void Form_Unload();
    bool loaded() const { return m_loaded; }

  private:
    void placeDesignedPictures();

    const RunState& m_state;
    HelpWindowView* m_view = nullptr;
    bool m_loaded = false;
};

}  // namespace veltrano
