#include "link/LinkState.h"
#include "link/LogLink.h"
#include "link/LogReceive.h"
#include "platform/SerialBackend.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/LogPorts.h"
#include "shell/LogTimers.h"
#include "shell/Program.h"

#include <utility>

namespace orv {

namespace {
constexpr int IOStampToPCColumns = 35;
} // namespace

void LogLink::MSComm_OnComm(int le)
{
    const LeInstance& in = leInstance(le);
    plat::CommPort& port = logPorts(L).*in.port;
    State& s = p.s;

    // Only received characters are read; an overflow drops what was
    // gathered, every other line event is ignored. None arms a reply.
    const int event = port.commEvent();
    if (event == plat::CommEvents::RxOver) s.link->RxText[le].clear();
    if (event != plat::CommEvents::Receive) return;
    if (!port.portOpen()) return;

    // A port that opened since the last event starts anywhere in a frame.
    FrameSync& sync = s.link->Intake[le];
    if (s.link->IntakeOpening[le] != port.openings()) {
        s.link->IntakeOpening[le] = port.openings();
        if (std::exchange(s.link->IntakeShortRead[le], false)) {
            port.setInputLen(StampFrameLength);
            port.setRThreshold(StampFrameLength);
        }
        sync.opened();
    }
    s.link->RxText[le].clear();
    s.link->RxText[le] = port.input();

    // The frame is applied whole or not at all: a bad frame leaves the LE's
    // row, its byte copy, its marker and its bank as the last good frame
    // set them, so the reply below is built from that frame alone. A line
    // out of step (slipped, or just opened) is answered no more from that
    // row until its frames are found again; a slip is told once.
    const FrameSync::Taken parsed = sync.take(s.link->RxText[le]);
    if (parsed.lostStep) L.WriteHisto(in.name() + QStringLiteral("  Frame out of step "));
    if (parsed.withheld || !sync.inStep()) s.status->SynchroRS232[le] = 0;
    for (const std::optional<StampFrame>* taken : {&parsed.earlier, &parsed.frame}) {
        if (!*taken) continue;
        const StampFrame& f = **taken;
        QByteArray& bytes = s.link->IOStampToPC[le];
        if (bytes.size() < IOStampToPCColumns) bytes.resize(IOStampToPCColumns, '\0');
        for (int i = 0; i < FieldCount; ++i) {
            s.status->FadecIO[le][i] = f[i];
            bytes[i] = char(f[i]);
        }
        // Before the kind: a read-back clears the marker unless its
        // parameter 30 happens to be 123, so it is not answered.
        s.status->SynchroRS232[le] = f.marker ? SynchroMarker : 0;
        s.link->RxBank[le] = f[fld::Bank];
        if (f.kind == FrameKind::ParamReadBack) {
            rx::readBack(L, in, f);
            s.link->RxBank[le] = 0;
        } else {
            rx::statusPath(L, in, f);
        }
    }

    // Right after the frame boundary was found again, the next event comes
    // as soon as the frame begun after it is complete and takes just that;
    // the events after it take 160 characters again.
    const int wanted = sync.wanted();
    if (wanted != StampFrameLength || s.link->IntakeShortRead[le]) {
        port.setInputLen(wanted);
        port.setRThreshold(wanted);
        s.link->IntakeShortRead[le] = wanted != StampFrameLength;
    }

    // Every event that read the port arms the reply, good frame or not. The
    // 30 ms count from the moment the line handed the frame over, so the
    // time the event loop took to come round to it is not added.
    s.link->RxText[le].clear();
    (logTimers(L).*in.txTimer).enableFrom(port.handOverUs());
}

} // namespace orv
