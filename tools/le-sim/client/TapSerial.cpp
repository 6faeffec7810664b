#include "client/TapSerial.h"

namespace lesim {

namespace {

class TapBackend : public plat::SerialBackend {
public:
    TapBackend(std::unique_ptr<plat::SerialBackend> inner, int port, std::vector<QByteArray>& reads,
               std::function<void(int, plat::SerialBackend&)>& beforeCount)
        : inner_(std::move(inner)), reads_(reads)
    {
        inner_->onReadyRead = [this, port, &beforeCount] {
            if (beforeCount) beforeCount(port, *inner_);
            if (onReadyRead) onReadyRead();
        };
        inner_->onError = [this](int code) {
            if (onError) onError(code);
        };
    }
    bool open() override { return inner_->open(); }
    void close() override { inner_->close(); }
    bool isOpen() const override { return inner_->isOpen(); }
    qint64 bytesAvailable() const override { return inner_->bytesAvailable(); }
    QByteArray read(qint64 max) override
    {
        reads_.push_back(inner_->read(max));
        return reads_.back();
    }
    bool write(const QByteArray& data) override { return inner_->write(data); }
    bool configure(int baud, char parity, int dataBits, int stopBits, bool xonXoff, bool rts, bool rtsCts) override
    {
        return inner_->configure(baud, parity, dataBits, stopBits, xonXoff, rts, rtsCts);
    }
    void setWakeThreshold(int chars) override { inner_->setWakeThreshold(chars); }

private:
    std::unique_ptr<plat::SerialBackend> inner_;
    std::vector<QByteArray>& reads_;
};

} // namespace

std::unique_ptr<plat::SerialBackend> TapFactory::create(int portNumber)
{
    std::unique_ptr<plat::SerialBackend> inner = real_.create(portNumber);
    if (!inner) return nullptr;
    return std::make_unique<TapBackend>(std::move(inner), portNumber, reads[size_t(portNumber)], beforeCount);
}

} // namespace lesim
