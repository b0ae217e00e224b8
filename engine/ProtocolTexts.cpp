#include "engine/ProtocolTexts.h"

#include "engine/TextFormat.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace {

std::u16string utf16(const std::string& text) {
    return TextCodec::fromUtf8(text);
}

std::u16string numbered(std::size_t number) {
    return TextFormat::rightAligned5(TextFormat::fromAscii(std::to_string(number))) + u". ";
}

}  // namespace

std::u16string ProtocolTexts::tdbHeading() const {
    return pick(u"Erfasse Pickups in tdb-Datei", u"Look up for pickups in tdb file");
}

std::u16string ProtocolTexts::tdbPickupCount(double count) const {
    return TextFormat::countText(count) +
           pick(u" Pickups in in tdb-Datei gefunden.", u" pickups found in tdb file.");
}

std::u16string ProtocolTexts::worldHeading() const {
    return pick(u"Suche in World Dateien nach Pickups", u"Look up for pickups in world files:");
}

std::u16string ProtocolTexts::rewriteHeading() const {
    return pick(u"\u00c4ndere Pickups in tdb and tit Dateien:",
                u"Change pickups in tdb and tit files:");
}

std::u16string ProtocolTexts::noChange() const {
    return pick(u" Es wurden keine \u00c4nderungen vorgenommen.", u" No need to make any change.");
}

std::u16string ProtocolTexts::dryRun() const {
    return pick(u" Probelauf: es wurde keine Datei ge\u00e4ndert.",
                u" Dry run: no file was changed.");
}

std::u16string ProtocolTexts::ready() const {
    return pick(u"fertig!", u"ready!");
}

std::u16string ProtocolTexts::endLine(const std::u16string& dateAndTime) const {
    return pick(u"--- ENDE ", u"--- END ") + dateAndTime + u" " +
           TextFormat::repeat(u'-', m_german ? 122 : 123);
}

std::u16string ProtocolTexts::duration(const std::u16string& seconds) const {
    return pick(u"Dauer: ", u"Duration: ") + seconds + u" s";
}

std::u16string ProtocolTexts::worldFileMissing(const std::u16string& name) const {
    return pick(u"World-Datei ", u"World file ") + name + pick(u" nicht gefunden!", u" not found!");
}

std::u16string ProtocolTexts::worldFileCompressed(const std::u16string& name) const {
    return pick(u" Worlddatei ", u" World file ") + name +
           pick(u" ist kommprimiert, daher nicht lesbar!",
                u" is compressed, therefore not readable!");
}

std::u16string ProtocolTexts::scanProgress(const std::u16string& name,
                                           const std::u16string& percent) const {
    return pick(u"\u00d6ffne World-Datei ", u"Open world file ") + name +
           pick(u" und suche nach Pickup-Eintr\u00e4gen. ", u" and look up for pickup entries. ") +
           percent + pick(u"% durchsucht", u"% looked up");
}

std::u16string ProtocolTexts::pickupFound(std::size_t k, const std::u16string& typeName,
                                          const std::u16string& worldFile,
                                          const std::u16string& positionItem) const {
    return numbered(k) + typeName + pick(u" gefunden in ", u" found in ") + worldFile +
           pick(u" an ", u" at ") + positionItem;
}

std::u16string ProtocolTexts::pickupChanged(std::size_t i, const std::u16string& typeName,
                                            const std::u16string& worldFile,
                                            const std::u16string& oldText,
                                            const std::u16string& newText) const {
    return numbered(i) + typeName + u" in " + worldFile + pick(u" mit ", u" with ") + oldText +
           pick(u" ge\u00e4ndert in ", u" changed to ") + newText;
}

std::u16string ProtocolTexts::readFailure(const std::string& path, const std::string& cause) const {
    return pick(u"*** Datei ", u"*** Cannot read file ") + utf16(path) +
           pick(u" kann nicht gelesen werden: ", u": ") + utf16(cause);
}

