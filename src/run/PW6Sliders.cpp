#include "run/PW6Sliders.h"
#include "shell/LeStrips.h"

#include "link/SetPointFile.h"
#include "platform/SeqFile.h"
#include "platform/VbText.h"
#include "shell/LinkRequest.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/State.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orv {

namespace {

constexpr int Sliders = 6;
constexpr int ClientWidth = 5130, ClientHeight = 6060;

constexpr int TrackLeft = 2160, TrackStep = 480, TrackTop = 960, TrackWidth = 285, TrackHeight = 4150;
constexpr int ThumbWidth = 255, ThumbHeight = 135;
constexpr int ValueTop = 5280, NameTop = 5640, CaptionWidth = 480, CaptionHeight = 255;

// Pointer positions inside a track, and the values they give.
constexpr double PointerTop = 60, PointerBottom = 4050;
constexpr int MinValue = 30, MaxValue = 130;

constexpr plat::Color LightBlue = plat::rgb(192, 192, 255);
constexpr plat::Color LightGreen = plat::rgb(192, 255, 192);
constexpr plat::Color DarkBlue = plat::rgb(0, 0, 128);
// The system's window colour, as the tracks show it.
constexpr plat::Color TrackColour = plat::colors::White;

const QString IndividualCaption = QStringLiteral("PWe Individuel");
const QString GroupCaption = QStringLiteral("PWe Group");

int labelValue(const plat::Label& l) { return int(plat::vbVal(l.caption())); }

int sign(int v) { return (v > 0) - (v < 0); }

// Line n (1-8) of the set-point file as it stands, when it holds a set-point.
struct SavedLine {
    QString text;
    int16_t value;
};
std::array<std::optional<SavedLine>, 8> savedLines(const plat::Drive& drive, const QString& path)
{
    std::array<std::optional<SavedLine>, 8> lines;
    auto in = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Input);
    if (!in) return lines;
    for (auto& line : lines) {
        const auto text = in->lineInput();
        if (!text) break;
        const auto number = plat::toDouble(*text);
        const auto whole = number ? plat::vbRound(*number) : std::nullopt;
        if (whole && *whole >= 0 && *whole <= 255) line = SavedLine{*text, int16_t(*whole)};
    }
    return lines;
}

} // namespace

