#pragma once

#include <windows.h>

#include <memory>

#include "desktop/MainWindow.h"
#include "desktop/MainWindowView.h"
#include "win32/Win32WindowView.h"

namespace veltrano {

class Win32HelpWindow;

// frmHaupt with the Win32 API: a captioned window without a close button, the controls of the
// control table, the two timers on the window, the run button and the protocol box subclassed
// for their mouse releases and typed keys. Every event goes to the MainWindow model.
class Win32MainWindow : public Win32WindowView<MainWindowView> {
  public:
    Win32MainWindow();
    ~Win32MainWindow() override;

    MainWindow& model() { return *m_model; }

    void showCentred() override;

    // --- MainWindowView ---
    void setTimerInterval(ControlId timer, int milliseconds) override;
    std::u16string boxText() override;
    void insertAtBoxFront(const std::u16string& text) override;
    void replaceBoxText(const std::u16string& text) override;
    void selectAllText(ControlId box) override;
    void setBusyPointer(bool busy) override;
    void repaint() override;
    void processPendingEvents() override;
    void openLanguageWindowModally(LanguageWindow& window) override;
    HelpWindowView& createHelpWindow(HelpWindow& window) override;
    void showMessage(const std::u16string& text) override;
    void endProgram(int exitStatus) override;

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void command(HWND native, int code);
    void startDesignTimers();
    void drawAnimationFrames();
    static LRESULT CALLBACK runButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK protocolBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    void mouseReleasedOverRunButton(UINT message, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<MainWindow> m_model;
    std::unique_ptr<Win32HelpWindow> m_help;
    bool m_busy = false;
};

}  // namespace veltrano
