#include "traces/VisualiserImagesHMS.h"

#include "platform/Drive.h"
#include "platform/VbText.h"
#include "shell/Program.h"
#include "shell/State.h"
#include "traces/TracesState.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>

namespace orv {

namespace {

constexpr int ClientWidth = 12720;
constexpr int ClientHeight = 10200;
constexpr int StripLeft = 720;
constexpr int StripWidth = 11535;
constexpr int StripHeight = 375;
constexpr int StripPitch = 720;
constexpr int TwipsPerHour = 480;
constexpr int ScanRow = 150;        // the row of a strip that holds the occupation band
constexpr int ScanEnd = 11519;      // last position of the day
constexpr plat::Color Occupied = plat::colors::Green;   // 65280
constexpr plat::Color StripGrey = plat::colors::LightGrey;
constexpr plat::Color ScaleBlue = plat::rgb(0, 0, 128);
// The hour scale runs down past the lowest strip, so that its numbers stand
// below all eight strips instead of under the LE-7 strip.
constexpr int ScaleTop = 600;
constexpr int ScaleBottom = StripPitch * 8 + StripHeight + 45;   // 6180
constexpr int ScaleNumbersY = ScaleBottom + 75;
const char* const StripSuffix[8] = {"_02.bmp", "_03.bmp", "_04.bmp", "_05.bmp",
                                    "_06.bmp", "_07.bmp", "_08.bmp", "_09.bmp"};

QString imagesFolder(const Program& p) { return p.s.common->BaseFolder + QStringLiteral("\\Images_Traces\\"); }

} // namespace

VisualiserImagesHMS::VisualiserImagesHMS(Program& p)
    : plat::Form(p.rt, "VisualiserImagesHMS"), p_(p),
      strips_{&Picture1, &Picture2, &Picture3, &Picture4, &Picture5, &Picture6, &Picture7, &Picture8}
{
    setCaption(QStringLiteral(" Occupation des LE-x"));
    setClientSize(ClientWidth, ClientHeight);
    FormSurface.move(0, 0, ClientWidth, ClientHeight);

    Label9.move(720, 240, 3375, 255);
    Label10.move(8040, 120, 855, 255);
    Label11.move(8040, 360, 855, 255);
    plat::Label* captions[8] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label14, &Label15};
    for (int le = 0; le < 8; ++le) {
        const int top = StripPitch * (le + 1);
        captions[le]->move(120, top, 495, 255);
        captions[le]->setCaption(QStringLiteral("LE-%1").arg(le + 1));
        captions[le]->setBackStyle(0);
        plat::PictureBox& s = strip(le);
        s.move(StripLeft, top, StripWidth, StripHeight);
        s.setBackColor(StripGrey);
    }
    Label9.setBackStyle(0);
    Label10.setBackStyle(0);
    Label11.setBackStyle(0);
    List3.move(720, 7560, 1455, 2010);
    List2.move(9240, 6960, 3135, 2790);
    List1.move(2280, 7560, 1455, 2010);
    List1.setVisible(false);

    Timer1.onTimer = [this] { Timer1_Timer(); };
    List3.onClick = [this] { List3_Click(); };
    for (int le = 0; le < 6; ++le) {
        strip(le).onMouseDown = [this, le](const plat::MouseArgs&) { Picture_MouseDown(le); };
        strip(le).onMouseMove = [this, le](const plat::MouseArgs& a) { Picture_MouseMove(le, a); };
    }
}

void VisualiserImagesHMS::Form_Load()
{
    Label9.setCaption(QString());
    Timer1.setEnabled(true);
}

void VisualiserImagesHMS::Calcul(int32_t& x)
{
    const int32_t hours = x / TwipsPerHour;
    const int32_t minutes = (x - TwipsPerHour * hours) / 8;
    p_.s.traces->HeureMinute = QStringLiteral(" %1h%2").arg(hours).arg(minutes, 2, 10, QLatin1Char('0'));
}

void VisualiserImagesHMS::Timer1_Timer()
{
    drawHourScale();
    listDays();
    Timer1.setEnabled(false);
}

