#include "engine/PickupRecordRewriter.h"

#include <memory>

#include "engine/PickupTypes.h"
#include "engine/TextFormat.h"
#include "engine/TrackText.h"
#include "engine/WorldFileScan.h"
#include "platform/TextCodec.h"
#include "platform/Utf16LeWriter.h"

namespace veltrano {

namespace {

constexpr std::u16string_view kAllZeros = u"00000000 )";

// Writes the edited text as it is written back, straight from its pieces: a large track file
// is never put together in memory a second time.
IoResult writeEditedText(const TrackText& text, OutputFile& file) {
    Utf16LeWriter writer(file);
    IoResult result = IoResult::success();
    text.forEachPiece([&writer, &result](std::u16string_view piece) {
        result = writer.append(piece);
        return result.ok();
    });
    return result ? writer.finish() : result;
}

}  // namespace

std::u16string PickupRecordRewriter::newFieldText(std::u16string_view capacity,
                                                  std::u16string_view type,
                                                  std::u16string_view fillLevelCode) {
    // A world file gives the type as one digit; any other text is no type of the table.
    const PickupType* known = type.size() == 1 ? PickupTypes::withNumber(type[0] - u'0') : nullptr;
    // Freight and mail pickups show no fill level: theirs is always the code of index 0.
    const std::u16string_view fill = !known || known->usesFillLevel ? fillLevelCode : u"0";
    std::u16string field = u"PickupTrItemData ( ";
    field.append(capacity).append(u" 0000").append(fill).append(PickupTypes::codeText(known));
    field.append(u" )");
    return field;
}

bool PickupRecordRewriter::run() {
    RunState& state = m_context.state;
    state.gstrProtokoll.prepend(TextFormat::repeat(u'-', 111) + u"\r\n\r\n");
    state.gstrProtokoll.prepend(u"\r\n" + m_context.texts().rewriteHeading() + u"\r\n\r\n");
    m_context.show();
    m_changed = false;

    const bool completed = rewrite(m_files);
    if (!completed) {
        m_files.undo();
    }
    m_context.show();
    m_context.host.yieldToEvents();
    return completed;
}

bool PickupRecordRewriter::rewrite(TrackFilePair& files) {
    std::unique_ptr<TrackText> itemTable = pass(files.itemTable(), false);
    if (!itemTable) {
        return false;
    }
    if (m_changed && !writeBack(files, files.itemTable(), *itemTable)) {
        return false;
    }
    // Its text is written or unchanged; the .tdb's pass can have its memory.
    itemTable.reset();
    std::unique_ptr<TrackText> database = pass(files.database(), true);
    if (!database) {
        return false;
    }
    if (!m_changed) {
        m_context.state.gstrProtokoll.prepend(m_context.texts().noChange() + u"\r\n");
        return true;
    }
    return writeBack(files, files.database(), *database);
}

std::unique_ptr<TrackText> PickupRecordRewriter::pass(const TrackFile& file, bool reportChanges) {
    RunState& state = m_context.state;
    // Reading, decoding and indexing a whole track file run off the window's thread: for a
    // large file they take longer than the window may stay unanswered.
    FileSystem& fileSystem = m_context.fileSystem;
    const std::string& path = file.path;
    std::unique_ptr<TrackText> text;
    const IoResult read = m_context.whileYielding([&fileSystem, &path, &text] {
        std::u16string content;
        IoResult result = fileSystem.readText(path, content);
        if (result) {
            text = std::make_unique<TrackText>(std::move(content));
        }
        return result;
    });
    if (!read) {
        m_context.reportReadFailure(file.path, read);
        return nullptr;
    }
    // Protocol lines name the file as it is on disk.
    const std::u16string fileName = TextCodec::fromUtf8(file.name);
    const std::size_t upperBound = state.garrPickupTrItemId.size() - 1;
    for (std::size_t i = 1; i <= upperBound; ++i) {
        rewriteRecord(*text, fileName, i, reportChanges);
        m_context.host.yieldToEvents();
    }
    return text;
}

void PickupRecordRewriter::rewriteRecord(TrackText& text, const std::u16string& fileName,
                                         std::size_t i, bool reportChanges) {
    RunState& state = m_context.state;
    const std::u16string& id = state.garrPickupTrItemId[i];
    std::optional<std::size_t> idPosition = text.findIdText(id);
    if (!idPosition) {
        return;
    }
    std::optional<TrackText::Field> field = text.findField(*idPosition);
    if (!field) {
        m_context.reportProblem(m_context.texts().idWithoutField(id, fileName));
        return;
    }
    const std::u16string newText =
        newFieldText(state.garrPickupCapacity[i], state.garrPickupType[i], fillLevelCode());
    const std::u16string oldText = text.fieldText(*field);

    const bool stillAllZeros =
        oldText.size() >= kAllZeros.size() &&
        oldText.compare(oldText.size() - kAllZeros.size(), kAllZeros.size(), kAllZeros) == 0;
    if (m_context.host.changeAllValue() != 1 && !stillAllZeros) {
        return;
    }
    if (oldText == newText) {
        return;
    }
    m_changed = true;
    if (reportChanges) {
        reportChange(i, oldText, newText);
    }
    text.replaceField(*field, newText);
}

void PickupRecordRewriter::reportChange(std::size_t i, const std::u16string& oldText,
                                        const std::u16string& newText) {
    RunState& state = m_context.state;
    // The type text comes from the three digits in front of the final " )".
    const std::u16string typeCode = newText.substr(newText.size() - 5, 3);
    state.gstrProtokoll.prepend(
        m_context.texts().pickupChanged(
            i, WorldFileScan::fctTypeNumToTypeString(typeCode, state.isGerman()),
            state.garrPickupWorldFile[i], oldText, newText) +
        u"\r\n");
    m_context.show();
}

std::u16string PickupRecordRewriter::fillLevelCode() const {
    const RunState& state = m_context.state;
    const int index = state.gvarFuellstand;
    if (index < 0 || static_cast<std::size_t>(index) >= state.garrFuellstandCode.size()) {
        return state.garrFuellstandCode.front();
    }
    return state.garrFuellstandCode[static_cast<std::size_t>(index)];
}

bool PickupRecordRewriter::writeBack(TrackFilePair& files, TrackFile& file, const TrackText& text) {
    if (m_context.options.dryRun) {
        return true;
    }
    FileSystem& fileSystem = m_context.fileSystem;
    return files.replace(file, [&fileSystem, &text](const std::string& path) {
        return fileSystem.replaceFile(
            path, [&text](OutputFile& output) { return writeEditedText(text, output); });
    });
}

}  // namespace veltrano
