#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/RunContext.h"

namespace veltrano {

class TrackText;

// Third phase of a run: rewrites the PickupTrItemData field of every track record whose id a
// world pickup names, first in the .tit, then in the .tdb, each after its backup.
class PickupRecordRewriter {
  public:
    explicit PickupRecordRewriter(RunContext& context) : m_context(context) {}

    // False when a file error ended the phase (the problem line is in the protocol).
    bool run();

    // The field as it is written: PickupTrItemData ( <capacity> 0000<fill><type part> ).
    // `fillLevelCode` is the code of the selected fill level ("0", "1", "2", "4" or "8");
    // freight and mail types always get "0".
    static std::u16string newFieldText(std::u16string_view capacity, std::u16string_view type,
                                       std::u16string_view fillLevelCode);

  private:
    struct TrackFile {
        TrackFile();
        TrackFile(TrackFile&&) noexcept;
        ~TrackFile();

        std::u16string extension;
        std::string path;                 // as built: route folder and the name found on disk
        std::u16string displayName;       // the name on disk, for protocol lines
        std::unique_ptr<TrackText> text;  // the edited text after its pass, until written
        std::string backupPath;
        bool replaced = false;
    };

    TrackFile trackFile(const char16_t* extension) const;
    bool rewrite(TrackFile& itemTable, TrackFile& database);
    bool pass(TrackFile& file, bool reportChanges);
    void rewriteRecord(TrackText& text, const TrackFile& file, std::size_t i, bool reportChanges);
    void reportChange(std::size_t i, const std::u16string& oldText, const std::u16string& newText);
    std::u16string fillLevelCode() const;
    bool writeBack(TrackFile& file, const TrackFile& partner);
    bool writesStayInside(const TrackFile& file, const TrackFile& partner);
    void putBack(TrackFile& itemTable);

    RunContext& m_context;
    // Set by the first record of either file that really changes; shared by both passes.
    bool m_changed = false;
    bool m_checkedLinks = false;
};

}  // namespace veltrano
