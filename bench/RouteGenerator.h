#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::bench {

// How a generated track file is stored.
enum class TextEncoding { Utf16Le, Utf16Be, Utf8, Windows1252 };

// What a generated route looks like. Every pickup record of the track database has a Pickup
// object in the world file of its tile, so a run really finds and rewrites them.
struct RouteSettings {
    std::string routeId = "BENCH";
    std::uint64_t seed = 1;
    std::size_t trackItems = 300;  // all items of the item table, pickups included
    std::size_t pickups = 30;      // PickupItem records, each with a Pickup object
    std::size_t tiles = 8;         // world files the pickups lie in
    std::size_t worldFileBytes = 8 * 1024;
    // Size of the .tdb on disk; track nodes are added until it is reached. 0: a few nodes.
    std::size_t tdbBytes = 0;
    double zeroShare = 0.8;  // share of pickup fields still "( 0 00000000 )"
    TextEncoding tdbEncoding = TextEncoding::Utf16Le;
    TextEncoding titEncoding = TextEncoding::Utf16Le;
    bool crLf = true;  // line ends of every generated text; LF alone otherwise
    std::size_t missingWorldFiles = 1;
    std::size_t compressedWorldFiles = 1;
    // The readable world files stored as compressed binary instead of 8-bit text.
    bool binaryWorldFiles = false;

    // "small" or "large"; nullopt for an unknown name.
    static std::optional<RouteSettings> preset(std::string_view name);
};

// One file of a generated route: its text as UTF-8 (ASCII for everything the generator writes
// itself) and the encoding it is stored in. Compressed world files carry their bytes as text.
struct RouteFile {
    std::string relativePath;
    std::string text;
    TextEncoding encoding = TextEncoding::Windows1252;
    bool rawBytes = false;  // `text` holds the stored bytes already
};

// Builds route folders of any size from a seed: the same settings give the same bytes.
class RouteGenerator {
  public:
    using FileSink = std::function<void(RouteFile&&)>;

    explicit RouteGenerator(RouteSettings settings);

    // Hands every file of the route to `sink`, one at a time, so a large route never has to
    // be held in memory whole.
    void generate(const FileSink& sink);
    // Writes the route into `folder`, which must not hold a route already.
    void writeTo(const std::string& folder);

    // The stored bytes of a file.
    static std::string encode(const RouteFile& file);
    static std::optional<TextEncoding> encodingNamed(std::string_view name);

  private:
    struct Tile {
        int x = 0;
        int z = 0;
    };
    struct Pickup {
        std::size_t id = 0;
        std::size_t tile = 0;
        int type = 1;
        int capacity = 0;
        bool zeroField = true;
    };

    void planTiles();
    void planPickups();
    std::string trackFileText(bool database);
    std::string trackNodes(std::size_t targetCharacters);
    std::string trackItems(const std::string& indent);
    std::string trackItem(std::size_t id, const std::string& indent);
    std::string worldFileText(std::size_t tile);
    std::string staticObject(std::size_t uid);
    std::string trackObject(std::size_t uid);
    std::string pickupObject(const Pickup& pickup, std::size_t uid);
    std::string compressedWorldFile();
    std::string routeFileText() const;
    std::string worldFileName(const Tile& tile) const;

    std::uint64_t below(std::uint64_t bound);
    std::string decimal(long long low, long long high, int decimals);
    std::string line(const std::string& indent, const std::string& content) const;

    RouteSettings m_settings;
    std::mt19937_64 m_random;
    std::string m_lineEnd;
    std::vector<Tile> m_tiles;
    std::vector<Pickup> m_pickups;            // in id order
    std::vector<std::size_t> m_pickupOfItem;  // index into m_pickups, or npos
    std::vector<std::size_t> m_tileOfItem;
    std::size_t m_trackItemCharacters = 0;  // length of the item table of the .tdb
};

}  // namespace veltrano::bench
