#include "shell/History.h"

#include "platform/Printer.h"
#include "platform/SeqFile.h"
#include "platform/VbText.h"

#include <vector>

namespace orv {

QString HistoLine(const QString& code, const QString& message, const QString& time, const QString& date)
{
    return QStringLiteral("  ") + time + QStringLiteral("    ") + date + QStringLiteral("    ")
        + plat::right(QStringLiteral("000") + code, 3) + QStringLiteral("    ") + message;
}

namespace {

enum class Step { Stable, Changed, Remove };

// One look of the tidy pass at an entry. Stable: the entry stays as it is
// and every later look leaves it so. Changed: a blank was taken out, so a
// later look may change or remove it again.
Step tidyStep(QString& entry)
{
    const QString tail = plat::mid(entry, 37);
    if (tail.isEmpty() || tail.indexOf(QLatin1Char('0')) == 7)
        return Step::Remove;
    if (tail.size() >= 7 && tail.at(6) == QLatin1Char(' ')) {
        entry = plat::left(entry, 36) + plat::left(tail, 6) + plat::mid(tail, 8);
        return Step::Changed;
    }
    return Step::Stable;
}

} // namespace

bool EmptyHistoFile(const plat::Drive& drive, const QString& baseFolder)
{
    auto file = plat::SeqFile::open(drive, baseFolder + QStringLiteral("\\") + HistoFileName, plat::SeqFile::Mode::Output);
    return file && file->close();
}

void TidyHistoList(QStringList& list)
{
    // Every removal restarts the pass at the fourth entry, so the entries
    // already passed are looked at again. A stable entry never changes on a
    // later look, so only the entries that last changed need the new look;
    // this keeps a long file from taking quadratic time.
    constexpr int FirstEntry = 3;
    if (list.size() <= FirstEntry)
        return;
    QStringList kept = list.mid(0, FirstEntry);
    std::vector<bool> alive(FirstEntry, true);
    std::vector<int> unstable;   // indexes into kept, in list order

    auto lookAgain = [&] {
        for (bool restart = true; restart;) {
            restart = false;
            std::vector<int> still;
            for (std::size_t k = 0; k < unstable.size(); ++k) {
                const int at = unstable[k];
                const Step s = tidyStep(kept[at]);
                if (s == Step::Remove) {
                    alive[at] = false;
                    still.insert(still.end(), unstable.begin() + k + 1, unstable.end());
                    restart = true;
                    break;
                }
                if (s == Step::Changed)
                    still.push_back(at);
            }
            unstable = std::move(still);
        }
    };

    for (qsizetype i = FirstEntry; i < list.size(); ++i) {
        QString entry = list[i];
        const Step s = tidyStep(entry);
        if (s == Step::Remove) {
            lookAgain();
            continue;
        }
        kept.append(entry);
        alive.push_back(true);
        if (s == Step::Changed)
            unstable.push_back(int(kept.size() - 1));
    }

    QStringList out;
    out.reserve(kept.size());
    for (qsizetype k = 0; k < kept.size(); ++k)
        if (alive[k]) out.append(kept[k]);
    list = std::move(out);
}

void PrintHistoList(plat::Printer& printer, const QStringList& list, const QString& suffix)
{
    printer.printLine(QStringLiteral(" "));
    int onPage = 0;
    int breaks = 0;
    for (const QString& entry : list) {
        if (onPage >= HistoPageLines) {
            printer.endDoc();
            // The second page goes on without a heading; later ones repeat it.
            if (++breaks >= 2) {
                printer.printLine(QStringLiteral(" "));
                printer.printLine(QStringLiteral(" "));
                printer.printLine(HistoHeading + suffix);
                printer.printLine(QStringLiteral(" "));
            }
            onPage = 0;
        }
        printer.printLine(entry + suffix);
        ++onPage;
    }
    printer.endDoc();
}

} // namespace orv
