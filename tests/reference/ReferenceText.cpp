#include "tests/reference/ReferenceText.h"

namespace veltrano::reference {

std::size_t ReferenceText::inStr(std::size_t start, const std::u16string& text,
                                 const std::u16string& key) {
    if (start < 1 || start > text.size() + 1) {
        return 0;
    }
    // Compared position by position, the way the algorithms describe a search.
    for (std::size_t at = start; at + key.size() <= text.size() + 1; ++at) {
        std::size_t k = 0;
        while (k < key.size() && text[at - 1 + k] == key[k]) {
            ++k;
        }
        if (k == key.size()) {
            return at;
        }
    }
    return 0;
}

std::size_t ReferenceText::inStrRev(const std::u16string& text, const std::u16string& key) {
    if (key.size() > text.size()) {
        return 0;
    }
    for (std::size_t at = text.size() - key.size() + 1; at >= 1; --at) {
        if (text.compare(at - 1, key.size(), key) == 0) {
            return at;
        }
    }
    return 0;
}

std::u16string ReferenceText::mid(const std::u16string& text, std::size_t start) {
    if (start < 1 || start > text.size()) {
        return {};
    }
    return text.substr(start - 1);
}

std::u16string ReferenceText::mid(const std::u16string& text, std::size_t start,
                                  std::size_t length) {
    if (start < 1 || start > text.size()) {
        return {};
    }
    return text.substr(start - 1, length);
}

std::u16string ReferenceText::left(const std::u16string& text, std::size_t length) {
    return text.substr(0, length);
}

std::u16string ReferenceText::right(const std::u16string& text, std::size_t length) {
    return length >= text.size() ? text : text.substr(text.size() - length);
}

std::u16string ReferenceText::upperCase(const std::u16string& text) {
    std::u16string result = text;
    for (char16_t& c : result) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return result;
}

std::u16string ReferenceText::trim(const std::u16string& text) {
    std::size_t first = 0;
    while (first < text.size() && text[first] == u' ') {
        ++first;
    }
    std::size_t last = text.size();
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.substr(first, last - first);
}

std::u16string ReferenceText::replace(const std::u16string& text, const std::u16string& what,
                                      const std::u16string& with) {
    if (what.empty()) {
        return text;
    }
    std::u16string result;
    std::size_t at = 1;
    for (std::size_t found = inStr(at, text, what); found != 0; found = inStr(at, text, what)) {
        result += mid(text, at, found - at) + with;
        at = found + what.size();
    }
    return result + mid(text, at);
}

std::u16string ReferenceText::repeat(char16_t character, std::size_t count) {
    return std::u16string(count, character);
}

std::u16string ReferenceText::number(long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string ReferenceText::rightInFive(const std::u16string& text) {
    return text.size() >= 5 ? text : repeat(u' ', 5 - text.size()) + text;
}

}  // namespace veltrano::reference
