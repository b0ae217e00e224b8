#pragma once

#include <QColor>
#include <QFont>
#include <array>
#include <string>
#include <vector>

#include "desktop/ControlTable.h"

class QObject;
class QTimer;
class QWidget;

namespace veltrano {

// The Qt controls of one window, made from the control table, and what every view does to
// them: captions, tool tips, flags, places and lists, with twips and UTF-16 turned into Qt's
// pixels and QString.
class QtControls {
  public:
    // Creates the controls of `id` as children of `window`, in their tab order; a timer with a
    // design interval starts ticking.
    QtControls(QWidget& window, WindowId id);

    QWidget* widget(ControlId control) const { return m_widgets[slot(control)]; }
    QTimer* timer(ControlId control) const { return m_timers[slot(control)]; }
    template <typename Widget>
    Widget* as(ControlId control) const {
        return static_cast<Widget*>(widget(control));
    }

    void setCaption(ControlId control, const std::u16string& caption);
    void setToolTip(ControlId control, const std::u16string& tip);
    void setEnabled(ControlId control, bool enabled);
    void setVisible(ControlId control, bool visible);
    void setPosition(ControlId control, int left, int top);
    // Program changes to a list are never reported as the user's.
    void setListItems(ControlId list, const std::vector<std::u16string>& items);
    void setListIndex(ControlId list, int index);

    // The face every control uses except the protocol box.
    static QFont dialogFont();
    static QFont font(FontId id);

  private:
    static std::size_t slot(ControlId control) {
        return static_cast<std::size_t>(indexOf(control));
    }
    QWidget* create(const ControlDesign& design, QWidget& window);

    std::array<QWidget*, kControlCount> m_widgets{};
    std::array<QTimer*, kControlCount> m_timers{};
};

}  // namespace veltrano
