#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bench/RouteGenerator.h"
#include "tests/reference/RouteSnapshot.h"

namespace veltrano::reference {

// Spoils generated routes in the ways real ones are spoilt and in the ways that trip up a
// clever search: keywords in odd case or inside other words, ids that are prefixes or
// suffixes of others, duplicated records, records without a field or without ")", line ends
// of every kind, pickups whose lines are missing or out of order.
class RouteMutator {
  public:
    explicit RouteMutator(std::uint64_t seed) : m_random(seed) {}

    // `count` changes of the texts of the track files and the world files.
    void mutateTexts(std::vector<bench::RouteFile>& files, int count);
    // A change of the folder itself: a track file under another name or letter case, a
    // folder in a track file's place, a file where the backup folder goes.
    void mutateFolder(RouteSnapshot& route, const std::string& routeId);

  private:
    void mutateTrackText(std::string& text);
    void mutateWorldText(bench::RouteFile& file, const std::vector<std::string>& ids);

    std::uint64_t below(std::uint64_t bound) { return bound == 0 ? 0 : m_random() % bound; }
    template <typename List>
    const auto& pick(const List& list) {
        return list[below(list.size())];
    }
    std::size_t randomLineStart(const std::string& text);
    // Position of a random occurrence of `key`, or npos.
    std::size_t randomOccurrence(const std::string& text, const std::string& key);
    void replaceLineEnds(std::string& text);

    std::mt19937_64 m_random;
};

}  // namespace veltrano::reference
