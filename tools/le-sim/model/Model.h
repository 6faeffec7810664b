#pragma once
// The controller of one light engine, as the PC sees it over its serial line:
// pure and driven by the caller's clock, with no I/O of its own.
//
// The controller speaks first: every `periodMs` it has a 160-character frame
// ready (nextFrame). It takes the PC's command frames (receive) and acts on
// the positions the PC owns: the bank request, the start/stop request, the
// power set-point, the two relays, the sub-command, the motor speed and the
// cooling request. Everything else in a command frame is the PC's echo and is
// ignored.
#include "model/Frames.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace le {

// The controller's parameter table as it leaves the factory.
Fields defaultParameters();

class Model {
public:
    explicit Model(int leNumber);

    int leNumber() const { return le_; }

    // Settings. A start step lasts 1000 * startScale ms, so with the default
    // 0.05 and the factory delays z1 = 50, z2 = 20, z3 = 15 a start takes about
    // five seconds; the rest after a stop is scaled the same way.
    void setPeriodMs(int ms) { periodMs_ = ms > 0 ? ms : 1; }
    void setStartScale(double scale) { startScale_ = scale > 0 ? scale : 0.001; }
    void setRestSeconds(int seconds) { restSeconds_ = seconds >= 0 ? seconds : 0; }
    void setGarbageEvery(int n) { garbageEvery_ = n > 1 ? n : 2; }

    // Advances the controller's own clock.
    void tick(int ms);
    // The frame due now, if any. Frames missed while nobody asked are not
    // queued: the line only ever carries the latest one.
    std::optional<QByteArray> nextFrame();
    // Bytes from the PC, in any chunking.
    void receive(const QByteArray& bytes);

    // Faults, settable at any time.
    void silence(bool on) { silent_ = on; }
    void garbage(bool on) { garbage_ = on; }
    // Every fifth status frame carries 0 in place of the synchro marker.
    void unmarked(bool on) { unmarked_ = on; }
    void dropCharacter(bool on) { dropNext_ = on; }
    // A parameter read request is answered this long after it came (status
    // frames meanwhile); a negative delay never answers it.
    void setReadBackDelayMs(int ms) { readBackDelayMs_ = ms; }
    void setErrorCode(int code) { errorCode_ = code; }
    void setTemperatures(int mat, int sht) { tempMAT_ = mat; tempSHT_ = sht; }
    // Tachometer readings (× 30 rpm) of motor M and fans V1, V2 while they run.
    void setSpeeds(int motor, int fan1, int fan2) { speedM_ = motor; speedV1_ = fan1; speedV2_ = fan2; }

    // Wear counters in minutes: 0 S-Lamp, 1 H-Lamp, 2 magnetron.
    void setWearMinutes(int counter, int minutes);
    int wearMinutes(int counter) const;

    // Observers.
    int phase() const { return phase_; }
    int startStep() const { return step_; }
    const Fields& parameters() const { return params_; }
    const std::vector<Fields>& receivedFrames() const { return received_; }
    // Forgets the frames kept so far (a long-running simulator would
    // otherwise keep every command frame of the session).
    void clearReceived() { received_.clear(); }
    // State changes since the last call (start request, phase change,
    // read-back sent, ...), for a log.
    QStringList takeLog();

private:
    enum class Pending { None, ReadBack, WearCounters };

    void act(const Fields& command);
    void request(int startStop);
    void enterPhase(int phase);
    void advanceSequence(int ms);
    void countWear(int ms);
    int phaseOfStep(int step) const;
    Fields statusFields() const;
    Fields readBackFields() const;
    Fields wearFields() const;
    bool motorRuns() const;
    bool fansRun() const;
    void log(const QString& text);

    int le_;
    int periodMs_ = 250;
    double startScale_ = 0.05;
    int restSeconds_ = 90;
    int garbageEvery_ = 5;

    Fields params_;
    CommandSplitter splitter_;
    std::vector<Fields> received_;
    QStringList log_;
    QRandomGenerator random_;

    // Line.
    int sinceFrameMs_ = 0;
    bool frameDue_ = false;
    long framesSent_ = 0;
    Pending pending_ = Pending::None;
    int readBackDelayMs_ = 0;
    int readBackHoldMs_ = 0;       // what is left of the delay of the pending read-back

    // Start sequence.
    int phase_ = 0;
    int step_ = 0;
    int clockMs_ = 0;              // time spent in the current step or rest
    int z1_ = 50, z2_ = 20, z3_ = 15;

    // What the PC last asked for.
    int heldStartStop_ = NoRequest;
    int power_ = 0;
    int relayQTH_ = 0;
    int relayAlarm_ = 0;
    int vmot_ = 0;
    int cooling_ = 0;
    bool frozen_ = false;

    // Sensors and faults.
    int errorCode_ = 0;
    int tempMAT_ = 25;
    int tempSHT_ = 30;
    int speedM_ = 84;
    int speedV1_ = 90;
    int speedV2_ = 90;
    bool silent_ = false;
    bool garbage_ = false;
    bool unmarked_ = false;
    bool dropNext_ = false;

    std::array<long long, 3> wearMs_{};
};

} // namespace le
