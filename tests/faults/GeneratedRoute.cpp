#include "tests/faults/GeneratedRoute.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tests/support/TempRoute.h"

namespace veltrano::test {

namespace {

constexpr long long kFirstTileX = -5600;
constexpr long long kFirstTileZ = 14500;

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string signedSix(long long number) {
    char text[32];
    std::snprintf(text, sizeof text, "%c%06lld", number < 0 ? '-' : '+',
                  number < 0 ? -number : number);
    return text;
}

std::string fillerItem(std::size_t pickup, std::size_t filler) {
    const std::string id = std::to_string(900000 + pickup * 100 + filler);
    return "\t\tSignalItem (\r\n\t\t\tTrItemId ( " + id +
           " )\r\n\t\t\tTrItemSData ( 655.1 00000002 )\r\n"
           "\t\t\tTrItemRData ( -402.7 0.25 -292.3 -5678 14567 )\r\n"
           "\t\t\tTrSignalType ( 00000000 1 1.570796 HpVr )\r\n\t\t)\r\n";
}

std::string sceneryObject(std::size_t number) {
    return "\tStatic (\r\n\t\tUiD ( " + std::to_string(number) +
           " )\r\n\t\tFileName ( Wald_Kiefern.s )\r\n\t\tPosition ( -120.0 6.8 -80.5 )\r\n"
           "\t\tQDirection ( 0 0 0 1 )\r\n\t\tStaticFlags ( 00000000 )\r\n\t)\r\n";
}

}  // namespace

std::string worldFileName(long long x, long long z) {
    return "w" + signedSix(x) + signedSix(z) + ".w";
}

std::size_t GeneratedRoute::tileCount() const {
    const std::size_t perTile = m_shape.pickupsPerTile == 0 ? 1 : m_shape.pickupsPerTile;
    return (m_shape.pickups + perTile - 1) / perTile;
}

std::string GeneratedRoute::tileNumbers(std::size_t tile) const {
    return std::to_string(kFirstTileX - static_cast<long long>(tile)) + " " +
           std::to_string(kFirstTileZ + static_cast<long long>(tile % 7));
}

std::string GeneratedRoute::worldFileNameOf(std::size_t pickup) const {
    const std::size_t perTile = m_shape.pickupsPerTile == 0 ? 1 : m_shape.pickupsPerTile;
    const std::size_t tile = (pickup - 1) / perTile;
    return worldFileName(kFirstTileX - static_cast<long long>(tile),
                         kFirstTileZ + static_cast<long long>(tile % 7));
}

std::string GeneratedRoute::pickupId(std::size_t pickup) const {
    return std::to_string(10 + pickup * 3);
}

std::string GeneratedRoute::pickupRecord(std::size_t pickup) const {
    const std::size_t perTile = m_shape.pickupsPerTile == 0 ? 1 : m_shape.pickupsPerTile;
    return "\t\tPickupItem (\r\n\t\t\tTrItemId ( " + pickupId(pickup) +
           " )\r\n\t\t\tTrItemSData ( 1104.8 00000002 )\r\n\t\t\tTrItemRData ( 47.1 0.2 -303.2 " +
           tileNumbers((pickup - 1) / perTile) +
           " )\r\n\t\t\tPickupTrItemData ( 0 00000000 )\r\n\t\t)\r\n";
}

std::string GeneratedRoute::trackItems(bool database) const {
    std::string items;
    for (std::size_t pickup = 1; pickup <= m_shape.pickups; ++pickup) {
        items += pickupRecord(pickup);
        for (std::size_t filler = 0; filler < m_shape.fillerItemsPerPickup; ++filler) {
            items += fillerItem(pickup, filler);
        }
    }
    // Records whose world files cannot be scanned: their tiles lie far from the others.
    if (m_shape.compressedTile) {
        items +=
            "\t\tPickupItem (\r\n\t\t\tTrItemId ( 7 )\r\n\t\t\tTrItemRData ( 1 2 3 -100 100 )"
            "\r\n\t\t\tPickupTrItemData ( 0 00000000 )\r\n\t\t)\r\n";
    }
    if (m_shape.missingTile) {
        items +=
            "\t\tPickupItem (\r\n\t\t\tTrItemId ( 8 )\r\n\t\t\tTrItemRData ( 1 2 3 -101 100 )"
            "\r\n\t\t\tPickupTrItemData ( 0 00000000 )\r\n\t\t)\r\n";
    }
    for (std::size_t filler = 0; database && filler < m_shape.fillerItemsInTdbOnly; ++filler) {
        items += fillerItem(0, filler);
    }
    return items;
}

std::string GeneratedRoute::trkBytes() const {
    return "SIMISA@@@@@@@@@@JINX0r1t______\r\n\r\nTr_RouteFile (\r\n\tRouteID ( " +
           m_shape.routeId + " )\r\n\tName ( \"Generated\" )\r\n)\r\n";
}

std::string GeneratedRoute::tdbBytes() const {
    return utf16LeWithBom(
        "SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrackDB (\r\n\tSerial ( 7 )\r\n"
        "\tTrItemTable ( " +
        std::to_string(m_shape.pickups) + "\r\n" + trackItems(true) + "\t)\r\n)\r\n");
}

std::string GeneratedRoute::titBytes() const {
    return utf16LeWithBom("SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrItemTable ( " +
                          std::to_string(m_shape.pickups) + "\r\n" + trackItems(false) + ")\r\n");
}

std::string GeneratedRoute::worldFile(std::size_t tile) const {
    const std::size_t perTile = m_shape.pickupsPerTile == 0 ? 1 : m_shape.pickupsPerTile;
    std::string text = "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n";
    for (std::size_t filler = 0; filler < m_shape.fillerObjectsPerWorldFile; ++filler) {
        text += sceneryObject(1000 + filler);
    }
    const char* types = "56781234";
    for (std::size_t pickup = tile * perTile + 1;
         pickup <= std::min(m_shape.pickups, (tile + 1) * perTile); ++pickup) {
        text += "\tPickup (\r\n\t\tUiD ( " + std::to_string(pickup) + " )\r\n\t\tPickupType ( " +
                std::string(1, types[pickup % 8]) + " 0 )\r\n\t\tPickupAnimData ( 0 0 )\r\n" +
                "\t\tPickupCapacity ( " + std::to_string(1000 * pickup) + " 0.5 )\r\n" +
                "\t\tTrItemId ( 0 " + pickupId(pickup) + " )\r\n" +
                "\t\tStaticFlags ( 00000000 )\r\n\t\tPosition ( 1.5 2.5 3.5 )\r\n" +
                "\t\tQDirection ( 0 0 0 1 )\r\n\t)\r\n";
    }
    return text + ")\r\n";
}

std::vector<std::pair<std::string, std::string>> GeneratedRoute::worldFiles() const {
    std::vector<std::pair<std::string, std::string>> files;
    const std::size_t perTile = m_shape.pickupsPerTile == 0 ? 1 : m_shape.pickupsPerTile;
    for (std::size_t tile = 0; tile < tileCount(); ++tile) {
        files.emplace_back(worldFileNameOf(tile * perTile + 1), worldFile(tile));
    }
    if (m_shape.compressedTile) {
        files.emplace_back(worldFileName(-100, 100),
                           std::string("SIMISA@F\0\0\x12\x34\x78\x9c\xed\x5b", 16));
    }
    return files;
}

void GeneratedRoute::writeTo(const std::string& folder) const {
    namespace fs = std::filesystem;
    fs::create_directories(fs::path(folder) / "WORLD");
    writeFile(fs::path(folder) / "Route.trk", trkBytes());
    writeFile(fs::path(folder) / (m_shape.routeId + ".tdb"), tdbBytes());
    writeFile(fs::path(folder) / (m_shape.routeId + ".tit"), titBytes());
    for (const auto& [name, bytes] : worldFiles()) {
        writeFile(fs::path(folder) / "WORLD" / name, bytes);
    }
}

}  // namespace veltrano::test
