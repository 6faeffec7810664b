// ListeIO: the names of the 32 I/O positions of the frames, as the I/O
// monitor shows them for both directions. The texts are kept exactly as they
// are, trailing blanks included, so the monitor's columns line up as designed.

#include "link/LinkState.h"
#include "link/LogLink.h"
#include "shell/Program.h"

namespace orv {

void LogLink::ListeIO()
{
    static const std::array<QString, 32> names{
        QStringLiteral("Index - Selection bank (0,1,2)     "),
        QStringLiteral("Phase (0,1,2,3,4,5,6)"),
        QStringLiteral("0 =Nul, 1 =Start, 2 =Stop from the PC  "),
        QStringLiteral("Confirmation of activation 0 =Nul, 1 =Yes"),
        QStringLiteral("Value PWR phase 5  "),
        QStringLiteral("No increase in MR    "),
        QStringLiteral("Relay (QTH) 0=OFF, 1 ON "),
        QStringLiteral("(QTH and IR) 0=OFF, 1=ON, 2=Alarm ON"),
        QStringLiteral("Relay (Alarm) 0=OFF, 1=ON"),
        QStringLiteral("Error Message"),
        QStringLiteral("°C Thermo DS1621 - MAT"),
        QStringLiteral("°C Thermo DS1621 - SHT"),
        QStringLiteral("AD0-0 LPC (PMS)"),
        QStringLiteral("AD0-1 LFC (LFC)"),
        QStringLiteral("AD0-2 LFC-2   [Battery (SBV)]"),
        QStringLiteral("AD0-3 LFC-3   [VCC (PSP)]"),
        QStringLiteral("AD1-0 VIS"),
        QStringLiteral("AD1-1 IR"),
        QStringLiteral("AD1-2 RH"),
        QStringLiteral("AD1-3 (not used)"),
        QStringLiteral("AD2-0 (not used)"),
        QStringLiteral("AD2-1 (not used)"),
        QStringLiteral("AD2-2 (not used)"),
        QStringLiteral("AD2-3 (not used)"),
        QStringLiteral("Vmot (3000/30 = 100 type) "),
        QStringLiteral("Return Fixed Speed M"),
        QStringLiteral("No version Stamp:  "),
        QStringLiteral("Frequency Tachy M   "),
        QStringLiteral("Frequency Tachy V1  "),
        QStringLiteral("Frequency Tacho V2  "),
        QStringLiteral("Synchro RS232 (Stamp)"),
        QStringLiteral("Enable cooling (M + V1 + V2)        "),
    };
    p.s.link->ListeIONames = names;
}

} // namespace orv
