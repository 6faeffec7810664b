#include "scheduler/SelectionStart.h"

#include "platform/Drive.h"
#include "platform/LineFile.h"
#include "platform/VbText.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/StripModel.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

namespace orv {

namespace {

constexpr int ClientWidth = 12720;
constexpr int StripLeft = 720;           // strips' left edge in the scale
constexpr int StripPitch = 720;          // LE-1's strip at 720, each next 720 lower
constexpr int LabelWidth = 615, LabelHeight = 255;
constexpr int HeightOpened = 9800;       // after each opening
constexpr int HeightDiagnostic = 12800;  // diagnostic area in view
constexpr int HeightNoDiagnostic = 9860;
const plat::Color DarkBlue = plat::rgb(0, 0, 128);   // colour 1 of the basic palette
const plat::Color CursorBox = plat::rgb(160, 160, 255);
const plat::Color Panel = plat::rgb(192, 192, 192);

const QString PositionFile = QStringLiteral("AdressesFenetresStart.ini");

// The diagnostic area's captions, in row order down each column.
const char* const DiagCaptions[25] = {
    "FlagSym              (Sym)", "FlagSymBlocage (Asym)", "FlagVerouillage   (Plan)", "StartSymStop(No)",
    "FlagSymEtat(No)", "A=B ok", "Execute", "Arret", "FlagEtat(No)", "Indice Selbin", "No Picture",
    "Tempo(No)", "StartNorm(No)", "StartSym(No)", "CompteursSym(No)", "StartStop(No)", "ActivationLP",
    "Compteurs(No)", "Data NBCycles", "Pass", "PhaseLP(0)", "FlagPhase6(No)", "ComptageTempo(No)",
    "ComptageSymTempo(No)", "xx"};

} // namespace

QString selectionText(int n) { return QStringLiteral("Sélection en cours :  LE-%1").arg(n); }

SelectionStart::SelectionStart(Program& p) : plat::Form(p.rt, "SelectionStart"), p_(p)
{
    DayStrips = {&Picture2, &Picture3, &Picture4, &Picture5, &Picture6, &Picture7, &Picture8, &Picture9};
    layOut();
    wireStrips();
    wireMenus();
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Picture1.onMouseMove = [this](const plat::MouseArgs& a) { Picture1_MouseMove(a.button, a.shift, a.x, a.y); };
    Picture11.onClick = [this] { Picture11_Click(); };
    onVisibleChange = [this](bool shown) { opened_ = opened_ || shown; };
    wireScheduler();
}

SchedulerState& SelectionStart::model() { return *p_.s.scheduler; }

void SelectionStart::layOut()
{
    setCaption(QStringLiteral("  Selection Start "));
    move(0, 0, ClientWidth + 120, 9105);

    Picture11.move(12240, 60, 495, 495);
    Picture11.setBackColor(Panel);
    Picture1.move(120, 120, 12495, 6615);
    Picture1.setBackColor(plat::colors::White);

    Label12.move(120, 0, 1500, 240);
    Label13.move(120, 240, 1500, 240);
    Label12.setVisible(false);
    Label13.setVisible(false);

    for (int le = 0; le < 8; ++le) {
        const int top = StripPitch * (le + 1);
        plat::PictureBox& s = strip(le);
        s.move(StripLeft, top, strip::StripWidth, strip::StripHeight);
        s.setBackColor(plat::colors::LightGrey);
        plat::Label& name = nameLabel(le);
        name.move(0, top, LabelWidth, LabelHeight);
        name.setAlignment(plat::Label::AlignCenter);
        name.setCaption(QStringLiteral("LE-%1").arg(le + 1));
        plat::Label& mode = modeLabel(le);
        mode.move(0, top + 240, LabelWidth, LabelHeight);
        mode.setAlignment(plat::Label::AlignCenter);
        mode.setCaption(QStringLiteral(" "));
    }

    // Diagnostic row at the top of the scale, and a note above each strip.
    plat::Label* row[14] = {&Label122, &Label123, &Label124, &Label125, &Label126, &Label127, &Label128,
                            &Label129, &Label130, &Label131, &Label132, &Label133, &Label134, &Label135};
    const char* rowCaptions[7] = {">", "Ref=", "=", "<", "We=", "Valeur=", "we/10="};
    for (int i = 0; i < 14; ++i) {
        row[i]->move(1800 + 690 * i, 60, 690, 240);
        row[i]->setCaption(i % 2 == 0 ? QString::fromUtf8(rowCaptions[i / 2]) : row[i]->name());
        row[i]->setVisible(false);
    }
    plat::Label* notes[8] = {&Label101, &Label102, &Label103, &Label100, &Label104, &Label105, &Label87, &Label88};
    const char* noteModes[8] = {"Label1", "Label2", "Label11", "Label17", "Label18", "Label19", "Label87", "Label88"};
    for (int le = 0; le < 8; ++le) {
        notes[le]->move(9120, StripPitch * (le + 1) - 255, 3300, 240);
        notes[le]->setCaption(QStringLiteral("%1, No=%2, Picture%3, Indice=%2, LE%4")
                                  .arg(QLatin1String(noteModes[le]))
                                  .arg(le)
                                  .arg(le + 2)
                                  .arg(le + 1));
        notes[le]->setVisible(false);
    }

    Label41.move(840, 6840, 5655, 255);
    Label41.setBackColor(Panel);

    // Symmetric-cycle panel: a row every 255 twips from 7200.
    struct Row {
        plat::Label* caption;
        const char* text;
        plat::Label* value;
        const char* initial;
        plat::Label* unit;
        const char* unitText;
    };
    const Row rows[6] = {
        {&Label31, "Compteur cycles effectués ....", &Label32, "0", nullptr, nullptr},
        {&Label24, "Step curseur ..........................", &Label25, "0", nullptr, nullptr},
        {&Label26, "Durée jours ou nuits ..................", &Label20, "0", &Label34, " Minutes"},
        {&Label27, "Durée de cycle complet ..........", &Label21, "0", &Label33, " Heure(s)"},
        {&Label29, "JMA (start) ................................ ", &Label30, "-", nullptr, nullptr},
        {&Label28, "HMS (start) ..................................", &Label22, "-", nullptr, nullptr},
    };
    for (int i = 0; i < 6; ++i) {
        const int top = 7200 + 255 * i;
        // The dotted leaders run on under the value, which is right-aligned
        // on a transparent back.
        rows[i].caption->move(840, top, 2760, 225);
        rows[i].caption->setFontSize(7);
        rows[i].caption->setBackStyle(0);
        rows[i].caption->setCaption(QString::fromUtf8(rows[i].text));
        rows[i].value->move(2880, top, 855, 225);
        rows[i].value->setAlignment(plat::Label::AlignRight);
        rows[i].value->setBackStyle(0);
        rows[i].value->setCaption(QString::fromUtf8(rows[i].initial));
        if (rows[i].unit) {
            rows[i].unit->move(3735, top, 840, 225);
            rows[i].unit->setCaption(QString::fromUtf8(rows[i].unitText));
        }
    }
    Label35.move(840, 7200 + 255 * 6, 2040, 225);
    Label35.setCaption(QStringLiteral("Nombre de cycle max :"));
    Text1.move(2880, 7200 + 255 * 6, 855, 255);
    Text1.setText(QStringLiteral("1"));
    Label106.move(3795, 7200 + 255 * 6, 120, 225);
    Label106.setCaption(QString());
    ConfigNormal();

    StartSortie.move(10440, 7320, 1935, 975);
    StartSortie.setCaption(QStringLiteral("START LE"));

    Line1.setPoints(240, 9240, 12480, 9240);
    plat::Label* values[25] = {&Label77, &Label53, &Label42, &Label111, &Label82, &Label80, &Label81,
                               &Label78, &Label83, &Label98, &Label96, &Label115, &Label107, &Label109,
                               &Label94, &Label95, &Label97, &Label84, &Label99, &Label69, &Label70,
                               &Label71, &Label93, &Label113, &Label86};
    // Each caption reaches its value's column, which leaves room for the longest.
    const int captionLeft[3] = {3720, 6600, 9480}, valueLeft[3] = {5640, 8520, 11520};
    for (int i = 0; i < 25; ++i) {
        const int column = i / 11, top = 9360 + 240 * (i % 11);
        LabelDiag[i] = std::make_unique<plat::Label>(*this, QStringLiteral("LabelDiag"), i);
        LabelDiag[i]->move(captionLeft[column], top, valueLeft[column] - captionLeft[column], 225);
        LabelDiag[i]->setCaption(QString::fromUtf8(DiagCaptions[i]));
        values[i]->move(valueLeft[column], top, 840, 225);
        values[i]->setCaption(QString());
    }

    List1.setVisible(false);
    List2.setVisible(false);
    mnu3Liste.setVisible(false);
}

plat::FormTimer& SelectionStart::symTimer(int le)
{
    plat::FormTimer* timers[8] = {&Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9, &Timer16, &Timer17};
    return *timers[le];
}

QString SelectionStart::modeText(int mode) { return modeCaption(mode); }

void SelectionStart::Timer1_Timer()
{
    State& s = p_.s;
    Picture1.canvas().cls();
    Label12.setVisible(false);
    Label13.setVisible(false);
    setHeight(HeightOpened);
    setLeft(s.scheduler->StartFenetreLeft);
    setTop(s.scheduler->StartFenetreTop);
    keepOnScreen();   // a saved place off every screen would leave the window out of reach
    opened_ = true;
    Timer2.setEnabled(true);

    // An LE without a recorded mode keeps its caption.
    for (int le = 0; le < 8; ++le)
        for (int m = 0; m <= 7; ++m)
            if (s.schedule->SelectionMode[le][m] == 1) modeLabel(le).setCaption(modeText(m));

    // The newest day with a saved LE-1 image: names keyed year.month.day.
    const QStringList names =
        p_.rt.drive.list(s.common->BaseFolder + QStringLiteral("\\Images_Traces"), plat::Drive::Kind::Files);
    List1.clear();
    List2.clear();
    QString newestKey, newestDay;
    for (const QString& name : names) {
        if (!name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) continue;
        if (plat::mid(name, 12, 2) != QLatin1String("02")) continue;
        const QString t = plat::left(name, 10);
        const QString key = plat::right(t, 4) + QLatin1Char('.') + plat::mid(t, 4, 2) + QLatin1Char('.')
                            + plat::left(t, 2);
        List1.addItem(name);
        List2.addItem(key);
        if (key > newestKey) {
            newestKey = key;
            newestDay = plat::left(t, 2) + QLatin1Char('.') + plat::mid(t, 4, 2) + QLatin1Char('.')
                        + plat::right(t, 4);
        }
    }
    if (!newestDay.isEmpty() && newestDay == imageDate(p_.rt.time.wallClock().date())) {
        for (int le = 0; le < 8; ++le)
            if (mode(le) == strip::Normal) loadDayImage(le, newestDay);
    }
    Timer1.setEnabled(false);
}

void SelectionStart::Timer2_Timer()
{
    State& s = p_.s;
    StripModel& m = model();
    plat::Canvas& c = Picture1.canvas();
    c.cls();
    for (int h = 0; h <= 24; ++h) {
        const int x = StripLeft + strip::UnitsPerHour * h;
        c.setCurrentX(x - (h <= 9 ? 75 : 150));
        c.setCurrentY(6350);
        c.print(plat::vbStr(h));
        for (int y = 600; y <= 6300; y += 60) c.pset(x, y, DarkBlue);
    }
    s.common->HeureCourante = p_.rt.timeText();
    s.common->DateCourante = p_.rt.dateText();
    m.CurseurHeureX = curseurHeureX(s.common->HeureCourante);
    const int C = m.CurseurHeureX;
    c.line(C, 195, C + 130, 330, plat::colors::Blue);
    c.line(C, 195, C, 6300, plat::colors::Blue);
    c.line(C + 130, 200, C + 880, 405, CursorBox, plat::Canvas::Box);
    c.setCurrentX(C + 180);
    c.setCurrentY(210);
    c.print(s.common->HeureCourante);
    Timer2.setEnabled(false);
}

void SelectionStart::Form_QueryUnload(int& cancel, int unloadMode)
{
    Q_UNUSED(unloadMode);
    SchedulerState& sc = model();
    for (int le = 0; le < 8; ++le) {
        nameLabel(le).setBackColor(plat::ButtonFace);
        modeLabel(le).setBackColor(plat::ButtonFace);
    }
    // A window never opened in this session stands where it was made, not
    // where it was saved: the saved place is kept.
    if (opened_) {
        sc.StartFenetreLeft = left();
        sc.StartFenetreTop = top();
    }
    // A file that cannot be written is skipped: the window closes all the same.
    plat::writeLines(p_.rt.drive, inBase(p_.s, PositionFile),
               {plat::printForm(sc.StartFenetreLeft), plat::printForm(sc.StartFenetreTop), QString(), QString(), QString(), QString()});
    cancel = 1;
    hide();
}

void SelectionStart::Picture1_MouseMove(int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Label12.setCaption(QStringLiteral("X= ") + plat::vbCStr(X));
    Label13.setCaption(QStringLiteral("Y= ") + plat::vbCStr(Y));
    setMousePointer(plat::Form::DefaultPointer);
}

void SelectionStart::Picture11_Click()
{
    SchedulerState& sc = *p_.s.scheduler;
    const bool show = sc.FlagAffDiagnostic == 0;
    sc.FlagAffDiagnostic = show ? 1 : 0;
    for (plat::Label* l : {&Label101, &Label102, &Label103, &Label100, &Label104, &Label105, &Label87, &Label88,
                           &Label12, &Label13, &Label122, &Label123, &Label124, &Label125, &Label126, &Label127,
                           &Label128, &Label129, &Label130, &Label131, &Label132, &Label133, &Label134, &Label135})
        l->setVisible(show);
    setHeight(show ? HeightDiagnostic : HeightNoDiagnostic);
}

namespace {
template <class F>
void forSymPanel(SelectionStart& w, F f)
{
    for (plat::Control* c : std::initializer_list<plat::Control*>{
             &w.Label20, &w.Label21, &w.Label22, &w.Label24, &w.Label25, &w.Label26, &w.Label27, &w.Label28,
             &w.Label29, &w.Label30, &w.Label31, &w.Label32, &w.Label33, &w.Label34, &w.Label35, &w.Text1,
             &w.Label106})
        f(*c);
}
} // namespace

void SelectionStart::ConfigNormal()
{
    forSymPanel(*this, [](plat::Control& c) { c.setVisible(false); });
}

void SelectionStart::ConfigSym()
{
    forSymPanel(*this, [](plat::Control& c) { c.setVisible(true); });
}

plat::Label& SelectionStart::nameLabel(int le)
{
    plat::Label* labels[8] = {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label89, &Label90};
    return *labels[le];
}

plat::Label& SelectionStart::modeLabel(int le)
{
    plat::Label* labels[8] = {&Label1, &Label2, &Label11, &Label17, &Label18, &Label19, &Label120, &Label121};
    return *labels[le];
}

plat::Menu& SelectionStart::pasteItem(int le)
{
    plat::Menu* items[8] = {&mnuLE1, &mnuLE2, &mnuLE3, &mnuLE4, &mnuLE5, &mnuLE6, &MnuLE7, &MnuLE8};
    return *items[le];
}

} // namespace orv
