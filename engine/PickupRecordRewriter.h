#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/RunContext.h"
#include "engine/TrackFilePair.h"

namespace veltrano {

class TrackText;

// Third phase of a run: rewrites the PickupTrItemData field of every track record whose id a
// world pickup names, first in the .tit, then in the .tdb, each after its backup.
class PickupRecordRewriter {
  public:
    // `files`: the route's track files, resolved once for the whole run.
    PickupRecordRewriter(RunContext& context, TrackFilePair& files)
        : m_context(context), m_files(files) {}

    // False when a file error ended the phase (the problem line is in the protocol).
    bool run();

    // The field as it is written: PickupTrItemData ( <capacity> 0000<fill><type part> ).
    // `fillLevelCode` is the code of the selected fill level ("0", "1", "2", "4" or "8");
    // freight and mail types always get "0".
    static std::u16string newFieldText(std::u16string_view capacity, std::u16string_view type,
                                       std::u16string_view fillLevelCode);

  private:
    bool rewrite(TrackFilePair& files);
    // The file's text after its pass with its fields rewritten; null after a read failure.
    std::unique_ptr<TrackText> pass(const TrackFile& file, bool reportChanges);
    void rewriteRecord(TrackText& text, const std::u16string& fileName, std::size_t i,
                       bool reportChanges);
    void reportChange(std::size_t i, const std::u16string& oldText, const std::u16string& newText);
    std::u16string fillLevelCode() const;
    bool writeBack(TrackFilePair& files, TrackFile& file, const TrackText& text);

    RunContext& m_context;
    TrackFilePair& m_files;
    // Set by the first record of either file that really changes; shared by both passes.
    bool m_changed = false;
};

}  // namespace veltrano
