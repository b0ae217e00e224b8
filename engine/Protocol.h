#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrano {

// The protocol text: one text that grows at the front, newest entry first. Entries are kept
// in reverse order internally, so putting one in front costs only its own length however long
// the protocol has grown; the text itself is put together when a front asks for it.
class Protocol {
  public:
    // new text = entry followed by the old text
    void prepend(std::u16string_view entry);
    void clear();
    void assign(std::u16string_view text);

    std::size_t length() const { return m_reversed.size(); }
    bool empty() const { return m_reversed.empty(); }
    // The whole text, newest first.
    std::u16string text() const;
    // The part that was put in front since the protocol had `oldLength` characters.
    std::u16string newestSince(std::size_t oldLength) const;

  private:
    std::u16string m_reversed;
};

}  // namespace veltrano
