#include "link/LinkState.h"
#include "link/LogReceive.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/Program.h"

#include <cmath>

namespace orv::rx {

void readBack(Log& log, const LeInstance& in, const StampFrame& f)
{
    Program& p = log.prog();
    State& s = p.s;
    // One working copy for all LEs: the last read-back replaces it.
    const ParamWindowsEntry& params = s.link->ParamWindows;
    for (int i = 0; i < FieldCount; ++i) {
        params.setParamPC(i, QString::number(f[i]));
        s.status->ParamStamp[in.le][i] = f[i];
    }
    ++s.status->ReadBacks[in.le];
    s.status->MessageTransfert = QStringLiteral("Reading the settings on ") + in.name() + QStringLiteral(" went well ! ");
    log.Timer44.setEnabled(true);
}

int wearHours(int b0, int b1, int b2)
{
    return int(std::floor(b0 / 60.0)) + 4 * (b1 + 256 * b2);
}

void wearCounters(Log& log, const LeInstance& in, const StampFrame& f)
{
    // The window has columns for LE-1 to LE-6 only.
    if (!in.wearColumn) return;
    plat::ControlArray<plat::Label>& column = log.prog().s.link->ParamWindows.WearColumn(in.le);
    for (int k = 0; k < 3; ++k) {
        const int first = fld::FirstWear + 3 * k;
        for (int b = 0; b < 3; ++b) {
            uint8_t byte = uint8_t(f[first + b]);
            QString bits;
            log.Dec_Bin(byte, bits);
            column[4 * k + b].setCaption(bits);
        }
        plat::Label& hours = column[4 * k + 3];
        hours.setCaption(QString::number(wearHours(f[first], f[first + 1], f[first + 2])));
        hours.setForeColor(plat::colors::Green);
    }
}

} // namespace orv::rx
