#pragma once
// Texts and colours of the error reports in the main window's event list.

#include "platform/Color.h"

#include <QString>

namespace orv {

// FADEC error codes that have a text (0-20); a code outside has none.
constexpr int FadecErrorCodeCount = 21;
// The code an LE sends when it was stopped; it is listed in orange with the time.
constexpr int StopActivatedCode = 18;

constexpr plat::Color ReportRed = plat::rgb(255, 0, 0);        // 255
constexpr plat::Color ReportOrange = plat::rgb(255, 128, 0);   // 33023

// The event-list line of a FADEC error report. `time` is "hh:mm:ss": code 18
// reads " ------> " & message & "  (HHhMM)", any other " Error " & message.
QString ErrorReportLine(int code, const QString& message, const QString& time);

// Eight characters "0"/"1", most significant bit first.
QString Bits8(int b);

} // namespace orv
