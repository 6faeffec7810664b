// The data logger's writer: the one-minute timer Log.Timer42 counts the
// period down and, at its end, appends to the data file of each active LE-1
// to LE-6 a header block when one is due and a row when the LE runs in
// phase 5; Log.Timer43 ends the indicator's flash. The writer never shows a
// message: a step that fails is skipped and the tick goes on.

#include "link/SetPointFile.h"
#include "platform/SeqFile.h"
#include "shell/LinkStatus.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/TracesShared.h"
#include "traces/Datalogger.h"
#include "traces/LogTraces.h"
#include "traces/LoggerFiles.h"
#include "traces/TracesState.h"

namespace orv {

namespace {

constexpr int MinuteTicks = 60000;
constexpr plat::Color FlashRed = plat::rgb(255, 0, 0);
constexpr plat::Color IndicatorLavender = plat::rgb(192, 192, 255);
constexpr int ChannelLOS = 5;

// The power set-points of LE-1 to LE-8 from ConsignePW2.ini, in tens of
// watts, read as every reader of the file reads them (a bad line gives 50,
// the value the LE is then sent); a file that cannot be read gives 0
// everywhere.
std::array<int32_t, LeCount> setPoints(Program& p)
{
    std::array<int32_t, LeCount> values{};
    if (const auto read = readSetPoints(p))
        for (int le = 0; le < LeCount; ++le) values[le] = (*read)[le];
    return values;
}

// What a header written now says: the columns, raw or physical values (or
// none), the separator and the file. A header written under another format
// no longer heads the rows of this one.
QString headerFormat(const TracesState& t, const logger::Columns& columns, const QString& sep, int le)
{
    QString f;
    for (bool c : columns) f += c ? QLatin1Char('1') : QLatin1Char('0');
    const QChar kind = t.LoggerFileType <= 1 ? QLatin1Char('r') : t.LoggerFileType <= 3 ? QLatin1Char('p') : QLatin1Char('-');
    return f + kind + sep + t.LoggerFileNames[le];
}

// A physical value as reception wrote it; under the "," separator its
// decimal comma becomes a point, so that it never adds a column.
QString physical(const QString& text, const QString& sep)
{
    return sep == QLatin1String(",") ? QString(text).replace(QLatin1Char(','), QLatin1Char('.')) : text;
}

// One row of the pass into LE index le's open data file, when the LE runs
// in phase 5, after the program's first pass, in a type that has rows.
void writeRow(Program& p, int le, plat::SeqFile& file, const logger::Columns& columns, const QString& sep,
              const QString& date, const QString& time)
{
    State& s = p.s;
    TracesState& t = *s.traces;
    if (s.status->PhaseLP[le] != 5 || t.LoggerPassCounter <= 0 || t.LoggerFileType > 3) return;
    std::array<QString, logger::WrittenChannels> values;
    const bool raw = t.LoggerFileType <= 1;
    const QString* texts[logger::WrittenChannels] = {&s.status->LogTextLPC[le], &s.status->LogTextLFC[le], &s.status->LogTextVIS[le],
                                                     &s.status->LogTextIR[le],  &s.status->LogTextRH[le],  nullptr,
                                                     &s.status->LogTextSHT[le], &s.status->LogTextMAT[le]};
    for (int c = 0; c < logger::WrittenChannels; ++c)
        values[c] = raw || c == ChannelLOS ? QString::number(t.LoggerRowValues[le][c]) : physical(*texts[c], sep);
    file.printText(logger::dataRow(t.LoggerPassCounter, date, time, columns, values, sep));
}

} // namespace

// The writer is stopped at start (interval 0); START gives Timer42 its minute.
void LogTraces::wireLogger()
{
    logTimers(L).Timer42.setInterval(0);
    logTimers(L).Timer43.setInterval(400);
    logTimers(L).Timer42.onTimer = [this] { Timer42_Timer(); };
    logTimers(L).Timer43.onTimer = [this] { Timer43_Timer(); };
    mainMenus(L).mnuCreateDataLogger.onClick = [this] { mnuCreateDataLogger_Click(); };
    mainMenus(L).mnuOffDataLogger.onClick = [this] { mnuOffDataLogger_Click(); };
}

void LogTraces::Timer42_Timer()
{
    TracesState& t = *p.s.traces;
    if (t.LoggerCountdown != 0) {
        logTimers(L).Timer42.setInterval(MinuteTicks);
        --t.LoggerCountdown;
        return;
    }
    LoggerPass();
    t.LoggerCountdown = t.LoggerPeriodReload;
}

void LogTraces::LoggerPass()
{
    State& s = p.s;
    TracesState& t = *s.traces;

    logger::Columns columns{};
    for (int c = 0; c < logger::WrittenChannels; ++c) columns[c] = t.LoggerChannelFlags[c] == 1;

    // Capture: the values of one moment, for every LE.
    const auto points = setPoints(p);
    for (int le = 0; le < LeCount; ++le) {
        const int32_t raw[logger::WrittenChannels] = {s.status->RawLPC[le], s.status->RawLFC[le], s.status->RawVIS[le], s.status->RawIR[le],
                                                      s.status->RawRH[le],  points[le] * 10, s.status->TempSHT[le], s.status->TempMAT[le]};
        for (int c = 0; c < logger::WrittenChannels; ++c)
            if (columns[c]) t.LoggerRowValues[le][c] = raw[c];
    }

    const QString sep = logger::separatorText(t.LoggerSeparatorChoice);
    const QString date = p.rt.dateText();
    const QString time = p.rt.timeText();
    for (int le = 0; le < logger::LoggedLEs; ++le) {
        if (!p.form<ParamLogicielVB>()->LEActivated(le)) continue;
        auto file = plat::SeqFile::open(p.rt.drive, t.LoggerFileNames[le], plat::SeqFile::Mode::Append);
        if (!file) continue;   // its header stays due
        const QString format = headerFormat(t, columns, sep, le);
        const bool headerDue = s.runShared->LoggerHeaderDone[le] == 0 || t.LoggerHeaderFormat[le] != format;
        if (headerDue) {
            bool written = true;
            for (const QString& line : logger::headerBlock(columns, sep)) written = file->printText(line) && written;
            if (!written) continue;   // written again at the next pass
            s.runShared->LoggerHeaderDone[le] = 1;
            t.LoggerHeaderFormat[le] = format;
        }
        writeRow(p, le, *file, columns, sep, date, time);
        // A header that did not reach the disk is written again next time.
        if (!file->close() && headerDue) s.runShared->LoggerHeaderDone[le] = 0;
    }

    ++t.LoggerPassCounter;
    mainPanels(L).Picture3.setBackColor(FlashRed);
    mainPanels(L).Picture3.setVisible(true);
    logTimers(L).Timer43.setEnabled(true);
}

// Ends the flash; while LE-1 runs, a dotted red mark at the top of its pane
// on the column its trace has reached.
void LogTraces::Timer43_Timer()
{
    mainPanels(L).Picture3.setBackColor(IndicatorLavender);
    if (p.s.status->PhaseLP[0] == 5) {
        plat::Canvas& area = mainPanels(L).Picture13.canvas();
        const int x = 7 * p.s.tracesShared->TraceX[0];
        for (int y = 0; y <= 270; y += 3) area.pset(x, y, FlashRed);
    }
    logTimers(L).Timer43.setEnabled(false);
}

void LogTraces::mnuCreateDataLogger_Click() { p.form<Datalogger>()->show(); }

// Stops the writer; its settings, pass counter, header flags and countdown
// keep their values for the next START.
void LogTraces::mnuOffDataLogger_Click()
{
    logTimers(L).Timer42.setEnabled(false);
    mainMenus(L).mnuOffDataLogger.setChecked(true);
    mainMenus(L).mnuCreateDataLogger.setChecked(false);
    mainPanels(L).Picture3.setVisible(false);
}

} // namespace orv
