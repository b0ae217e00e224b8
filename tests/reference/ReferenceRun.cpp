#include "tests/reference/ReferenceRun.h"

#include "platform/TextCodec.h"
#include "tests/reference/ReferenceCatalogue.h"
#include "tests/reference/ReferenceRewriting.h"
#include "tests/reference/ReferenceText.h"
#include "tests/reference/ReferenceWorldScan.h"

namespace veltrano::reference {

using T = ReferenceText;

namespace {

constexpr const char16_t* kCrLf = u"\r\n";

bool endsInTrk(const std::string& name) {
    return name.size() >= 4 &&
           T::upperCase(TextCodec::fromUtf8(name.substr(name.size() - 4))) == u".TRK";
}

}  // namespace

ReferenceRun::ReferenceRun(std::string routePath, FileSystem& fileSystem, const Clock& clock,
                           ReferenceSettings settings)
    : m_state(fileSystem, clock), m_settings(std::move(settings)) {
    m_state.gstrRoutePath = std::move(routePath);
    m_state.gstrLanguage = m_settings.language;
    m_state.gstrSaveFolder = m_state.german()
                                 ? u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"
                                 : u"_Saved_tdb_und_tit_files_before_pickup_correction";
    m_state.gvarFuellstand = m_settings.fillLevel;
    m_state.chkChangeAll = m_settings.changeAll;
    m_state.gstrProtokoll = m_settings.earlierProtocol;
}

std::u16string ReferenceRun::routeId(FileSystem& fileSystem, const std::string& routePath) {
    FolderEntries entries;
    if (!fileSystem.listFolder(routePath, entries)) {
        return {};
    }
    std::string trkName;
    for (const auto* names : {&entries.subfolders, &entries.files}) {
        for (const std::string& name : *names) {
            if (endsInTrk(name)) {
                trkName = name;
            }
        }
    }
    std::string bytes;
    if (trkName.empty() || !fileSystem.readFile(FileSystem::join(routePath, trkName), bytes)) {
        return {};
    }
    const std::u16string text = TextCodec::decodeWholeFile(bytes);
    const std::size_t at = T::inStr(1, T::upperCase(text), u"ROUTEID");
    const std::size_t close = at == 0 ? 0 : T::inStr(at, text, u")");
    if (close == 0) {
        return {};
    }
    std::u16string part = T::mid(text, at, close - at + 1);
    part = T::mid(part, T::inStr(1, part, u"(") + 1);
    part = T::left(part, T::inStr(1, part, u")") - 1);
    return T::trim(part);
}

ReferenceOutcome ReferenceRun::run() {
    // The route check at the start of a run reads the RouteID anew.
    m_state.gstrRouteName = routeId(m_state.fileSystem, m_state.gstrRoutePath);
    m_state.garrWorldFiles.assign(1, u"");
    m_state.garrPickupWorldFile.assign(1, u"");
    m_state.garrPickupType.assign(1, u"");
    m_state.garrPickupCapacity.assign(1, u"");
    m_state.garrPickupTrItemId.assign(1, u"");

    writeStartFrame();
    const bool completed = runPhases();
    writeEndFrame();
    return ReferenceOutcome{m_state.gstrProtokoll, !completed, m_state.yields};
}

std::u16string ReferenceRun::dateAndTime() const {
    const ClockReading reading = m_state.clock.now();
    return TextCodec::fromUtf8(m_state.clock.shortDate(reading.local)) + u" " +
           TextCodec::fromUtf8(m_state.clock.longTime(reading.local));
}

void ReferenceRun::writeStartFrame() {
    // 9. to 11.
    if (T::trim(m_settings.protocolBoxText).empty()) {
        m_state.gstrProtokoll.clear();
    }
    m_state.prepend(T::repeat(u'=', 151) + kCrLf + kCrLf);
    m_state.prepend(kCrLf + (u"--- START " + dateAndTime()) + u" " + T::repeat(u'-', 121) + kCrLf);
}

bool ReferenceRun::runPhases() {
    // 12. to 15.
    m_state.prepend(
        kCrLf + m_state.text(u"Erfasse Pickups in tdb-Datei", u"Look up for pickups in tdb file") +
        kCrLf);
    m_state.gdblTdbPickupCount = 0;
    if (!ReferenceCatalogue(m_state).subCollectTdbPickups(m_state.gdblTdbPickupCount)) {
        return false;
    }
    m_state.prepend(
        T::number(static_cast<long long>(m_state.gdblTdbPickupCount)) +
        m_state.text(u" Pickups in in tdb-Datei gefunden.", u" pickups found in tdb file."));
    if (m_state.garrWorldFiles.size() - 1 < 1) {
        return true;
    }
    // 16. to 18.
    m_state.prepend(T::repeat(u'-', 111) + kCrLf + kCrLf);
    m_state.prepend(kCrLf +
                    m_state.text(u"Suche in World Dateien nach Pickups",
                                 u"Look up for pickups in world files:") +
                    kCrLf + kCrLf);
    if (!ReferenceWorldScan(m_state).scan()) {
        return false;
    }
    // 19.
    return ReferenceRewriting(m_state).run();
}

void ReferenceRun::writeEndFrame() {
    // 21. to 23.
    m_state.prepend(m_state.text(u"fertig!", u"ready!") + kCrLf + kCrLf);
    m_state.prepend(m_state.text(u"--- ENDE ", u"--- END ") + dateAndTime() + u" " +
                    T::repeat(u'-', m_state.german() ? 122 : 123) + kCrLf + kCrLf);
    m_state.prepend(T::repeat(u'=', 151) + kCrLf);
}

}  // namespace veltrano::reference
