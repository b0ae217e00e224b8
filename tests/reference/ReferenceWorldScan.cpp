#include "tests/reference/ReferenceWorldScan.h"

#include "platform/TextCodec.h"
#include "platform/WorldItemReader.h"
#include "tests/reference/ReferenceText.h"

namespace veltrano::reference {

using T = ReferenceText;

namespace {

struct TypeRow {
    long long number;
    long long code;
    const char16_t* german;
    const char16_t* english;
};

const TypeRow kTypeRows[] = {
    {1, 80, u"   G\u00fcter - Getreide", u"     Freight-grain"},
    {2, 100, u"      G\u00fcter - Kohle", u"      Freight-coal"},
    {3, 180, u"       G\u00fcter - Kies", u"    Freight-gravel"},
    {4, 200, u"       G\u00fcter - Sand", u"      Freight-sand"},
    {5, 280, u"Treibstoff - Wasser", u"        Fuel-water"},
    {6, 300, u" Treibstoff - Kohle", u"         Fuel-coal"},
    {7, 380, u"Treibstoff - Diesel", u"       Fuel-diesel"},
    {8, 400, u"   Sonderzug - Post", u"Special train mail"},
};

// A whole number: blanks around it, an optional sign, then digits only.
bool asNumber(const std::u16string& text, long long& value) {
    const std::u16string trimmed = T::trim(text);
    std::size_t at = 0;
    bool negative = false;
    if (!trimmed.empty() && (trimmed[0] == u'-' || trimmed[0] == u'+')) {
        negative = trimmed[0] == u'-';
        at = 1;
    }
    if (at == trimmed.size() || trimmed.size() - at > 18) {
        return false;
    }
    value = 0;
    for (; at < trimmed.size(); ++at) {
        if (trimmed[at] < u'0' || trimmed[at] > u'9') {
            return false;
        }
        value = value * 10 + (trimmed[at] - u'0');
    }
    value = negative ? -value : value;
    return true;
}

bool contains(const std::u16string& s, const std::u16string& keyword) {
    return T::inStr(1, T::upperCase(s), T::upperCase(keyword)) != 0;
}

}  // namespace

std::u16string ReferenceWorldScan::fctTypeNumToTypeString(const std::u16string& intTypeNum,
                                                          bool german) {
    std::u16string result = german ? u"              G\u00fcter" : u"           Freight";
    long long number = 0;
    if (!asNumber(intTypeNum, number)) {
        return result;
    }
    for (const TypeRow& row : kTypeRows) {
        if (row.number == number || row.code == number) {
            return german ? row.german : row.english;
        }
    }
    return result;
}

bool ReferenceWorldScan::scan() {
    for (std::size_t i = 1; i < m_state.garrWorldFiles.size(); ++i) {
        if (!scanFile(i)) {
            return false;
        }
    }
    return true;
}

bool ReferenceWorldScan::scanFile(std::size_t i) {
    const std::u16string n = m_state.garrWorldFiles[i];
    const std::string& route = m_state.gstrRoutePath;
    const std::string worldOnDisk = m_state.fileSystem.findEntry(route, "WORLD");
    const std::string folder = FileSystem::join(route, worldOnDisk.empty() ? "WORLD" : worldOnDisk);
    const std::string name = TextCodec::toUtf8(n);
    const std::string onDisk = m_state.fileSystem.findEntry(folder, name);
    const std::string path = FileSystem::join(folder, onDisk.empty() ? name : onDisk);

    // 1. A missing file: its line becomes visible with the next show.
    if (onDisk.empty() || !m_state.fileSystem.fileExists(path)) {
        m_state.prepend(m_state.text(u"World-Datei ", u"World file ") + n +
                        m_state.text(u" nicht gefunden!", u" not found!") + u"\r\n");
        return true;
    }
    // 2.
    m_state.yield();
    // 3. Only names of world files are scanned.
    if (T::inStr(1, n, u".w") == 0 || T::right(T::trim(n), 3) == u".ws") {
        return true;
    }
    // 4.
    const Header header = fctIsUncompressed(path);
    if (header == Header::Unreadable) {
        return false;
    }
    if (header == Header::Compressed) {
        m_state.prepend(m_state.text(u" Worlddatei ", u" World file ") + n +
                        m_state.text(u" ist kommprimiert, daher nicht lesbar!",
                                     u" is compressed, therefore not readable!") +
                        u"\r\n");
        return true;
    }
    // 5. to 8.
    m_inBlock = false;
    return readItems(path, n);
}

ReferenceWorldScan::Header ReferenceWorldScan::fctIsUncompressed(const std::string& path) {
    WorldItemReader reader(m_state.fileSystem);
    if (IoResult opened = reader.open(path); !opened) {
        readFailure(path, opened);
        return Header::Unreadable;
    }
    // An empty file has no first item, so no header.
    if (reader.atEnd()) {
        if (!reader.lastError()) {
            readFailure(path, reader.lastError());
            return Header::Unreadable;
        }
        return Header::Compressed;
    }
    std::string item;
    if (IoResult read = reader.readItem(item); !read) {
        readFailure(path, read);
        return Header::Unreadable;
    }
    reader.close();
    return T::inStr(1, TextCodec::decodeWindows1252(item), u"SIMISA@@@@@@@@@@JIN") != 0
               ? Header::PlainText
               : Header::Compressed;
}

bool ReferenceWorldScan::readItems(const std::string& path, const std::u16string& worldFile) {
    WorldItemReader reader(m_state.fileSystem);
    if (IoResult opened = reader.open(path); !opened) {
        readFailure(path, opened);
        return false;
    }
    std::string item;
    while (!reader.atEnd()) {
        m_state.yield();
        if (IoResult read = reader.readItem(item); !read) {
            readFailure(path, read);
            return false;
        }
        handleItem(TextCodec::decodeWindows1252(item), worldFile);
    }
    if (!reader.lastError()) {
        readFailure(path, reader.lastError());
        return false;
    }
    reader.close();
    return true;
}

void ReferenceWorldScan::handleItem(const std::u16string& s, const std::u16string& worldFile) {
    // 1.
    if (contains(s, u"Pickup (")) {
        m_inBlock = true;
        const std::size_t n = m_state.garrPickupTrItemId.size() - 1 + 1;
        m_state.garrPickupWorldFile.resize(n + 1);
        m_state.garrPickupType.resize(n + 1);
        m_state.garrPickupCapacity.resize(n + 1);
        m_state.garrPickupTrItemId.resize(n + 1);
        m_state.garrPickupWorldFile[n] = worldFile;
    }
    // 2.
    if (!m_inBlock) {
        return;
    }
    const std::size_t k = m_state.garrPickupTrItemId.size() - 1;
    // 3.
    if (contains(s, u"PickupType (")) {
        std::u16string value =
            T::trim(T::replace(T::replace(s, u"PickupType (", u" "), u")", u" "));
        m_state.garrPickupType[k] = T::left(value, 1);
    }
    // 4.
    if (contains(s, u"PickupCapacity (")) {
        std::u16string value =
            T::trim(T::replace(T::replace(s, u"PickupCapacity (", u" "), u")", u" "));
        value = T::trim(T::left(value, T::inStr(1, value, u" ")));
        m_state.garrPickupCapacity[k] = value;
    }
    // 5.
    if (contains(s, u"TrItemId (")) {
        std::u16string value = T::trim(T::replace(T::replace(s, u"(", u" "), u")", u" "));
        m_state.garrPickupTrItemId[k] = T::mid(value, T::inStrRev(value, u" ") + 1);
    }
    // 6.
    if (contains(s, u"Position (")) {
        m_state.prepend(T::rightInFive(T::number(static_cast<long long>(k))) + u". " +
                        fctTypeNumToTypeString(m_state.garrPickupType[k], m_state.german()) +
                        m_state.text(u" gefunden in ", u" found in ") +
                        m_state.garrPickupWorldFile[k] + m_state.text(u" an ", u" at ") + s +
                        u"\r\n");
        m_inBlock = false;
    }
}

void ReferenceWorldScan::readFailure(const std::string& path, const IoResult& failure) {
    m_state.problem(m_state.text(u"*** Datei ", u"*** Cannot read file ") +
                    TextCodec::fromUtf8(path) +
                    m_state.text(u" kann nicht gelesen werden: ", u": ") +
                    TextCodec::fromUtf8(failure.cause()));
}

}  // namespace veltrano::reference
