#pragma once
// The eight per-LE instances of run control: one row per LE binds the shared
// start, parameter-read and rest routines to that LE's timers and list.

#include "platform/Form.h"

#include <QString>
#include <array>

namespace plat {
class ListBox;
}

namespace orv {

struct LogTimers;

struct RunInstance {
    int le;       // LE index 0-7
    int number;   // LE number 1-8

    plat::FormTimer LogTimers::*restTimer;           // 1 s rest countdown (Timer36..41, 53, 69)

    // The LE-4 instance turns the main window's event list red when it
    // lists the parameters read before a start.
    bool redEventList;

    // "LE4"
    QString name() const { return QStringLiteral("LE%1").arg(number); }
};

// Row i serves LE index i.
const std::array<RunInstance, 8>& runInstances();

} // namespace orv
