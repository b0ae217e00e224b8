#include "engine/TdbPickupCatalogue.h"

#include <algorithm>

#include "engine/TextFormat.h"

namespace veltrano {

namespace {

constexpr std::u16string_view kRecordMark = u"PICKUPITEM";
constexpr std::u16string_view kPositionData = u"TrItemRData";
// The window is kept live by one yield per block of characters: a yield per character would
// look the same to the user and cost far more.
constexpr std::size_t kCharactersPerYield = 4096;

std::u16string replaceLineEndsByBlanks(std::u16string_view text) {
    std::u16string result(text);
    std::replace(result.begin(), result.end(), u'\r', u' ');
    std::replace(result.begin(), result.end(), u'\n', u' ');
    return result;
}

// Sign character and six digits: -5678 -> -005678, -1234567 -> -012345.
std::u16string writtenTileNumber(std::u16string_view number) {
    const bool negative = number.find(u'-') != std::u16string_view::npos;
    std::u16string digits = TextFormat::replaceAll(number, u"-", u" ");
    if (digits.size() > 6) {
        digits.resize(6);
    } else {
        digits.insert(0, 6 - digits.size(), u' ');
    }
    std::replace(digits.begin(), digits.end(), u' ', u'0');
    return (negative ? u"-" : u"+") + digits;
}

// The text after the last blank, and the text up to and including it.
void splitAtLastBlank(const std::u16string& text, std::u16string& tail, std::u16string& head) {
    std::size_t blank = text.rfind(u' ');
    if (blank == std::u16string::npos) {
        tail = text;
        head.clear();
    } else {
        tail = text.substr(blank + 1);
        head = text.substr(0, blank + 1);
    }
}

}  // namespace

bool TdbPickupCatalogue::subCollectTdbPickups(double& gdblTdbPickupCount) {
    // Read and decoded off the window's thread: a large track database takes longer than the
    // window may stay unanswered.
    FileSystem& fileSystem = m_context.fileSystem;
    const std::string& path = m_databasePath;
    std::u16string text;
    const IoResult read = m_context.whileYielding(
        [&fileSystem, &path, &text] { return fileSystem.readText(path, text); });
    if (!read) {
        m_context.reportReadFailure(path, read, true);
        return false;
    }

    // Where the next TrItemRData after a position stands; records close together share it.
    std::size_t nextPositionData = 0;
    bool positionDataKnown = false;

    for (std::size_t blockStart = 0; blockStart < text.size(); blockStart += kCharactersPerYield) {
        m_context.host.yieldToEvents();
        const std::size_t blockEnd = std::min(text.size(), blockStart + kCharactersPerYield);
        // Matches must start inside this block; they may run into the next one. The window ends
        // where a match that starts after the block could not fit.
        const std::u16string_view window(text.data(),
                                         std::min(text.size(), blockEnd + kRecordMark.size() - 1));
        for (std::size_t at = TextFormat::findIgnoringCase(window, kRecordMark, blockStart);
             at != std::u16string_view::npos;
             at = TextFormat::findIgnoringCase(window, kRecordMark, at + 1)) {
            gdblTdbPickupCount += 1;
            if (!positionDataKnown || nextPositionData < at) {
                nextPositionData = text.find(kPositionData, at);
                positionDataKnown = true;
            }
            if (nextPositionData == std::u16string::npos) {
                m_context.reportProblem(m_context.texts().pickupWithoutPositionData(at + 1), true);
                continue;
            }
            // The cut keeps the closing parenthesis and the character after it.
            std::size_t close = text.find(u')', nextPositionData);
            std::size_t cutEnd =
                close == std::u16string::npos ? text.size() : std::min(text.size(), close + 2);
            addWorldFile(fctWorldFileName(
                std::u16string_view(text).substr(nextPositionData, cutEnd - nextPositionData)));
        }
    }
    return true;
}

void TdbPickupCatalogue::addWorldFile(const std::u16string& name) {
    // The set mirrors the array, so a route with thousands of tiles is not compared name by name.
    if (m_known.empty()) {
        m_known.insert(m_context.state.garrWorldFiles.begin(),
                       m_context.state.garrWorldFiles.end());
    }
    if (m_known.insert(name).second) {
        m_context.state.garrWorldFiles.push_back(name);
    }
}

std::u16string TdbPickupCatalogue::fctWorldFileName(std::u16string_view cutText) {
    std::u16string text = TextFormat::trimBlanks(replaceLineEndsByBlanks(cutText));
    if (!text.empty() && text.back() == u')') {
        text.pop_back();
        text = TextFormat::trimBlanks(text);
    }
    std::u16string second;
    std::u16string rest;
    splitAtLastBlank(text, second, rest);
    second = TextFormat::trimBlanks(second);
    rest = TextFormat::trimBlanks(rest);
    std::u16string first;
    std::u16string ignored;
    splitAtLastBlank(rest, first, ignored);
    first = TextFormat::trimBlanks(first);
    // Appended in place: GCC 12 warns of a false overlap when a literal is put before a
    // temporary string in an optimised build.
    std::u16string name = u"w";
    name += writtenTileNumber(first);
    name += writtenTileNumber(second);
    name += u".w";
    return name;
}

}  // namespace veltrano
