#include "engine/TrackText.h"

#include <algorithm>

#include "engine/TextFormat.h"

namespace veltrano {

namespace {

constexpr std::u16string_view kIdOpening = u"TrItemId ( ";
constexpr std::u16string_view kFieldKeyword = u"PICKUPTRITEMDATA";

// An id taken from a world file never holds a blank or a parenthesis.
bool endsId(char16_t c) {
    return c == u' ' || c == u'(' || c == u')';
}

}  // namespace

TrackText::TrackText(std::u16string text) : m_text(std::move(text)) {
    indexIdTexts();
    indexFieldKeywords();
}

void TrackText::indexIdTexts() {
    for (std::size_t at = m_text.find(kIdOpening); at != std::u16string::npos;
         at = m_text.find(kIdOpening, at + kIdOpening.size())) {
        std::size_t idStart = at + kIdOpening.size();
        std::size_t idEnd = idStart;
        while (idEnd < m_text.size() && !endsId(m_text[idEnd])) {
            ++idEnd;
        }
        if (idEnd + 1 < m_text.size() && m_text[idEnd] == u' ' && m_text[idEnd + 1] == u')') {
            m_idTexts[m_text.substr(idStart, idEnd - idStart)].push_back(at);
        }
    }
}

void TrackText::indexFieldKeywords() {
    for (std::size_t at = TextFormat::findIgnoringCase(m_text, kFieldKeyword);
         at != std::u16string::npos;
         at = TextFormat::findIgnoringCase(m_text, kFieldKeyword, at + 1)) {
        m_fieldKeywords.push_back(at);
    }
}

std::map<std::size_t, TrackText::Replacement>::const_iterator TrackText::replacementHolding(
    std::size_t position) const {
    auto after = m_replacements.upper_bound(position);
    if (after == m_replacements.begin()) {
        return m_replacements.end();
    }
    auto candidate = std::prev(after);
    return candidate->second.end >= position ? candidate : m_replacements.end();
}

std::optional<std::size_t> TrackText::findIdText(const std::u16string& id) {
    auto found = m_idTexts.find(id);
    if (found == m_idTexts.end()) {
        return std::nullopt;
    }
    const std::vector<std::size_t>& positions = found->second;
    // An id text inside a replaced field is gone for good, so the scan never has to go back. A
    // field starts with its keyword, which an id text cannot hold, so the id text's start tells.
    std::size_t& next = m_firstLiveIdText[id];
    while (next < positions.size() && replacementHolding(positions[next]) != m_replacements.end()) {
        ++next;
    }
    if (next == positions.size()) {
        return std::nullopt;
    }
    return positions[next];
}

std::optional<TrackText::Field> TrackText::findField(std::size_t position) const {
    auto keyword = std::lower_bound(m_fieldKeywords.begin(), m_fieldKeywords.end(), position);
    // A keyword inside a replaced range is gone: the candidate is the first one after the
    // range. A range that starts at or after `position` comes first anyway, so at most two
    // ranges are passed and a run of replaced fields costs no walk through their keywords.
    while (keyword != m_fieldKeywords.end()) {
        auto holder = replacementHolding(*keyword);
        if (holder == m_replacements.end()) {
            break;
        }
        keyword = std::upper_bound(keyword, m_fieldKeywords.end(), holder->second.end);
        if (holder->first >= position) {
            break;
        }
    }
    auto replaced = m_replacements.lower_bound(position);
    const bool keywordFirst = keyword != m_fieldKeywords.end() &&
                              (replaced == m_replacements.end() || *keyword < replaced->first);

    if (!keywordFirst) {
        if (replaced == m_replacements.end()) {
            return std::nullopt;
        }
        // A replaced field starts with the keyword and ends with its only ")".
        return Field{replaced->first, replaced->second.end};
    }
    const std::size_t start = *keyword;
    const std::size_t close = m_text.find(u')', start);
    auto nextReplaced = m_replacements.upper_bound(start);
    if (nextReplaced != m_replacements.end() &&
        (close == std::u16string::npos || nextReplaced->first < close)) {
        // The first ")" after the keyword is the last character of a replaced field.
        return Field{start, nextReplaced->second.end};
    }
    if (close == std::u16string::npos) {
        return std::nullopt;
    }
    return Field{start, close};
}

std::u16string TrackText::fieldText(const Field& field) const {
    std::u16string result;
    std::size_t at = field.start;
    const auto last = m_replacements.upper_bound(field.end);
    for (auto it = m_replacements.lower_bound(field.start); it != last; ++it) {
        result.append(m_text, at, it->first - at);
        result.append(it->second.text);
        at = it->second.end + 1;
    }
    if (at <= field.end) {
        result.append(m_text, at, field.end + 1 - at);
    }
    return result;
}

void TrackText::replaceField(const Field& field, std::u16string newText) {
    // Replaced fields inside this one go with it.
    m_replacements.erase(m_replacements.lower_bound(field.start),
                         m_replacements.upper_bound(field.end));
    m_replacements.emplace(field.start, Replacement{field.end, std::move(newText)});
}

bool TrackText::forEachPiece(const std::function<bool(std::u16string_view piece)>& take) const {
    const std::u16string_view text = m_text;
    std::size_t at = 0;
    for (const auto& [start, replacement] : m_replacements) {
        if (!take(text.substr(at, start - at)) || !take(replacement.text)) {
            return false;
        }
        at = replacement.end + 1;
    }
    return take(text.substr(at));
}

}  // namespace veltrano
