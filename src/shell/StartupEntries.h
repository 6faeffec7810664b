#pragma once
// The start-up and quit steps of the subsystems above the shell. The shell's
// start-up (LogStartup.cpp) and quit (LogQuit.cpp) keep the order as one
// readable list; each subsystem registers its own steps here when its part
// of the main window is built, so the shell includes none of them. A step
// left unregistered is skipped, as a failing step is.

#include <functional>

namespace orv {

struct StartupEntries {
    // link
    std::function<void()> PortFile;            // ParamComx2.ini (only created)
    std::function<void()> ListeIO;             // the I/O monitor's names of the 32 frame positions
    // alarms
    std::function<void()> AlarmChoices;        // the alarm switches as the settings hold them
    std::function<void()> QthState;            // StatusHalogen.ini
    std::function<void()> QthThreshold;        // Consigne.ini
    std::function<void()> LfcAlarm;            // ConsSliderLCF.ini
    std::function<void()> ShtThreshold;        // SHTConsigne.ini
    std::function<void()> ShtState;            // SHTPCStatusHal.ini
    // parameters
    std::function<void()> TitreListeParam;     // the parameter titles and the working copy's defaults
    std::function<void()> ClearSelectedLE;     // the parameter window's "Selected LE" caption blank
    std::function<void()> Coefficients;        // Coefficients2.ini
    std::function<void()> ParamCopy;           // ParamSt.ini
    std::function<void()> ParamBounds;         // ParamMin / ParamMax of every entry
    // traces
    std::function<void()> GrilleScreen;        // the separator grid of the trace panels
    std::function<void()> IoListHidden;        // the I/O list panel starts hidden
    std::function<void()> LoggerNs;            // NS.ini (only created)
    std::function<void()> LoggerTypeFile;      // TypeFile.ini (only created)
    std::function<void()> ScrollOff;           // the "Scroll" toggle starts off
    // run
    std::function<void()> SetPointsFirst;      // ConsignePW2.ini into ConsignePWIni and the power slider
    std::function<void()> QthStart;            // StartHalogen.ini; arms the QTH automatic start when it is there
    std::function<void()> SetPointsSecond;     // ConsignePW2.ini into the power labels
    // scheduler
    std::function<void()> SelectionHeight;     // the start-selection window loaded at its start-up height
    std::function<void()> WindowPosition;      // AdressesFenetresStart.ini
    std::function<void()> TodayImages;         // today's strip images
    std::function<void()> Lfc2Reference;       // Level.LFC2b.ini
    std::function<void()> Lfc3Trigger;         // Level.LFC3b.ini
    // quit
    std::function<void()> SaveDayStrips;       // the day's strip images, before the windows close
};

} // namespace orv
