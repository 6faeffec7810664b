#include "parameters/EspionStart.h"
#include "shell/LeStrips.h"

#include "parameters/EspionStartTexts.h"
#include "parameters/FadecParameters.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/TimeSource.h"
#include "shell/LinkStatus.h"
#include "shell/PrintFiled.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/State.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr plat::Color StartRequestedGreen = plat::rgb(0, 255, 0);
constexpr int StepPosition = 5;        // the LE's start step in its frame
constexpr int StartStopPosition = 2;   // the start/stop request as last exchanged
constexpr int MatPosition = 10;        // MAT temperature, °C
constexpr int StartRequested = 1;
constexpr int LastFixedStep = 15;      // up to here a step without a text still gets its line
constexpr int PhaseDelayEntries[] = {18, 19, 20};   // z1, z2, z3 in the parameter table

const QString Margin = QString(10, QLatin1Char(' '));

void warn(Program& p, const QString& text)
{
    p.rt.dialogs.msgBox(text, int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral(" Warning!"));
}

} // namespace

EspionStart::EspionStart(Program& p) : plat::Form(p.rt, "EspionStart"), p_(p)
{
    move(0, 0, 9840, 7320);
    Option1.add(0).setCaption(QStringLiteral("Anglais"));
    Option1.add(1).setCaption(QString::fromUtf8("Français"));
    Option1[0].move(240, 120, 1215, 315);
    Option1[1].move(1560, 120, 1215, 315);
    List1.move(240, 540, 9240, 5160);
    PrintList1.move(240, 5880, 1575, 495);
    ViderLaListe.move(1980, 5880, 1575, 495);

    Timer1.onTimer = [this] { Timer1_Timer(); };
    PrintList1.onClick = [this] { PrintList1_Click(); };
    ViderLaListe.onClick = [this] { ViderLaListe_Click(); };
}

void EspionStart::Form_Load()
{
    Option1[0].setValue(true);
    ViderLaListe.setCaption(QStringLiteral("Empty list"));
    PrintList1.setCaption(QStringLiteral("Print List"));
    setCaption(QStringLiteral("  Debugger startup (Start LE)"));
    List1.clear();
    PrintList1.setEnabled(false);
    EspionStep = 0;
    FlagEspionStart = 0;
    EspionPass = 0;
    Timer1.setEnabled(true);
}

int EspionStart::paramPC(int e) const
{
    bool ok = false;
    const double v = p_.form<FadecParameters>()->ParamPC(e).trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? int(std::lround(std::clamp(v, 0.0, 255.0))) : 0;
}

void EspionStart::addLine(const QString& line)
{
    if (List1.listCount() >= ListCapacity) List1.removeItem(0);
    List1.addItem(line);
}

void EspionStart::DecodageTexteFrancais(uint8_t& step, QString& text, uint8_t& leNumber, uint8_t& stepOut,
                                        uint8_t& z1, uint8_t& z2, uint8_t& z3)
{
    StepContext c;
    c.english = english();
    c.leNumber = leNumber;
    c.z1 = z1;
    c.z2 = z2;
    c.z3 = z3;
    const int n = p_.s.common->SelectedLE;
    if (n >= 1 && n <= LeCount) {
        c.tachyM = p_.s.status->TachyM[n - 1];
        c.tachyV1 = p_.s.status->TachyV1[n - 1];
        c.tachyV2 = p_.s.status->TachyV2[n - 1];
    }
    const QString decoded = startStepText(step, EspionPass, c);
    if (!decoded.isEmpty()) text = decoded;
    stepOut = step;
}

