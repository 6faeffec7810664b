#pragma once
// The program's real serial ports with every read recorded per port, for the
// intake's end-to-end test and its soak: what the receive routine took from a
// port is what the backend's read returned. An optional hook runs between the
// line's look at what waits and its owner's count of it, where a test can put
// characters on the line at that very instant.

#include "platform/PortDirectory.h"
#include "platform/QtSerialBackend.h"
#include "platform/SerialBackend.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace lesim {

class TapFactory : public plat::SerialFactory {
public:
    std::unique_ptr<plat::SerialBackend> create(int portNumber) override;

    // What each read of port n returned, in order: reads[n].
    std::array<std::vector<QByteArray>, plat::PortDirectory::LastPort + 1> reads;
    // Runs when port `port` reports characters, before its owner counts them.
    std::function<void(int port, plat::SerialBackend& line)> beforeCount;

private:
    plat::QtSerialFactory real_;
};

} // namespace lesim
