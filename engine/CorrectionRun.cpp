#include "engine/CorrectionRun.h"

#include "engine/PickupRecordRewriter.h"
#include "engine/RunContext.h"
#include "engine/TdbPickupCatalogue.h"
#include "engine/TextFormat.h"
#include "engine/TrackFileBackup.h"
#include "engine/TrackFilePair.h"
#include "engine/WorldFileScan.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace {

constexpr const char16_t* kCrLf = u"\r\n";

std::u16string dateAndTime(const Clock& clock) {
    const ClockReading reading = clock.now();
    return TextCodec::fromUtf8(clock.shortDate(reading.local)) + u" " +
           TextCodec::fromUtf8(clock.longTime(reading.local));
}

}  // namespace

CorrectionRun::CorrectionRun(RunState& state, RunHost& host, FileSystem& fileSystem,
                             const Clock& clock, RunOptions options)
    : m_state(state), m_host(host), m_fileSystem(fileSystem), m_clock(clock), m_options(options) {}

RunResult CorrectionRun::run() {
    RunContext context{m_state, m_host, m_fileSystem, m_clock, m_options, {}};
    RunResult result;

    m_state.gblnRunning = true;
    m_host.setAnimationInterval(100);
    m_state.gdblStartTime = m_clock.now().secondsSinceMidnight;
    m_host.setBusyPointer(true);
    if (!m_host.checkRouteFolderSilently()) {
        result.outcome = RunOutcome::RouteFolderUnusable;
        return result;
    }
    m_host.repaint();
    if (!m_options.dryRun) {
        TrackFileBackup::removeStaleTemporaryFiles(m_fileSystem, m_state.gstrRoutePath);
    }
    startArrays();
    writeStartFrame();

    const bool completed = runPhases(context);

    writeEndFrame();
    m_host.setAnimationInterval(0);
    m_state.gblnRunning = false;

    result.outcome = completed ? RunOutcome::Completed : RunOutcome::FileError;
    result.problems = std::move(context.problems);
    return result;
}

void CorrectionRun::startArrays() {
    // Whatever an earlier run found is gone: each array holds only its unused element 0.
    for (auto* array :
         {&m_state.garrWorldFiles, &m_state.garrPickupWorldFile, &m_state.garrPickupType,
          &m_state.garrPickupCapacity, &m_state.garrPickupTrItemId}) {
        array->assign(1, std::u16string());
    }
}

void CorrectionRun::writeStartFrame() {
    Protocol& protocol = m_state.gstrProtokoll;
    if (TextFormat::trimBlanks(m_host.protocolBoxText()).empty()) {
        protocol.clear();
    }
    protocol.prepend(TextFormat::repeat(u'=', 151) + kCrLf + kCrLf);
    protocol.prepend(kCrLf + (u"--- START " + dateAndTime(m_clock)) + u" " +
                     TextFormat::repeat(u'-', 121) + kCrLf);
}

bool CorrectionRun::runPhases(RunContext& context) {
    Protocol& protocol = m_state.gstrProtokoll;
    const std::u16string heading = context.texts().tdbHeading();
    m_host.setStatusLine(heading);
    protocol.prepend(kCrLf + heading + kCrLf);
    context.show();

    // Both track files are resolved once: the .tdb read here is the one rewritten later.
    TrackFilePair files(context);
    m_state.gdblTdbPickupCount = 0;
    if (!TdbPickupCatalogue(context, files.database().path)
             .subCollectTdbPickups(m_state.gdblTdbPickupCount)) {
        return false;
    }
    protocol.prepend(context.texts().tdbPickupCount(m_state.gdblTdbPickupCount));
    context.show();
    if (m_state.garrWorldFiles.size() < 2) {
        return true;
    }

    protocol.prepend(TextFormat::repeat(u'-', 111) + kCrLf + kCrLf);
    protocol.prepend(kCrLf + context.texts().worldHeading() + kCrLf + kCrLf);
    context.show();
    if (!WorldFileScan(context).scan()) {
        return false;
    }
    return PickupRecordRewriter(context, files).run();
}

void CorrectionRun::writeEndFrame() {
    Protocol& protocol = m_state.gstrProtokoll;
    const ProtocolTexts texts(m_state.isGerman());
    m_host.setBusyPointer(false);
    if (m_options.dryRun) {
        protocol.prepend(texts.dryRun() + kCrLf);
    }
    protocol.prepend(texts.ready() + kCrLf + kCrLf);
    protocol.prepend(texts.endLine(dateAndTime(m_clock)) + kCrLf + kCrLf);
    protocol.prepend(TextFormat::repeat(u'=', 151) + kCrLf);
    m_host.showProtocol(protocol);

    const double elapsed = m_clock.now().secondsSinceMidnight - m_state.gdblStartTime;
    m_host.setStatusLine(
        texts.duration(TextFormat::fixedTwoDecimals(elapsed, m_clock.decimalSeparator())));
}

}  // namespace veltrano
