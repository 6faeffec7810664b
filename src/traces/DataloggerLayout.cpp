// The set-up window's controls: positions (twips), captions and colours.

#include "traces/Datalogger.h"

#include "traces/LoggerFiles.h"

namespace orv {

namespace {

constexpr int ClientWidth = 9720;
constexpr int ClientHeight = 7200;
constexpr plat::Color StepBlue = plat::rgb(0, 0, 192);
constexpr plat::Color PanelYellow = plat::rgb(255, 255, 192);

const char* const TypeCaptions[4] = {"ASCII    (raw data)", "CSV      (raw data)", "ASCII    (phys. units)",
                                     "CSV      (phys. units)"};
const char* const SeparatorCaptions[2] = {" ( , )  ", " ( ; )  "};

struct Channel {
    const char* check;
    const char* text;
    const char* unit;
};
const Channel Channels[logger::ChannelCount] = {
    {"[LPC] ", "Lamp Plasma Control ........................", ".......[AU]"},
    {"[LFC]", "Light Flux Control ...............................", "........ [%]"},
    {"[VIS]    ", "Light Intensity ....................................", "[W/m2]"},
    {"[IR]       ", "IR Light Intensity ...............................", ".......[%]"},
    {"[RH]     ", "Relative Humidity At Samples ............", "[0-100%]"},
    {"[LOS]   ", "Light Output Setting ..........................", "........[W]"},
    {"[SHT]   ", "Sample Holder Temperature ..............", ".....[\u00B0C/F]"},
    {"[MAT]  ", "Magnetron Anode Temperature.........", ".....[\u00B0C/F]"},
    {"        ", "S-Lamp Burning Time [H]", nullptr},
    {"        ", "H-Lamp Burning Time [H]", nullptr},
    {"        ", "Magnetron Operating Time [H]", nullptr},
    {"        ", "Spare Channel", nullptr},
    {"        ", "Spare Channel", nullptr},
    {"        ", "Spare Channel", nullptr},
    {"        ", "Spare Channel", nullptr},
    {"        ", "Spare Channel", nullptr},
};
const char* const PeriodCaptions[logger::PeriodCount] = {"1", "2", "5", "10", "20", "30", "1", "2", "3", "4", "5"};

void stepLabel(plat::Label& l, int left, int top, int width, const char* text, bool bold)
{
    l.move(left, top, width, 255);
    l.setCaption(QString::fromUtf8(text));
    l.setBackStyle(0);
    l.setFontBold(bold);
    if (bold) l.setForeColor(StepBlue);
}

} // namespace

void Datalogger::layout()
{
    setClientSize(ClientWidth, ClientHeight);

    // Step 1
    stepLabel(Label1, 120, 120, 1000, "Step 1", true);
    Frame1.move(120, 420, 3135, 1560);
    Frame1.setCaption(QStringLiteral(" File type "));
    for (int i = 0; i < 4; ++i) {
        plat::OptionButton& o = Option1.add(i, &Frame1);
        o.move(120, 300 + 300 * i, 2880, 255);
        o.setCaption(QString::fromLatin1(TypeCaptions[i]));
    }
    Frame2.move(3360, 420, 1575, 1560);
    Frame2.setCaption(QStringLiteral(" Separator "));
    for (int i = 0; i < 2; ++i) {
        plat::OptionButton& o = Option2.add(i, &Frame2);
        o.move(240, 420 + 480 * i, 1200, 255);
        o.setCaption(QString::fromLatin1(SeparatorCaptions[i]));
    }
    Command1.move(5040, 480, 2535, 495);
    Command1.setCaption(QStringLiteral("Create data logging file"));
    Label7.move(5040, 1140, 4560, 495);
    Label7.setBorderStyle(1);
    Label7.setBackColor(plat::colors::White);

    // The existing-file panel over the channels' right side.
    Picture1.move(6600, 2160, 3000, 3360);
    Picture1.setBackColor(PanelYellow);
    Picture1.setBorderStyle(1);
    Picture2.move(120, 120, 375, 375);
    Picture2.setBackColor(plat::colors::Yellow);
    Picture2.canvas().setFontBold(true);
    Picture2.canvas().setFontSize(12);
    Picture2.canvas().setCurrentX(120);
    Picture2.canvas().setCurrentY(30);
    Picture2.canvas().print(QStringLiteral("!"));
    Label35.move(600, 180, 2280, 255);
    Label35.setCaption(QStringLiteral(" This file exists already"));
    Label35.setBackStyle(0);
    Label35.setFontBold(true);
    List1.move(120, 600, 2745, 1815);
    EAppend.move(120, 2460, 2745, 375);
    EAppend.setCaption(QStringLiteral("Append to file"));
    EErase.move(120, 2880, 2745, 375);
    EErase.setCaption(QStringLiteral("Overwrite file"));
    Picture1.setVisible(false);

    // Step 2
    stepLabel(Label2, 120, 2160, 1000, "Step 2", true);
    stepLabel(Label5, 1200, 2160, 3000, "Sensor selection", false);
    for (int i = 0; i < logger::ChannelCount; ++i) {
        const Channel& c = Channels[i];
        const bool shown = i < logger::WrittenChannels;
        const int top = 2520 + 300 * (i % logger::WrittenChannels);
        plat::CheckBox& box = Check1.add(i);
        box.move(120, top, 1080, 255);
        box.setCaption(QString::fromLatin1(c.check));
        box.setVisible(shown);
        channelText_[i] = std::make_unique<plat::Label>(*this, QStringLiteral("Label%1").arg(11 + i));
        stepLabel(*channelText_[i], 1260, top, 3720, c.text, false);
        channelText_[i]->setVisible(shown);
        if (c.unit) {
            channelUnit_[i] = std::make_unique<plat::Label>(*this, QStringLiteral("Label%1").arg(27 + i));
            stepLabel(*channelUnit_[i], 5040, top, 1215, c.unit, false);
        }
    }

    // Step 3
    stepLabel(Label3, 120, 5040, 1000, "Step 3", true);
    stepLabel(Label6, 1200, 5040, 4500, "Select time interval between measurements", false);
    for (int k = 0; k < logger::PeriodCount; ++k) {
        plat::CommandButton& b = Sel.add(k);
        const bool hours = k >= 6;
        b.move(1200 + 600 * (hours ? k - 6 : k), hours ? 5820 : 5400, 555, 375);
        b.setCaption(QString::fromLatin1(PeriodCaptions[k]));
    }
    stepLabel(Label8, 4920, 5460, 1095, "Minute(s)", false);
    stepLabel(Label10, 4320, 5880, 1095, "Hours", false);
    Label9.move(6240, 5640, 855, 255);
    Label9.setCaption(QStringLiteral("---"));
    Label9.setBorderStyle(1);
    Label9.setBackColor(plat::colors::White);
    Label9.setAlignment(plat::Label::AlignCenter);

    // Step 4
    stepLabel(Label4, 120, 6480, 1000, "Step 4", true);
    Activation.move(1200, 6390, 3615, 495);
    Activation.setCaption(QStringLiteral("Press to START"));
}

} // namespace orv
