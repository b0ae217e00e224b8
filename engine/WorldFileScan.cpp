#include "engine/WorldFileScan.h"

#include "engine/PickupTypes.h"
#include "engine/TextFormat.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace {

constexpr std::u16string_view kPlainTextHeader = u"SIMISA@@@@@@@@@@JIN";

bool contains(const std::u16string& upperItem, std::u16string_view upperKey) {
    return upperItem.find(upperKey) != std::u16string::npos;
}

// What an item that opens a pickup object holds, in any letter case.
constexpr std::string_view kPickupOpening = "PICKUP (";

// The type as a whole number: digits only, a plus sign and surrounding blanks allowed. No type
// is negative, so a minus sign names none, as any other text does.
std::optional<long long> wholeNumber(std::u16string_view text) {
    const std::u16string trimmed = TextFormat::trimBlanks(text);
    const std::u16string_view digits =
        std::u16string_view(trimmed).substr(trimmed.starts_with(u'+') ? 1 : 0);
    if (digits.empty() || digits.size() > 18 ||
        digits.find_first_not_of(u"0123456789") != std::u16string_view::npos) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char16_t digit : digits) {
        value = value * 10 + (digit - u'0');
    }
    return value;
}

// Opens a world file and reads its first input item, whose header tells whether the file is
// 8-bit text (a file in another form that the reader decoded has the header of its 8-bit
// twin). An empty file has no first item and so no header.
IoResult readFirstItem(WorldItemReader& reader, const std::string& path, std::string& item,
                       bool& plainText) {
    plainText = false;
    IoResult result = reader.open(path);
    if (!result) {
        return result;
    }
    if (reader.atEnd()) {
        return reader.lastError();
    }
    result = reader.readItem(item);
    if (result) {
        plainText = reader.itemText(item).find(kPlainTextHeader) != std::u16string::npos;
    }
    return result;
}

}  // namespace

bool WorldFileScan::scan() {
    const std::size_t count = m_context.state.garrWorldFiles.size() - 1;
    const std::string folder =
        m_context.fileSystem.resolvePath(m_context.state.gstrRoutePath, "WORLD");
    for (std::size_t index = 1; index <= count; ++index) {
        if (!scanFile(folder, index, count)) {
            return false;
        }
    }
    return true;
}

bool WorldFileScan::scanFile(const std::string& folder, std::size_t index, std::size_t count) {
    RunState& state = m_context.state;
    const std::u16string name = state.garrWorldFiles[index];
    const std::string nameUtf8 = TextCodec::toUtf8(name);
    const std::string path = m_context.fileSystem.resolveFile(folder, nameUtf8);

    if (path.empty()) {
        // Not shown at once: it becomes visible with the next show.
        state.gstrProtokoll.prepend(m_context.texts().worldFileMissing(name) + u"\r\n");
        return true;
    }
    m_context.host.yieldToEvents();

    const std::u16string trimmed = TextFormat::trimBlanks(name);
    const bool looksLikeWorldFile =
        name.find(u".w") != std::u16string::npos && !trimmed.ends_with(u".ws");
    if (looksLikeWorldFile && !scanWorldFile(path, name, index, count)) {
        return false;
    }
    m_context.show();
    return true;
}

bool WorldFileScan::scanWorldFile(const std::string& path, const std::u16string& name,
                                  std::size_t index, std::size_t count) {
    WorldItemReader reader(m_context.fileSystem, m_context.options.readAllWorldFiles);
    std::string item;
    bool plainText = false;
    IoResult read = readFirstItem(reader, path, item, plainText);
    if (read && !plainText) {
        m_context.state.gstrProtokoll.prepend(m_context.texts().worldFileCompressed(name) +
                                              u"\r\n");
        return true;
    }
    if (read) {
        read = readPickups(reader, item, name, index, count);
    }
    if (!read) {
        m_context.reportReadFailure(path, read);
        return false;
    }
    return true;
}

void WorldFileScan::showProgress(const std::u16string& name, std::size_t index, std::size_t count) {
    const double percent = static_cast<double>(index) / static_cast<double>(count) * 100.0;
    const char separator = m_context.clock.decimalSeparator();
    m_context.host.setStatusLine(
        m_context.texts().scanProgress(name, TextFormat::upToTwoDecimals(percent, separator)));
    m_context.host.repaint();
}

