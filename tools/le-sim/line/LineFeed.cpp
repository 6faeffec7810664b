#include "line/LineFeed.h"

#include <algorithm>

namespace lesim {

namespace {
struct Named {
    const char* name;
    LineFeed::Mode mode;
};
constexpr Named kModes[] = {{"even", LineFeed::Mode::Even},
                            {"chars", LineFeed::Mode::Chars},
                            {"fifo", LineFeed::Mode::Fifo},
                            {"usb", LineFeed::Mode::Usb},
                            {"usb-latency", LineFeed::Mode::UsbLatency},
                            {"mix", LineFeed::Mode::Mix}};
} // namespace

bool LineFeed::parse(const QString& name, Mode& mode)
{
    for (const Named& n : kModes)
        if (name == QLatin1String(n.name)) {
            mode = n.mode;
            return true;
        }
    return false;
}

QString LineFeed::name(Mode mode)
{
    for (const Named& n : kModes)
        if (n.mode == mode) return QLatin1String(n.name);
    return {};
}

LineFeed::LineFeed(Mode mode, int baud, unsigned seed)
    : mode_(mode), charUs_(10.0 * 1e6 / double(baud)), random_(seed)
{
    drawPacket();
}

void LineFeed::drawPacket()
{
    if (mode_ != Mode::Mix) {
        packet_ = std::uniform_int_distribution<int>(1, kPacketMax)(random_);
        return;
    }
    // Half UART pieces, a quarter USB packets, the rest small pieces.
    const int way = std::uniform_int_distribution<int>(0, 19)(random_);
    if (way < 10)
        packet_ = 20;
    else if (way < 15)
        packet_ = std::uniform_int_distribution<int>(16, kPacketMax)(random_);
    else if (way < 18)
        packet_ = 4;
    else
        packet_ = 1;
}

void LineFeed::queue(const QByteArray& bytes, int64_t nowUs)
{
    lineFreeUs_ = std::max(lineFreeUs_, double(nowUs));
    for (char c : bytes) {
        lineFreeUs_ += charUs_;
        held_.append(c);
        done_.push_back(int64_t(lineFreeUs_ + 0.5));
    }
}

void LineFeed::clear()
{
    held_.clear();
    done_.clear();
    // The line is free at once: what was dropped never went on it.
    lineFreeUs_ = 0;
}

qsizetype LineFeed::onLine(int64_t nowUs) const
{
    return qsizetype(std::upper_bound(done_.begin(), done_.end(), nowUs) - done_.begin());
}

QByteArray LineFeed::take(int64_t nowUs)
{
    const qsizetype arrived = onLine(nowUs);
    qsizetype n = 0;
    switch (mode_) {
    case Mode::Even:
    case Mode::Chars:
        n = arrived;
        break;
    case Mode::Fifo:
        n = arrived / kFifoPiece * kFifoPiece;
        // The FIFO's time-out: nothing more for four character times.
        if (n < arrived && nowUs >= doneUs(arrived - 1) + int64_t(4 * charUs_)
            && (arrived == held_.size() || doneUs(arrived) > doneUs(arrived - 1) + int64_t(4 * charUs_)))
            n = arrived;
        break;
    case Mode::Usb:
    case Mode::Mix:
        // One packet after the other, each once its last character is on
        // the line; a burst that ends early ends its packet.
        while (n < arrived) {
            const qsizetype end = std::min<qsizetype>(n + packet_, held_.size());
            if (end > arrived) break;
            n = end;
            drawPacket();
        }
        break;
    case Mode::UsbLatency:
        if (arrived >= kPacketMax)
            n = arrived / kPacketMax * kPacketMax;
        else if (arrived > 0 && nowUs >= doneUs(0) + kLatencyUs)
            n = arrived;
        break;
    }
    QByteArray out = held_.left(n);
    held_.remove(0, n);
    done_.erase(done_.begin(), done_.begin() + n);
    return out;
}

int64_t LineFeed::nextUs(int64_t nowUs) const
{
    if (held_.isEmpty()) return -1;
    switch (mode_) {
    case Mode::Even:
        return std::max(doneUs(0), nowUs + 1000);
    case Mode::Chars:
        return doneUs(0);
    case Mode::Fifo: {
        int64_t next = held_.size() >= kFifoPiece ? doneUs(kFifoPiece - 1) : INT64_MAX;
        const qsizetype arrived = std::max<qsizetype>(1, onLine(nowUs));
        return std::min(next, doneUs(arrived - 1) + int64_t(4 * charUs_));
    }
    case Mode::Usb:
    case Mode::Mix:
        return doneUs(std::min<qsizetype>(packet_, held_.size()) - 1);
    case Mode::UsbLatency: {
        const int64_t full = held_.size() >= kPacketMax ? doneUs(kPacketMax - 1) : INT64_MAX;
        return std::min(full, doneUs(0) + kLatencyUs);
    }
    }
    return -1;
}

} // namespace lesim
