#include "shell/ShellState.h"
#include "shell/SettingsStore.h"

#include "platform/Drive.h"
#include "platform/SeqFile.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "platform/LineFile.h"

#include <array>

namespace orv {

namespace {

// What one line of Param4LogStart.ini holds.
struct SettingLine {
    enum Kind { Box, Option, Text, Bar, Repeat } kind;   // Repeat: written as its box, dropped on reading
    plat::CheckBox* box = nullptr;
    plat::OptionButton* option = nullptr;
    plat::VScrollBar* bar = nullptr;
};

std::array<SettingLine, SettingsLineCount> lineMap(ParamLogicielVB& w)
{
    std::array<SettingLine, SettingsLineCount> m{};
    int n = 0;
    auto box = [&](plat::CheckBox& b) { m[n++] = {SettingLine::Box, &b}; };
    for (int i = 0; i < 8; ++i) box(w.Check1[i]);                  // 1-8
    for (int i = 0; i < 6; ++i) box(w.Check7[i]);                  // 9-14
    box(w.Check2);                                                 // 15
    box(w.Check3);                                                 // 16
    for (int k = 0; k < 6; ++k) m[n++] = {SettingLine::Option, nullptr, &w.Option1[k]};   // 17-22
    for (plat::CheckBox* b : {&w.Check18, &w.Check5, &w.Check6, &w.Check8, &w.Check9, &w.Check10, &w.Check11,
                              &w.Check12, &w.Check13, &w.Check14, &w.Check16})
        box(*b);                                                   // 23-33
    m[n++] = {SettingLine::Text};                                  // 34
    for (plat::VScrollBar* b : {&w.VScroll1, &w.VScroll2, &w.VScroll3, &w.VScroll4, &w.VScroll5, &w.VScroll6})
        m[n++] = {SettingLine::Bar, nullptr, nullptr, b};          // 35-40
    for (int i = 0; i < 8; ++i) box(w.Check4[i]);                  // 41-48
    while (n < SettingsLineCount) m[n++] = {SettingLine::Repeat, &w.Check4[7]};   // 49-52
    return m;
}

// A line break in the customer name would move every later line.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QStringList defaultSettingsLines()
{
    QStringList lines;
    for (int n = 1; n <= 33; ++n) lines << QStringLiteral("0");
    lines << QStringLiteral("Marquelin");
    for (int n = 35; n <= 37; ++n) lines << QStringLiteral("255");
    for (int n = 38; n <= SettingsLineCount; ++n) lines << QStringLiteral("0");
    return lines;
}

QStringList settingsLines(const ParamLogicielVB& cw)
{
    auto& w = const_cast<ParamLogicielVB&>(cw);   // read only
    QStringList lines;
    for (const SettingLine& l : lineMap(w)) {
        switch (l.kind) {
        case SettingLine::Box:
        case SettingLine::Repeat: lines << QString::number(l.box->value()); break;
        case SettingLine::Option: lines << QString::number(l.option->value() ? 1 : 0); break;
        case SettingLine::Text: lines << oneLine(w.Text2.text()); break;
        case SettingLine::Bar: lines << QString::number(l.bar->value()); break;
        }
    }
    return lines;
}

void applySettings(ParamLogicielVB& w, const plat::LineFile& file)
{
    const bool wasLoading = w.loadingFromFile;
    w.loadingFromFile = true;
    const auto map = lineMap(w);
    bool optionChosen = false;
    for (int n = 1; n <= SettingsLineCount; ++n) {
        const SettingLine& l = map[n - 1];
        switch (l.kind) {
        case SettingLine::Box:
            if (const auto v = file.whole(n, 0, 255)) l.box->setValue(int(*v));   // refuses all but 0-2
            break;
        case SettingLine::Option:
            if (file.whole(n, 0, 255) == 1) {
                l.option->setValue(true);
                optionChosen = true;
            }
            if (n == 22 && !optionChosen) w.Option1[6].setValue(true);
            break;
        case SettingLine::Text:
            if (const auto t = file.line(n)) w.Text2.setText(*t);
            break;
        case SettingLine::Bar:
            if (const auto v = file.whole(n, 0, 255)) l.bar->setValue(int(*v));
            break;
        case SettingLine::Repeat: break;
        }
    }
    w.loadingFromFile = wasLoading;
}

bool writeSettingsFile(Program& p, const ParamLogicielVB& w)
{
    return plat::writeLines(p.rt.drive, inBase(p.s, SettingsFileName), settingsLines(w));
}

void writeViewFile(Program& p, int check2)
{
    plat::writeLines(p.rt.drive, inBase(p.s, ViewFileName), {plat::printForm(check2)});
}

void Log::LectureParamLogStart()
{
    Program& p = prog();
    // Until start-up has looked for the base folder, its path would name the
    // drive's root: a file found there is not this program's.
    if (!p.s.shell->BaseFolderKnown) return;
    const QString path = inBase(p.s, SettingsFileName);
    if (!p.rt.drive.fileExists(path)) return;
    const auto file = plat::LineFile::read(p.rt.drive, path);
    if (!file) return;
    // The first touch may load the window, whose load reads the file itself
    // first; the values below then change nothing.
    applySettings(p.form<ParamLogicielVB>().get(), *file);
}

void Log::EcritureParamLogStart()
{
    Program& p = prog();
    plat::writeLines(p.rt.drive, inBase(p.s, SettingsFileName), defaultSettingsLines());
}

} // namespace orv
