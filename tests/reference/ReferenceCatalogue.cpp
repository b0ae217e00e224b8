#include "tests/reference/ReferenceCatalogue.h"

#include "platform/TextCodec.h"
#include "tests/reference/ReferenceText.h"

namespace veltrano::reference {

using T = ReferenceText;

bool ReferenceCatalogue::subCollectTdbPickups(double& gdblTdbPickupCount) {
    // The track database, found under another letter case when its exact name is not there.
    const std::string name = TextCodec::toUtf8(m_state.gstrRouteName + u".tdb");
    const std::string onDisk = m_state.fileSystem.findEntry(m_state.gstrRoutePath, name);
    const std::string path =
        FileSystem::join(m_state.gstrRoutePath, onDisk.empty() ? name : onDisk);

    std::string bytes;
    const IoResult read = m_state.fileSystem.readFile(path, bytes);
    if (!read) {
        m_state.problem(m_state.text(u"*** Datei ", u"*** Cannot read file ") +
                            TextCodec::fromUtf8(path) +
                            m_state.text(u" kann nicht gelesen werden: ", u": ") +
                            TextCodec::fromUtf8(read.cause()),
                        true);
        return false;
    }
    const std::u16string text = TextCodec::decodeWholeFile(bytes);

    for (std::size_t i = 1; i <= text.size(); ++i) {
        m_state.yield();
        if (T::upperCase(T::mid(text, i, 10)) != u"PICKUPITEM") {
            continue;
        }
        gdblTdbPickupCount += 1;
        std::u16string r = T::mid(text, i);
        const std::size_t positionData = T::inStr(1, r, u"TrItemRData");
        if (positionData == 0) {
            // The cut would start nowhere: the record is passed over with a line.
            m_state.problem(
                m_state.text(u"*** PickupItem ohne TrItemRData \u00fcbersprungen (Zeichen ",
                             u"*** PickupItem without TrItemRData skipped (character ") +
                    T::number(static_cast<long long>(i)) + u").",
                true);
            continue;
        }
        r = T::mid(r, positionData);
        const std::size_t close = T::inStr(1, r, u")");
        // Without a ")" the cut keeps the rest of the text.
        if (close != 0) {
            r = T::left(r, close + 1);
        }
        const std::u16string worldFile = fctWorldFileName(r);

        bool known = false;
        for (std::size_t k = 0; k < m_state.garrWorldFiles.size(); ++k) {
            if (m_state.garrWorldFiles[k] == worldFile) {
                known = true;
            }
        }
        if (!known) {
            m_state.garrWorldFiles.push_back(worldFile);
        }
    }
    return true;
}

std::u16string ReferenceCatalogue::fctWorldFileName(const std::u16string& cutText) {
    std::u16string r = T::replace(T::replace(cutText, u"\r", u" "), u"\n", u" ");
    r = T::trim(r);
    if (T::right(r, 1) == u")") {
        r = T::trim(T::left(r, r.size() - 1));
    }
    const std::u16string second = T::trim(T::mid(r, T::inStrRev(r, u" ") + 1));
    r = T::trim(T::left(r, T::inStrRev(r, u" ")));
    const std::u16string first = T::trim(T::mid(r, T::inStrRev(r, u" ") + 1));
    std::u16string name = u"w";
    name += writtenNumber(first);
    name += writtenNumber(second);
    return name + u".w";
}

std::u16string ReferenceCatalogue::writtenNumber(const std::u16string& numberText) {
    const std::u16string sign = T::inStr(1, numberText, u"-") != 0 ? u"-" : u"+";
    std::u16string digits = T::replace(numberText, u"-", u" ");
    std::u16string field =
        digits.size() > 6 ? T::left(digits, 6) : T::repeat(u' ', 6 - digits.size()) + digits;
    field = T::replace(field, u" ", u"0");
    return sign + field;
}

}  // namespace veltrano::reference
