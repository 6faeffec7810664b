// The strips' pop-up menu: copy a planning to other LEs, clear a strip,
// free a fixed symmetric cycle, redraw a strip from its LE's schedule. The
// commands act on the LE whose strip opened the menu (Selbin).

#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "scheduler/StripModel.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"

namespace orv {

void SelectionStart::wireMenus()
{
    mnuCopy.onClick = [this] { mnuCopy_Click(); };
    for (int le = 0; le < 8; ++le) pasteItem(le).onClick = [this, le] { pasteOnto(le); };
    mnuEffacer.onClick = [this] { mnuEffacer_Click(); };
    mnuMove.onClick = [this] { mnuMove_Click(); };
    mnuRedraw.onClick = [this] { mnuRedraw_Click(); };
    mnu2SauverLesTraces.onClick = [this] { mnu2SauverLesTraces_Click(); };
    mnu2Visualiser.onClick = [this] { mnu2Visualiser_Click(); };
}

void SelectionStart::EnablePasteMenus()
{
    for (int le = 0; le < 8; ++le) pasteItem(le).setEnabled(true);
}

// Runs when the "Copy" submenu opens, before a target is chosen.
void SelectionStart::mnuCopy_Click()
{
    const int n = p_.s.schedule->Selbin;
    EnablePasteMenus();
    if (n > 7) return;
    pasteItem(n).setEnabled(false);
    if (mode(n) == strip::Plan) copyPlan(model(), n);
}

void SelectionStart::pasteOnto(int le)
{
    // Only a planning that was copied and passes the rules is written.
    if (mode(le) == strip::Plan && pastePlan(model(), le)) {
        strip(le).canvas().cls();
        TracePlanLE(le);
    }
    EnablePasteMenus();
}

void SelectionStart::mnuEffacer_Click()
{
    const int n = p_.s.schedule->Selbin;
    if (n > 7) return;
    plat::PictureBox& s = strip(n);
    s.canvas().clearPicture();
    s.canvas().cls();
    s.setBackColor(plat::colors::LightGrey);
    s.setBorderStyle(1);
}

void SelectionStart::mnuMove_Click()
{
    State& s = p_.s;
    const int n = s.schedule->Selbin;
    Label93.setCaption(QString::number(n));
    Text1.setEnabled(true);
    if (n <= 7 && mode(n) == strip::Sym) s.schedule->FlagCycleSym[n] = 0;
}

void SelectionStart::mnuRedraw_Click()
{
    const int n = p_.s.schedule->Selbin;
    if (n > 7) return;
    const QString caption = mode(n);
    if (caption == strip::Sym) {
        drawSymCycle(n, false);
    } else if (caption == strip::Asym) {
        strip(n).setBackColor(plat::colors::LightGrey);
        TraceAsymLE(n);
    } else if (caption == strip::Plan) {
        strip(n).setBackColor(plat::colors::LightGrey);
        TracePlanLE(n);
    }
}

} // namespace orv
