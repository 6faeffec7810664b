#pragma once
// A light engine at frame level on an in-memory port, on virtual time: it
// plays the controller model (status frames at its period, phases on start
// and stop requests, parameter read-back and write, wear counters) and keeps
// what the program sent it.

#include "model/Frames.h"
#include "model/Model.h"
#include "platform/Timer.h"

#include <QByteArray>
#include <map>
#include <memory>

struct TestRuntime;

class FakeLE {
public:
    // Plays LE `leNumber` on in-memory port `port`. It only talks while the
    // program has the port open.
    FakeLE(TestRuntime& t, int port, int leNumber);

    le::Model model;

    // Starts or stops the model's own frames (on by default).
    void setRunning(bool on) { pump_.setEnabled(on); }

    // Sends one frame made of `fields` now (the marker is the caller's).
    void send(const le::Fields& fields);
    void sendRaw(const QByteArray& chars);
    // A status frame in `phase` with the marker, other fields at rest values.
    static le::Fields statusFields(int phase = 0);

    // Fields of the status frames the model sends, replaced by these values
    // (position -> value): a sensor reading the model does not play.
    std::map<int, int> statusOverride;

    // Command frames received so far, parsed.
    const std::vector<le::Fields>& commands() const { return model.receivedFrames(); }
    // Raw bytes the program wrote since the last call.
    QByteArray takeWritten();

private:
    void pump();
    TestRuntime& t_;
    int port_;
    plat::Timer pump_;
    QByteArray unread_;   // written by the program, not yet taken by a test
};
