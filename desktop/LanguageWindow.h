#pragma once

#include "desktop/ControlId.h"
#include "engine/RunState.h"

namespace veltrano {

class LanguageWindowView;

// The language window of the start-up: "english" or "deutsch" and OK, modal, with no way out but
// OK. Whatever is selected when OK is pressed is the language.
class LanguageWindow {
  public:
    explicit LanguageWindow(RunState& state);

    // Loads the window into `view` and shows it modally; returns once OK has closed it.
    void show(LanguageWindowView& view);

    void Form_Load();
    void cmbLang_Click();
    void cmdOK_Click();

    // --- events from the view -------------------------------------------------------------
    void click(ControlId control);
    void listIndexChanged(ControlId list, int index);

  private:
    RunState& m_state;
    LanguageWindowView* m_view = nullptr;
    int m_listIndex = -1;
};

}  // namespace veltrano
