#include "run/ParamReadList.h"

#include "parameters/ValeurDesParam.h"
#include "run/RunInstances.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/RunShared.h"

#include <algorithm>

namespace orv {

namespace {

// "18   50": the entry as two digits, three blanks, the value.
QString listItem(int entry, int value)
{
    return QStringLiteral("%1   %2").arg(entry, 2, 10, QLatin1Char('0')).arg(value);
}

} // namespace

int paramItemValue(const QString& item) { return std::clamp(item.mid(5).trimmed().toInt(), 0, 255); }

plat::ListBox& listParamsRead(Log& log, const RunInstance& inst)
{
    State& s = log.prog().s;
    const int le = inst.le;
    plat::ListBox& list = log.prog().form<ValeurDesParam>()->list(le);
    list.clear();
    if (inst.redEventList) log.List4.setForeColor(plat::colors::Red);
    for (int e = 31; e >= 0; --e) list.addItem(listItem(e, s.status->ParamStamp[le][e]));

    s.runShared->TempMagnOff[le] = int16_t(paramItemValue(list.list(7)));
    s.runShared->LevelStartLP[le] = int16_t(paramItemValue(list.list(6)));
    s.runShared->LevelParam27[le] = int16_t(paramItemValue(list.list(4)));
    s.runShared->MaxTempSHT[le] = uint8_t(paramItemValue(list.list(3)));
    return list;
}

} // namespace orv
