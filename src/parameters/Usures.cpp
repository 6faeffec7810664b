#include "parameters/Usures.h"

#include "shell/LinkRequest.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

namespace orv {

namespace {

constexpr plat::Color WindowGrey = plat::rgb(0xC0, 0xC0, 0xC0);
constexpr plat::Color BitsGrey = plat::rgb(0xE0, 0xE0, 0xE0);
constexpr int ClientWidth = 10080, ClientHeight = 9030;
constexpr int FirstColumn = 1920, ColumnStep = 1080, ColumnWidth = 975;
constexpr int RowStep = 300, GroupStep = 1500, FirstGroupTop = 600;

// Sub-commands of a wear-counter request (EnableCooling SubCommandRequest makes the LE act on them).
constexpr uint8_t ReadCounters = 5;
constexpr uint8_t ResetCodes[3] = {2, 3, 4};   // S-Lamp, H-Lamp, magnetron

int rowTop(int element) { return FirstGroupTop + GroupStep * (element / 4) + RowStep * (element % 4); }

} // namespace

Usures::Usures(Program& p) : plat::Form(p.rt, "Usures"), p_(p)
{
    setCaption(QStringLiteral("       Hardware uptimes in hours"));
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(WindowGrey);

    const char* groups[3] = {"S_Lamp", "H_Lamp", "Magnetron"};
    const char* rows[4] = {"L", "M", "H", "Hours"};
    for (int k = 0; k < 3; ++k) {
        plat::Label& g = Label1.add(k);
        g.move(120, rowTop(4 * k), 1080, 255);
        g.setCaption(QString::fromLatin1(groups[k]));
        g.setBackStyle(0);
        g.setFontBold(true);
        for (int r = 0; r < 4; ++r) {
            plat::Label& c = Label2.add(4 * k + r);
            c.move(1200, rowTop(4 * k + r), 615, 255);
            c.setCaption(QString::fromLatin1(rows[r]));
            c.setAlignment(plat::Label::AlignRight);
            c.setBackStyle(0);
        }
    }
    for (int le = 0; le < 6; ++le) {
        const int x = FirstColumn + ColumnStep * le;
        plat::Label& h = Label5.add(le);
        h.move(x, 240, ColumnWidth, 255);
        h.setCaption(QStringLiteral("LE-%1").arg(le + 1));
        h.setAlignment(plat::Label::AlignCenter);
        h.setBackStyle(0);
        h.setFontBold(true);
        for (int i = 0; i < 12; ++i) {
            plat::Label& l = column(le).add(i);
            l.move(x, rowTop(i), ColumnWidth, 255);
            l.setCaption(QStringLiteral("00000000"));
            l.setAlignment(plat::Label::AlignCenter);
            if (i % 4 == 3) {
                l.setBackColor(plat::colors::Black);
                l.setForeColor(plat::colors::Green);
            } else {
                l.setBackColor(BitsGrey);
            }
        }
        plat::CommandButton& read = ReadCDM.add(le);
        read.move(x, 5040, ColumnWidth, 375);
        read.setCaption(QStringLiteral("Read"));
        read.onClick = [this, le] { ReadCDM_Click(le); };
    }

    Line1.setPoints(120, 5580, ClientWidth - 120, 5580);
    Check1.move(120, 5760, 1455, 255);
    Check1.setCaption(QStringLiteral("Activated"));
    Check1.setBackColor(WindowGrey);
    Label3.move(3480, 5760, 2175, 255);
    Label3.setCaption(QStringLiteral("Write"));
    Label3.setAlignment(plat::Label::AlignCenter);
    Label3.setBackStyle(0);
    const char* resets[3] = {"Counter S-Lamp", "Counter H-Lamp", "Counter Magnetron"};
    for (int k = 0; k < 3; ++k) {
        plat::TextBox& box = Text1.add(k);
        box.move(1920, 6090 + 480 * k, 1335, 315);
        box.setPasswordChar(QStringLiteral("*"));
        plat::CommandButton& b = Activation.add(k);
        b.move(3480, 6060 + 480 * k, 2175, 375);
        b.setCaption(QString::fromLatin1(resets[k]));
        b.onClick = [this, k] { Activation_Click(k); };
    }
    Label4.move(120, 7860, 1335, 255);
    Label4.setCaption(QStringLiteral("Selection"));
    Label4.setBackStyle(0);
    Label6.move(120, 8160, 1335, 255);
    Label6.setCaption(QStringLiteral("ERASE"));
    Label6.setBackStyle(0);
    Label6.setForeColor(plat::colors::Red);
    Label6.setFontBold(true);
    for (int le = 0; le < 6; ++le) {
        plat::CommandButton& b = BoutonErase.add(le);
        b.move(FirstColumn + ColumnStep * le, 7920, ColumnWidth, 375);
        b.setCaption(QStringLiteral("LE-%1").arg(le + 1));
        b.onClick = [this, le] { BoutonErase_Click(le); };
    }

    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer5.onTimer = [this] { Timer5_Timer(); };
    Timer8.onTimer = [this] { Timer8_Timer(); };
}

void Usures::Form_Load()
{
    move((screenWidth() - width()) / 2, (screenHeight() - height()) / 2, width(), height());
    Timer1.setEnabled(true);
    Timer5.setEnabled(true);
}

plat::ControlArray<plat::Label>& Usures::column(int le)
{
    plat::ControlArray<plat::Label>* columns[6] = {&Label25, &Label26, &Label30, &Label31, &Label35, &Label36};
    return *columns[le];
}

void Usures::ReadCDM_Click(int index)
{
    p_.s.request->SubCommand[index] = ReadCounters;
    p_.s.request->EnableCooling[index] = SubCommandRequest;
}

void Usures::BoutonErase_Click(int index)
{
    plat::CommandButton& b = BoutonErase[index];
    b.setBackColor(b.backColor() == Marked ? plat::ButtonFace : Marked);
}

// A reset goes only with its password accepted (button green) and to the
// LEs chosen; in every case the password check pauses 2 s.
void Usures::Activation_Click(int index)
{
    bool anyChosen = false;
    for (int le = 0; le < 6; ++le) anyChosen = anyChosen || BoutonErase[le].backColor() == Marked;
    if (Activation[index].backColor() == Accepted && anyChosen) {
        Activation[index].setBackColor(Marked);
        for (int le = 0; le < 6; ++le)
            if (BoutonErase[le].backColor() == Marked) {
                p_.s.request->SubCommand[le] = ResetCodes[index];
                p_.s.request->EnableCooling[le] = SubCommandRequest;
            }
    }
    Timer8.setInterval(2000);
    Timer8.setEnabled(true);
}

void Usures::Timer1_Timer()
{
    passwords_ = loadWearPasswords(p_.rt.drive);
    Timer1.setEnabled(false);
}

void Usures::showResetSection(bool on)
{
    for (plat::Control* c : std::initializer_list<plat::Control*>{&Label3, &Label4, &Label6, &Line1}) c->setVisible(on);
    for (int k = 0; k < 3; ++k) {
        Text1[k].setEnabled(on);
        Activation[k].setEnabled(on);
    }
}

void Usures::Timer5_Timer()
{
    ParamLogicielVB& settings = *p_.form<ParamLogicielVB>();
    for (int le = 0; le < 6; ++le) {
        const bool active = settings.LEActivated(le);
        Label5[le].setVisible(active);
        for (int i = 0; i < 12; ++i) column(le)[i].setVisible(active);
        ReadCDM[le].setVisible(active);
    }
    if (Check1.value() != 1) {
        showResetSection(false);
        for (int k = 0; k < 3; ++k) {
            Text1[k].setText(QString());
            Activation[k].setBackColor(plat::ButtonFace);
        }
        for (int le = 0; le < 6; ++le) {
            BoutonErase[le].setBackColor(plat::ButtonFace);
            BoutonErase[le].setVisible(false);
        }
        return;
    }
    for (int le = 0; le < 6; ++le) BoutonErase[le].setVisible(settings.LEActivated(le));
    showResetSection(true);
    if (Timer8.enabled()) return;
    for (int k = 0; k < 3; ++k)
        Activation[k].setBackColor(wearPasswordMatches(Text1[k].text(), passwords_[k]) ? Accepted : plat::ButtonFace);
}

void Usures::Timer8_Timer()
{
    for (int k = 0; k < 3; ++k) Activation[k].setBackColor(plat::ButtonFace);
    Timer8.setEnabled(false);
}

} // namespace orv
