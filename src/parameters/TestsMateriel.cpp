// The hardware-test window's tests: the LE choice, the relay boxes, the motor
// and fan test, start and stop, and what its closing switches off.
#include "parameters/TestsMateriel.h"

#include "link/SetPointFile.h"
#include "parameters/FadecParameters.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/State.h"
#include "shell/TracesShared.h"

#include <algorithm>

namespace orv {

namespace {

// Motor and fan test codes this window sets; 4 (a wear-counter request) is
// the main window's and is never switched off here.
constexpr uint8_t CoolingTestFirst = 1;
constexpr uint8_t CoolingTestLast = 3;

bool isCoolingTest(uint8_t code) { return code >= CoolingTestFirst && code <= CoolingTestLast; }

} // namespace

TestsMateriel::TestsMateriel(Program& p) : plat::Form(p.rt, "TestsMateriel"), p_(p)
{
    setCaption(QStringLiteral("  Hardward Tests"));
    setBackColor(FormLilac);
    move(0, 0, 7995, 9360);
    layoutTests();
    layoutScope();
    wireTests();
    wireScope();
}

void TestsMateriel::layoutTests()
{
    Label1.move(480, 120, 4095, 255);
    Label1.setCaption(QStringLiteral("(1)  Select Light Engine"));
    Label2.move(480, 480, 4095, 255);
    Label2.setCaption(QStringLiteral("(2)  Select and Activate Test"));
    for (plat::Label* l : {&Label1, &Label2}) {
        l->setBackStyle(0);
        l->setFontBold(true);
    }

    const struct {
        plat::Frame* frame;
        int left;
        const char* caption;
    } frames[] = {{&Frame1, 480, "Light Engine Selection "},
                  {&Frame2, 3000, "Tests V1, V2, M "},
                  {&Frame3, 5400, " Add ON Relais "}};
    for (const auto& f : frames) {
        f.frame->move(f.left, 1080, 2175, 3495);
        f.frame->setCaption(QString::fromLatin1(f.caption));
        f.frame->setBackColor(FormLilac);
    }

    for (int i = 0; i < LeCount; ++i) {
        plat::OptionButton& o = Option2.add(i, &Frame1);
        o.move(240, 300 + 390 * i, 1215, 315);
        o.setCaption(QStringLiteral("LE") + QString::number(i + 1));
        o.setBackColor(FormLilac);
    }
    Option2[0].setValue(true);

    const char* tests[] = {"All Off", "All On", "Motor (M) On", "FAN (V1, V2) On"};
    for (int i = 0; i < 4; ++i) {
        plat::OptionButton& o = Option1.add(i, &Frame2);
        o.move(240, 360 + 390 * i, 1815, 315);
        o.setCaption(QString::fromLatin1(tests[i]));
        o.setBackColor(FormLilac);
        o.setEnabled(false);
    }
    Option1[0].setValue(true);
    int top = 2160;
    for (plat::Label* l : {&Label4, &Label5, &Label6}) {
        l->move(120, top, 1935, 255);
        l->setBackColor(ReadoutGrey);
        top += 360;
    }

    Check1.move(120, 480, 1995, 315);
    Check1.setCaption(QStringLiteral("Relais (LE-x) QTH"));
    Check2.move(120, 960, 1995, 315);
    Check2.setCaption(QStringLiteral("Relais (LE-x) Alarm"));
    for (plat::CheckBox* c : {&Check1, &Check2}) {
        c->setBackColor(FormLilac);
        c->setEnabled(false);
    }

    StartTestLE.move(5880, 7560, 1455, 495);
    StartTestLE.setCaption(QStringLiteral("Start"));
    StoptTestLE.move(5880, 8160, 1455, 495);
    StoptTestLE.setCaption(QStringLiteral("Stop"));
}

void TestsMateriel::wireTests()
{
    Timer1.onTimer = [this] { Timer1_Timer(); };
    for (int i = 0; i < LeCount; ++i) Option2[i].onClick = [this, i] { Option2_Click(i); };
    for (int i = 0; i < 4; ++i) Option1[i].onClick = [this, i] { Option1_Click(i); };
    Check1.onClick = [this] { Check1_Click(); };
    Check2.onClick = [this] { Check2_Click(); };
    StartTestLE.onClick = [this] { StartTestLE_Click(); };
    StoptTestLE.onClick = [this] { StoptTestLE_Click(); };
}

int TestsMateriel::testedLE() const
{
    const int n = p_.s.common->SelectedLE;
    return n >= 1 && n <= LeCount ? n - 1 : -1;
}

void TestsMateriel::enableTestControls(bool on)
{
    Check1.setEnabled(on);
    Check2.setEnabled(on);
    for (int i = 0; i < 4; ++i) Option1[i].setEnabled(on);
}

void TestsMateriel::paintLEChoice()
{
    for (int i = 0; i < LeCount; ++i)
        Option2[i].setBackColor(p_.s.status->ComPortOpen[i] == 1 ? PortOpenGreen : PortClosedRed);
}

void TestsMateriel::Form_Load()
{
    setTopmost(true);
    const int le = testedLE();
    if (le >= 0 && p_.s.status->ComPortOpen[le] == 1) enableTestControls(true);
    for (plat::Label* l : {&Label4, &Label5, &Label6}) {
        l->setCaption(QString());
        l->setBackColor(ReadoutGrey);
    }
    ScopeSetup();
}

// Once painted, the LE choice changes only with ComPortOpen: the timer parks
// until the link reports a change (PortsChanged), instead of waking the
// program every 300 ms, loaded and hidden as the window mostly is.
void TestsMateriel::Timer1_Timer()
{
    paintLEChoice();
    Timer1.park();
}

void TestsMateriel::Option2_Click(int Index)
{
    // Unticking a ticked box runs its click for the LE tested so far, so
    // that LE's relay requests return to 0 before the choice moves on.
    Check1.setValue(0);
    Check2.setValue(0);
    Log& log = *p_.Log;
    for (int i = 0; i < LeCount; ++i) log.Label26[i].setBackColor(plat::ButtonFace);
    paintLEChoice();
    enableTestControls(p_.s.status->ComPortOpen[Index] == 1);
    log.Label26[Index].setBackColor(ChosenLightGreen);
    p_.s.common->SelectedLE = Index + 1;
    p_.form<FadecParameters>()->Label64.setCaption(QStringLiteral("LP Selected : ") + QString::number(Index + 1));
    showStoredSetPoint(Index);
}

void TestsMateriel::showStoredSetPoint(int le)
{
    const auto values = readSetPoints(p_);
    if (!values) return;
    plat::VScrollBar& slider = p_.Log->VScroll1;
    const int low = std::min(slider.min(), slider.max());
    const int high = std::max(slider.min(), slider.max());
    // Its change handler shows the value on the main window; nothing is sent.
    slider.setValue(std::clamp(int((*values)[le]), low, high));
}

void TestsMateriel::Check1_Click()
{
    State& s = p_.s;
    s.paramShared->RelayTestActive = 1;
    const int le = testedLE();
    if (le >= 0) s.request->RelayQTH[le] = Check1.value() == 1 ? 1 : 0;
}

void TestsMateriel::Check2_Click()
{
    // The relay test is active as with the QTH box: otherwise the main
    // window's relay clearing would drop the alarm request within 300 ms.
    State& s = p_.s;
    s.paramShared->RelayTestActive = 1;
    const int le = testedLE();
    if (le >= 0) s.request->RelayAlarm[le] = Check2.value() == 1 ? 1 : 0;
}

void TestsMateriel::Option1_Click(int Index)
{
    const int le = testedLE();
    if (le < 0) return;
    p_.s.request->EnableCooling[le] = uint8_t(Index);
    if (isCoolingTest(uint8_t(Index))) coolingTestSet_[le] = true;
}

void TestsMateriel::StartTestLE_Click()
{
    const std::shared_ptr<bool> alive = aliveToken();
    const int le = testedLE();
    if (le >= 0 && p_.s.status->PhaseLP[le] == 0) {
        // The start request goes out beside the read request, once the read's
        // turn has come. Returns once the read has ended; the program runs on
        // meanwhile.
        if (p_.Log->ParamReadEntry) p_.Log->ParamReadEntry(le);
    }
    if (*alive) Timer3.setEnabled(true);
}

void TestsMateriel::StoptTestLE_Click()
{
    const int le = testedLE();
    if (le < 0) return;
    // A start still waiting for its read does not follow the stop.
    if (p_.Log->ParamReadWithdrawEntry) p_.Log->ParamReadWithdrawEntry(le);
    p_.s.request->StartStopPC[le] = 2;
}

void TestsMateriel::Form_Unload(int& cancel)
{
    Check1.setValue(0);
    Check2.setValue(0);
    State& s = p_.s;
    s.paramShared->RelayTestActive = 0;
    for (plat::Label* l : {&Label4, &Label5, &Label6}) l->setCaption(QString());
    // Every motor or fan test this window started, on whichever LE, stops
    // with it; a wear-counter request in the same position is left alone.
    const int sel = testedLE();
    for (int le = 0; le < LeCount; ++le) {
        if ((coolingTestSet_[le] || le == sel) && isCoolingTest(s.request->EnableCooling[le])) s.request->EnableCooling[le] = 0;
    }
    s.tracesShared->FlagAffListeIO = 0;
}

} // namespace orv