void VisualiserImagesHMS::drawHourScale()
{
    plat::Canvas& c = FormSurface.canvas();
    c.setForeColor(plat::colors::Black);
    for (int h = 0; h <= 24; ++h) {
        const int x = StripLeft + TwipsPerHour * h;
        for (int y = ScaleTop; y <= ScaleBottom; y += 60) c.pset(x, y, ScaleBlue);
        c.setCurrentX(h < 10 ? x - 75 : x - 150);
        c.setCurrentY(ScaleNumbersY);
        c.print(QStringLiteral(" %1").arg(h));
    }
}

// A day is available when its LE-1 image, "dd.mm.yyyy_02.bmp" of a date
// that exists, is in the folder; its key " yyyy.mm.dd" sorts by date as text.
// Any other name is not a day: opening it would read images that no day has.
void VisualiserImagesHMS::listDays()
{
    static const QRegularExpression dayImage(QStringLiteral("^(\\d\\d)\\.(\\d\\d)\\.(\\d{4})_02\\.bmp$"),
                                             QRegularExpression::CaseInsensitiveOption);
    List1.clear();
    QStringList keys;
    for (const QString& name : p_.rt.drive.list(imagesFolder(p_), plat::Drive::Kind::Files)) {
        const QRegularExpressionMatch m = dayImage.match(name);
        if (!m.hasMatch()) continue;
        if (!QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt()).isValid()) continue;
        keys << QStringLiteral(" ") + m.captured(3) + QStringLiteral(".") + m.captured(2) + QStringLiteral(".")
                    + m.captured(1);
    }
    std::sort(keys.begin(), keys.end());
    for (const QString& k : keys) List1.addItem(k);
    for (int i = List1.listCount() - 1; i >= 0; --i) List3.addItem(List1.list(i));
}

void VisualiserImagesHMS::List3_Click()
{
    const QString key = List3.list(List3.listIndex());
    if (key.isEmpty()) return;
    Timer1.setEnabled(true);
    const QString date = plat::right(key, 2) + QStringLiteral(".") + plat::mid(key, 7, 2) + QStringLiteral(".")
                         + plat::mid(key, 2, 4);
    // A day image that is missing or unreadable leaves its strip plain grey.
    for (int le = 0; le < 8; ++le) {
        const QString path = imagesFolder(p_) + date + QString::fromLatin1(StripSuffix[le]);
        plat::Canvas& c = strip(le).canvas();
        const auto image = p_.rt.drive.fileExists(path) ? plat::Canvas::load(p_.rt.drive.hostPath(path))
                                                         : std::nullopt;
        if (image)
            c.setPicture(*image);
        else
            c.clearPicture();
    }
    Label9.setCaption(QStringLiteral("Visualise la date du : ") + date);
    List3.clear();
}

void VisualiserImagesHMS::Picture_MouseDown(int le)
{
    const plat::Canvas& c = strip(le).canvas();
    List2.clear();
    bool occupied = false;
    for (int32_t x = 1; x <= ScanEnd; ++x) {
        const plat::Color colour = c.point(x, ScanRow);
        if (colour == Occupied && !occupied) {
            occupied = true;
            Calcul(x);
            List2.addItem(QString::number(x) + QStringLiteral("  H= ") + QString::number(Occupied)
                          + QStringLiteral("      ") + p_.s.traces->HeureMinute);
        } else if (colour != Occupied && occupied) {
            Calcul(x);
            List2.addItem(QString::number(x) + QStringLiteral("  L= ") + QString::number(colour)
                          + QStringLiteral("  ") + p_.s.traces->HeureMinute);
            occupied = false;
        }
    }
}

void VisualiserImagesHMS::Picture_MouseMove(int le, const plat::MouseArgs& a)
{
    const QString x = QString::number(int(a.x));
    const QString y = QString::number(int(a.y));
    Label10.setCaption(le == 0 ? QStringLiteral("X= ") + x : x);
    Label11.setCaption(le == 0 ? QStringLiteral("Y= ") + y : y);
}

} // namespace orv
