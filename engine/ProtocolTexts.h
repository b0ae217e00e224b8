#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrano {

// The lines a run and a restore write into the protocol, in German and English side by side.
// Each gives its line without a line end: where a line break goes is the step's business.
// Paths and causes come as UTF-8, as the file service gives them; names as protocol text.
class ProtocolTexts {
  public:
    explicit ProtocolTexts(bool german) : m_german(german) {}

    // --- the run's frame and headings ------------------------------------------------------
    std::u16string tdbHeading() const;
    std::u16string tdbPickupCount(double count) const;
    std::u16string worldHeading() const;
    std::u16string rewriteHeading() const;
    std::u16string noChange() const;
    std::u16string dryRun() const;
    std::u16string ready() const;
    // "--- END <date and time> ---...", as long as the START line in either language.
    std::u16string endLine(const std::u16string& dateAndTime) const;
    std::u16string duration(const std::u16string& seconds) const;

    // --- the world file scan ---------------------------------------------------------------
    std::u16string worldFileMissing(const std::u16string& name) const;
    std::u16string worldFileCompressed(const std::u16string& name) const;
    std::u16string scanProgress(const std::u16string& name, const std::u16string& percent) const;
    std::u16string pickupFound(std::size_t k, const std::u16string& typeName,
                               const std::u16string& worldFile,
                               const std::u16string& positionItem) const;
    std::u16string pickupChanged(std::size_t i, const std::u16string& typeName,
                                 const std::u16string& worldFile, const std::u16string& oldText,
                                 const std::u16string& newText) const;

    // --- the "*** ..." problem lines -------------------------------------------------------
    std::u16string readFailure(const std::string& path, const std::string& cause) const;
    // `fileUnchanged`: the write failed before the file was touched (otherwise the line ends
    // after the cause).
    std::u16string writeFailure(const std::string& path, const std::string& cause,
                                bool fileUnchanged) const;
    std::u16string backupFailure(const std::string& path, const std::string& cause) const;
    std::u16string putBackFromBackup(const std::string& path) const;
    std::u16string leadsOutside(const std::string& path) const;
    // `character`: where the record's mark starts, counted from 1.
    std::u16string pickupWithoutPositionData(std::size_t character) const;
    std::u16string idWithoutField(const std::u16string& id, const std::u16string& fileName) const;

    // --- a restore -------------------------------------------------------------------------
    std::u16string restoreHeading(const std::string& stamp) const;
    std::u16string unchangedSinceRun(const std::string& path) const;
    std::u16string restoredFrom(const std::string& path, const std::string& source) const;
    std::u16string wouldBeRestoredFrom(const std::string& path, const std::string& source) const;
    // No run has `stamp`; `before` and `after` are the nearest runs' stamps, empty where there
    // is none.
    std::u16string noSuchRun(const std::string& stamp, const std::string& before,
                             const std::string& after) const;

  private:
    std::u16string pick(const char16_t* german, const char16_t* english) const {
        return m_german ? german : english;
    }

    bool m_german;
};

}  // namespace veltrano
