#include "bench/RouteGenerator.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <utility>

#include "platform/TextCodec.h"
#include "tests/support/WorldFileForms.h"

namespace fs = std::filesystem;

namespace veltrano::bench {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::uint64_t kItemSalt = 0x9E3779B97F4A7C15ull;
constexpr std::uint64_t kWorldSalt = 0xC2B2AE3D27D4EB4Full;

const std::array<const char*, 8> kPickupShapes = {
    "Getreidesilo.s", "Kohlekran.s",   "Kieswerk.s",   "Sandturm.s",
    "Wasserkran.s",   "Kohlebansen.s", "Tankstelle.s", "Postrampe.s",
};
const std::array<const char*, 10> kStaticShapes = {
    "Bahnhof_Lindenau.s", "Lokschuppen.s", "Laterne.s",   "Stellwerk.s", "Baum_Eiche.s",
    "Zaun_10m.s",         "Wohnhaus_3.s",  "Prellbock.s", "Schuppen.s",  "Mast_Fahrl.s",
};
const std::array<const char*, 4> kTrackShapes = {"A1t10mStrt.s", "A1t500r10d.s", "A1tPnt5dLft.s",
                                                 "A1t100mStrt.s"};

// A value of an item's or object's line that depends only on the seed and the salt, so the
// .tdb and the .tit describe the same item whatever order they are written in.
std::mt19937_64 seededFor(std::uint64_t seed, std::uint64_t salt, std::uint64_t index) {
    std::seed_seq sequence{seed, salt, index};
    return std::mt19937_64(sequence);
}

std::string fromNumber(long long value) {
    return std::to_string(value);
}

char windows1252Byte(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        if (TextCodec::windows1252Char(static_cast<unsigned char>(byte)) == character) {
            return static_cast<char>(byte);
        }
    }
    return '?';
}

}  // namespace

std::optional<RouteSettings> RouteSettings::preset(std::string_view name) {
    RouteSettings settings;
    if (name == "small") {
        return settings;
    }
    if (name == "large") {
        settings.trackItems = 20000;
        settings.pickups = 2000;
        settings.tiles = 500;
        settings.worldFileBytes = 200 * 1024;
        settings.tdbBytes = 50 * 1000 * 1000;
        settings.missingWorldFiles = 4;
        settings.compressedWorldFiles = 4;
        return settings;
    }
    return std::nullopt;
}

std::optional<TextEncoding> RouteGenerator::encodingNamed(std::string_view name) {
    if (name == "utf16le") {
        return TextEncoding::Utf16Le;
    }
    if (name == "utf16be") {
        return TextEncoding::Utf16Be;
    }
    if (name == "utf8") {
        return TextEncoding::Utf8;
    }
    if (name == "8bit" || name == "windows1252") {
        return TextEncoding::Windows1252;
    }
    return std::nullopt;
}

RouteGenerator::RouteGenerator(RouteSettings settings)
    : m_settings(std::move(settings)),
      m_random(m_settings.seed),
      m_lineEnd(m_settings.crLf ? "\r\n" : "\n") {
    m_settings.pickups = std::min(m_settings.pickups, m_settings.trackItems);
    // A tile without a pickup would name no world file.
    m_settings.tiles = std::min(m_settings.tiles, m_settings.pickups);
    if (m_settings.tiles == 0 && m_settings.pickups > 0) {
        m_settings.tiles = 1;
    }
    planTiles();
    planPickups();
}

std::uint64_t RouteGenerator::below(std::uint64_t bound) {
    return bound == 0 ? 0 : m_random() % bound;
}

