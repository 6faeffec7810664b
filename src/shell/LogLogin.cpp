// The start-mode login: the panel and the grey curtain that cover the main
// window while the start password is asked, the validation against the two
// passwords of Name.inc, and the layout of the window for the mode found.

#include "platform/SeqFile.h"
#include "platform/VbText.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/State.h"

#include <optional>

namespace orv {

namespace {

const QString StartPasswordFile = QStringLiteral("C:\\WINDOWS\\system32\\Name.inc");
const QString UserModeCaption = QStringLiteral("Start in User Mode");

// The thirteen labels of LE index i's strip.
std::array<plat::Label*, 13> stripLabels(Log& w, int i)
{
    return {&w.Label11[i], &w.Label15[i], &w.Label26[i], &w.Label24[i], &w.Label21[i],
            &w.Label31[i], &w.Label32[i], &w.Label33[i], &w.Label34[i], &w.Label35[i],
            &w.Label39[i], &w.Label40[i], &w.Label41[i]};
}

bool startPasswordOn(Program& p) { return p.form<ParamLogicielVB>()->StartModeLogin(); }

} // namespace

// Arming, 200 ms after load or after the login item: covers the window and
// shows the panel in its centre while the start password is asked.
void Log::Timer2_Timer()
{
    if (startPasswordOn(p_)) {
        Picture12.move(int(plat::vbRound(width() / 2.0 - Picture12.width() / 2.0).value_or(0)),
                       int(plat::vbRound(height() / 2.0 - Picture12.height() / 2.0).value_or(0)),
                       Picture12.width(), Picture12.height());

        auto& set = p_.form<ParamLogicielVB>().get();
        Label29[6].setCaption(set.Text2.text());
        Label29[6].setForeColor(plat::rgb(set.VScroll1.value(), set.VScroll2.value(), set.VScroll3.value()));
        Label29[6].setBackColor(plat::rgb(set.VScroll4.value(), set.VScroll5.value(), set.VScroll6.value()));

        Picture10.move(0, 0, width(), 10920);

        for (plat::Control* c : std::initializer_list<plat::Control*>{
                 &VScroll1, &PWIndividuel, &CopiePWSlider, &Label72, &Label75, &Picture6[0], &Picture6[1],
                 &Picture11, &Picture9, &Picture22, &List4, &ActiveDesactiveRS232})
            c->setVisible(false);
        mnuFunctions.setVisible(false);
        for (int i = 0; i < LeCount; ++i)
            for (plat::Label* l : stripLabels(*this, i)) l->setVisible(false);
        List3.setVisible(false);

        Picture12.setVisible(true);
        Timer13.setEnabled(true);
    } else {
        Picture12.setVisible(false);
    }
    Timer2.setEnabled(false);
}

void Log::Timer13_Timer()
{
    Text1.setFocus();   // a window that cannot take the focus now is no fault
    Timer13.setEnabled(false);
}

// "Validation": the typed text against the two passwords, read again at
// every press. Letter case is ignored; when both lines match, the second wins.
void Log::OkStart_Click()
{
    std::optional<QString> password0, password1;
    if (auto f = plat::SeqFile::open(p_.rt.drive, StartPasswordFile, plat::SeqFile::Mode::Input)) {
        password0 = f->inputField();
        password1 = f->inputField();
        f->close();
    }
    // A missing file or line matches nothing, and an empty password (an
    // empty box against an empty line) never opens the program.
    const QString typed = Text1.text().toUpper();
    auto& s = p_.s;
    s.common->StartMode = 2;
    if (typed.isEmpty()) password0.reset(), password1.reset();
    if (password0 && password0->toUpper() == typed) {
        s.common->StartMode = 0;
        if (startPasswordOn(p_)) {
            mnuFunctions.setVisible(true);
            mnuStartMode.setCaption(UserModeCaption);
        }
    }
    if (password1 && password1->toUpper() == typed) {
        s.common->StartMode = 1;
        if (startPasswordOn(p_)) {
            Picture10.move(15600, 240, 495, 495);
            mnuFunctions.setVisible(true);
            mnuQuit.setVisible(true);
        }
        mnuStartMode.setCaption(UserModeCaption);
    }
    if (s.common->StartMode != 2) ShowDashboard(s.common->StartMode);
}

// "Quitt": ends the program at once, without the quit question and without
// saving anything.
void Log::QuitteProg_Click() { p_.End(); }

// The unlabelled corner of the panel: mode 1 without a password; the curtain
// and the Functions menu stay as they are.
void Log::Picture14_Click()
{
    p_.s.common->StartMode = 1;
    mnuParameterVB.setEnabled(true);
    mnuCodeError.setEnabled(true);
    mnuHalogen.setEnabled(true);
    Label76.setVisible(true);
    Picture12.setVisible(false);
}

void Log::mnuStartMode_Click()
{
    if (startPasswordOn(p_)) Timer2.setEnabled(true);
}

// Lays the window out for start mode 0 or 1 after a successful login.
void Log::ShowDashboard(int mode)
{
    const int w = 12800;
    const double l = (screenWidth() - w) / 2.0;
    const double t = (screenHeight() - height()) / 2.0;
    move(int(plat::vbRound(l).value_or(0)), int(plat::vbRound(t).value_or(0)), w, height());

    MnuResetMagDrive.setEnabled(true);
    mnuAlarm.setVisible(true);
    mnuLfcControlAlarm.setVisible(true);
    CommHalOperator.setTop(120);   // the QTH lamp button
    mnuFunctions.setVisible(true);

    for (plat::Control* c : std::initializer_list<plat::Control*>{
             &Label5, &Label7, &Label9, &Label22, &Label25, &Label70, &Label66, &List4,
             // temperature gauge
             &Line4, &Line21, &Line22, &Line23, &Line24})
        c->setVisible(true);
    for (int k = 0; k < 10; ++k) Label79[k].setVisible(true);
    for (plat::Control* c : std::initializer_list<plat::Control*>{
             &Picture1, &Picture2[2], &Picture7, &Picture8, &Picture9, &Picture11, &Line8[0], &Line9[0],
             &Line1[2], &Line2[0], &Line11, &Line17[0], &Line3[0], &Line7[0], &Line6[0], &Line15[0],
             &Label68, &Label72, &Label75, &Picture6[0], &Picture6[1],
             // power gauge
             &Label76, &Line26, &Line29, &Line25, &Line28, &Line27, &VScroll1, &Label3, &PWIndividuel,
             &CopiePWSlider,
             // status grid titles
             &Label6, &Label8, &Label10, &Label12, &Label13, &Label17, &Label19, &Label20, &Label23, &Label71,
             &Label73, &Label74, &List3})
        c->setVisible(true);

    mnuParameterVB.setEnabled(true);
    mnuCodeError.setEnabled(true);
    mnuHalogen.setEnabled(true);
    mnuTestMateriel.setEnabled(true);
    mnuVdesParam.setEnabled(false);
    mnuCoeff.setEnabled(true);
    mnuCreateDataLogger.setEnabled(true);
    mnuhisto.setEnabled(true);

    // Loading the port configuration runs its load with the new start mode,
    // which may disable the boxes of LE-1 to LE-6; they stay visible.
    if (ShowLoginPortBoxes) ShowLoginPortBoxes();

    mnuStartMode.setVisible(true);

    if (mode != 0) {
        const bool shtChosen = p_.s.common->SHTStopLE != 6;
        for (plat::Control* c : std::initializer_list<plat::Control*>{&Picture6[0], &Picture6[1], &Label72, &Label75})
            c->setVisible(shtChosen);
        p_.s.common->TempSel = 0;
        ColorTempSelect();
        const plat::Color pale = plat::rgb(192, 255, 255);
        if (shtChosen) {
            Label72.setBackColor(plat::colors::Green);
            Picture6[0].setBackColor(plat::colors::Green);
            Picture6[1].setBackColor(pale);
        } else {
            Picture6[0].setBackColor(pale);
            Picture6[1].setBackColor(pale);
        }
    }

    ActiveDesactiveRS232.setVisible(true);
    Text1.setText("");
    Picture12.setVisible(false);

    if (mode == 1) {
        // Closing the settings window saves it and re-applies the LE strips;
        // loading it again rereads the file.
        p_.form<ParamLogicielVB>().unload();
        p_.form<ParamLogicielVB>().get();
    }
}

} // namespace orv
