// The indexed field search must give exactly what a plain search from the first character
// gives, on every text, including texts built to confuse it.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/PickupRecordRewriter.h"
#include "engine/TextFormat.h"
#include "engine/TrackText.h"

namespace veltrano {
namespace {

struct Pickup {
    std::u16string id;
    std::u16string type;
    std::u16string capacity;
};

struct Change {
    std::size_t index;
    std::u16string oldText;
    std::u16string newText;
    bool operator==(const Change&) const = default;
};

// The rewriting pass as route builders describe it: a fresh search from the first character
// for every pickup, a walk to the field, and the text rebuilt at every replacement.
std::u16string plainPass(std::u16string text, const std::vector<Pickup>& pickups, bool changeAll,
                         std::vector<Change>& changes) {
    for (std::size_t i = 0; i < pickups.size(); ++i) {
        const std::u16string idText = u"TrItemId ( " + pickups[i].id + u" )";
        std::size_t at = text.find(idText);
        if (at == std::u16string::npos) {
            continue;
        }
        std::size_t start = TextFormat::findIgnoringCase(text, u"PICKUPTRITEMDATA", at);
        if (start == std::u16string::npos) {
            continue;
        }
        std::size_t end = text.find(u')', start);
        if (end == std::u16string::npos) {
            continue;
        }
        std::u16string newText =
            PickupRecordRewriter::newFieldText(pickups[i].capacity, pickups[i].type, u"4");
        std::u16string oldText = text.substr(start, end - start + 1);
        bool allZeros = oldText.size() >= 10 && oldText.ends_with(u"00000000 )");
        if (!changeAll && !allZeros) {
            continue;
        }
        if (oldText != newText) {
            changes.push_back({i, oldText, newText});
        }
        text = text.substr(0, start) + newText + text.substr(end + 1);
    }
    return text;
}

std::u16string indexedPass(const std::u16string& original, const std::vector<Pickup>& pickups,
                           bool changeAll, std::vector<Change>& changes) {
    TrackText text(original);
    for (std::size_t i = 0; i < pickups.size(); ++i) {
        std::optional<std::size_t> at = text.findIdText(pickups[i].id);
        if (!at) {
            continue;
        }
        std::optional<TrackText::Field> field = text.findField(*at);
        if (!field) {
            continue;
        }
        std::u16string newText =
            PickupRecordRewriter::newFieldText(pickups[i].capacity, pickups[i].type, u"4");
        std::u16string oldText = text.fieldText(*field);
        bool allZeros = oldText.size() >= 10 && oldText.ends_with(u"00000000 )");
        if (!changeAll && !allZeros) {
            continue;
        }
        if (oldText != newText) {
            changes.push_back({i, oldText, newText});
            text.replaceField(*field, newText);
        }
    }
    return text.text();
}

// Pieces that real records are made of, and pieces that break them.
const std::vector<std::u16string> kPieces = {
    u"TrItemId ( 17 )",
    u"TrItemId ( 1 )",
    u"TrItemId ( 7 )",
    u"TrItemId ( 117 )",
    u"TrItemId (17)",
    u"TrItemId (  )",
    u"TrItemId ( 0 17 )",
    u"tritemid ( 17 )",
    u"TrItemId ( ",
    u"PickupTrItemData ( 0 00000000 )",
    u"PickupTrItemData ( 5000 00001300 )",
    u"pickuptritemdata ( 0 00000000 )",
    u"PICKUPTRITEMDATA (",
    u"PickupTrItemData",
    u"00000000 )",
    u")",
    u"(",
    u" ",
    u"\r\n",
    u"\n",
    u"\t",
    u"PickupItem (",
    u"x",
    u"17",
    u"TrItemId ( TrItemId )",
};
const std::vector<std::u16string> kIds = {u"17", u"1", u"7", u"117", u"", u"TrItemId", u"0"};
const std::vector<std::u16string> kTypes = {u"1", u"2", u"5", u"7", u"8", u"9", u"", u"P"};
const std::vector<std::u16string> kCapacities = {u"5000", u"",        u"0", u"PickupTrItemData",
                                                 u"x(",   u"TrItemId"};

TEST(FieldSearchDifferential, IndexedSearchMatchesThePlainSearchOnRandomTexts) {
    std::mt19937 random(20261205);
    auto pick = [&](const std::vector<std::u16string>& from) {
        return from[random() % from.size()];
    };
    int changedRuns = 0;
    for (int round = 0; round < 3000; ++round) {
        std::u16string text;
        const int pieces = 1 + static_cast<int>(random() % 60);
        for (int p = 0; p < pieces; ++p) {
            text += pick(kPieces);
        }
        std::vector<Pickup> pickups(1 + random() % 6);
        for (Pickup& pickup : pickups) {
            pickup = {pick(kIds), pick(kTypes), pick(kCapacities)};
        }
        const bool changeAll = random() % 2 == 0;

        std::vector<Change> plainChanges;
        std::vector<Change> indexedChanges;
        const std::u16string expected = plainPass(text, pickups, changeAll, plainChanges);
        const std::u16string actual = indexedPass(text, pickups, changeAll, indexedChanges);
        ASSERT_EQ(expected, actual) << "round " << round;
        ASSERT_EQ(plainChanges, indexedChanges) << "round " << round;
        changedRuns += plainChanges.empty() ? 0 : 1;
    }
    // The generator must really exercise rewriting, not only texts without matches.
    EXPECT_GT(changedRuns, 500);
}

}  // namespace
}  // namespace veltrano
