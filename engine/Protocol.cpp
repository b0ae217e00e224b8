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
    // The newest entries are the tail of the reversed text; nothing is newer than the whole.
    const std::size_t newest = m_reversed.size() - std::min(oldLength, m_reversed.size());
    return std::u16string(m_reversed.rbegin(),
                          m_reversed.rbegin() + static_cast<std::ptrdiff_t>(newest));
}

}  // namespace veltrano
