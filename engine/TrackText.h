#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace veltrano {

// The text of a track file while its PickupTrItemData fields are rewritten.
//
// A rewrite only ever replaces a field with a new field, and a new field can never form, or
// help form, an id text "TrItemId ( <id> )", a further field keyword or a ")" other than its
// own last one. So every search can be answered from indexes of the text as read plus the list
// of replaced ranges: the text is never copied per record, and a search never starts over at
// the first character. Positions are those of the text as read.
class TrackText {
  public:
    // A field: from its keyword to its ")", both included.
    struct Field {
        std::size_t start = 0;
        std::size_t end = 0;
    };

    explicit TrackText(std::u16string text);

    // Where "TrItemId ( <id> )" first occurs in the current text; nullopt when it does not.
    std::optional<std::size_t> findIdText(const std::u16string& id);
    // The first field that starts at or after `position` and its first ")"; nullopt when
    // there is no complete field after it.
    std::optional<Field> findField(std::size_t position) const;
    // The current text of a field found by findField.
    std::u16string fieldText(const Field& field) const;
    void replaceField(const Field& field, std::u16string newText);
    // The current text in order, in pieces, without ever putting it together; stops at the
    // first piece `take` refuses and then returns false.
    bool forEachPiece(const std::function<bool(std::u16string_view piece)>& take) const;

  private:
    struct Replacement {
        std::size_t end;  // last position of the range as read, included
        std::u16string text;
    };

    void indexIdTexts();
    void indexFieldKeywords();
    // The replacement whose range holds `position`, if any.
    std::map<std::size_t, Replacement>::const_iterator replacementHolding(
        std::size_t position) const;

    std::u16string m_text;
    std::unordered_map<std::u16string, std::vector<std::size_t>> m_idTexts;
    std::unordered_map<std::u16string, std::size_t> m_firstLiveIdText;
    std::vector<std::size_t> m_fieldKeywords;
    std::map<std::size_t, Replacement> m_replacements;  // keyed by the range's first position
};

}  // namespace veltrano
