#include "shell/TextTables.h"
#include "shell/State.h"


namespace orv {

void fillFadecErrorCodes(State& s)
{
    static const char* const texts[] = {
        "Arret LE",
        "Motor M - speed too slow",
        "Motor M - speed too fast",
        "V1 - Fan speed too slow",
        "V1 - Fan speed too fast",
        "V2 - Fan speed too slow",
        "V2 - Fan speed too fast",
        "Temp. Magnetron > 50 °C FADEC internal",
        "Temp. Magnetron > 120 °C FADEC (DS1307)",
        "Motor M - speed > 4,000 RPM ",
        "LPC too high ",
        "Startup failed - LE cooling down ",
        "Phase 7 activated ... CAN-BUS only ",
        "SBV - Setup Battery Voltage < 1.0 V ",
        "Alarm QTH - Lack lamp load",
        "Magnetron - Active cooling required",
        "No contact with i2C Sensors",
        "Overflow - Enabling security (z1+z2+z3)",
        "Stop activated",
        "LFC level too low",
        " ",
    };
    for (int code = 0; code <= 20; ++code) s.common->FadecErrorCodes[code] = QString::fromUtf8(texts[code]);
}

void fillErrComXTexts(State& s)
{
    static const char* const texts[] = {
        "A break interrupt signal was received",   // 1001
        "Carrier timerout",                        // 1007
        "CTS (Clear to Send) signal timerout",     // 1002
        "Reception signal timerout",               // 1003
        "Frame error",                             // 1004
        "Data was lost",                           // 1006
        "Receive buffer overload",                 // 1008
        "Parity error",                            // 1009
        "Send buffer overload",                    // 1010
        "DCB reception error",                     // 1011
        "Change in pin cd (carrier)",              // 5
        "Change in pin CTS",                       // 3
        "Change in pin DSR (reception)",           // 4
    };
    for (int i = 0; i <= 12; ++i) s.common->ErrComXTexts[i] = QString::fromLatin1(texts[i]);
}


} // namespace orv
