#include "engine/Protocol.h"

#include <algorithm>

namespace veltrano {

void Protocol::prepend(std::u16string_view entry) {
    m_reversed.append(entry.rbegin(), entry.rend());
}

void Protocol::clear() {
    m_reversed.clear();
}

void Protocol::assign(std::u16string_view text) {
    m_reversed.assign(text.rbegin(), text.rend());
}

std::u16string Protocol::text() const {
    return std::u16string(m_reversed.rbegin(), m_reversed.rend());
}

std::u16string Protocol::newestSince(std::size_t oldLength) const {
    if (oldLength >= m_reversed.size()) {
        return {};
    }
    // The newest entries are the tail of the reversed text.
    return std::u16string(
        m_reversed.rbegin(),
        m_reversed.rbegin() + static_cast<std::ptrdiff_t>(m_reversed.size() - oldLength));
}

}  // namespace veltrano
