#pragma once

#include <QComboBox>
#include <functional>

namespace veltrano {

// Selects item `index` of `list` by program. Selecting runs the list's click handler just as a
// user's choice does; the list reports only a change of index, so when the item is selected
// already the handler is run here.
inline void selectListItem(QComboBox& list, int index, const std::function<void()>& clickHandler) {
    if (list.currentIndex() == index) {
        clickHandler();
    } else {
        list.setCurrentIndex(index);
    }
}

}  // namespace veltrano
