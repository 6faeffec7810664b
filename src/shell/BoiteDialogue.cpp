#include "shell/BoiteDialogue.h"

#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

namespace {
// The headline the link watchdog writes; OK then acknowledges the lost links.
const QString NoCommunication = QStringLiteral("No communication with machine");
}

BoiteDialogue::BoiteDialogue(Program& p) : plat::Form(p.rt, "BoiteDialogue"), p_(p)
{
    setCaption(QStringLiteral(" Warning !"));
    move(left(), top(), 5490, 2820);
    setBackColor(FrameGrey);

    Picture1.move(240, 240, 600, 600);
    Picture1.setBorderStyle(0);
    Picture1.setBackColor(FrameGrey);
    // An exclamation mark as the box's icon.
    plat::Canvas& icon = Picture1.canvas();
    icon.line(90, 60, 510, 540, plat::rgb(255, 255, 0), plat::Canvas::BoxFilled);
    icon.line(90, 60, 510, 540, plat::rgb(0, 0, 0), plat::Canvas::Box);
    icon.line(270, 120, 330, 380, plat::rgb(0, 0, 0), plat::Canvas::BoxFilled);
    icon.line(270, 430, 330, 490, plat::rgb(0, 0, 0), plat::Canvas::BoxFilled);

    int y = 240;
    for (plat::Label* l : {&Label1, &Label2, &Label3}) {
        l->move(1020, y, 4140, 375);
        l->setForeColor(plat::rgb(255, 0, 0));
        l->setBackColor(FrameGrey);
        l->setFontBold(true);
        l->setFontSize(9.75);
        y += 420;
    }

    OkValide.setCaption(QStringLiteral("OK"));
    OkValide.move(2100, 1620, 1215, 375);
    OkValide.setDefault(true);

    // The frame around the box's client area.
    const int w = 5370, h = 2370;
    Line1.setPoints(60, 60, w - 60, 60);
    Line2.setPoints(w - 60, 60, w - 60, h - 60);
    Line3.setPoints(60, h - 60, w - 60, h - 60);
    Line4.setPoints(60, 60, 60, h - 60);
    for (plat::Line* l : {&Line1, &Line2, &Line3, &Line4}) l->setBorderWidth(3);
    setFrameColor(FrameGrey);

    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    OkValide.onClick = [this] { OkValide_Click(); };
}

void BoiteDialogue::Form_Load()
{
    // The box takes the place of the parameter editing: the value input
    // closes and the parameter window hides.
    if (Log* log = p_.Log.ifLoaded(); log && log->CloseParamEditing) log->CloseParamEditing();
    setTopmost(true);
}

void BoiteDialogue::setFrameColor(plat::Color c)
{
    for (plat::Line* l : {&Line1, &Line2, &Line3, &Line4}) l->setBorderColor(c);
}

void BoiteDialogue::Timer1_Timer()
{
    setFrameColor(FrameRed);
    Timer2.setEnabled(true);
    Timer1.setEnabled(false);
}

void BoiteDialogue::Timer2_Timer()
{
    setFrameColor(FrameGrey);
    Timer1.setEnabled(true);
    Timer2.setEnabled(false);
}

void BoiteDialogue::ShowWarning(const QString& headline, const QString& subject, const QString& when)
{
    setCaption(QStringLiteral(" Warning !"));
    Label1.setCaption(headline);
    Label2.setCaption(subject);
    Label3.setCaption(when);
    show(false);
}

void BoiteDialogue::OkValide_Click()
{
    // Acknowledging a lost link lets the watchdog count and report afresh.
    if (Label1.caption() == NoCommunication) {
        for (int le = 0; le < LeCount; ++le) {
            p_.s.common->ComptageComm[le] = 0;
            p_.s.common->FlagCommSignalee[le] = 0;
        }
    }
    unload();
}

} // namespace orv
