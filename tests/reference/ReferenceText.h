#pragma once

#include <cstddef>
#include <string>

namespace veltrano::reference {

// The text operations the run's algorithms are written in, with positions counted from 1 and
// 0 meaning "not found", so the reference reads like the steps it follows. Every operation
// copies, as the described algorithms do; none of them is meant to be fast.
class ReferenceText {
  public:
    // First position of `key` in `text` at or after `start`; 0 when there is none.
    static std::size_t inStr(std::size_t start, const std::u16string& text,
                             const std::u16string& key);
    // Last position of `key` in `text`; 0 when there is none.
    static std::size_t inStrRev(const std::u16string& text, const std::u16string& key);
    // The characters from `start` on (all of them, or at most `length`); empty past the end.
    static std::u16string mid(const std::u16string& text, std::size_t start);
    static std::u16string mid(const std::u16string& text, std::size_t start, std::size_t length);
    static std::u16string left(const std::u16string& text, std::size_t length);
    static std::u16string right(const std::u16string& text, std::size_t length);
    // Capitals of the letters a to z; every other character stays.
    static std::u16string upperCase(const std::u16string& text);
    // Without leading and trailing space characters (tabs and line ends stay).
    static std::u16string trim(const std::u16string& text);
    // Every occurrence of `what`, from left to right, replaced by `with`.
    static std::u16string replace(const std::u16string& text, const std::u16string& what,
                                  const std::u16string& with);
    static std::u16string repeat(char16_t character, std::size_t count);
    static std::u16string number(long long value);
    // "@@@@@": right-aligned in five characters, a longer text whole.
    static std::u16string rightInFive(const std::u16string& text);
};

}  // namespace veltrano::reference
