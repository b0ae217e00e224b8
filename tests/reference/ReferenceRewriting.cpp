#include "tests/reference/ReferenceRewriting.h"

#include "platform/TextCodec.h"
#include "tests/reference/ReferenceText.h"
#include "tests/reference/ReferenceWorldScan.h"

namespace veltrano::reference {

using T = ReferenceText;

std::u16string ReferenceRewriting::newFieldText(const std::u16string& capacity,
                                                const std::u16string& type,
                                                const std::vector<std::u16string>& fillLevelCodes,
                                                int fillLevel) {
    std::u16string fill = fillLevelCodes[static_cast<std::size_t>(fillLevel)];
    std::u16string ending = u"000 )";
    if (type == u"1") {
        fill = fillLevelCodes[0];
        ending = u"080 )";
    } else if (type == u"2") {
        fill = fillLevelCodes[0];
        ending = u"100 )";
    } else if (type == u"3") {
        fill = fillLevelCodes[0];
        ending = u"180 )";
    } else if (type == u"4") {
        fill = fillLevelCodes[0];
        ending = u"200 )";
    } else if (type == u"5") {
        ending = u"280 )";
    } else if (type == u"6") {
        ending = u"300 )";
    } else if (type == u"7") {
        ending = u"380 )";
    } else if (type == u"8") {
        fill = fillLevelCodes[0];
        ending = u"400 )";
    }
    return u"PickupTrItemData ( " + capacity + u" 0000" + fill + ending;
}

ReferenceRewriting::TrackFile ReferenceRewriting::trackFile(const char16_t* extension) const {
    TrackFile file;
    file.extension = extension;
    const std::string name = TextCodec::toUtf8(m_state.gstrRouteName + extension);
    const std::string onDisk = m_state.fileSystem.findEntry(m_state.gstrRoutePath, name);
    file.path = FileSystem::join(m_state.gstrRoutePath, onDisk.empty() ? name : onDisk);
    file.nameOnDisk = TextCodec::fromUtf8(onDisk.empty() ? name : onDisk);
    return file;
}

bool ReferenceRewriting::run() {
    // 1. and 2.
    m_state.prepend(T::repeat(u'-', 111) + u"\r\n\r\n");
    m_state.prepend(u"\r\n" +
                    m_state.text(u"\u00c4ndere Pickups in tdb and tit Dateien:",
                                 u"Change pickups in tdb and tit files:") +
                    u"\r\n\r\n");
    // 3.
    m_changed = false;
    TrackFile itemTable = trackFile(u".tit");
    TrackFile database = trackFile(u".tdb");
    bool completed = false;
    // 4. to 7.
    if (pass(itemTable, false) && (!m_changed || writeBack(itemTable, database)) &&
        pass(database, true)) {
        if (!m_changed) {
            m_state.prepend(m_state.text(u" Es wurden keine \u00c4nderungen vorgenommen.",
                                         u" No need to make any change.") +
                            u"\r\n");
            completed = true;
        } else {
            completed = writeBack(database, itemTable);
        }
    }
    // Both or neither: the .tit goes back when the .tdb could not follow it.
    if (!completed && itemTable.written) {
        putBack(itemTable);
    }
    // 8.
    m_state.yield();
    return completed;
}

bool ReferenceRewriting::pass(TrackFile& file, bool tdb) {
    std::string bytes;
    const IoResult read = m_state.fileSystem.readFile(file.path, bytes);
    if (!read) {
        m_state.problem(m_state.text(u"*** Datei ", u"*** Cannot read file ") +
                        TextCodec::fromUtf8(file.path) +
                        m_state.text(u" kann nicht gelesen werden: ", u": ") +
                        TextCodec::fromUtf8(read.cause()));
        return false;
    }
    file.text = TextCodec::decodeWholeFile(bytes);
    const std::size_t upperBound = m_state.garrPickupTrItemId.size() - 1;
    for (std::size_t i = 1; i <= upperBound; ++i) {
        rewriteRecord(file, i, tdb);
        m_state.yield();
    }
    return true;
}

void ReferenceRewriting::rewriteRecord(TrackFile& file, std::size_t i, bool tdb) {
    std::u16string& text = file.text;
    const std::u16string& id = m_state.garrPickupTrItemId[i];
    // 1. and 2.: a fresh search from the first character.
    const std::size_t idPosition = T::inStr(1, text, u"TrItemId ( " + id + u" )");
    if (idPosition == 0) {
        return;
    }
    // 3.: walk forward to the keyword, then to its first ")".
    std::size_t start = idPosition;
    while (start <= text.size() && T::upperCase(T::mid(text, start, 16)) != u"PICKUPTRITEMDATA") {
        ++start;
    }
    const std::size_t end = start <= text.size() ? T::inStr(start, text, u")") : 0;
    if (end == 0) {
        m_state.problem(
            u"*** TrItemId ( " + id + u" ) in " + file.nameOnDisk +
            m_state.text(u" ohne vollst\u00e4ndiges PickupTrItemData \u00fcbersprungen.",
                         u" without a complete PickupTrItemData skipped."));
        return;
    }
    // 4. and 5.
    const std::u16string newText =
        newFieldText(m_state.garrPickupCapacity[i], m_state.garrPickupType[i],
                     m_state.garrFuellstandCode, m_state.gvarFuellstand);
    const std::u16string oldText = T::mid(text, start, end - start + 1);
    // 6.
    if (m_state.chkChangeAll != 1 && T::right(oldText, 10) != u"00000000 )") {
        return;
    }
    // 7.
    if (oldText != newText) {
        m_changed = true;
        if (tdb) {
            m_state.prepend(
                T::rightInFive(T::number(static_cast<long long>(i))) + u". " +
                ReferenceWorldScan::fctTypeNumToTypeString(T::mid(newText, newText.size() - 4, 3),
                                                           m_state.german()) +
                u" in " + m_state.garrPickupWorldFile[i] + m_state.text(u" mit ", u" with ") +
                oldText + m_state.text(u" ge\u00e4ndert in ", u" changed to ") + newText + u"\r\n");
        }
    }
    text = T::left(text, start - 1) + newText + T::mid(text, end + 1);
}

bool ReferenceRewriting::writeBack(TrackFile& file, const TrackFile& partner) {
    if (!staysInside(file, partner)) {
        return false;
    }
    file.backupPath = backUp(file);
    if (file.backupPath.empty()) {
        return false;
    }
    // Delete, create anew, write the whole text as UTF-16LE with its byte-order mark.
    IoResult written = m_state.fileSystem.removeFile(file.path);
    if (written) {
        const std::string bytes = TextCodec::encodeUtf16LeWithBom(file.text);
        written =
            m_state.fileSystem.writeNewFile(file.path, FileSystem::contentOf(bytes), std::string());
    }
    if (!written) {
        m_state.problem(m_state.text(u"*** Datei ", u"*** Cannot write file ") +
                        TextCodec::fromUtf8(file.path) +
                        m_state.text(u" kann nicht geschrieben werden: ", u": ") +
                        TextCodec::fromUtf8(written.cause()) +
                        m_state.text(u". Die Datei bleibt unver\u00e4ndert.",
                                     u". The file is left unchanged."));
        return false;
    }
    file.written = true;
    return true;
}

bool ReferenceRewriting::staysInside(const TrackFile& file, const TrackFile& partner) {
    // Asked once, before anything is written.
    if (m_linksChecked) {
        return true;
    }
    m_linksChecked = true;
    const std::string& route = m_state.gstrRoutePath;
    const std::string backupFolder =
        FileSystem::join(route, TextCodec::toUtf8(m_state.gstrSaveFolder));
    for (const std::string& path : {file.path, partner.path, backupFolder}) {
        if (m_state.fileSystem.leadsOutside(path, route)) {
            m_state.problem(
                u"*** " + TextCodec::fromUtf8(path) +
                m_state.text(u" zeigt aus dem Streckenverzeichnis heraus; es wurde "
                             u"nichts ge\u00e4ndert.",
                             u" points outside the route folder; nothing was changed."));
            return false;
        }
    }
    return true;
}

std::string ReferenceRewriting::backUp(const TrackFile& file) {
    FileSystem& fileSystem = m_state.fileSystem;
    const std::string folder =
        FileSystem::join(m_state.gstrRoutePath, TextCodec::toUtf8(m_state.gstrSaveFolder));
    // 1.
    IoResult result = IoResult::success();
    if (!fileSystem.folderExists(folder)) {
        result = fileSystem.createFolder(folder);
    }
    std::string backupPath;
    if (result) {
        // 2. and 3.: date and time of one reading of the clock.
        const ClockReading reading = m_state.clock.now();
        const std::u16string name = u"_Datum-" + TextCodec::fromUtf8(Clock::yymmdd(reading.local)) +
                                    u"_Uhrzeit-" +
                                    TextCodec::fromUtf8(Clock::hhmmss(reading.local)) + u"_" +
                                    m_state.gstrRouteName + file.extension;
        backupPath = FileSystem::join(folder, TextCodec::toUtf8(name));
        // 4.
        result = fileSystem.copyFile(file.path, backupPath);
    }
    if (!result) {
        m_state.problem(m_state.text(u"*** Sicherung von ", u"*** Backup of ") +
                        TextCodec::fromUtf8(file.path) +
                        m_state.text(u" fehlgeschlagen: ", u" failed: ") +
                        TextCodec::fromUtf8(result.cause()) +
                        m_state.text(u". Die Datei bleibt unver\u00e4ndert.",
                                     u". The file is left unchanged."));
        return {};
    }
    return backupPath;
}

void ReferenceRewriting::putBack(const TrackFile& itemTable) {
    const IoResult restored = m_state.fileSystem.copyFile(itemTable.backupPath, itemTable.path);
    if (!restored) {
        m_state.problem(m_state.text(u"*** Datei ", u"*** Cannot write file ") +
                        TextCodec::fromUtf8(itemTable.path) +
                        m_state.text(u" kann nicht geschrieben werden: ", u": ") +
                        TextCodec::fromUtf8(restored.cause()) + u".");
        return;
    }
    m_state.problem(u"*** " + TextCodec::fromUtf8(itemTable.path) +
                    m_state.text(u" wurde aus der Sicherung wiederhergestellt.",
                                 u" was restored from its backup."));
}

}  // namespace veltrano::reference
