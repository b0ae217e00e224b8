// Fuzzed track files and world pickups through the whole rewriting phase, on a file system in
// memory: every file it writes is exactly what the plain search from the first character
// gives, the backups are the old bytes, and the .tdb lines count its changes.
//
// Input: one byte of options (bit 0 change all, bits 1-3 fill level, bit 4 German), then
// pickup lines "id|type|capacity" separated by LF, then "\n====\n", the .tit bytes,
// "\n====\n" and the .tdb bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PickupRecordRewriter.h"
#include "engine/RunContext.h"
#include "engine/TextFormat.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/MemoryFileSystem.h"
#include "fuzz/QuietRunHost.h"
#include "platform/TextCodec.h"

namespace {

using veltrano::PickupRecordRewriter;
using veltrano::TextCodec;
using veltrano::TextFormat;

struct Pickup {
    std::u16string id;
    std::u16string type;
    std::u16string capacity;
};

const std::string kSeparator = "\n====\n";

// What the world scan can hand on: an id without blanks and parentheses, a capacity without
// blanks and closing parentheses, no item delimiters, a type of at most one character.
std::u16string keptAsTheScanWould(std::string_view bytes, std::u16string_view banned) {
    std::u16string text;
    for (char16_t c : TextCodec::decodeWindows1252(bytes)) {
        if (banned.find(c) == std::u16string_view::npos && c != u',' && c != u'\r' && c != u'\n') {
            text.push_back(c);
        }
    }
    return text;
}

std::vector<Pickup> pickupsOf(std::string_view lines) {
    std::vector<Pickup> pickups;
    while (!lines.empty() && pickups.size() < 64) {
        const std::size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
        const std::size_t first = line.find('|');
        const std::size_t second =
            first == std::string_view::npos ? first : line.find('|', first + 1);
        if (second == std::string_view::npos) {
            continue;
        }
        Pickup pickup;
        pickup.id = keptAsTheScanWould(line.substr(0, first), u" ()");
        pickup.type =
            keptAsTheScanWould(line.substr(first + 1, second - first - 1), u" ").substr(0, 1);
        pickup.capacity = keptAsTheScanWould(line.substr(second + 1), u" )");
        if (!pickup.id.empty()) {
            pickups.push_back(pickup);
        }
    }
    return pickups;
}

// The pass as route builders describe it: a fresh search from the first character for every
// pickup, a walk to the field, the text rebuilt at each replacement. Returns the changes.
std::size_t plainPass(std::u16string& text, const std::vector<Pickup>& pickups, bool changeAll,
                      std::u16string_view fill) {
    std::size_t changes = 0;
    for (const Pickup& pickup : pickups) {
        const std::size_t at = text.find(u"TrItemId ( " + pickup.id + u" )");
        if (at == std::u16string::npos) {
            continue;
        }
        const std::size_t start = TextFormat::findIgnoringCase(text, u"PICKUPTRITEMDATA", at);
        if (start == std::u16string::npos) {
            continue;
        }
        const std::size_t end = text.find(u')', start);
        if (end == std::u16string::npos) {
            continue;
        }
        const std::u16string newText =
            PickupRecordRewriter::newFieldText(pickup.capacity, pickup.type, fill);
        const std::u16string oldText = text.substr(start, end - start + 1);
        if (!changeAll && !oldText.ends_with(u"00000000 )")) {
            continue;
        }
        changes += oldText != newText;
        text = text.substr(0, start) + newText + text.substr(end + 1);
    }
    return changes;
}

std::size_t countOf(const std::u16string& text, std::u16string_view part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::u16string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t firstCut = input.find(kSeparator);
    if (firstCut == std::string_view::npos) {
        return 0;
    }
    const std::size_t secondCut = input.find(kSeparator, firstCut + kSeparator.size());
    if (secondCut == std::string_view::npos) {
        return 0;
    }
    const std::vector<Pickup> pickups = pickupsOf(input.substr(0, firstCut));
    const std::string titBytes(
        input.substr(firstCut + kSeparator.size(), secondCut - firstCut - kSeparator.size()));
    const std::string tdbBytes(input.substr(secondCut + kSeparator.size()));
    const bool changeAll = (data[0] & 1) != 0;
    const int fillLevel = ((data[0] >> 1) & 7) % 5;
    const bool german = (data[0] & 16) != 0;

    veltrano::fuzz::MemoryFileSystem fileSystem;
    fileSystem.addFolder("/route");
    fileSystem.addFile("/route/R.tit", titBytes);
    fileSystem.addFile("/route/R.tdb", tdbBytes);
    veltrano::RunState state;
    state.gstrRoutePath = "/route";
    state.gstrRouteName = u"R";
    state.gstrLanguage = german ? "deutsch" : "english";
    state.gvarFuellstand = fillLevel;
    state.garrPickupTrItemId = {u""};
    state.garrPickupType = {u""};
    state.garrPickupCapacity = {u""};
    state.garrPickupWorldFile = {u""};
    for (const Pickup& pickup : pickups) {
        state.garrPickupTrItemId.push_back(pickup.id);
        state.garrPickupType.push_back(pickup.type);
        state.garrPickupCapacity.push_back(pickup.capacity);
        state.garrPickupWorldFile.push_back(u"w-000001+000001.w");
    }
    veltrano::fuzz::QuietRunHost host;
    host.changeAll = changeAll ? 1 : 0;
    veltrano::Clock clock;
    veltrano::RunContext context{state, host, fileSystem, clock, {}, {}};

    FUZZ_CHECK(PickupRecordRewriter(context).run());

    const std::u16string fill = state.garrFuellstandCode[static_cast<std::size_t>(fillLevel)];
    std::u16string tit = TextCodec::decodeWholeFile(titBytes);
    std::u16string tdb = TextCodec::decodeWholeFile(tdbBytes);
    const std::size_t titChanges = plainPass(tit, pickups, changeAll, fill);
    const std::size_t tdbChanges = plainPass(tdb, pickups, changeAll, fill);
    const bool anyChange = titChanges + tdbChanges > 0;

    // The .tit is written when it changed; the .tdb when either did.
    FUZZ_CHECK(fileSystem.bytesOf("/route/R.tit") ==
               (titChanges > 0 ? TextCodec::encodeUtf16LeWithBom(tit) : titBytes));
    FUZZ_CHECK(fileSystem.bytesOf("/route/R.tdb") ==
               (anyChange ? TextCodec::encodeUtf16LeWithBom(tdb) : tdbBytes));
    std::size_t backups = 0;
    for (const auto& [path, bytes] : fileSystem.files()) {
        if (path.ends_with("_R.tit")) {
            FUZZ_CHECK(bytes == titBytes);
            ++backups;
        } else if (path.ends_with("_R.tdb")) {
            FUZZ_CHECK(bytes == tdbBytes);
            ++backups;
        }
    }
    FUZZ_CHECK(backups == (titChanges > 0 ? 1u : 0u) + (anyChange ? 1u : 0u));
    FUZZ_CHECK(fileSystem.files().size() == 2 + backups);

    const std::u16string protocol = state.gstrProtokoll.text();
    FUZZ_CHECK(countOf(protocol, german ? u" ge\u00e4ndert in PickupTrItemData ( "
                                        : u" changed to PickupTrItemData ( ") >= tdbChanges);
    FUZZ_CHECK((countOf(protocol, german ? u" Es wurden keine \u00c4nderungen vorgenommen."
                                         : u" No need to make any change.") > 0) == !anyChange);
    return 0;
}
