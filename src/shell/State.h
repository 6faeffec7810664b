#pragma once
// The program's shared state: the module-level values that the subsystems
// pass work through, with their system names. Per-LE arrays have nine
// elements (LE index 0-7 used).

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
    int16_t SpeedM = 0;

    // ================================================================ link
    // --- the frames both ways
    std::array<std::array<int32_t, 161>, 9> FadecIO{};   // LE index x I/O position
    PerLE<QByteArray> IOStampToPC;   // last frame received, as bytes
    PerLE<QByteArray> IOPCToStamp;   // last frame sent, as bytes
    PerLE<uint8_t> SynchroRS232{};   // 123 while the last good frame carried the marker
    PerLE<uint8_t> PhaseLP{};
    PerLE<int> RxBank{};
    uint8_t SelectionBank = 0;       // 0 command, 1 write parameters, 2 read parameters

    // --- requests to the LEs, sent with every command frame
    PerLE<uint8_t> StartStopPC{};    // 0 none, 1 start, 2 stop
    PerLE<uint8_t> ConsignePW{};
    PerLE<uint8_t> RelayQTH{};
    PerLE<uint8_t> RelayAlarm{};
    PerLE<uint8_t> SubCommand{};
    PerLE<uint8_t> Vmot{};
    PerLE<uint8_t> EnableCooling{};

    // ========================================================== parameters
    std::array<uint8_t, 32> ParamMin{};
    std::array<uint8_t, 32> ParamMax{};
    std::array<std::array<int32_t, 32>, 9> ParamStamp{};
    int TransfertDone = 0;
    QString MessageTransfert;

    // ================================================================= run

    // ============================================================== traces

    // =========================================================== scheduler

    // ============================================================== alarms
};

} // namespace orv
