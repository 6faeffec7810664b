#include "link/LinkState.h"
#include "link/ConfigurationRS232.h"

#include "link/LogLink.h"
#include "link/PortFile.h"
#include "platform/Dialogs.h"
#include "platform/VbText.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/SettingsReader.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr plat::Color WindowBlue = plat::rgb(192, 192, 255);
constexpr plat::Color HeadingCyan = plat::rgb(192, 255, 255);
constexpr int ClientWidth = 4440, ClientHeight = 6075;
} // namespace

ConfigurationRS232::ConfigurationRS232(Program& p) : plat::Form(p.rt, "ConfigurationRS232"), p_(p)
{
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(WindowBlue);
    // Wherever the focus is, Enter presses OK and Escape closes the window
    // as its close box does (nothing written, no port touched).
    setEscapeCloses(true);

    Label8.move(360, 480, 855, 255);
    Label8.setCaption(QStringLiteral("COMx"));
    Label9.move(1200, 480, 975, 255);
    Label9.setCaption(QStringLiteral("Selection"));
    for (plat::Label* heading : {&Label8, &Label9}) {
        heading->setFontBold(true);
        heading->setBackColor(HeadingCyan);
        heading->setAlignment(plat::Label::AlignCenter);
    }
    Check2.move(2400, 480, 1215, 255);
    Check2.setBackColor(WindowBlue);
    Check2.onClick = [this] { Check2_Click(); };

    for (int i = 0; i < 8; ++i) {
        const int top = 1200 + 480 * i;
        plat::TextBox& number = Text1.add(i);
        number.move(480, top, 615, 285);
        number.onChange = [this, i] { Text1_Change(i); };
        plat::Label& name = Label1.add(i);
        name.move(1320, top, 495, 255);
        name.setCaption(QStringLiteral("LE-%1").arg(i + 1));
        name.setBackColor(WindowBlue);
        plat::CheckBox& activated = Check1.add(i);
        activated.move(2400, top, 1695, 255);
        activated.setCaption(QStringLiteral("Activated"));
        activated.setBackColor(WindowBlue);
    }

    Command1.move(2400, 5160, 1815, 735);
    Command1.setCaption(QStringLiteral("OK"));
    Command1.setFontBold(true);
    Command1.setDefault(true);
    Command1.onClick = [this] { Command1_Click(); };

    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
}

void ConfigurationRS232::Form_Load()
{
    State& s = p_.s;
    setTopmost(true);
    // Start mode 0 fixes the ports of LE-1 to LE-6; their activation stays free.
    if (s.common->StartMode == 0)
        for (int i = 0; i < 6; ++i)
            Text1[i].setEnabled(false);
    setCaption(QStringLiteral(" Configurating Ports COMx    "));
    Check2.setCaption(QStringLiteral("All activated"));

    // Line by line: a line the file does not hold keeps what the last load
    // read for it; a port number that names no port shows as an empty box
    // and a bad activation unticks (the history names the file once a run).
    SettingsReader file(p_, PortFileName);
    for (int i = 0; i < 8; ++i) {
        if (file.has(2 * i + 1))
            s.link->ComPortNumberIni[i] = file.text(2 * i + 1, portTextReadable).value_or(QString());
        else if (file.opened())
            file.fellBack();
        if (file.has(2 * i + 2))
            s.link->ComPortEnabledIni[i] = file.text(2 * i + 2, activationReadable).value_or(QStringLiteral("0"));
        else if (file.opened())
            file.fellBack();
        Text1[i].setText(s.link->ComPortNumberIni[i]);
        Check1[i].setValue(s.link->ComPortEnabledIni[i] == QLatin1String("1") ? 1 : 0);
    }
    Timer2.setEnabled(true);
}

void ConfigurationRS232::Text1_Change(int Index) { Timer2.setEnabled(true); }

// Port-number check while typing: a number above 14 is refused with a
// warning and reset to "0". OK refuses the rest for the activated LEs.
void ConfigurationRS232::Timer2_Timer()
{
    for (int i = 0; i < 8; ++i) {
        if (plat::vbVal(Text1[i].text()) > HighestPort) {
            p_.rt.dialogs.msgBox(QStringLiteral("Port numbers 1 to 14 (max) "), plat::mb::Critical,
                                 QStringLiteral(" Warning! "));
            Timer2.setEnabled(false);
            Text1[i].setText(QStringLiteral("0"));
        }
    }
}

void ConfigurationRS232::Check2_Click() { Timer1.setEnabled(true); }

void ConfigurationRS232::Timer1_Timer()
{
    const int all = Check2.value() == 1 ? 1 : 0;
    for (int i = 0; i < 8; ++i)
        Check1[i].setValue(all);
    Timer1.setEnabled(false);
}

void ConfigurationRS232::Command1_Click()
{
    State& s = p_.s;
    // An activated LE needs a port: anything but a whole number 1 to 14 is
    // refused and the window stays as it is.
    for (int i = 0; i < 8; ++i) {
        if (Check1[i].value() == 1 && !portNumberOf(Text1[i].text())) {
            p_.rt.dialogs.msgBox(QStringLiteral("Port numbers 1 to 14 (max) "), plat::mb::Critical,
                                 QStringLiteral(" Warning! "));
            return;
        }
    }
    // Until an LE sends a marked frame again it is neither answered nor started.
    for (int i = 0; i < 8; ++i)
        s.status->SynchroRS232[i] = 0;

    PortTexts numbers, enabled;
    for (int i = 0; i < 8; ++i) {
        s.link->ComPortNumber[i] = Text1[i].text();
        s.link->ComPortEnabled[i] = Check1[i].value() == 1 ? QStringLiteral("1") : QStringLiteral("0");
        numbers[i] = s.link->ComPortNumber[i];
        enabled[i] = s.link->ComPortEnabled[i];
    }
    const bool saved = writePortFile(p_.rt.drive, portFilePath(s.common->BaseFolder), numbers, enabled);

    // The choice applies to this session even when it could not be saved.
    p_.Log->link->ActivationCOM();
    if (!saved)
        p_.rt.dialogs.msgBox(QStringLiteral("The port configuration could not be saved in ParamComx2.ini "),
                             plat::mb::Exclamation, QStringLiteral(" Warning! "));
    unload();
}

} // namespace orv