void EspionStart::Timer1_Timer()
{
    State& s = p_.s;
    const int n = s.common->SelectedLE;
    if (n >= 1 && n <= LeCount) {
        for (int i = 0; i < LeCount; ++i) {
            if (leStrips(p_).Label26[i].backColor() != StartRequestedGreen) continue;
            setCaption(english() ? QStringLiteral("  Debugger startup (Start LE)-") + QString::number(n) + ")"
                                 : QString::fromUtf8("  Debugger de démarrage (Start LE-") + QString::number(n) + ")");
            FlagEspionStart = 1;
        }
        const int le = n - 1;
        const int32_t stepValue = s.status->FadecIO[le][StepPosition];
        // A step outside 0-255 cannot come from the controller: passed over.
        if (FlagEspionStart == 1 && stepValue >= 0 && stepValue <= 255 && stepValue != EspionStep) {
            uint8_t step = uint8_t(stepValue);
            StartStepText.clear();
            if (s.status->FadecIO[le][StartStopPosition] == StartRequested) {
                z1_ = s.runShared->ParamZ1[le];
                z2_ = s.runShared->ParamZ2[le];
                z3_ = s.runShared->ParamZ3[le];
                uint8_t leNumber = uint8_t(n);
                uint8_t stepOut = 0;
                DecodageTexteFrancais(step, StartStepText, leNumber, stepOut, z1_, z2_, z3_);
                const QString head = stepHead(n, s.status->StartStep[le]);
                if (step <= LastFixedStep || !StartStepText.isEmpty()) {
                    addLine(head + StartStepText);
                } else {
                    const int32_t mat = s.status->FadecIO[le][MatPosition];
                    addLine(head + sensorReadings(s.status->EspionLPC[le], s.status->EspionLFC[le], mat));
                }
                const bool en = english();
                if (EspionPass == 1 && step == 2) {
                    const QStringList lines = firstPassLines(en, paramPC(PhaseDelayEntries[0]),
                                                             paramPC(PhaseDelayEntries[1]), paramPC(PhaseDelayEntries[2]));
                    for (const QString& l : lines) addLine(head + l);
                }
                if (step == z1_ + z2_ + z3_ + 16) {
                    for (const QString& l : phase5Lines(en)) addLine(head + l);
                    addLine(QStringLiteral(" "));
                }
            }
            EspionStep = step;
        }
    }
    PrintList1.setEnabled(!printing_ && List1.listCount() >= 2);
}

void EspionStart::PrintDebugPage(const QString& margin, bool englishTitle)
{
    for (const QString& l : printHeader(englishTitle, margin)) p_.rt.printer.printLine(l);
}

void EspionStart::PrintList1_Click()
{
    if (printing_) return;
    plat::Printer& printer = p_.rt.printer;
    // The lines and the language are taken once: what is added meanwhile
    // waits for the next printout.
    const QStringList lines = List1.items();
    const bool en = english();
    const qsizetype filed = printer.filedPaths().size();
    printer.setDocName(QStringLiteral("startup-debugger"));
    if (!printer.beginDoc()) {
        warn(p_, QStringLiteral("No printer is available: the list was not printed. "));
        return;
    }
    printing_ = true;
    PrintList1.setEnabled(false);
    const std::shared_ptr<bool> alive = aliveToken();
    bool ok = true;
    PrintDebugPage(Margin, en);
    int onPage = 0;
    for (const QString& line : lines) {
        if (onPage == LinesPerPage) {
            // The page is released to the printer before the next one starts.
            if (!printer.endDoc() || !printer.beginDoc()) {
                ok = false;
                break;
            }
            PrintDebugPage(Margin, en);
            onPage = 0;
        }
        printer.printLine(Margin + line);
        ++onPage;
        // The window and the rest of the program keep running while it prints.
        p_.rt.time.doEvents();
    }
    if (printer.docOpen() && !printer.endDoc()) ok = false;
    if (!*alive) return;
    printing_ = false;
    PrintList1.setEnabled(List1.listCount() >= 2);
    if (!ok) warn(p_, QStringLiteral("The printer reported an error: the list was not printed in full. "));
    TellWhereFiled(p_, filed);
}

void EspionStart::ViderLaListe_Click()
{
    List1.clear();
    EspionStep = 0;
    FlagEspionStart = 0;
    EspionPass = 0;
}

} // namespace orv
