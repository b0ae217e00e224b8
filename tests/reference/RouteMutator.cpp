#include "tests/reference/RouteMutator.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace veltrano::reference {

namespace {

using bench::RouteFile;

// Pieces that real track files are made of, and pieces that break them.
const std::array<const char*, 44> kTrackPieces = {
    "TrItemId ( 17 )",
    "TrItemId ( 1 )",
    "TrItemId ( 7 )",
    "TrItemId ( 117 )",
    "TrItemId (17)",
    "TrItemId (  )",
    "TrItemId ( 0 17 )",
    "tritemid ( 17 )",
    "TrItemId ( ",
    "PickupTrItemData ( 0 00000000 )",
    "PickupTrItemData ( 5000 00001300 )",
    "pickuptritemdata ( 0 00000000 )",
    "PICKUPTRITEMDATA (",
    "PickupTrItemData",
    "00000000 )",
    ")",
    "(",
    " ",
    "\r\n",
    "\n",
    "\r",
    "\t",
    "PickupItem (",
    "PickupItem",
    "XPickupItemY",
    "PickupItems",
    "MyPickupTrItemDataX",
    "NotTrItemRData",
    "TrItemRData ( 1 2 3 -5678 14567 )",
    "TrItemRData ( 1 2 3 -5678 14567)",
    "TrItemRData",
    "trItemRData ( 1 2 3 4 5 )",
    "\tPickupItem (\r\n\t\tTrItemId ( 3 )\r\n\t\tTrItemRData ( 1 2 3 -5700 15000 )\r\n"
    "\t\tPickupTrItemData ( 0 00000000 )\r\n\t)\r\n",
    "\tPickupItem (\n\t\tTrItemId ( 1 )\n\t\tPickupTrItemData ( 0 00000000 )\n\t)\n",
    "\tPickupItem (\r\n\t\tTrItemId ( 12 )\r\n\t)\r\n",
    "\u00e4",
    "\u20ac",
    "\u03a9",
    "x",
    "17",
    "TrItemId ( TrItemId )",
    "PickupTrItemData ( 5000 00001300",
    "TrItemId ( 10 )\r\nPickupTrItemData ( 7 00000000 )",
    "TrItemRData ( 1 2 3 -5678 14567 ) PickupItem",
};

struct Variants {
    const char* keyword;
    std::vector<const char*> variants;
};

const std::array<Variants, 5> kKeywordVariants = {{
    {"PickupTrItemData",
     {"pickuptritemdata", "PICKUPTRITEMDATA", "PickUpTrItemData", "XPickupTrItemData",
      "PickupTrItemDat", "PickupTrItemDataX"}},
    {"PickupItem",
     {"PICKUPITEM", "pickupitem", "PickupItems", "MyPickupItem", "PickupIte", "Pickup Item"}},
    {"TrItemRData", {"trItemRData", "TRITEMRDATA", "TrItemRDat", "XTrItemRData"}},
    {"TrItemId ( ", {"TrItemId (", "TrItemId  ( ", "tritemid ( ", "TRITEMID ( ", "TrItemId (\t"}},
    {"00000000 )", {"00000000)", "00000000  )", "0000000 )", "10000000 )"}},
}};

const std::array<const char*, 14> kWorldPieces = {
    "\tPosition ( 1 2 3 )\r\n",
    "\tPickup (\r\n",
    "\t\tTrItemId ( 0 5 )\r\n",
    "\r\n",
    "  \r\n",
    "\t\tPickupType ( 9 0 )\r\n",
    "\t\tPickupType (  )\r\n",
    "\t\tPickupType ( P )\r\n",
    "\t\tPickupCapacity ( 5 )\r\n",
    "\t\tpickup ( \r\n",
    "Pickup (, TrItemId ( 0 1 ), Position ( 1\r\n",
    "\t\t\"quoted, text\"\r\n",
    "\t\tPickupType ( 5 0 ),PickupCapacity ( 20000 0 )\n",
    "\t\tTrItemId ( 0 1\t7 )\r\n",
};

std::string lineAt(const std::string& text, std::size_t at, std::size_t& start, std::size_t& end) {
    start = text.rfind('\n', at == 0 ? 0 : at - 1);
    start = (start == std::string::npos || at == 0) ? 0 : start + 1;
    end = text.find('\n', at);
    end = end == std::string::npos ? text.size() : end + 1;
    return text.substr(start, end - start);
}

bool isTrackFile(const RouteFile& file) {
    const std::string& path = file.relativePath;
    return path.size() > 4 && (path.ends_with(".tdb") || path.ends_with(".tit"));
}

bool isWorldFile(const RouteFile& file) {
    return file.relativePath.rfind("WORLD/", 0) == 0 && !file.rawBytes;
}

// The ids of the track files' "TrItemId ( n )" texts.
std::vector<std::string> trackIds(const std::vector<RouteFile>& files) {
    std::vector<std::string> ids;
    for (const RouteFile& file : files) {
        if (!isTrackFile(file)) {
            continue;
        }
        for (std::size_t at = file.text.find("TrItemId ( "); at != std::string::npos;
             at = file.text.find("TrItemId ( ", at + 1)) {
            const std::size_t from = at + 11;
            const std::size_t to = file.text.find(' ', from);
            if (to != std::string::npos && to - from < 12) {
                ids.push_back(file.text.substr(from, to - from));
            }
        }
    }
    if (ids.empty()) {
        ids.push_back("1");
    }
    return ids;
}

// An id close to `id`: a prefix, a suffix, one with a digit more, or one of the others.
std::string nearId(const std::string& id, const std::vector<std::string>& others,
                   std::uint64_t choice) {
    switch (choice % 7) {
        case 0:
            return id.size() > 1 ? id.substr(0, id.size() - 1) : id + "1";
        case 1:
            return id.size() > 1 ? id.substr(1) : "1" + id;
        case 2:
            return id + "7";
        case 3:
            return "1" + id;
        case 4:
            return others[choice / 7 % others.size()];
        case 5:
            return "";
        default:
            return id + "x";
    }
}

// The snapshot's names of the files in its WORLD folder.
std::vector<std::string> worldFileNames(const RouteSnapshot& route) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : route.files) {
        if (name.rfind("WORLD/", 0) == 0) {
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace

std::size_t RouteMutator::randomLineStart(const std::string& text) {
    std::vector<std::size_t> starts{0};
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' ||
            (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))) {
            starts.push_back(at + 1);
        }
    }
    return pick(starts);
}

