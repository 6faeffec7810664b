#include "platform/PortDirectory.h"
#include "platform/MemorySerialBackend.h"
#include "platform/QtSerialBackend.h"

#include <QtGlobal>

namespace plat {

bool PortDirectory::isValidPort(int portNumber)
{
    return portNumber >= FirstPort && portNumber <= LastPort;
}

QString PortDirectory::devicePath(int portNumber)
{
    if (!isValidPort(portNumber)) return {};
    const QString configured =
        qEnvironmentVariable(QStringLiteral("ORVANE_COM%1").arg(portNumber).toLatin1().constData());
    if (!configured.isEmpty()) return configured;
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}

std::unique_ptr<SerialBackend> QtSerialFactory::create(int portNumber)
{
    const QString path = PortDirectory::devicePath(portNumber);
    if (path.isEmpty()) return nullptr;
    return std::make_unique<QtSerialBackend>(path);
}

std::unique_ptr<SerialBackend> MemorySerialFactory::create(int portNumber)
{
    if (!PortDirectory::isValidPort(portNumber)) return nullptr;
    return std::make_unique<MemorySerialBackend>(hub_, portNumber);
}

} // namespace plat
