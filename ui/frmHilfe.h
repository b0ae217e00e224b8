#pragma once

#include <QWidget>

#include "engine/RunState.h"

class QCloseEvent;
class QLabel;

namespace veltrano {

// The help window: one picture that explains the run button, the fill-level list and the
// change-all option, in the language that holds when the window is loaded. Modeless, with a
// close button; closing it unloads it, and the next showing loads it again.
class frmHilfe : public QWidget {
  public:
    explicit frmHilfe(const RunState& state);

    // Loads the window when it is not loaded (fixing its language), then shows it.
    void showModeless();
    void Form_Load();
    bool loaded() const { return m_loaded; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The designed state, which a load starts from.
    void placeDesignedPictures();

    const RunState& m_state;
    QLabel* m_imgDeu;
    QLabel* m_imgEng;
    bool m_loaded = false;
};

}  // namespace veltrano
