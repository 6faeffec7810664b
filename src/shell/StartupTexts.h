#pragma once
// Fixed texts and sizes of the main window.

#include <QString>

namespace orv {

constexpr double ProgramVersion = 1.57;
constexpr int MainWindowWidth = 13150;
constexpr int MainWindowHeight = 10920;

// "  Orvane - Light Engine Control (RS232)     (PC version 1.57)", the
// version written in the system's number format.
QString mainWindowTitle();

} // namespace orv