std::size_t RouteMutator::randomOccurrence(const std::string& text, const std::string& key) {
    std::vector<std::size_t> found;
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        found.push_back(at);
    }
    return found.empty() ? std::string::npos : pick(found);
}

void RouteMutator::replaceLineEnds(std::string& text) {
    // A stretch of the text gets other line ends: LF, CR or CR LF.
    static const std::array<const char*, 3> kEnds = {"\n", "\r", "\r\n"};
    const std::string end = pick(kEnds);
    const std::size_t from = below(text.size() + 1);
    const std::size_t to = std::min(text.size(), from + 1 + below(2000));
    std::string result = text.substr(0, from);
    for (std::size_t at = from; at < to; ++at) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            result += end;
            ++at;
        } else if (text[at] == '\r' || text[at] == '\n') {
            result += end;
        } else {
            result += text[at];
        }
    }
    text = result + text.substr(to);
}

void RouteMutator::mutateTexts(std::vector<RouteFile>& files, int count) {
    std::vector<RouteFile*> track;
    std::vector<RouteFile*> world;
    for (RouteFile& file : files) {
        if (isTrackFile(file)) {
            track.push_back(&file);
        } else if (isWorldFile(file)) {
            world.push_back(&file);
        }
    }
    const std::vector<std::string> ids = trackIds(files);
    for (int m = 0; m < count; ++m) {
        if (!world.empty() && below(3) == 0) {
            mutateWorldText(*pick(world), ids);
        } else if (!track.empty()) {
            // The same change in both track files now and then, as a route editor would.
            if (track.size() == 2 && below(4) == 0) {
                const std::mt19937_64 saved = m_random;
                mutateTrackText(track[0]->text);
                m_random = saved;
                mutateTrackText(track[1]->text);
            } else {
                mutateTrackText(pick(track)->text);
            }
        }
    }
}

