#include "link/CommandFrame.h"

#include "platform/VbText.h"

namespace orv {

void applyRequests(IORow& row, const PcRequests& r)
{
    if (r.selected)
        row[cmdpos::Bank] = r.selectionBank;
    row[cmdpos::StartStop] = r.startStopPC;
    // The LE takes a set-point only while running; in any other phase it
    // gets back the value it reported.
    if (r.phase == 5)
        row[cmdpos::Power] = r.consignePW;
    row[cmdpos::RelayQTH] = r.relayQTH;
    row[cmdpos::RelayAlarm] = r.relayAlarm;
    row[cmdpos::SubCommand] = r.subCommand;
    row[cmdpos::Vmot] = r.vmot;
    row[cmdpos::EnableCooling] = r.enableCooling;
}

void applyParameterWrite(IORow& row, const std::array<int, 32>& params)
{
    row[cmdpos::Bank] = bank::WriteParam;
    for (int p = 1; p < 32; ++p)
        row[p] = params[p];
}

int paramValue(const QString& text)
{
    // Text that is not a number, empty text included, has no value to send:
    // converting it would send 0 in its place.
    const auto number = plat::toDouble(text);
    if (!number)
        return -1;
    const auto v = plat::vbRound(*number);
    // Anything that does not fit is as unsendable as 256.
    if (!v || *v < 0 || *v > 0xFFFF)
        return -1;
    return int(*v);
}

std::optional<QByteArray> encodeCommandFrame(const IORow& row)
{
    QByteArray bytes;
    bytes.reserve(CommandFrameLength);
    for (int k = 0; k < 32; ++k) {
        if (row[k] < 0 || row[k] > 255)
            return std::nullopt;
        bytes += char(uint8_t(row[k]));
    }
    bytes += "\r\n";
    return bytes;
}

} // namespace orv