std::u16string ProtocolTexts::writeFailure(const std::string& path, const std::string& cause,
                                           bool fileUnchanged) const {
    return pick(u"*** Datei ", u"*** Cannot write file ") + utf16(path) +
           pick(u" kann nicht geschrieben werden: ", u": ") + utf16(cause) +
           (fileUnchanged
                ? pick(u". Die Datei bleibt unver\u00e4ndert.", u". The file is left unchanged.")
                : std::u16string(u"."));
}

std::u16string ProtocolTexts::backupFailure(const std::string& path,
                                            const std::string& cause) const {
    return pick(u"*** Sicherung von ", u"*** Backup of ") + utf16(path) +
           pick(u" fehlgeschlagen: ", u" failed: ") + utf16(cause) +
           pick(u". Die Datei bleibt unver\u00e4ndert.", u". The file is left unchanged.");
}

std::u16string ProtocolTexts::putBackFromBackup(const std::string& path) const {
    return u"*** " + utf16(path) +
           pick(u" wurde aus der Sicherung wiederhergestellt.", u" was restored from its backup.");
}

std::u16string ProtocolTexts::leadsOutside(const std::string& path) const {
    return u"*** " + utf16(path) +
           pick(u" zeigt aus dem Streckenverzeichnis heraus; es wurde nichts ge\u00e4ndert.",
                u" points outside the route folder; nothing was changed.");
}

std::u16string ProtocolTexts::pickupWithoutPositionData(std::size_t character) const {
    return pick(u"*** PickupItem ohne TrItemRData \u00fcbersprungen (Zeichen ",
                u"*** PickupItem without TrItemRData skipped (character ") +
           TextFormat::fromAscii(std::to_string(character)) + u").";
}

std::u16string ProtocolTexts::idWithoutField(const std::u16string& id,
                                             const std::u16string& fileName) const {
    return u"*** TrItemId ( " + id + u" ) in " + fileName +
           pick(u" ohne vollst\u00e4ndiges PickupTrItemData \u00fcbersprungen.",
                u" without a complete PickupTrItemData skipped.");
}

std::u16string ProtocolTexts::restoreHeading(const std::string& stamp) const {
    return pick(u"Stelle die Streckendateien wieder her, wie sie vor dem Lauf ",
                u"Restore the track files as they were before the run ") +
           utf16(stamp) + pick(u" waren:", u":");
}

std::u16string ProtocolTexts::unchangedSinceRun(const std::string& path) const {
    return u" " + utf16(path) +
           pick(u" ist seit diesem Lauf unver\u00e4ndert und bleibt, wie sie ist.",
                u" is unchanged since that run and stays as it is.");
}

std::u16string ProtocolTexts::restoredFrom(const std::string& path,
                                           const std::string& source) const {
    return u" " + utf16(path) + pick(u" wiederhergestellt aus ", u" restored from ") +
           utf16(source) + u".";
}

std::u16string ProtocolTexts::wouldBeRestoredFrom(const std::string& path,
                                                  const std::string& source) const {
    return u" " + utf16(path) +
           pick(u" w\u00fcrde wiederhergestellt aus ", u" would be restored from ") +
           utf16(source) + u".";
}

std::u16string ProtocolTexts::noSuchRun(const std::string& stamp, const std::string& before,
                                        const std::string& after) const {
    std::u16string line =
        pick(u"*** Kein Lauf mit dem Stempel ", u"*** No run has the stamp ") + utf16(stamp);
    if (before.empty() && after.empty()) {
        line += pick(u"; die Strecke hat keine Sicherungen.", u"; the route has no backups.");
    } else if (!before.empty() && !after.empty()) {
        line += pick(u"; die n\u00e4chsten L\u00e4ufe sind ", u"; the nearest runs are ") +
                utf16(before) + pick(u" und ", u" and ") + utf16(after) + u".";
    } else {
        line += pick(u"; der n\u00e4chste Lauf ist ", u"; the nearest run is ") +
                utf16(before.empty() ? after : before) + u".";
    }
    return line + pick(u" Es wurde nichts ge\u00e4ndert.", u" Nothing was changed.");
}

}  // namespace veltrano
