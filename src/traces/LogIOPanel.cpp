// The I/O list panel Picture22 at the main window's right edge, on which
// the link's I/O monitor lists the selected LE's last frame: "Read FADEC
// I/O" shows it and widens the window, a second press hides it; its pop-up
// chooses the direction listed.
#include "traces/LogTraces.h"

#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/TracesShared.h"

namespace orv {

namespace {
constexpr int PanelLeft = 11640, PanelTop = 3000, PanelWidth = 3735, PanelHeight = 7095;
} // namespace

void LogTraces::ShowIOList()
{
    L.Picture22.move(L.Picture22.left(), L.Picture22.top(), PanelWidth, PanelHeight);
    // The showing marks the direction in force.
    L.mnuRFStamptoPC.setChecked(p.s.tracesShared->IOMonitorPCToStamp == 0);
    L.mnuRFPCtoStamp.setChecked(p.s.tracesShared->IOMonitorPCToStamp != 0);
    p.s.tracesShared->FlagAffListeIO = 1;
    L.Picture22.setVisible(true);
    L.mnuIOListData.setChecked(true);
    L.Picture22.move(PanelLeft, PanelTop, PanelWidth, PanelHeight);
    int16_t wide = 1;
    LargeurScreen(wide);
}

void LogTraces::HideIOList()
{
    L.Picture22.move(L.Picture22.left(), L.Picture22.top(), PanelWidth, PanelHeight);
    p.s.tracesShared->FlagAffListeIO = 0;
    L.Picture22.setVisible(false);
    L.mnuIOListData.setChecked(false);
    int16_t narrow = 0;
    LargeurScreen(narrow);
}

void LogTraces::mnuIOListData_Click()
{
    if (p.s.tracesShared->FlagAffListeIO == 0) ShowIOList();
    else HideIOList();
}

void LogTraces::mnuRFStamptoPC_Click()
{
    p.s.tracesShared->IOMonitorPCToStamp = 0;
    L.mnuRFStamptoPC.setChecked(true);
    L.mnuRFPCtoStamp.setChecked(false);
}

void LogTraces::mnuRFPCtoStamp_Click()
{
    p.s.tracesShared->IOMonitorPCToStamp = 1;
    L.mnuRFPCtoStamp.setChecked(true);
    L.mnuRFStamptoPC.setChecked(false);
}

void LogTraces::Picture22_MouseDown(const plat::MouseArgs& a)
{
    if (a.button == plat::RightButton) L.popupMenu(L.mnuFuncPict22);
}

} // namespace orv
