#pragma once
// Which device serves a comm port number, and the factories that make a
// backend for a port number: real devices for the program, in-memory lines
// for tests.

#include "platform/SerialBackend.h"

#include <QString>
#include <memory>

namespace plat {

class MemoryPortHub;

namespace PortDirectory {
inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 14;

bool isValidPort(int portNumber);
// The device for port n (1–14): the environment variable ORVANE_COM<n> when
// it is set and not empty, else /dev/ttyS<n-1>. Empty outside 1–14.
QString devicePath(int portNumber);
} // namespace PortDirectory

class SerialFactory {
public:
    virtual ~SerialFactory() = default;
    // A closed backend for the port, or null when the number is outside 1–14.
    virtual std::unique_ptr<SerialBackend> create(int portNumber) = 0;
};

// Real devices, looked up at each call so a changed environment applies to
// the next open.
class QtSerialFactory : public SerialFactory {
public:
    std::unique_ptr<SerialBackend> create(int portNumber) override;
};

class MemorySerialFactory : public SerialFactory {
public:
    explicit MemorySerialFactory(MemoryPortHub& hub) : hub_(hub) {}
    std::unique_ptr<SerialBackend> create(int portNumber) override;

private:
    MemoryPortHub& hub_;
};

} // namespace plat
