#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace veltrano::test {

// What a generated route holds. Every pickup has a PickupItem record with an all-zero
// PickupTrItemData in both track files and a Pickup object in the world file of its tile, so
// a default run rewrites every one of them.
struct RouteShape {
    std::string routeId = "FAULTROUTE";
    std::size_t pickups = 6;
    std::size_t pickupsPerTile = 2;
    // Other track items after each pickup record; they only make the track files larger.
    std::size_t fillerItemsPerPickup = 0;
    // Other track items at the end of the .tdb only, which makes it the larger file.
    std::size_t fillerItemsInTdbOnly = 0;
    // Scenery objects in front of the pickups of each world file.
    std::size_t fillerObjectsPerWorldFile = 0;
    // One more PickupItem whose world file is stored compressed, and one whose is missing.
    bool compressedTile = false;
    bool missingTile = false;
};

// Writes routes of any size in the form route editors write them: .trk as 8-bit text, the
// track files as UTF-16LE with byte-order mark and CR LF, world files as 8-bit text.
class GeneratedRoute {
  public:
    explicit GeneratedRoute(RouteShape shape) : m_shape(std::move(shape)) {}

    // Writes every file into `folder`, creating it and WORLD when missing.
    void writeTo(const std::string& folder) const;

    std::string trkBytes() const;
    std::string tdbBytes() const;
    std::string titBytes() const;
    // Name and bytes of every world file that exists.
    std::vector<std::pair<std::string, std::string>> worldFiles() const;

    std::string pickupId(std::size_t pickup) const;
    // The name of the world file pickup `pickup` (from 1) stands in.
    std::string worldFileNameOf(std::size_t pickup) const;
    const RouteShape& shape() const { return m_shape; }

  private:
    std::string trackItems(bool database) const;
    std::string pickupRecord(std::size_t pickup) const;
    std::string worldFile(std::size_t tile) const;
    std::size_t tileCount() const;
    std::string tileNumbers(std::size_t tile) const;

    RouteShape m_shape;
};

// The name a world file of tile (x, z) has: w-005678+014567.w.
std::string worldFileName(long long x, long long z);

}  // namespace veltrano::test
