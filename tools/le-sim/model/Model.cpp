#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace le {

namespace {

// Parameter entries the controller uses itself.
constexpr int ParamZ1 = 18;
constexpr int ParamZ2 = 19;
constexpr int ParamZ3 = 20;
constexpr int ParamPowerStart = 23;

constexpr int kFirstStepOfPhase2 = 14;
constexpr int kReturnSpeedM = 84;   // 2520 rpm, the speed the motor is initialised to
constexpr int kVersion = 23;
constexpr int kMinute = 60000;

struct Light {
    int lpc, lfc, lfc2, lfc3, vis, ir;
};

// Light readings by phase: dark until the magnetron has lit the bulb (phase
// 3), above the LPC check level (50) in phases 3 and 4 and above the start
// level (70) once running.
Light lightOf(int phase)
{
    switch (phase) {
    case 3:
    case 4: return {60, 20, 18, 16, 40, 30};
    case 5: return {95, 80, 78, 76, 120, 85};
    default: return {0, 0, 0, 0, 0, 0};
    }
}

} // namespace

Fields defaultParameters()
{
    return {0, 0, 0, 0, 0, 0, 0, 0, 16,
            0, 0, 0, 0, 0, 0, 0, 0, 0,
            50, 20, 15, 3, 0, 50, 35, 70, 115, 25, 60, 0, 50, 15};
}

Model::Model(int leNumber)
    : le_(leNumber), params_(defaultParameters()), random_(quint32(leNumber))
{
    power_ = params_[ParamPowerStart];
    // A unit that has been in service for a while.
    setWearMinutes(0, 1234 * 60 + 17);
    setWearMinutes(1, 321 * 60 + 45);
    setWearMinutes(2, 987 * 60 + 3);
}

void Model::setWearMinutes(int counter, int minutes)
{
    if (counter >= 0 && counter < 3)
        wearMs_[counter] = (long long)std::max(0, minutes) * kMinute;
}

int Model::wearMinutes(int counter) const
{
    return counter >= 0 && counter < 3 ? int(wearMs_[counter] / kMinute) : 0;
}

QStringList Model::takeLog()
{
    QStringList out;
    out.swap(log_);
    return out;
}

void Model::log(const QString& text)
{
    log_ << text;
}

void Model::tick(int ms)
{
    if (ms <= 0)
        return;
    advanceSequence(ms);
    countWear(ms);
    if (readBackHoldMs_ > 0) readBackHoldMs_ = std::max(0, readBackHoldMs_ - ms);
    sinceFrameMs_ += ms;
    if (sinceFrameMs_ >= periodMs_) {
        frameDue_ = true;
        sinceFrameMs_ %= periodMs_;
    }
}

std::optional<QByteArray> Model::nextFrame()
{
    if (!frameDue_)
        return std::nullopt;
    frameDue_ = false;
    // A silent controller keeps running but its line is dead; a pending
    // answer waits until it talks again.
    if (silent_)
        return std::nullopt;

    ++framesSent_;
    QByteArray frame;
    if (garbage_ && framesSent_ % garbageEvery_ == 0) {
        // Line noise in place of one frame; a pending answer goes out next time.
        frame.resize(kStampFrameLength);
        for (char& c : frame)
            c = char(random_.bounded(0x21, 0x7F));
    } else {
        // A read-back held back by its delay: status frames until it is due.
        const bool readBackHeld = pending_ == Pending::ReadBack && (readBackDelayMs_ < 0 || readBackHoldMs_ > 0);
        switch (readBackHeld ? Pending::None : pending_) {
        case Pending::ReadBack:
            frame = composeFrame(readBackFields());
            log(QStringLiteral("read-back sent"));
            break;
        case Pending::WearCounters:
            frame = composeFrame(wearFields());
            log(QStringLiteral("wear counters sent"));
            break;
        case Pending::None: {
            Fields f = statusFields();
            if (unmarked_ && framesSent_ % garbageEvery_ == 0)
                f[pos::Synchro] = 0;
            frame = composeFrame(f);
            break;
        }
        }
        if (!readBackHeld) pending_ = Pending::None;
    }
    if (dropNext_) {
        frame.remove(random_.bounded(kStampFrameLength), 1);
        dropNext_ = false;
    }
    return frame;
}

