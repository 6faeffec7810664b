// Log::WriteHisto: appends a history line to Histo.txt.

#include "platform/Color.h"
#include "platform/SeqFile.h"
#include "shell/History.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/ShellState.h"
#include "shell/State.h"

namespace orv {

void Log::WriteHisto(const QString& text, const QString& code, std::optional<plat::Color> eventColor)
{
    State& s = p_.s;
    if (eventColor) {
        List4.setForeColor(*eventColor);
        List4.addItem(text);
    }
    const QString line = HistoLine(code, text, p_.rt.timeText(), p_.rt.dateText());
    auto file = plat::SeqFile::open(p_.rt.drive, s.common->BaseFolder + QStringLiteral("\\") + HistoFileName,
                                    plat::SeqFile::Mode::Append);
    bool written = file && file->printText(line);
    if (file)
        written = file->close() && written;
    if (written) {
        s.shell->HistoWriteFailed = 0;
        return;
    }
    // The line is lost, but every caller goes on (alarm latches, stop
    // sequences); say so once until the file can be written again.
    if (s.shell->HistoWriteFailed)
        return;
    s.shell->HistoWriteFailed = 1;
    List4.setForeColor(plat::colors::Red);
    List4.addItem(QStringLiteral(" Error History file cannot be written: ") + HistoFileName);
}

} // namespace orv