void RouteMutator::mutateTrackText(std::string& text) {
    switch (below(12)) {
        case 0:
        case 1: {
            const std::size_t at = below(2) == 0 ? randomLineStart(text) : below(text.size() + 1);
            text.insert(at, pick(kTrackPieces));
            break;
        }
        case 2: {
            const std::size_t at = below(text.size() + 1);
            text.erase(at, 1 + below(40));
            break;
        }
        case 3:
        case 4: {
            const Variants& variants = pick(kKeywordVariants);
            const std::size_t at = randomOccurrence(text, variants.keyword);
            if (at != std::string::npos) {
                text.replace(at, std::string(variants.keyword).size(), pick(variants.variants));
            }
            break;
        }
        case 5:
            replaceLineEnds(text);
            break;
        case 6: {
            // A block of lines copied elsewhere: duplicate records and ids.
            const std::size_t from = randomLineStart(text);
            std::size_t to = from;
            for (std::uint64_t lines = 1 + below(8); lines > 0 && to < text.size(); --lines) {
                to = text.find('\n', to);
                to = to == std::string::npos ? text.size() : to + 1;
            }
            const std::string block = text.substr(from, to - from);
            text.insert(randomLineStart(text), block);
            break;
        }
        case 7: {
            const std::size_t at = randomOccurrence(text, ")");
            if (at != std::string::npos) {
                text.erase(at, 1);
            }
            break;
        }
        case 8: {
            static const std::array<const char*, 3> kLines = {"PickupTrItemData", "TrItemRData",
                                                              "TrItemId"};
            const std::size_t at = randomOccurrence(text, pick(kLines));
            if (at != std::string::npos) {
                std::size_t start = 0;
                std::size_t end = 0;
                lineAt(text, at, start, end);
                text.erase(start, end - start);
            }
            break;
        }
        case 9: {
            // An id next to the one written: prefix, suffix, a digit more, or none.
            const std::size_t at = randomOccurrence(text, "TrItemId ( ");
            const std::size_t close = at == std::string::npos ? at : text.find(" )", at + 11);
            if (close != std::string::npos && close - at < 30) {
                const std::string id = text.substr(at + 11, close - at - 11);
                text.replace(at, close + 2 - at,
                             below(4) == 0 ? "TrItemId (" + id + ")"
                                           : "TrItemId ( " + nearId(id, {id}, m_random()) + " )");
            }
            break;
        }
        case 10: {
            // Tile numbers of odd shape.
            static const std::array<const char*, 7> kTiles = {
                " -1234567 12 )",       " 5678- +14567 )", " -5678 14567)", " -5678\t14567 )",
                " -5678 14567 ) extra", " -5678 14567",    " x y )"};
            const std::size_t at = randomOccurrence(text, "TrItemRData ( ");
            const std::size_t close = at == std::string::npos ? at : text.find(')', at);
            if (close != std::string::npos) {
                std::size_t cut = close;
                for (int blanks = 0; cut > at && blanks < 3; --cut) {
                    blanks += text[cut - 1] == ' ' ? 1 : 0;
                }
                text.replace(cut, close + 1 - cut, pick(kTiles));
            }
            break;
        }
        default: {
            static const std::array<const char*, 4> kValues = {
                "( 0 00000000 )", "( 5000 00001300 )", "( 20000 00004280 )", "(  00000000 )"};
            const std::size_t at = randomOccurrence(text, "PickupTrItemData ");
            const std::size_t close = at == std::string::npos ? at : text.find(')', at);
            if (close != std::string::npos) {
                text.replace(at + 17, close + 1 - at - 17, pick(kValues));
            }
            break;
        }
    }
}