void Model::receive(const QByteArray& bytes)
{
    for (const Fields& command : splitter_.feed(bytes))
        act(command);
}

void Model::act(const Fields& c)
{
    received_.push_back(c);

    if (c[pos::Bank] == BankWriteParam) {
        // Positions 1 to 31 are the parameter table in this frame, not
        // requests. Entry 0 is the bank index itself and is not stored.
        std::copy(c.begin() + 1, c.end(), params_.begin() + 1);
        log(QStringLiteral("parameters written"));
        return;
    }
    if (c[pos::Bank] == BankReadParam && pending_ != Pending::ReadBack) {
        pending_ = Pending::ReadBack;
        readBackHoldMs_ = readBackDelayMs_;
        log(QStringLiteral("read request"));
    }
    // Any other bank value is taken as an ordinary command frame: the
    // controller only tests for the two transfer codes.

    request(c[pos::StartStop]);

    // The PC sends its set-point only while it sees phase 5 and echoes our
    // own value otherwise; a frozen regulation keeps the power it has.
    if (phase_ == 5 && !frozen_)
        power_ = c[pos::Power];
    relayQTH_ = c[pos::RelayQTH];
    relayAlarm_ = c[pos::RelayAlarm];
    vmot_ = c[pos::Vmot];

    const int cooling = c[pos::Cooling];
    if (cooling == SubCommandRequest) {
        // The PC repeats a sub-command until it sees our counters, so every
        // counter request and reset is answered with a wear-counter frame.
        // A freeze is not answered: the PC keeps sending it as a level.
        const int sub = c[pos::SubCommand];
        if (sub == FreezeOn || sub == FreezeOff) {
            if (frozen_ != (sub == FreezeOn))
                log(sub == FreezeOn ? QStringLiteral("freeze on") : QStringLiteral("freeze off"));
            frozen_ = sub == FreezeOn;
        } else if (sub >= ResetSLamp && sub <= ReadCounters) {
            if (sub != ReadCounters) {
                wearMs_[sub - ResetSLamp] = 0;
                log(QStringLiteral("counter %1 reset").arg(sub - ResetSLamp + 1));
            }
            if (pending_ == Pending::None)
                pending_ = Pending::WearCounters;
        }
    } else if (cooling >= 0 && cooling <= 3) {
        // The hardware-test choices: all off, all on, motor on, fans on.
        cooling_ = cooling;
    }
}

void Model::request(int startStop)
{
    heldStartStop_ = startStop;
    if (startStop == StartRequest && phase_ == 0) {
        // A start is taken only at rest; during the rest after a stop the
        // PC's repeated start request is honoured once the rest is over.
        log(QStringLiteral("start request"));
        z1_ = params_[ParamZ1];
        z2_ = params_[ParamZ2];
        z3_ = params_[ParamZ3];
        power_ = params_[ParamPowerStart];
        frozen_ = false;
        step_ = 1;
        clockMs_ = 0;
        enterPhase(1);
    } else if (startStop == StopRequest && phase_ >= 1 && phase_ <= 5) {
        log(QStringLiteral("stop request"));
        step_ = 0;
        clockMs_ = 0;
        enterPhase(6);
    }
}

void Model::enterPhase(int phase)
{
    if (phase == phase_)
        return;
    phase_ = phase;
    if (phase == 0 || phase == 6)
        step_ = 0;
    log(QStringLiteral("phase %1").arg(phase));
}

// The start program counts steps: phase 1 (motor and fan start and tests)
// up to step 13, then phase 2 for z1 steps (generator start delay), phase 3
// for z2 + 1 (ramp-up), phase 4 for z3 + 1 (lamp start), and phase 5 from
// step z1 + z2 + z3 + 16 on, where the step stays.
int Model::phaseOfStep(int step) const
{
    if (step >= z1_ + z2_ + z3_ + 16) return 5;
    if (step >= z1_ + z2_ + 15) return 4;
    if (step >= z1_ + kFirstStepOfPhase2) return 3;
    if (step >= kFirstStepOfPhase2) return 2;
    return 1;
}

