#pragma once
// The program's shared state: the module-level values that the subsystems
// pass work through, with their system names. Per-LE arrays have nine
// elements (LE index 0-7 used).
//
// Only what several subsystems exchange is declared here. Each subsystem's
// own variables live in its state header (src/<subsystem>/<Name>State.h),
// reached as s.TraceX; a change there rebuilds only its users.

#include "shell/Owned.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace orv {

constexpr int LeCount = 8;
constexpr int FieldCount = 32;   // I/O positions of a frame
constexpr int FrameLength = 160; // characters of a frame from an LE

template <class T>
using PerLE = std::array<T, 9>;

// The alarm windows, each a writer of its own alarm relay requests.
enum class AlarmRelayWriter : uint8_t { QTH, LFC, SHT };
constexpr int AlarmRelayWriters = 3;

// EnableCooling value that makes the SubCommand position a request.
constexpr uint8_t SubCommandRequest = 4;

struct ShellState;
struct LinkState;
struct RunState;
struct TracesState;
struct SchedulerState;
struct ParametersState;
struct AlarmsState;
// Each defined in the file of its state (src/<subsystem>/<Name>State.cpp).
Owned<ShellState> makeShellState();
Owned<LinkState> makeLinkState();
Owned<RunState> makeRunState();
Owned<TracesState> makeTracesState();
Owned<SchedulerState> makeSchedulerState();
Owned<ParametersState> makeParametersState();
Owned<AlarmsState> makeAlarmsState();

// The run modes, as the columns of SelectionMode.
enum RunMode { NoMode = 0, Normal = 1, Symmetric = 2, Asymmetric = 3, Planning = 4, Stop = 5, StartAll = 6, StopAll = 7 };

struct State {
    // =============================================================== shell
    QString BaseFolder;
    uint8_t StartMode = 0;
    int SelectedLE = 0;   // 1-8, 0 before start-up
    QString HistoMessage;
    QString HistoCode = "0";
    QString DateCourante;
    QString HeureCourante;
    std::array<QString, 66> FadecErrorCodes{};
    std::array<QString, 21> ErrComXTexts{};
    uint8_t SHTStopLE = 6;
    uint8_t AnyLFC2Sensor = 0;
    uint8_t TempSel = 0;
    // --- start-up
    uint8_t TempoStopAlarm = 0;      // seconds before "Stop Alarm" takes effect; start-up loads 20
    // --- history and error reports
    std::array<uint8_t, 9 * 21> ErrCodeReported{};   // element code + 21 x LE index
    PerLE<uint8_t> StopAlarmLogged{};            // 1 once the stop alarm reported the LE
    // Link watchdog counters, acknowledged by the warning box's OK.
    PerLE<uint8_t> ComptageComm{};
    PerLE<uint8_t> FlagCommSignalee{};
    // --- main window: status refresh, menus, panel commands
    PerLE<uint8_t> FlagCouleurLE{};   // 1: the refresh has painted the idle LE's selector and leaves it alone
    uint8_t FlagMenuQTH = 0, FlagMenuSHT = 0, FlagMenuLFC = 0, FlagMenuStopAlarm = 0;   // alarm switches on
    uint8_t IndiceLFC = 0;            // LE index of the LFC-2 / LFC-3 label last clicked
    int32_t ClicLFCX = 0, ClicLFCY = 0;   // where in that label, twips
    uint8_t SaisieMode = 0;           // value input: 1 motor speed, 0 an LE parameter
    int16_t SpeedM = 0;               // motor speed set through the value input

    // ================================================================ link
    // --- the frames both ways
    std::array<std::array<int32_t, 161>, 9> FadecIO{};   // LE index x I/O position
    PerLE<QByteArray> IOStampToPC;   // last frame received, as bytes
    PerLE<QByteArray> IOPCToStamp;   // last frame sent, as bytes
    PerLE<uint8_t> SynchroRS232{};   // 123 while the last good frame carried the marker
    PerLE<uint8_t> PhaseLP{};
    uint8_t SelectionBank = 0;       // 0 command, 1 write parameters, 2 read parameters