// A number between low and high (in units of the last decimal), written with `decimals`
// decimals: decimal(-1000000, 1000000, 4) gives -100.0000 to 100.0000.
std::string RouteGenerator::decimal(long long low, long long high, int decimals) {
    const long long value =
        low + static_cast<long long>(below(static_cast<std::uint64_t>(high - low + 1)));
    long long scale = 1;
    for (int d = 0; d < decimals; ++d) {
        scale *= 10;
    }
    const long long magnitude = value < 0 ? -value : value;
    std::string text = value < 0 ? "-" : "";
    text += fromNumber(magnitude / scale);
    if (decimals > 0) {
        std::string fraction = fromNumber(magnitude % scale);
        text +=
            "." + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

std::string RouteGenerator::line(const std::string& indent, const std::string& content) const {
    return indent + content + m_lineEnd;
}

void RouteGenerator::planTiles() {
    // Tiles of a real route lie close together; the grid grows with their number.
    const int side = std::max(20, static_cast<int>(2 * m_settings.tiles));
    std::set<std::pair<int, int>> taken;
    while (m_tiles.size() < m_settings.tiles) {
        Tile tile{-5700 + static_cast<int>(below(static_cast<std::uint64_t>(side))),
                  15000 + static_cast<int>(below(static_cast<std::uint64_t>(side)))};
        if (taken.insert({tile.x, tile.z}).second) {
            m_tiles.push_back(tile);
        }
    }
}

void RouteGenerator::planPickups() {
    const std::size_t items = m_settings.trackItems;
    std::vector<std::size_t> ids(items);
    for (std::size_t id = 0; id < items; ++id) {
        ids[id] = id;
    }
    // The first `pickups` ids of a shuffle become the pickup records.
    for (std::size_t i = 0; i < m_settings.pickups; ++i) {
        std::swap(ids[i], ids[i + below(items - i)]);
    }
    std::vector<std::size_t> pickupIds(ids.begin(),
                                       ids.begin() + static_cast<long>(m_settings.pickups));
    std::sort(pickupIds.begin(), pickupIds.end());

    m_pickupOfItem.assign(items, kNone);
    m_tileOfItem.assign(items, 0);
    for (std::size_t i = 0; i < pickupIds.size(); ++i) {
        Pickup pickup;
        pickup.id = pickupIds[i];
        pickup.type = 1 + static_cast<int>(below(8));
        pickup.capacity = static_cast<int>(1 + below(200)) * 500;
        pickup.zeroField = static_cast<double>(below(1000000)) < m_settings.zeroShare * 1000000.0;
        m_pickupOfItem[pickup.id] = m_pickups.size();
        m_pickups.push_back(pickup);
    }
    // Every tile gets at least one pickup: deal them out over a shuffled order.
    std::vector<std::size_t> order(m_pickups.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    for (std::size_t i = order.size(); i > 1; --i) {
        std::swap(order[i - 1], order[below(i)]);
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        m_pickups[order[i]].tile = i % m_settings.tiles;
        m_tileOfItem[m_pickups[order[i]].id] = i % m_settings.tiles;
    }
    for (std::size_t id = 0; id < items; ++id) {
        if (m_pickupOfItem[id] == kNone && !m_tiles.empty()) {
            m_tileOfItem[id] = below(m_tiles.size());
        }
    }
}

void RouteGenerator::generate(const FileSink& sink) {
    sink(RouteFile{m_settings.routeId + ".trk", routeFileText(), TextEncoding::Windows1252});
    sink(RouteFile{m_settings.routeId + ".tit", trackFileText(false), m_settings.titEncoding});
    sink(RouteFile{m_settings.routeId + ".tdb", trackFileText(true), m_settings.tdbEncoding});

    const std::size_t missing = std::min(m_settings.missingWorldFiles, m_tiles.size());
    const std::size_t compressed =
        std::min(m_settings.compressedWorldFiles, m_tiles.size() - missing);
    for (std::size_t tile = 0; tile < m_tiles.size(); ++tile) {
        const std::string path = "WORLD/" + worldFileName(m_tiles[tile]);
        if (tile < missing) {
            continue;
        }
        if (tile < missing + compressed) {
            RouteFile file{path, compressedWorldFile(), TextEncoding::Windows1252};
            file.rawBytes = true;
            sink(std::move(file));
            continue;
        }
        RouteFile file{path, worldFileText(tile), TextEncoding::Windows1252};
        if (m_settings.binaryWorldFiles) {
            file.text = test::storedAs(test::WorldFileForm::CompressedBinary, file.text);
            file.rawBytes = true;
        }
        sink(std::move(file));
    }
}

void RouteGenerator::writeTo(const std::string& folder) {
    if (fs::exists(folder) && !fs::is_empty(folder)) {
        throw std::runtime_error(folder + " is not empty; a route is never written over");
    }
    fs::create_directories(fs::path(folder) / "WORLD");
    generate([&](RouteFile&& file) {
        const std::string bytes = encode(file);
        const fs::path path = fs::path(folder) / file.relativePath;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            throw std::runtime_error("cannot write " + path.string());
        }
    });
}

std::string RouteGenerator::encode(const RouteFile& file) {
    if (file.rawBytes) {
        return file.text;
    }
    const std::u16string text = TextCodec::fromUtf8(file.text);
    std::string bytes;
    switch (file.encoding) {
        case TextEncoding::Utf16Le:
            return TextCodec::encodeUtf16LeWithBom(text);
        case TextEncoding::Utf16Be:
            bytes.reserve(2 + 2 * text.size());
            bytes.append("\xFE\xFF");
            for (char16_t unit : text) {
                bytes.push_back(static_cast<char>(unit >> 8));
                bytes.push_back(static_cast<char>(unit & 0xFF));
            }
            return bytes;
        case TextEncoding::Utf8:
            return "\xEF\xBB\xBF" + file.text;
        case TextEncoding::Windows1252:
            bytes.reserve(text.size());
            for (char16_t unit : text) {
                bytes.push_back(windows1252Byte(unit));
            }
            return bytes;
    }
    return bytes;
}

std::string RouteGenerator::routeFileText() const {
    const std::string& id = m_settings.routeId;
    return line("", "SIMISA@@@@@@@@@@JINX0r1t______") + m_lineEnd + line("", "Tr_RouteFile (") +
           line("\t", "RouteID ( " + id + " )") + line("\t", "Name ( \"Generated " + id + "\" )") +
           line("\t", "Description ( \"A generated route for benchmarks and tests.\" )") +
           line("\t", "FileName ( " + id + " )") + line("\t", "Electrified ( 00000000 )") +
           line("\t", "Mountains ( 00000000 )") + line("", ")");
}

std::string RouteGenerator::worldFileName(const Tile& tile) const {
    auto written = [](int number) {
        std::string digits = fromNumber(number < 0 ? -number : number);
        return (number < 0 ? "-" : "+") +
               std::string(6 - std::min<std::size_t>(6, digits.size()), '0') + digits;
    };
    return "w" + written(tile.x) + written(tile.z) + ".w";
}

std::string RouteGenerator::trackFileText(bool database) {
    std::string text =
        line("", database ? "SIMISA@@@@@@@@@@JINX0T0t______" : "SIMISA@@@@@@@@@@JINX0I0t______") +
        m_lineEnd;
    const std::string items = trackItems(database ? "\t\t" : "\t");
    const std::string table =
        line(database ? "\t" : "",
             "TrItemTable ( " + fromNumber(static_cast<long long>(m_settings.trackItems))) +
        items + line(database ? "\t" : "", ")");
    if (!database) {
        return text + table;
    }
    text += line("", "TrackDB (") + line("\t", "Serial ( 0 )");
    const std::size_t bytesPerCharacter = (m_settings.tdbEncoding == TextEncoding::Utf16Le ||
                                           m_settings.tdbEncoding == TextEncoding::Utf16Be)
                                              ? 2
                                              : 1;
    const std::size_t target = m_settings.tdbBytes / bytesPerCharacter;
    const std::size_t fixed = text.size() + table.size() + 64;
    text += trackNodes(target > fixed ? target - fixed : 0);
    text += table;
    text += line("", ")");
    return text;
}

std::string RouteGenerator::trackNodes(std::size_t targetCharacters) {
    std::string nodes;
    std::size_t count = 0;
    // At least a few nodes, as every route has them; then as many as the size asks for.
    std::string body;
    while (count < 3 || body.size() < targetCharacters) {
        ++count;
        const Tile tile = m_tiles.empty() ? Tile{-5642, 15114} : m_tiles[below(m_tiles.size())];
        const std::string tileText = fromNumber(tile.x) + " " + fromNumber(tile.z);
        body += line("\t\t", "TrackNode ( " + fromNumber(static_cast<long long>(count)));
        const auto kind = below(10);
        if (kind == 0) {
            body += line("\t\t\t", "TrEndNode ( 0 )");
            body +=
                line("\t\t\t",
                     "UiD ( " + tileText + " " + fromNumber(static_cast<long long>(below(2000))) +
                         " 0 " + tileText + " " + decimal(-10240000, 10240000, 4) + " " +
                         decimal(-500000, 500000, 5) + " " + decimal(-10240000, 10240000, 4) +
                         " 0 " + decimal(-31415, 31415, 4) + " 0 )");
        } else if (kind == 1) {
            body += line("\t\t\t", "TrJunctionNode ( 0 " +
                                       fromNumber(static_cast<long long>(below(300))) + " 0 )");
            body +=
                line("\t\t\t",
                     "UiD ( " + tileText + " " + fromNumber(static_cast<long long>(below(2000))) +
                         " 0 " + tileText + " " + decimal(-10240000, 10240000, 4) + " " +
                         decimal(-500000, 500000, 5) + " " + decimal(-10240000, 10240000, 4) +
                         " 0 " + decimal(-31415, 31415, 4) + " 0 )");
        } else {
            body += line("\t\t\t", "TrVectorNode (");
            const std::size_t sections = 1 + below(12);
            std::string vector =
                "TrVectorSections ( " + fromNumber(static_cast<long long>(sections));
            for (std::size_t s = 0; s < sections; ++s) {
                vector += ' ';
                vector += fromNumber(static_cast<long long>(below(60000))) + " " +
                          fromNumber(static_cast<long long>(below(60000))) + " " + tileText + " " +
                          fromNumber(static_cast<long long>(below(2000))) + " " +
                          fromNumber(static_cast<long long>(below(2))) + " " +
                          fromNumber(static_cast<long long>(below(2))) + " 00 " + tileText + " " +
                          decimal(-10240000, 10240000, 4) + " " + decimal(-500000, 500000, 5) +
                          " " + decimal(-10240000, 10240000, 4) + " " + decimal(-9000, 9000, 6) +
                          " " + decimal(-31415, 31415, 4) + " 0";
            }
            body += line("\t\t\t\t", vector + " )");
            if (below(4) == 0 && m_settings.trackItems > 0) {
                body += line("\t\t\t\t", "TrItemRefs ( 1");
                body += line("\t\t\t\t\t",
                             "TrItemRef ( " +
                                 fromNumber(static_cast<long long>(below(m_settings.trackItems))) +
                                 " )");
                body += line("\t\t\t\t", ")");
            }
            body += line("\t\t\t", ")");
        }
        body += line("\t\t\t", "TrPins ( 1 1");
        body +=
            line("\t\t\t\t",
                 "TrPin ( " + fromNumber(static_cast<long long>(below(count + 2) + 1)) + " 1 )");
        body +=
            line("\t\t\t\t",
                 "TrPin ( " + fromNumber(static_cast<long long>(below(count + 2) + 1)) + " 0 )");
        body += line("\t\t\t", ")");
        body += line("\t\t", ")");
    }
    nodes = line("\t", "TrackNodes ( " + fromNumber(static_cast<long long>(count))) + body +
            line("\t", ")");
    return nodes;
}

std::string RouteGenerator::trackItems(const std::string& indent) {
    std::string items;
    for (std::size_t id = 0; id < m_settings.trackItems; ++id) {
        items += trackItem(id, indent);
    }
    return items;
}

std::string RouteGenerator::trackItem(std::size_t id, const std::string& indent) {
    // The same item in both files: its values come from a generator of its own.
    std::mt19937_64 saved = m_random;
    m_random = seededFor(m_settings.seed, kItemSalt, id);
    const std::string inner = indent + "\t";
    const Tile tile = m_tiles.empty() ? Tile{-5642, 15114} : m_tiles[m_tileOfItem[id]];
    const std::string position =
        decimal(-10240000, 10240000, 4) + " " + decimal(-500000, 500000, 4) + " " +
        decimal(-10240000, 10240000, 4) + " " + fromNumber(tile.x) + " " + fromNumber(tile.z);
    const std::string idLine =
        line(inner, "TrItemId ( " + fromNumber(static_cast<long long>(id)) + " )");
    const std::string sData = line(inner, "TrItemSData ( " + decimal(0, 99999999, 3) + " 0000000" +
                                              fromNumber(static_cast<long long>(below(8))) + " )");
    const std::string rData = line(inner, "TrItemRData ( " + position + " )");
    std::string item;

    if (m_pickupOfItem[id] != kNone) {
        const Pickup& pickup = m_pickups[m_pickupOfItem[id]];
        std::string field = "PickupTrItemData ( 0 00000000 )";
        if (!pickup.zeroField) {
            // Filled in earlier: sometimes with what a run would write, sometimes not.
            static const std::array<const char*, 8> kEndings = {"080", "100", "180", "200",
                                                                "280", "300", "380", "400"};
            field = below(2) == 0 ? "PickupTrItemData ( " + fromNumber(pickup.capacity) + " 00000" +
                                        kEndings[static_cast<std::size_t>(pickup.type - 1)] + " )"
                                  : "PickupTrItemData ( " +
                                        fromNumber(static_cast<long long>(below(90) + 10) * 100) +
                                        " 0000" + fromNumber(static_cast<long long>(below(3))) +
                                        kEndings[below(8)] + " )";
        }
        item = line(indent, "PickupItem (") + idLine + sData + rData + line(inner, field) +
               line(indent, ")");
    } else {
        switch (below(5)) {
            case 0:
                item = line(indent, "SignalItem (") + idLine + sData + rData +
                       line(inner, "TrSignalType ( 00000000 1 1.570796 HpVr )") + line(indent, ")");
                break;
            case 1:
                item = line(indent, "SpeedPostItem (") + idLine + sData +
                       line(inner, "TrItemPData ( " + decimal(-10240000, 10240000, 4) + " " +
                                       decimal(-10240000, 10240000, 4) + " " + fromNumber(tile.x) +
                                       " " + fromNumber(tile.z) + " )") +
                       rData +
                       line(inner, "SpeedpostTrItemData ( 130 " +
                                       fromNumber(static_cast<long long>(4 + below(12)) * 10) +
                                       " 3.141593 )") +
                       line(indent, ")");
                break;
            case 2:
                item = line(indent, "PlatformItem (") + idLine + sData + rData +
                       line(inner, "PlatformName ( \"Gleis " +
                                       fromNumber(static_cast<long long>(1 + below(9))) + "\" )") +
                       line(inner, "Station ( \"Lindenau\" )") +
                       line(inner, "PlatformMinWaitingTime ( 3 )") +
                       line(inner, "PlatformNumPassengersWaiting ( 5 )") +
                       line(inner,
                            "PlatformTrItemData ( 00000000 " +
                                fromNumber(static_cast<long long>(below(m_settings.trackItems))) +
                                " )") +
                       line(indent, ")");
                break;
            case 3:
                item = line(indent, "SidingItem (") + idLine + sData + rData +
                       line(inner, "SidingName ( \"Ladestrasse\" )") +
                       line(inner,
                            "SidingTrItemData ( 00000000 " +
                                fromNumber(static_cast<long long>(below(m_settings.trackItems))) +
                                " )") +
                       line(indent, ")");
                break;
            default:
                item = line(indent, "CrossoverItem (") + idLine + sData + rData +
                       line(inner,
                            "CrossoverTrItemData ( " +
                                fromNumber(static_cast<long long>(below(m_settings.trackItems))) +
                                " 22042 )") +
                       line(indent, ")");
                break;
        }
    }
    m_random = saved;
    return item;
}

std::string RouteGenerator::worldFileText(std::size_t tile) {
    std::mt19937_64 saved = m_random;
    m_random = seededFor(m_settings.seed, kWorldSalt, tile);

    std::vector<const Pickup*> pickups;
    for (const Pickup& pickup : m_pickups) {
        if (pickup.tile == tile) {
            pickups.push_back(&pickup);
        }
    }
    for (std::size_t i = pickups.size(); i > 1; --i) {
        std::swap(pickups[i - 1], pickups[below(i)]);
    }
    // Where each pickup goes among the scenery objects, spread over the file.
    const std::size_t objectsExpected = std::max<std::size_t>(1, m_settings.worldFileBytes / 330);
    std::vector<std::size_t> slots(pickups.size());
    for (std::size_t& slot : slots) {
        slot = below(objectsExpected);
    }
    std::sort(slots.begin(), slots.end());

    std::string text = line("", "SIMISA@@@@@@@@@@JINX0w0t______") + m_lineEnd +
                       line("", "Tr_Worldfile (") + line("\t", "Tr_Watermark ( 1 )");
    std::size_t uid = 1;
    std::size_t next = 0;
    for (std::size_t object = 0; text.size() < m_settings.worldFileBytes || next < pickups.size();
         ++object) {
        while (next < pickups.size() &&
               (slots[next] <= object || text.size() >= m_settings.worldFileBytes)) {
            text += pickupObject(*pickups[next], uid++);
            ++next;
        }
        if (text.size() < m_settings.worldFileBytes) {
            text += below(3) == 0 ? trackObject(uid++) : staticObject(uid++);
        }
    }
    text += line("", ")");
    m_random = saved;
    return text;
}

std::string RouteGenerator::staticObject(std::size_t uid) {
    return line("\t", "Static (") +
           line("\t\t", "UiD ( " + fromNumber(static_cast<long long>(uid)) + " )") +
           line("\t\t",
                std::string("FileName ( ") + kStaticShapes[below(kStaticShapes.size())] + " )") +
           line("\t\t", "Position ( " + decimal(-10240000, 10240000, 4) + " " +
                            decimal(-50000, 50000, 4) + " " + decimal(-10240000, 10240000, 4) +
                            " )") +
           line("\t\t", "QDirection ( 0 " + decimal(-10000000, 10000000, 7) + " 0 " +
                            decimal(-10000000, 10000000, 7) + " )") +
           line("\t\t", "StaticFlags ( 00000000 )") + line("\t\t", "StaticDetailLevel ( 0 )") +
           line("\t", ")");
}

std::string RouteGenerator::trackObject(std::size_t uid) {
    const Tile tile = m_tiles.empty() ? Tile{-5642, 15114} : m_tiles[below(m_tiles.size())];
    return line("\t", "TrackObj (") +
           line("\t\t", "UiD ( " + fromNumber(static_cast<long long>(uid)) + " )") +
           line("\t\t", "SectionIdx ( " + fromNumber(static_cast<long long>(below(40000))) + " )") +
           line("\t\t", "Elevation ( 0 )") +
           line("\t\t", "JNodePosn ( " + fromNumber(tile.x) + " " + fromNumber(tile.z) + " " +
                            decimal(-10240000, 10240000, 4) + " " + decimal(-50000, 50000, 4) +
                            " " + decimal(-10240000, 10240000, 4) + " )") +
           line("\t\t", "CollideFlags ( 39 )") +
           line("\t\t",
                std::string("FileName ( ") + kTrackShapes[below(kTrackShapes.size())] + " )") +
           line("\t\t", "StaticFlags ( 00100000 )") +
           line("\t\t", "Position ( " + decimal(-10240000, 10240000, 4) + " " +
                            decimal(-50000, 50000, 4) + " " + decimal(-10240000, 10240000, 4) +
                            " )") +
           line("\t\t", "QDirection ( 0 " + decimal(-10000000, 10000000, 7) + " 0 " +
                            decimal(-10000000, 10000000, 7) + " )") +
           line("\t\t", "VDbId ( 4294967295 )") + line("\t\t", "StaticDetailLevel ( 0 )") +
           line("\t", ")");
}

std::string RouteGenerator::pickupObject(const Pickup& pickup, std::size_t uid) {
    const std::string type = fromNumber(pickup.type);
    return line("\t", "Pickup (") +
           line("\t\t", "UiD ( " + fromNumber(static_cast<long long>(uid)) + " )") +
           line("\t\t", std::string("FileName ( ") +
                            kPickupShapes[static_cast<std::size_t>(pickup.type - 1)] + " )") +
           line("\t\t", "PickupType ( " + type + " 0 )") +
           line("\t\t", "PickupCapacity ( " + fromNumber(pickup.capacity) + " " +
                            decimal(0, 100, 2) + " )") +
           line("\t\t", "TrItemId ( 0 " + fromNumber(static_cast<long long>(pickup.id)) + " )") +
           line("\t\t", "Position ( " + decimal(-10240000, 10240000, 4) + " " +
                            decimal(-50000, 50000, 4) + " " + decimal(-10240000, 10240000, 4) +
                            " )") +
           line("\t\t", "QDirection ( 0 " + decimal(-10000000, 10000000, 7) + " 0 " +
                            decimal(-10000000, 10000000, 7) + " )") +
           line("\t\t", "VDbId ( 4294967295 )") + line("\t\t", "SpeedRange ( 0 0 )") +
           line("\t\t",
                "PickupAnimData ( " + fromNumber(static_cast<long long>(below(3))) + " 0 )") +
           line("\t\t", "CollideFlags ( 32 )") + line("\t\t", "StaticFlags ( 00000000 )") +
           line("\t\t", "StaticDetailLevel ( 0 )") + line("\t", ")");
}

std::string RouteGenerator::compressedWorldFile() {
    // The header of a compressed world file, then bytes that look like deflated data.
    std::string bytes("SIMISA@F\x49\x02\x00\x00@@@@\x78\xda", 18);
    const std::size_t size = 1024 + below(3072);
    for (std::size_t i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>(below(256)));
    }
    return bytes;
}

}  // namespace veltrano::bench