void Model::advanceSequence(int ms)
{
    if (phase_ >= 1 && phase_ <= 4) {
        const int stepMs = std::max(1, int(std::lround(1000.0 * startScale_)));
        clockMs_ += ms;
        while (clockMs_ >= stepMs && phase_ >= 1 && phase_ <= 4) {
            clockMs_ -= stepMs;
            ++step_;
            enterPhase(phaseOfStep(step_));
        }
        if (phase_ == 5)
            clockMs_ = 0;
    } else if (phase_ == 6) {
        const long restMs = std::lround(restSeconds_ * 1000.0 * startScale_);
        clockMs_ += ms;
        if (clockMs_ >= restMs) {
            clockMs_ = 0;
            enterPhase(0);
        }
    }
}

// Operating hours count in real time, whatever the start scale: the S-Lamp
// while the bulb is lit, the H-Lamp while the QTH relay is on, the magnetron
// while the generator runs.
void Model::countWear(int ms)
{
    if (phase_ >= 3 && phase_ <= 5)
        wearMs_[0] += ms;
    if (relayQTH_ == 1)
        wearMs_[1] += ms;
    if (phase_ >= 2 && phase_ <= 5)
        wearMs_[2] += ms;
}

// Motor M starts at step 3 and fans V1, V2 at step 7 of phase 1; both run on
// through the rest to cool the lamp. At idle the hardware test switches them.
bool Model::motorRuns() const
{
    return (phase_ == 1 && step_ >= 3) || (phase_ >= 2 && phase_ <= 6) || cooling_ == 1 || cooling_ == 2;
}

bool Model::fansRun() const
{
    return (phase_ == 1 && step_ >= 7) || (phase_ >= 2 && phase_ <= 6) || cooling_ == 1 || cooling_ == 3;
}

Fields Model::statusFields() const
{
    Fields f{};
    const Light light = lightOf(phase_);
    f[pos::Bank] = BankCommand;
    f[pos::Phase] = phase_;
    f[pos::StartStop] = heldStartStop_;
    f[pos::Confirmation] = phase_ >= 1 && phase_ <= 5 ? 1 : 0;
    f[pos::Power] = power_;
    f[pos::StartStep] = step_ & 0xFF;   // a byte counter on the controller
    f[pos::RelayQTH] = relayQTH_;
    f[pos::QthState] = relayQTH_ == 1 ? 1 : 0;
    f[pos::RelayAlarm] = relayAlarm_;
    f[pos::ErrorCode] = errorCode_;
    f[pos::TempMAT] = tempMAT_;
    f[pos::TempSHT] = tempSHT_;
    f[pos::LPC] = light.lpc;
    f[pos::LFC] = light.lfc;
    f[pos::LFC2] = light.lfc2;
    f[pos::LFC3] = light.lfc3;
    f[pos::VIS] = light.vis;
    f[pos::IR] = light.ir;
    f[pos::RH] = 45;
    f[pos::Vmot] = vmot_;
    f[pos::ReturnSpeedM] = kReturnSpeedM;
    f[pos::Version] = kVersion;
    f[pos::TachyM] = motorRuns() ? (vmot_ > 0 ? vmot_ : speedM_) : 0;
    f[pos::TachyV1] = fansRun() ? speedV1_ : 0;
    f[pos::TachyV2] = fansRun() ? speedV2_ : 0;
    f[pos::Synchro] = kSynchroMarker;
    f[pos::Cooling] = cooling_;
    return f;
}

Fields Model::readBackFields() const
{
    Fields f = params_;
    f[pos::Bank] = BankReadParam;
    return f;
}

// Each counter goes out as three bytes: minutes within the current four
// hours (0..239), then the number of four-hour periods, low byte first.
Fields Model::wearFields() const
{
    Fields f = statusFields();
    for (int k = 0; k < 3; ++k) {
        const long long minutes = wearMs_[k] / kMinute;
        const long long periods = minutes / 240;
        f[pos::FirstWearField + 3 * k] = int(minutes % 240);
        f[pos::FirstWearField + 3 * k + 1] = int(periods & 0xFF);
        f[pos::FirstWearField + 3 * k + 2] = int((periods >> 8) & 0xFF);
    }
    f[pos::Cooling] = WearCounterMark;
    return f;
}

} // namespace le