    // --- reception: what each LE's last valid frame reported
    PerLE<uint8_t> StartStep{}, FadecError{}, TempMAT{}, TempSHT{}, SHTAlarmTemp{};   // TempSHT 255: no sensor
    PerLE<uint8_t> RawLPC{}, RawLFC{}, RawLFC2{}, RawLFC3{}, RawVIS{}, RawIR{}, RawRH{}, RawAD13{};
    PerLE<uint8_t> EspionLPC{}, EspionLFC{};   // copies of fields 12 and 13 for the start-up debugger
    PerLE<uint8_t> ReturnSpeedM{}, StampVersion{}, TachyM{}, TachyV1{}, TachyV2{};   // tachometers x 30 = rpm
    PerLE<uint8_t> RestStarted{};    // 1 from the start of the rest countdown until the LE reports phase 0
    // Data logger texts: temperatures x 10, sensor values x their coefficient.
    PerLE<QString> LogTextMAT, LogTextSHT, LogTextLPC, LogTextLFC, LogTextVIS, LogTextIR, LogTextRH;
    // Alarm latches: 1 once the LE's receive routine raised that alarm; a start clears them all.
    uint8_t AlarmSHTLatchLE1 = 0, AlarmSHTLatchLE2 = 0, AlarmSHTLatchLE3 = 0, AlarmSHTLatchLE4 = 0,
            AlarmSHTLatchLE5 = 0, AlarmSHTLatchLE6 = 0, AlarmSHTLatchLE7 = 0, AlarmSHTLatchLE8 = 0;
    uint8_t AlarmLFCLatchLE1 = 0, AlarmLFCLatchLE2 = 0, AlarmLFCLatchLE3 = 0, AlarmLFCLatchLE4 = 0,
            AlarmLFCLatchLE5 = 0, AlarmLFCLatchLE6 = 0, AlarmLFCLatchLE7 = 0, AlarmLFCLatchLE8 = 0;
    uint8_t AlarmLFCActive = 0;      // 1 while the LFC alarm window finds a level out of its band

    // --- requests to the LEs, sent with every command frame
    PerLE<uint8_t> StartStopPC{};    // 0 none, 1 start, 2 stop
    PerLE<uint8_t> ConsignePW{};
    PerLE<uint8_t> RelayQTH{};
    // The alarm relay request is kept per writer, so that one writer
    // clearing its own never drops another's: RelayAlarm is run control's
    // and the hardware tests', RelayAlarmBy each alarm window's. The frame
    // carries their OR (alarmRelayRequest).
    PerLE<uint8_t> RelayAlarm{};
    std::array<PerLE<uint8_t>, AlarmRelayWriters> RelayAlarmBy{};
    uint8_t& relayAlarmBy(AlarmRelayWriter w, int le) { return RelayAlarmBy[size_t(w)][le]; }
    uint8_t alarmRelayRequest(int le) const
    {
        uint8_t on = RelayAlarm[le];
        for (const PerLE<uint8_t>& writer : RelayAlarmBy) on |= writer[le];
        return on != 0 ? 1 : 0;
    }
    // Clears every writer's request of LE index le.
    void clearAlarmRelays(int le)
    {
        RelayAlarm[le] = 0;
        for (PerLE<uint8_t>& writer : RelayAlarmBy) writer[le] = 0;
    }
    PerLE<uint8_t> SubCommand{};
    PerLE<uint8_t> Vmot{};
    PerLE<uint8_t> EnableCooling{};

    // --- link supervision, read by the trace area, run control and the tests
    PerLE<uint8_t> ComPortOpen{};    // 1 once the activation tried to open the port, 0 once closed
    PerLE<uint8_t> FlagCommPerdue{}; // 1 once the port watchdog has reported the LE's link lost
    uint8_t IOMonitorPCToStamp = 0;  // the I/O monitor lists 0 the frames received, 1 the frames sent
    uint8_t FlagAffListeIO = 0;      // 1 while the I/O list panel is shown
    // --- link supervision: the I/O monitor
    std::array<QString, 32> ListeIONames{};  // names of the 32 I/O positions (ListeIO, at start-up)

    // ========================================================== parameters
    std::array<std::array<int32_t, 32>, 9> ParamStamp{};   // [LE index][entry]: last read from / written to the LE
    int TransfertDone = 0;           // 1 once the notice of the last parameter transfer has closed
    QString MessageTransfert;        // text of the next transfer notice
    uint8_t RelayTestActive = 0;     // 1 while the hardware-test window drives the relays
    std::array<QString, 16 * 9> CoeffLE{};   // sensor coefficients, element row + 16 x LE index (rows 0-14)

