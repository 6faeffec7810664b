// The transmit routine of the eight LEs (Log.Timer21..26, 49, 61), one
// routine bound to its LE by the instance table. Reception arms the LE's
// 30 ms timer after every frame; the first tick that finds the marker answers
// the LE's last frame with one command frame and disarms the timer.

#include "link/CommandFrame.h"
#include "link/LeInstances.h"
#include "link/LinkState.h"
#include "link/LogLink.h"
#include "link/StampFrame.h"
#include "platform/Dialogs.h"
#include "platform/TimeSource.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

namespace {

constexpr int IOPCToStampCells = 35;

// The PC's working copy of the parameter table (ParamPC): the value captions
// of the FADEC-parameters window, which reading loads, hidden, when needed.
std::array<QString, 32> workingCopy(Program& p)
{
    std::array<QString, 32> copy;
    const ParamWindowsEntry& w = p.s.link->ParamWindows;
    for (int e = 0; e < 32; ++e)
        copy[e] = w.ParamPC(e);
    return copy;
}

// The values a write of `copy` sends, or nothing when an entry lies outside
// 0-255: such a write can never be encoded.
std::optional<std::array<int, 32>> writeValues(const std::array<QString, 32>& copy)
{
    std::array<int, 32> values{};
    for (int e = 1; e < 32; ++e) {
        values[e] = paramValue(copy[e]);
        if (values[e] < 0 || values[e] > 255)
            return std::nullopt;
    }
    return values;
}

} // namespace

void LogLink::RequestParamWrite()
{
    State& s = p.s;
    s.link->WriteParamLE = s.common->SelectedLE;
    s.link->WriteParamCopy = workingCopy(p);
    s.request->SelectionBank = bank::WriteParam;
}

// The user learns that the write was dropped. The box waits for the user
// outside this tick, so the LE's answers go on meanwhile.
void LogLink::DropParamWrite(const QString& reason)
{
    State& s = p.s;
    const int le = s.link->WriteParamLE;
    s.request->SelectionBank = bank::Command;
    s.link->WriteParamLE = 0;
    const std::shared_ptr<bool> alive = L.aliveToken();
    Program& program = p;
    p.rt.time.post([&program, alive, le, reason] {
        if (!*alive) return;
        program.rt.dispatch([&] {
            program.rt.dialogs.msgBox(
                QStringLiteral("Write Settings: nothing was written to LE-%1. %2 ").arg(le).arg(reason),
                int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral(" Warning!"));
        });
    });
}

void LogLink::TransmitTimer_Timer(int le)
{
    const LeInstance& in = leInstance(le);
    State& s = p.s;

    // No marker on the last frame: stay armed and look again next tick.
    if (s.status->SynchroRS232[le] != SynchroMarker)
        return;

    // The link indicator tells that marked frames arrive and are answered,
    // whether or not this answer reaches the line.
    LinkIndicatorOn(le);

    const bool selected = in.number == s.common->SelectedLE;

    // A parameter write goes only to the LE it was asked for, with the values
    // the user asked to write. A changed selection or working copy cancels
    // it, and so does a copy that cannot be encoded, which could never leave.
    std::optional<std::array<int, 32>> params;
    if (selected && s.request->SelectionBank == bank::WriteParam) {
        const std::array<QString, 32> copy = workingCopy(p);
        const bool asAsked = s.link->WriteParamLE == in.number && copy == s.link->WriteParamCopy;
        if (asAsked)
            params = writeValues(copy);
        if (!params)
            DropParamWrite(asAsked ? QStringLiteral("A value lies outside 0 to 255.")
                                   : QStringLiteral("The selected LE or the values changed before they were sent."));
    }

    IORow& row = s.status->FadecIO[le];
    PcRequests r;
    r.selected = selected;
    r.selectionBank = s.request->SelectionBank;
    r.phase = s.status->PhaseLP[le];
    r.startStopPC = s.request->StartStopPC[le];
    r.consignePW = s.request->ConsignePW[le];
    r.relayQTH = s.request->RelayQTH[le];
    r.relayAlarm = s.request->alarmRelayRequest(le);
    r.subCommand = s.request->SubCommand[le];
    r.vmot = s.request->Vmot[le];
    r.enableCooling = s.request->EnableCooling[le];
    applyRequests(row, r);

    plat::CommPort& port = L.*in.port;
    if (port.portOpen()) {
        if (params)
            applyParameterWrite(row, *params);
        // Only a frame the port took counts as sent: then the monitor copy,
        // the parameter record and notice, and the bank request's end follow.
        // Otherwise the bank request waits for the next answer.
        const std::optional<QByteArray> frame = encodeCommandFrame(row);
        if (frame && port.output(*frame)) {
            QByteArray& sent = s.link->IOPCToStamp[le];
            if (sent.size() < IOPCToStampCells)
                sent.resize(IOPCToStampCells, '\0');
            for (int k = 0; k < 32; ++k)
                sent[k] = frame->at(k);
            if (params) {
                for (int e = 1; e < 32; ++e)
                    s.status->ParamStamp[le][e] = (*params)[e];
                s.status->MessageTransfert = QStringLiteral("Backup completed successfully ! ");
                L.Timer44.setEnabled(true);
            }
            if (selected) {
                s.request->SelectionBank = bank::Command;
                s.link->WriteParamLE = 0;
            }
        }
    }

    (L.*in.txTimer).setEnabled(false);
}

} // namespace orv
