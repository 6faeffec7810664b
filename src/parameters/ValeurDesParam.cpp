#include "parameters/ValeurDesParam.h"
#include "shell/LeStrips.h"
#include "shell/LogPorts.h"

#include "link/CommandFrame.h"
#include "parameters/FadecParameters.h"
#include "parameters/PortWarning.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr plat::Color WindowLilac = plat::rgb(0xC0, 0xC0, 0xFF);
constexpr plat::Color ChosenLightGreen = plat::rgb(0x5B, 0xFF, 0x00);
constexpr int ClientWidth = 8865, ClientHeight = 7530;
constexpr int NoLEWidth = 1355;   // the window's width when no LE is activated
int designLeft(int le) { return 120 + 1080 * le; }
} // namespace

ValeurDesParam::ValeurDesParam(Program& p) : plat::Form(p.rt, "ValeurDesParam"), p_(p)
{
    setCaption(QStringLiteral(" Read LE Settings"));
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(WindowLilac);
    for (int le = 0; le < 8; ++le) {
        list(le).move(designLeft(le), 240, 975, 6495);
        list(le).setFontName(QStringLiteral("Courier New"));   // the values stand right-aligned
        button(le).move(designLeft(le), 6960, 975, 375);
        button(le).setCaption(QStringLiteral("Read LE%1").arg(le + 1));
        button(le).onClick = [this, le] { LireLP_Click(le); };
    }
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

void ValeurDesParam::Form_Load()
{
    move((screenWidth() - width()) / 2, (screenHeight() - height()) / 2, width(), height());
    setTopmost(true);
    Timer3.setEnabled(true);
}

void ValeurDesParam::Close(Program& p)
{
    if (ValeurDesParam* reader = p.ifLoaded<ValeurDesParam>()) reader->Timer1.setEnabled(false);
    p.form<ValeurDesParam>().unload();
}

plat::ListBox& ValeurDesParam::list(int le)
{
    plat::ListBox* lists[8] = {&List1, &List2, &List3, &List4, &List5, &List6, &List7, &List8};
    return *lists[le];
}

plat::CommandButton& ValeurDesParam::button(int le)
{
    plat::CommandButton* buttons[8] = {&LireLP1, &LireLP2, &LireLP3, &LireLP4,
                                       &LireLP5, &LireLP6, &LireLP7, &LireLP8};
    return *buttons[le];
}

// Asks LE index le for its table: the LE becomes the selected one (its label
// light green, every other label plain) and its next frame carries the read.
void ValeurDesParam::LireLP_Click(int le)
{
    if (!logPorts(p_).MSComm(le).portOpen()) {
        showPortWarning(p_, le);
        return;
    }
    const int n = le + 1;
    p_.s.common->SelectedLE = n;
    LeStrips& strips = leStrips(p_);
    for (int i = 0; i < LeCount; ++i) strips.Label26[i].setBackColor(plat::ButtonFace);
    strips.Label26[le].setBackColor(ChosenLightGreen);
    p_.form<FadecParameters>()->ShowSelectedLE(n);
    p_.s.request->SelectionBank = bank::ReadParam;
}

// Row number 32 + p, three blanks, the value right-aligned in three characters.
void ValeurDesParam::Timer1_Timer()
{
    for (int le = 0; le < LeCount; ++le) list(le).clear();
    for (int e = 31; e >= 0; --e)
        for (int le = 0; le < LeCount; ++le)
            list(le).addItem(QStringLiteral("%1   %2").arg(32 + e).arg(p_.s.status->ParamStamp[le][e], 3));
}

void ValeurDesParam::Timer3_Timer()
{
    ParamLogicielVB& settings = *p_.form<ParamLogicielVB>();
    LogPorts& ports = logPorts(p_);
    int slot = 0;
    bool any = false;
    for (int le = 0; le < LeCount; ++le) {
        const bool active = settings.LEActivated(le);
        list(le).setVisible(active);
        button(le).setVisible(active);
        if (!active) continue;
        any = true;
        button(le).setEnabled(p_.s.status->PhaseLP[le] == 0 && ports.MSComm(le).portOpen());
        // LE-7 and LE-8 keep their designed place.
        if (le < 6) {
            const int x = designLeft(slot++);
            list(le).setLeft(x);
            button(le).setLeft(x);
        }
    }
    if (!any) setWidth(NoLEWidth);
}

} // namespace orv
