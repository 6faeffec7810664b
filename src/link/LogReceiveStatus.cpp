#include "link/LinkState.h"
#include "link/LogReceive.h"
#include "link/SetPointFile.h"
#include "platform/VbText.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/RunShared.h"

#include <cmath>

namespace orv::rx {

namespace {

constexpr int PhaseIdle = 0, PhaseRunning = 5, PhaseRest = 6;
constexpr int RestPeriodSeconds = 90;
constexpr int StopRequest = 2;

QString num(int v) { return QString::number(v); }

// LE-1's idle mark in its trace panel.
void drawIdleMark(Log& log)
{
    log.Picture13.canvas().line(345, 259, 445, 275, plat::colors::Black, plat::Canvas::BoxFilled);
}

// One analogue channel of fields 12-19: its store(s), and when it has a
// coefficient, its logger text and its label's scaled view.
struct Channel {
    int field;
    PerLE<uint8_t> LinkStatus::*store;
    PerLE<uint8_t> LinkStatus::*copy;                    // second store, or null
    int coeffRow;                                   // -1: no coefficient
    PerLE<QString> LinkStatus::*logText;                 // null without a coefficient
    plat::ControlArray<plat::Label> LogControls::*label;   // null: no label
    bool zeroFor255;                                // the label shows "0" for 255
};

const Channel Channels[] = {
    {fld::LPC, &LinkStatus::RawLPC, &LinkStatus::EspionLPC, 0, &LinkStatus::LogTextLPC, &LogControls::Label31, false},
    {fld::LFC, &LinkStatus::RawLFC, &LinkStatus::EspionLFC, 1, &LinkStatus::LogTextLFC, &LogControls::Label32, false},
    {fld::LFC2, &LinkStatus::RawLFC2, nullptr, -1, nullptr, &LogControls::Label37, false},
    {fld::LFC3, &LinkStatus::RawLFC3, nullptr, -1, nullptr, &LogControls::Label42, false},
    {fld::VIS, &LinkStatus::RawVIS, nullptr, 2, &LinkStatus::LogTextVIS, &LogControls::Label33, true},
    {fld::IR, &LinkStatus::RawIR, nullptr, 4, &LinkStatus::LogTextIR, &LogControls::Label34, true},
    {fld::RH, &LinkStatus::RawRH, nullptr, 3, &LinkStatus::LogTextRH, &LogControls::Label35, true},
    {fld::AD13, &LinkStatus::RawAD13, nullptr, -1, nullptr, nullptr, false},
};

// CoeffLE[i] as a number, or nothing when it is not one.
std::optional<double> coefficient(State& s, int i)
{
    LinkState& link = *s.link;
    if (!link.CoeffParsedValid[i] || s.paramShared->CoeffLE[i] != link.CoeffParsedText[i]) {
        link.CoeffParsedValid[i] = true;
        link.CoeffParsedText[i] = s.paramShared->CoeffLE[i];
        link.CoeffParsed[i] = plat::toDouble(s.paramShared->CoeffLE[i]);
    }
    return link.CoeffParsed[i];
}

// Sensor values of fields 12-19. A coefficient that is not a number (or a
// product that is not finite) leaves that channel's logger text as it was,
// and in the scaled view its label as well: the unscaled number never shows
// there. The other channels go on.
void sensorValues(Log& log, const LeInstance& in, const StampFrame& f)
{
    Program& p = log.prog();
    State& s = p.s;
    const int le = in.le;
    for (const Channel& c : Channels) {
        const int raw = f[c.field];
        ((*s.status).*c.store)[le] = uint8_t(raw);
        if (c.copy) ((*s.status).*c.copy)[le] = uint8_t(raw);

        std::optional<QString> scaled;
        if (c.coeffRow >= 0) {
            const std::optional<double> coeff = coefficient(s, c.coeffRow + 16 * le);
            if (coeff && std::isfinite(*coeff * raw)) {
                scaled = plat::vbCStr(*coeff * raw);
                ((*s.status).*c.logText)[le] = *scaled;
            }
        }
        if (!c.label) continue;
        plat::Label& label = (log.*c.label)[le];
        if (c.zeroFor255 && raw == 255)
            label.setCaption(QStringLiteral("0"));
        else if (c.coeffRow < 0 || !p.form<ParamLogicielVB>()->DisplayWithCoefficients())
            label.setCaption(num(raw));
        else if (scaled)
            label.setCaption(*scaled);
        // else: the scaled view has no value to show; the label keeps its text.
    }
}

} // namespace

bool loadSetPoint(Log& log, const LeInstance& in)
{
    Program& p = log.prog();
    State& s = p.s;
    const std::optional<SetPoints> values = readSetPoints(p);
    if (!values) return false;
    for (int i = 0; i < LeCount; ++i) s.runShared->ConsignePWIni[i] = (*values)[i];
    const int16_t own = (*values)[in.le];
    s.request->ConsignePW[in.le] = uint8_t(own);
    log.Label15[in.le].setCaption(num(own * 10));
    s.runShared->FlagConsignePW(in.le) = 1;
    return true;
}

void statusPath(Log& log, const LeInstance& in, const StampFrame& f)
{
    State& s = log.prog().s;
    const int le = in.le;
    const bool wear = f.kind == FrameKind::WearCounter;

    // Phase, and what it starts or ends.
    const int phase = f[fld::Phase];
    s.status->PhaseLP[le] = uint8_t(phase);
    log.Label24[le].setCaption(num(phase));
    if (phase == PhaseRest && s.link->RestStarted[le] == 0) {
        if (log.StartRestEntry) log.StartRestEntry(le);
        s.runShared->RestSeconds[le] = RestPeriodSeconds;
        s.link->RestStarted[le] = 1;
    }
    if (phase == PhaseIdle) {
        if (in.drawsIdleMark) drawIdleMark(log);
        s.link->RestStarted[le] = 0;
    }
    if (phase != PhaseIdle && f[fld::StartStop] == StopRequest) s.request->StartStopPC[le] = StopRequest;
    if (phase == PhaseRunning && s.runShared->FlagConsignePW(in.le) == 0) loadSetPoint(log, in);

    s.status->StartStep[le] = uint8_t(f[fld::StartStep]);
    log.Label11[le].setCaption(num(f[fld::StartStep]));

    // Error code: the fan faults (3-6) also stop the LE, in every phase.
    const int code = f[fld::ErrorCode];
    s.link->FadecError[le] = uint8_t(code);
    if (code != 0) {
        if (code >= 3 && code <= 6) s.request->StartStopPC[le] = StopRequest;
        log.EcrireCodeErreur(code, le);
    }

    const int mat = f[fld::TempMAT];
    s.status->TempMAT[le] = uint8_t(mat);
    log.Label40[le].setCaption(num(mat));
    s.status->LogTextMAT[le] = num(mat * 10);

    const int sht = f[fld::TempSHT];
    s.status->TempSHT[le] = uint8_t(sht);
    if (sht == 255)
        log.Label41[le].setCaption(QStringLiteral("---"));
    else if (!in.shtLabelNeedsMarker || s.status->SynchroRS232[le] == SynchroMarker)
        log.Label41[le].setCaption(num(sht));
    s.status->LogTextSHT[le] = num(sht * 10);

    shtAlarm(log, in);
    lfcAlarm(log, in);

    if (wear)
        wearCounters(log, in, f);
    else
        sensorValues(log, in, f);

    s.status->ReturnSpeedM[le] = uint8_t(f[fld::ReturnSpeedM]);
    s.link->StampVersion[le] = uint8_t(f[fld::Version]);
    log.Label39[le].setCaption(num(f[fld::Version]));
    s.status->TachyM[le] = uint8_t(f[fld::TachyM]);
    s.status->TachyV1[le] = uint8_t(f[fld::TachyV1]);
    s.status->TachyV2[le] = uint8_t(f[fld::TachyV2]);

    // The counters have arrived: withdraw the sub-command request.
    if (wear) {
        s.request->EnableCooling[le] = 0;
        s.status->FadecIO[le][fld::Cooling] = 0;
    }
}

} // namespace orv::rx
