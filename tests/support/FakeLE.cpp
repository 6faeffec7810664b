#include "support/FakeLE.h"
#include "support/RuntimeFixture.h"

namespace {
constexpr int PumpMs = 10;
}

FakeLE::FakeLE(TestRuntime& t, int port, int leNumber)
    : model(leNumber), t_(t), port_(port), pump_(t.time, QString("FakeLE%1").arg(port), PumpMs, true)
{
    pump_.onTimer = [this] { pump(); };
}

void FakeLE::pump()
{
    QByteArray written = t_.ports.takeWritten(port_);
    unread_ += written;
    if (!written.isEmpty()) model.receive(written);
    model.tick(PumpMs);
    while (auto frame = model.nextFrame()) {
        if (!statusOverride.empty() && frame->size() == 160 && frame->left(5).toInt() != le::BankReadParam
            && frame->mid(155, 5).toInt() != le::WearCounterMark) {
            le::Fields f{};
            for (int i = 0; i < 32; ++i) f[i] = frame->mid(5 * i, 5).toInt();
            for (const auto& [pos, value] : statusOverride) f[pos] = value;
            *frame = le::composeFrame(f);
        }
        if (t_.ports.isOpen(port_)) t_.ports.inject(port_, *frame);
    }
}

void FakeLE::send(const le::Fields& fields) { sendRaw(le::composeFrame(fields)); }

void FakeLE::sendRaw(const QByteArray& chars) { t_.ports.inject(port_, chars); }

le::Fields FakeLE::statusFields(int phase)
{
    le::Fields f{};
    f[le::pos::Phase] = phase;
    f[le::pos::TempMAT] = 25;
    f[le::pos::TempSHT] = 30;
    f[le::pos::Version] = 157;
    f[le::pos::Synchro] = le::kSynchroMarker;
    return f;
}

QByteArray FakeLE::takeWritten()
{
    QByteArray fresh = t_.ports.takeWritten(port_);
    if (!fresh.isEmpty()) model.receive(fresh);
    QByteArray all = unread_ + fresh;
    unread_.clear();
    return all;
}
