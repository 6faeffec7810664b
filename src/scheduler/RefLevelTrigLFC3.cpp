#include "scheduler/RefLevelTrigLFC3.h"
#include "platform/LineFile.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LeStrips.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"

namespace orv {

namespace {
const QString Lfc3File = QStringLiteral("Level.LFC3b.ini");
constexpr int PlaceDx = 12090;
constexpr int PlaceDy = 1215;
constexpr plat::Color LightRed = plat::rgb(0xFF, 0x80, 0x80);
constexpr plat::Color LightBlue = plat::rgb(0xC0, 0xC0, 0xFF);
constexpr plat::Color ValueGrey = plat::colors::LightGrey;

void captionAt(plat::Label& l, int x, int y, int w, const char* text)
{
    l.move(x, y, w, 255);
    l.setCaption(QString::fromUtf8(text));
    l.setBackStyle(0);
}

void valueAt(plat::Label& l, int x, int y, int w)
{
    l.move(x, y, w, 255);
    l.setBackColor(ValueGrey);
}
} // namespace

RefLevelTrigLFC3::RefLevelTrigLFC3(Program& p) : plat::Form(p.rt, "RefLevelTrigLFC3"), p_(p)
{
    setCaption(QString::fromUtf8("  Capteur (LFC3)  [Intégration R*C]"));
    move(0, 0, NarrowWidth, 4530);

    captionAt(Label1, 120, 150, 1815, "Select ...........  LE-");
    valueAt(Label2, 1980, 150, 495);
    captionAt(Label3, 120, 480, 1815, "Value LFC3 ...");
    valueAt(Label4, 1980, 480, 495);
    Picture1.move(2640, 300, 315, 315);
    Picture1.setBackColor(LightBlue);

    Frame1.move(120, 870, 1455, 1455);
    Frame1.setCaption(QStringLiteral("Value H1"));
    Text1.move(120, 300, 615, 285);
    captionAt(Label31, 780, 330, 615, "< 12 h");
    captionAt(Label30, 120, 690, 1215, "(H1 < 130)");
    Label33.move(120, 1020, 1215, 285);
    Label33.setAlignment(plat::Label::AlignCenter);
    Frame2.move(1680, 870, 1455, 1455);
    Frame2.setCaption(QStringLiteral("Value H2"));
    Text2.move(120, 300, 615, 285);
    captionAt(Label28, 780, 330, 615, "> 12 h");
    captionAt(Label6, 120, 690, 1215, "(H2 < 130)");
    Label34.move(120, 1020, 1215, 285);
    Label34.setAlignment(plat::Label::AlignCenter);

    captionAt(Label29, 120, 2430, 3015, "(START/STOP LE)");
    Label29.setAlignment(plat::Label::AlignCenter);
    captionAt(Label5, 120, 2790, 1095, "START test :");
    Text3.move(1320, 2760, 495, 285);
    captionAt(Label23, 1860, 2790, 195, "h");
    Text4.move(2100, 2760, 495, 285);
    captionAt(Label21, 120, 3150, 1095, "STOP   test :");
    Text5.move(1320, 3120, 495, 285);
    captionAt(Label26, 1860, 3150, 195, "h");
    Text6.move(2100, 3120, 495, 285);

    Valide.move(120, 3540, 1455, 420);
    Valide.setCaption(QStringLiteral("Valide "));
    Command1.move(1680, 3540, 1455, 420);
    Command1.setCaption(QStringLiteral("Cancel"));
    Command1.setCancel(true);   // Escape hides the window, as "Cancel" does

    // Computation panel, beyond the narrow width.
    const struct {
        plat::Label* caption;
        plat::Label* value;
        const char* text;
    } rows[] = {{&Label7, &Label16, "Valeur (Sonde BPW34) ......."},
                {&Label8, &Label17, "Trans (CAL) avant compare"},
                {&Label9, &Label18, "Diff     (V-T ou T-V) .............."},
                {&Label10, &Label19, "Diff_Norme .........................."},
                {&Label11, &Label20, "Consigne ............................."},
                {&Label12, &Label27, "We ......................................"},
                {&Label13, &Label22, "Coeff (Log.VScroll1.Value)"},
                {&Label14, &Label24, "Phase en cours  .................."},
                {&Label15, &Label32, "HMS .............................."}};
    int y = 150;
    for (const auto& r : rows) {
        captionAt(*r.caption, 3300, y, 2205, r.text);
        r.caption->setFontSize(7.5);
        valueAt(*r.value, 5550, y, 495);
        y += 330;
        if (r.value == &Label22) {   // p x 10 " We" stands below p
            valueAt(Label25, 4950, y, 1095);
            Label25.setAlignment(plat::Label::AlignRight);
            y += 330;
        }
    }

    const char* design[6] = {"0", "0", "07", "00", "23", "00"};
    for (int n = 1; n <= 6; ++n) text(n).setText(QString::fromLatin1(design[n - 1]));

    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Valide.onClick = [this] { Valide_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Picture1.onClick = [this] { Picture1_Click(); };
}

void RefLevelTrigLFC3::Form_Load()
{
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
}

plat::TextBox& RefLevelTrigLFC3::text(int n)
{
    plat::TextBox* boxes[6] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
    return *boxes[n - 1];
}

QString RefLevelTrigLFC3::twoDigits(const QString& t) { return (QStringLiteral("00") + t).right(2); }

void RefLevelTrigLFC3::Timer1_Timer()
{
    State& s = p_.s;
    SchedulerState& sc = *s.scheduler;
    if (s.schedule->FlagTailleLFC3 == 1) setWidth(NarrowWidth);
    const plat::Form& log = logForm(p_);
    setLeft(log.left() + PlaceDx);
    setTop(log.top() + PlaceDy);
    const int le = s.scheduler->IndiceLFC < LeCount ? s.scheduler->IndiceLFC : 0;
    Label2.setCaption(QString::number(le + 1));
    Label4.setCaption(leStrips(p_).Label42[le].caption());

    // Each line read replaces the value in force; a missing line keeps it.
    if (const auto file = baseFolderKnown(s) ? plat::LineFile::read(p_.rt.drive, inBase(s, Lfc3File)) : std::nullopt) {
        for (int i = 0; i < LeCount; ++i) {
            if (const auto t = file->text(2 * i + 1)) sc.LevelH1LFC3[i] = *t;
            if (const auto t = file->text(2 * i + 2)) sc.LevelH2LFC3[i] = *t;
        }
        if (const auto t = file->text(17)) Text1.setText(*t);
        if (const auto t = file->text(18)) Text2.setText(*t);
        for (int n = 3; n <= 6; ++n)
            if (const auto t = file->text(16 + n)) text(n).setText(twoDigits(*t));
        if (const auto t = file->text(23)) sc.ReserveLFC3 = *t;
    }
    sc.StartTestHH = Text3.text();
    sc.StartTestMM = Text4.text();
    sc.StopTestHH = Text5.text();
    sc.StopTestMM = Text6.text();
    Timer1.setEnabled(false);
}

void RefLevelTrigLFC3::Valide_Click()
{
    State& s = p_.s;
    SchedulerState& sc = *s.scheduler;
    QStringList lines;
    for (int i = 0; i < LeCount; ++i) lines << sc.LevelH1LFC3[i] << sc.LevelH2LFC3[i];
    lines << Text1.text() << Text2.text();
    QString* times[4] = {&sc.StartTestHH, &sc.StartTestMM, &sc.StopTestHH, &sc.StopTestMM};
    for (int n = 3; n <= 6; ++n) {
        text(n).setText(twoDigits(text(n).text()));
        *times[n - 3] = text(n).text();
        lines << text(n).text();
    }
    lines << sc.ReserveLFC3;
    // A file that cannot be written keeps its old content; the boxes hold the values.
    if (baseFolderKnown(s)) plat::writeLines(p_.rt.drive, inBase(s, Lfc3File), lines);

    hide();
    SelectionStart& w = *p_.form<SelectionStart>();
    w.hide();
    if (s.schedule->Selbin == 0) {
        plat::PictureBox& strip = w.Picture2;
        strip.canvas().clearPicture();
        strip.canvas().cls();
        strip.setBackColor(plat::colors::LightGrey);
        strip.setBorderStyle(1);
    }
    w.Timer2.setEnabled(true);
}

void RefLevelTrigLFC3::Command1_Click() { hide(); }

void RefLevelTrigLFC3::Picture1_Click()
{
    State& s = p_.s;
    if (s.schedule->FlagTailleLFC3 == 1) {
        setWidth(WideWidth);
        s.schedule->FlagTailleLFC3 = 0;
    } else {
        setWidth(NarrowWidth);
        s.schedule->FlagTailleLFC3 = 1;
    }
}

void RefLevelTrigLFC3::Timer2_Timer()
{
    Picture1.setBackColor(LightRed);
    Timer3.setEnabled(true);
    Timer2.setEnabled(false);
}

void RefLevelTrigLFC3::Timer3_Timer()
{
    Timer2.setEnabled(true);
    Timer3.setEnabled(false);
    Picture1.setBackColor(LightBlue);
}

} // namespace orv