PW6Sliders::PW6Sliders(Program& p) : plat::Form(p.rt, "PW6Sliders"), p_(p)
{
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(LightBlue);
    Backdrop.move(0, 0, ClientWidth, ClientHeight);
    Backdrop.setBorderStyle(0);
    Backdrop.setBackColor(LightBlue);

    for (int i = 0; i < Sliders; ++i) {
        plat::PictureBox& track = Picture1.add(i);
        const int left = TrackLeft + TrackStep * i;
        track.move(left, TrackTop, TrackWidth, TrackHeight);
        track.setBackColor(TrackColour);
        track.onMouseDown = [this, i](const plat::MouseArgs& a) { Picture1_MouseDown(i, a.button, a.shift, a.x, a.y); };
        track.onMouseMove = [this, i](const plat::MouseArgs& a) { Picture1_MouseMove(i, a.button, a.shift, a.x, a.y); };

        plat::Label& thumb = Label1.add(i, &track);
        thumb.move((TrackWidth - ThumbWidth) / 2, TrackHeight - ThumbHeight, ThumbWidth, ThumbHeight);
        thumb.setBackColor(LightGreen);

        const int captionLeft = left + TrackWidth / 2 - CaptionWidth / 2;
        plat::Label& value = Label8.add(i);
        value.move(captionLeft, ValueTop, CaptionWidth, CaptionHeight);
        value.setAlignment(plat::Label::AlignCenter);
        value.setBackStyle(0);
        plat::Label& name = Label2.add(i);
        name.move(captionLeft, NameTop, CaptionWidth, CaptionHeight);
        name.setAlignment(plat::Label::AlignCenter);
        name.setBackStyle(0);
        name.setCaption(QStringLiteral("LE%1").arg(i + 1));
    }

    Check2.move(240, 1200, 1695, 300);
    Check2.setCaption(IndividualCaption);
    Check2.setBackColor(LightBlue);
    PresetEgal.move(240, 2400, 1455, 495);
    PresetEgal.setCaption(QStringLiteral("Preset (=)"));
    PWValide.move(240, 3240, 1455, 495);
    PWValide.setCaption(QStringLiteral("Valide PW"));
    PWValide.setBackColor(LightGreen);
    FermerPW6FR.move(240, 4560, 1455, 495);
    FermerPW6FR.setCaption(QStringLiteral("Quit"));

    // The frame around LE-1's track.
    const int l = TrackLeft - 60, r = TrackLeft + TrackWidth + 60, t = TrackTop - 60, b = TrackTop + TrackHeight + 60;
    Line2.setPoints(l, t, r, t);
    Line3.setPoints(l, b, r, b);
    Line4.setPoints(l, t, l, b);
    Line5.setPoints(r, t, r, b);
    for (plat::Line* line : {&Line2, &Line3, &Line4, &Line5}) {
        line->setBorderColor(plat::colors::Blue);
        line->setVisible(false);
    }

    Check2.onClick = [this] { Check2_Click(); };
    PresetEgal.onClick = [this] { PresetEgal_Click(); };
    PWValide.onClick = [this] { PWValide_Click(); };
    FermerPW6FR.onClick = [this] { FermerPW6FR_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void PW6Sliders::Form_Load()
{
    Timer1.setEnabled(true);
    setCaption(QStringLiteral(" PWe in Individual or Group"));
}

// Draws the grid and puts the sliders back to the set-points of the file.
// A file that cannot be opened leaves the sliders as they are.
void PW6Sliders::Timer1_Timer()
{
    plat::Canvas& c = Backdrop.canvas();
    for (int y = 1140; y <= 5140; y += 400)
        for (int x = 400; x <= 3460; x += 60) c.pset(x, y, DarkBlue);

    State& s = p_.s;
    if (const auto values = readSetPoints(p_)) {
        for (int i = 0; i < Sliders; ++i) {
            s.runShared->ConsignePWIni[i] = (*values)[i];
            placeThumb(i, s.runShared->ConsignePWIni[i]);
            Label8[i].setCaption(QString::number(s.runShared->ConsignePWIni[i]));
        }
    }
    Timer1.setEnabled(false);
}

void PW6Sliders::placeThumb(int index, int value)
{
    PW6ThumbTop[index] = 4000 - 40 * (value - MinValue);
    Label1[index].setTop(PW6ThumbTop[index]);
}

void PW6Sliders::pointerOn(int index, int button, double y)
{
    y = std::clamp(y, PointerTop, PointerBottom);
    for (int i = 0; i < Sliders; ++i) Label1[i].setBackColor(LightGreen);
    Label1[index].setBackColor(plat::colors::Green);
    if (button == plat::LeftButton) {
        Label1[index].setTop(int(y) - ThumbHeight / 2);
        Label8[index].setCaption(QString::number(131 - int(std::floor(y / 40))));
    }
}

void PW6Sliders::Picture1_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    if (Index < 0 || Index >= Sliders) return;
    pointerOn(Index, Button, Y);
}

void PW6Sliders::Picture1_MouseMove(int Index, int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    if (Index < 0 || Index >= Sliders) return;
    pointerOn(Index, Button, Y);
    if (Check2.caption() == IndividualCaption) recordArrangement();
    else followLE1();
}

void PW6Sliders::recordArrangement()
{
    for (int k = 0; k < Sliders; ++k) PW6Value[k] = int16_t(labelValue(Label8[k]));
    PW6Offset[0] = 0;
    PW6OffsetSign[0] = 0;
    for (int k = 1; k < Sliders; ++k) {
        const int d = PW6Value[0] - PW6Value[k];
        PW6Offset[k] = int16_t(std::abs(d));
        PW6OffsetSign[k] = int16_t(sign(d));
    }
}

// The other five keep their recorded distance from LE-1, even outside 30 to
// 130: such a value shows, and its track turns orange, until validation clamps it.
void PW6Sliders::followLE1()
{
    PW6Value[0] = int16_t(labelValue(Label8[0]));
    PW6Offset[0] = 0;
    PW6OffsetSign[0] = 0;
    for (int k = 1; k < Sliders; ++k) {
        const int v = PW6OffsetSign[k] == -1 ? PW6Value[0] + PW6Offset[k] : PW6Value[0] - PW6Offset[k];
        Label8[k].setCaption(QString::number(v));
        placeThumb(k, labelValue(Label8[k]));
    }
    for (int i = 0; i < Sliders; ++i) {
        const int v = labelValue(Label8[i]);
        Picture1[i].setBackColor(v > MaxValue || v < MinValue ? plat::colors::Orange : TrackColour);
    }
}

void PW6Sliders::Check2_Click()
{
    const bool group = Check2.value() == 1;
    Check2.setCaption(group ? GroupCaption : IndividualCaption);
    for (int k = 1; k < Sliders; ++k) Picture1[k].setEnabled(!group);
    if (!group) {
        PW6Value[0] = int16_t(labelValue(Label8[0]));
        PW6Offset[0] = 0;
        PW6OffsetSign[0] = 0;
    }
    for (plat::Line* line : {&Line2, &Line3, &Line4, &Line5}) line->setVisible(group);
    Timer1.setEnabled(true);
}

void PW6Sliders::PresetEgal_Click()
{
    for (int i = 0; i < Sliders; ++i) Picture1[i].setBackColor(TrackColour);
    PW6Value[0] = int16_t(labelValue(Label8[0]));
    PW6Offset[0] = 0;
    PW6OffsetSign[0] = 0;
    for (int k = 1; k < Sliders; ++k) {
        PW6Value[k] = PW6Value[0];
        PW6Offset[k] = 0;
        PW6OffsetSign[k] = 0;
    }
    for (int k = 1; k < Sliders; ++k) {
        placeThumb(k, labelValue(Label8[0]));
        Label8[k].setCaption(QString::number(PW6Value[0]));
    }
}

// Lines 1 to 6 take the six sliders, clamped to 30-130, in text form; lines
// 7 and 8 keep the set-points saved for LE-7 and LE-8 as they are written
// (from the working copy when the file no longer holds them). A file that
// cannot be written still leaves the new set-points in force.
void PW6Sliders::PWValide_Click()
{
    State& s = p_.s;
    LeStrips& strips = leStrips(p_);
    const QString path = setPointFilePath(s.common->BaseFolder);
    const auto saved = savedLines(p_.rt.drive, path);

    QStringList lines;
    for (int i = 0; i < Sliders; ++i) {
        plat::Label& value = Label8[i];
        if (labelValue(value) > MaxValue) value.setCaption(QString::number(MaxValue));
        if (labelValue(value) < MinValue) value.setCaption(QString::number(MinValue));
        s.request->ConsignePW[i] = uint8_t(labelValue(value));
        s.runShared->ConsignePWIni[i] = s.request->ConsignePW[i];
        strips.Label15[i].setCaption(QString::number(s.runShared->ConsignePWIni[i] * 10));
        lines << value.caption();
    }
    for (int i = Sliders; i < LeCount; ++i) {
        if (saved[i]) s.runShared->ConsignePWIni[i] = saved[i]->value;
        strips.Label15[i].setCaption(QString::number(s.runShared->ConsignePWIni[i] * 10));
        lines << (saved[i] ? saved[i]->text : plat::printForm(s.runShared->ConsignePWIni[i]));
    }

    if (auto out = plat::SeqFile::open(p_.rt.drive, path, plat::SeqFile::Mode::Output)) {
        for (const QString& line : lines) out->printText(line);
        out->close();
    }
}

void PW6Sliders::FermerPW6FR_Click() { hide(); }

} // namespace orv