    // ================================================================= run
    PerLE<uint8_t> ParamZ1{}, ParamZ2{}, ParamZ3{};   // start delays z1, z2, z3 (entries 18-20), read before a start; the start-up debugger shows them
    // --- rest countdowns
    PerLE<uint8_t> RestSeconds{};    // seconds of rest left; read only by the rest timers
    // --- values kept from the parameters read before a start
    PerLE<int16_t> TempMagnOff{}, LevelStartLP{}, LevelParam27{};   // entries 24, 25, 27 (trace levels)
    PerLE<uint8_t> MaxTempSHT{};     // entry 28, limit of the SHT alarm on reception
    PerLE<int16_t> LoggerHeaderDone{};   // 0: the data logger writes its header lines again
    PerLE<uint8_t> ComptageCOM{};    // link watchdog miss count, restarted by a start
    // --- power set-points: working copy of ConsignePW2.ini and the per-LE
    // "loaded for this run" flags. Each flag is its own nine-element array of
    // which only its LE's element is used; FlagConsignePW(le) is that element.
    PerLE<int16_t> ConsignePWIni{};
    PerLE<uint8_t> FlagConsignePWLE1{}, FlagConsignePWLE2{}, FlagConsignePWLE3{}, FlagConsignePWLE4{},
        FlagConsignePWLE5{}, FlagConsignePWLE6{}, FlagConsignePWLE7{}, FlagConsignePWLE8{};
    uint8_t& FlagConsignePW(int le)
    {
        PerLE<uint8_t>* flags[8] = {&FlagConsignePWLE1, &FlagConsignePWLE2, &FlagConsignePWLE3, &FlagConsignePWLE4,
                                    &FlagConsignePWLE5, &FlagConsignePWLE6, &FlagConsignePWLE7, &FlagConsignePWLE8};
        return (*flags[le])[le];
    }
    // --- QTH lamp button: 1 while the lamps are on as far as the button knows
    uint8_t FlagCommHal = 0;
    // --- run modes, as the run-mode pop-up records them
    std::array<std::array<uint8_t, 8>, 9> SelectionMode{};   // [LE index][RunMode 1-7]

    // ====================================================== traces, alarms
    // Restarted by run control when an LE starts or changes mode.
    uint8_t ScreenLE = 0;            // LE index of the trace pane being acted on
    PerLE<int32_t> TraceX{};         // column of the LE's next trace point; 1 restarts at the left edge
    uint8_t AlarmSHTPCReported = 0;             // the SHT window has reported its alarm
    std::array<uint8_t, 4> AlarmQTHReported{};  // per QTH alarm channel

    // ============================================================ scheduler
    // The schedule flags that the run-mode pop-up arms and resets and the
    // scheduler follows: automatic restart switches per mode, restart counts
    // and waits, cycle and window progress.
    PerLE<uint8_t> StartNorm{}, StartSym{}, StartSymStop{}, StartStop{};
    PerLE<int32_t> ComptageTempo{};
    PerLE<uint8_t> FlagSymBlocage{}, FlagVerouillage{};
    PerLE<uint8_t> Compteurs{};      // automatic restarts made in planning mode
    uint8_t Selbin = 0;              // LE index the start-selection window's strip commands act on
    PerLE<uint8_t> CompteursNorm{}, CompteursSym{};   // restarts made (normal and symmetric; asymmetric)
    PerLE<int32_t> ComptageSymTempo{};                // asymmetric restart wait, seconds
    PerLE<uint8_t> FlagTraceNormal{};                 // 1 once today's normal-mode run trace has its start
    PerLE<int32_t> DebutTraceNormalX{};               // strip position where that trace starts
    PerLE<uint8_t> FlagCycleSym{}, FlagSymMinutes{}, FlagDemiCycleOff{};   // symmetric cycle state
    PerLE<int32_t> CurseurSymX{}, CyclesEffectues{};  // cycle progress line position, cycles completed
    PerLE<uint8_t> FlagDefautAsym{}, FlagDefautPlan{};   // 1 once the strip holds its default window(s)
    PerLE<uint8_t> FlagSymEtat{}, FlagEtat{};         // 1 once the schedule started the LE in its window
    uint8_t FlagImages2359 = 0;      // 1 once the strips were saved and cleared at 23:59
    PerLE<uint8_t> FlagTrigLFC3Off{};   // 1 while the LFC-3 trigger has stopped the LE
    uint8_t FlagTailleLFC3 = 0;      // size setting of the LFC-3 trigger window
    int32_t LargeurAttente = 0;      // width of the restart wait bar, up to 1620
    PerLE<uint8_t> CalLFC2{};        // LFC-2 CAL value per LE (the main window shows it)

    // ====================================== each subsystem's own variables
    Owned<ShellState> shell = makeShellState();
    Owned<LinkState> link = makeLinkState();
    Owned<RunState> run = makeRunState();
    Owned<TracesState> traces = makeTracesState();
    Owned<SchedulerState> scheduler = makeSchedulerState();
    Owned<ParametersState> parameters = makeParametersState();
    Owned<AlarmsState> alarms = makeAlarmsState();
};

// BaseFolder & "\" & name.
inline QString inBase(const State& s, const QString& name) { return s.BaseFolder + QLatin1Char('\\') + name; }
// False only before start-up has looked for BaseFolder: an empty BaseFolder
// names the drive's root once it is known, and nothing before
// (StartupFilesBase.cpp).
bool baseFolderKnown(const State& s);

} // namespace orv