void RouteMutator::mutateWorldText(RouteFile& file, const std::vector<std::string>& ids) {
    std::string& text = file.text;
    std::size_t start = 0;
    std::size_t end = 0;
    switch (below(11)) {
        case 0: {
            const std::size_t at = randomOccurrence(text, "Pickup");
            if (at != std::string::npos) {
                std::string line = lineAt(text, at, start, end);
                std::transform(line.begin(), line.end(), line.begin(),
                               [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
                text.replace(start, end - start, line);
            }
            break;
        }
        case 1: {
            const std::size_t at = randomOccurrence(text, "PickupCapacity ( ");
            const std::size_t blank = at == std::string::npos ? at : text.find(' ', at + 17);
            const std::size_t close = blank == std::string::npos ? blank : text.find(')', blank);
            if (close != std::string::npos) {
                text.erase(blank, close - blank);
                text.insert(blank, " ");
            }
            break;
        }
        case 2: {
            // The Position line before the TrItemId line.
            const std::size_t at = randomOccurrence(text, "TrItemId (");
            if (at != std::string::npos) {
                const std::string idLine = lineAt(text, at, start, end);
                std::size_t nextStart = 0;
                std::size_t nextEnd = 0;
                if (end < text.size()) {
                    const std::string next = lineAt(text, end, nextStart, nextEnd);
                    text.replace(start, nextEnd - start, next + idLine);
                }
            }
            break;
        }
        case 3: {
            const std::size_t at = randomOccurrence(text, "Position ( ");
            if (at != std::string::npos) {
                // Position ( 1, 2 3 ): the item ends at the comma.
                std::string line = lineAt(text, at, start, end);
                const std::size_t open = line.find("( ");
                const std::size_t blank =
                    open == std::string::npos ? open : line.find(' ', open + 2);
                if (blank != std::string::npos) {
                    line.insert(blank, ",");
                }
                text.replace(start, end - start, line);
            }
            break;
        }
        case 4: {
            static const std::array<const char*, 5> kLines = {
                "Position (", "TrItemId (", "PickupType (", "PickupCapacity (", "Pickup ("};
            const std::size_t at = randomOccurrence(text, pick(kLines));
            if (at != std::string::npos) {
                lineAt(text, at, start, end);
                text.erase(start, end - start);
            }
            break;
        }
        case 5:
        case 6: {
            const std::size_t at = randomOccurrence(text, "TrItemId ( 0 ");
            const std::size_t close = at == std::string::npos ? at : text.find(" )", at + 13);
            if (close != std::string::npos && close - at < 30) {
                const std::string id = text.substr(at + 13, close - at - 13);
                text.replace(at + 13, close - at - 13,
                             below(6) == 0 ? std::string("0\t5") : nearId(id, ids, m_random()));
            }
            break;
        }
        case 7:
        case 8:
            text.insert(randomLineStart(text), pick(kWorldPieces));
            break;
        case 9:
            replaceLineEnds(text);
            break;
        default:
            switch (below(4)) {
                case 0:
                    text.clear();
                    break;
                case 1:
                    // Stored as UTF-16: the 8-bit reading does not see the header.
                    file.encoding = bench::TextEncoding::Utf16Le;
                    break;
                case 2:
                    text.erase(0, text.find('\n') == std::string::npos ? text.size()
                                                                       : text.find('\n') + 1);
                    break;
                default:
                    text.insert(0, "xx ");
                    break;
            }
            break;
    }
}

void RouteMutator::mutateFolder(RouteSnapshot& route, const std::string& routeId) {
    auto rename = [&](const std::string& from, const std::string& to) {
        auto found = route.files.find(from);
        if (found != route.files.end() && from != to) {
            route.files[to] = found->second;
            route.files.erase(from);
        }
    };
    std::string lower = routeId;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    switch (below(8)) {
        case 0:
            rename(routeId + ".tit", lower + ".tit");
            break;
        case 1:
            rename(routeId + ".tdb", lower + ".tdb");
            break;
        case 2:
            // Not named after the RouteID: the rewriting cannot read it.
            rename(routeId + ".tit", "Other.tit");
            break;
        case 3:
            route.files.erase(routeId + ".tit");
            route.folders.insert(routeId + ".tit");
            break;
        case 4:
            route.files[below(2) == 0 ? "_Saved_tdb_und_tit_files_before_pickup_correction"
                                      : "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"] =
                "in the way";
            break;
        case 5: {
            const std::vector<std::string> world = worldFileNames(route);
            if (!world.empty()) {
                const std::string name = pick(world);
                std::string upper = name;
                std::transform(upper.begin() + 6, upper.end(), upper.begin() + 6,
                               [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
                rename(name, upper);
            }
            break;
        }
        case 6: {
            const std::vector<std::string> world = worldFileNames(route);
            if (!world.empty()) {
                const std::string name = pick(world);
                route.files.erase(name);
                route.folders.insert(name);
            }
            break;
        }
        default:
            rename(routeId + ".tdb", "Other.tdb");
            break;
    }
}

}  // namespace veltrano::reference