IoResult WorldFileScan::readPickups(WorldItemReader& reader, std::string& item,
                                    const std::u16string& name, std::size_t index,
                                    std::size_t count) {
    m_inPickup = false;
    showProgress(name, index, count);
    // The first item, read for the header test, is an item like any other.
    consider(reader, item, name);
    while (!reader.atEnd()) {
        m_context.host.yieldToEvents();
        // Outside a pickup object most items are scenery, which no rule looks at: only an item
        // that may open a pickup object changes anything there.
        if (!m_inPickup) {
            reader.skipToItemThatMayHold(kPickupOpening);
            if (reader.atEnd()) {
                break;
            }
        }
        IoResult read = reader.readItem(item);
        if (!read) {
            return read;
        }
        consider(reader, item, name);
    }
    return reader.lastError();
}

void WorldFileScan::consider(const WorldItemReader& reader, const std::string& item,
                             const std::u16string& worldFile) {
    const std::u16string text = reader.itemText(item);
    if (const std::optional<std::size_t> k = applyItemRules(text, worldFile)) {
        reportFound(*k, text);
    }
}

std::u16string WorldFileScan::fctTypeNumToTypeString(long long intTypeNum, bool german) {
    return PickupTypes::name(PickupTypes::withNumberOrCode(intTypeNum), german);
}

std::u16string WorldFileScan::fctTypeNumToTypeString(std::u16string_view intTypeNum, bool german) {
    const std::optional<long long> number = wholeNumber(intTypeNum);
    return PickupTypes::name(number ? PickupTypes::withNumberOrCode(*number) : nullptr, german);
}

void WorldFileScan::subRedimPickupArrays(long long n) {
    RunState& state = m_context.state;
    const auto bounds = static_cast<std::size_t>(n < 0 ? 0 : n) + 1;
    state.garrPickupWorldFile.resize(bounds);
    state.garrPickupType.resize(bounds);
    state.garrPickupCapacity.resize(bounds);
    state.garrPickupTrItemId.resize(bounds);
}

std::optional<std::size_t> WorldFileScan::applyItemRules(const std::u16string& item,
                                                         const std::u16string& worldFile) {
    RunState& state = m_context.state;
    const std::u16string upper = TextFormat::toUpperAscii(item);

    if (contains(upper, u"PICKUP (")) {
        m_inPickup = true;
        subRedimPickupArrays(static_cast<long long>(state.garrPickupTrItemId.size() - 1) + 1);
        state.garrPickupWorldFile.back() = worldFile;
    }
    if (!m_inPickup) {
        return std::nullopt;
    }
    const std::size_t k = state.garrPickupTrItemId.size() - 1;

    if (contains(upper, u"PICKUPTYPE (")) {
        // Only the keyword as written here is cut out: PICKUPTYPE ( 5 0 ) keeps its "P".
        std::u16string value = TextFormat::trimBlanks(TextFormat::replaceAll(
            TextFormat::replaceAll(item, u"PickupType (", u" "), u")", u" "));
        state.garrPickupType[k] = value.substr(0, 1);
    }
    if (contains(upper, u"PICKUPCAPACITY (")) {
        std::u16string value = TextFormat::trimBlanks(TextFormat::replaceAll(
            TextFormat::replaceAll(item, u"PickupCapacity (", u" "), u")", u" "));
        std::size_t blank = value.find(u' ');
        // A single value leaves no blank to cut after, so the capacity stays empty.
        state.garrPickupCapacity[k] = blank == std::u16string::npos
                                          ? u""
                                          : TextFormat::trimBlanks(value.substr(0, blank + 1));
    }
    if (contains(upper, u"TRITEMID (")) {
        std::u16string value = TextFormat::trimBlanks(
            TextFormat::replaceAll(TextFormat::replaceAll(item, u"(", u" "), u")", u" "));
        std::size_t blank = value.rfind(u' ');
        state.garrPickupTrItemId[k] =
            blank == std::u16string::npos ? value : value.substr(blank + 1);
    }
    if (!contains(upper, u"POSITION (")) {
        return std::nullopt;
    }
    m_inPickup = false;
    return k;
}

void WorldFileScan::reportFound(std::size_t k, const std::u16string& positionItem) {
    RunState& state = m_context.state;
    state.gstrProtokoll.prepend(
        m_context.texts().pickupFound(
            k, fctTypeNumToTypeString(state.garrPickupType[k], state.isGerman()),
            state.garrPickupWorldFile[k], positionItem) +
        u"\r\n");
    m_context.show();
}

}  // namespace veltrano
