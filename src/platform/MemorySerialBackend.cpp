#include "platform/MemorySerialBackend.h"
#include "platform/TimeSource.h"

namespace plat {

MemoryPortHub::MemoryPortHub(TimeSource& ts) : ts_(ts) {}

MemoryPortHub::~MemoryPortHub()
{
    for (MemorySerialBackend* b : backends_) b->hub_ = nullptr;
}

bool MemoryPortHub::inject(int port, const QByteArray& bytes)
{
    Line& l = line(port);
    if (!l.owner) return false;
    l.pending += bytes;
    if (!bytes.isEmpty() && l.owner->onReadyRead) l.owner->onReadyRead();
    return true;
}

QByteArray MemoryPortHub::takeWritten(int port)
{
    QByteArray out;
    std::swap(out, line(port).written);
    return out;
}

const std::vector<MemoryPortHub::Frame>& MemoryPortHub::frames(int port) { return line(port).frames; }

void MemoryPortHub::failOpen(int port, bool fail) { line(port).failOpen = fail; }
void MemoryPortHub::refuseWrite(int port, bool refuse) { line(port).refuseWrite = refuse; }

void MemoryPortHub::raiseError(int port, int commEvent)
{
    Line& l = line(port);
    if (l.owner && l.owner->onError) l.owner->onError(commEvent);
}

void MemoryPortHub::unplug(int port)
{
    Line& l = line(port);
    l.owner = nullptr;
    l.pending.clear();
}

bool MemoryPortHub::isOpen(int port) const
{
    auto it = lines_.find(port);
    return it != lines_.end() && it->second.owner;
}

int MemoryPortHub::openCount(int port) const
{
    auto it = lines_.find(port);
    return it == lines_.end() ? 0 : it->second.openCount;
}

MemoryPortHub::LineConfig MemoryPortHub::lineConfig(int port) const
{
    auto it = lines_.find(port);
    return it == lines_.end() ? LineConfig{} : it->second.config;
}

// ------------------------------------------------------------------ backend

MemorySerialBackend::MemorySerialBackend(MemoryPortHub& hub, int port) : hub_(&hub), port_(port)
{
    hub_->backends_.insert(this);
}

MemorySerialBackend::~MemorySerialBackend()
{
    if (!hub_) return;
    close();
    hub_->backends_.erase(this);
}

MemoryPortHub::Line* MemorySerialBackend::line() const
{
    return hub_ ? &hub_->line(port_) : nullptr;
}

bool MemorySerialBackend::open()
{
    MemoryPortHub::Line* l = line();
    if (!l || l->failOpen || l->owner) return false;
    l->owner = this;
    l->pending.clear();
    ++l->openCount;
    return true;
}

void MemorySerialBackend::close()
{
    MemoryPortHub::Line* l = line();
    if (l && l->owner == this) {
        l->owner = nullptr;
        l->pending.clear();
    }
}

bool MemorySerialBackend::isOpen() const
{
    MemoryPortHub::Line* l = line();
    return l && l->owner == this;
}

qint64 MemorySerialBackend::bytesAvailable() const
{
    return isOpen() ? line()->pending.size() : 0;
}

QByteArray MemorySerialBackend::read(qint64 max)
{
    if (!isOpen() || max <= 0) return {};
    QByteArray& p = line()->pending;
    QByteArray out = p.left(max);
    p.remove(0, out.size());
    return out;
}

bool MemorySerialBackend::write(const QByteArray& data)
{
    if (!isOpen()) return false;
    MemoryPortHub::Line* l = line();
    if (l->refuseWrite) return false;
    l->written += data;
    l->frames.push_back({hub_->ts_.nowMs(), data});
    return true;
}

bool MemorySerialBackend::configure(int baud, char parity, int dataBits, int stopBits, bool xonXoff, bool rts,
                                    bool rtsCts)
{
    if (!isOpen()) return false;
    line()->config = {baud, parity, dataBits, stopBits, xonXoff, rts, rtsCts};
    return true;
}

} // namespace plat
