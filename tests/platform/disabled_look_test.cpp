// Disabled controls on a real window: drawn greyed as the desktop draws its
// own, their stored colours unchanged, and drawn as before once enabled again.
#include "platform/Controls.h"
#include "platform/Form.h"
#include "support/RuntimeFixture.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

using namespace plat;

namespace {

// Pixels of `img` within a small distance of `c` (text is smoothed: its
// inner pixels carry the colour itself).
int pixelsNear(const QImage& img, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) + std::abs(p.blue() - c.blue()) < 40)
                ++n;
        }
    return n;
}

class DisabledLookTest : public RuntimeTest {
protected:
    Form window{t.rt, "Look"};
    CommandButton plainButton{window, "PlainButton"};
    CommandButton colouredButton{window, "ColouredButton"};
    TextBox text{window, "Text1"};
    CheckBox check{window, "Check1"};
    OptionButton option{window, "Option1"};
    Label label{window, "Label1"};
};

TEST_F(DisabledLookTest, DisabledControlsDrawTheirTextGreyAndKeepTheirStoredColours)
{
    const Color blue = rgb(0, 0, 160);
    const Color yellow = rgb(255, 255, 128);
    window.move(0, 0, 6000, 6000);
    const struct {
        Control* control;
        Color back;
        std::function<void()> caption;
    } cases[] = {
        {&plainButton, ButtonFace, [&] { plainButton.setCaption("Read LE1"); }},
        {&colouredButton, yellow, [&] { colouredButton.setCaption("Single LE"); }},
        {&text, colors::White, [&] { text.setText("1234"); }},
        {&check, ButtonFace, [&] { check.setCaption("Reset"); }},
        {&option, ButtonFace, [&] { option.setCaption("Single LE"); }},
        {&label, yellow, [&] { label.setCaption("Counter"); }},
    };
    int top = 0;
    for (const auto& c : cases) {
        c.control->move(120, top, 1800, 450);
        top += 600;
        c.control->setFontSize(12);
        c.control->setBackColor(c.back);
        c.control->setForeColor(blue);
        c.caption();
    }
    label.setBackStyle(1);
    window.show();

    const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control->name().toStdString());
        QWidget* w = c.control->widget();
        const QImage enabled = w->grab().toImage();
        EXPECT_GT(pixelsNear(enabled, toQColor(blue)), 10);

        c.control->setEnabled(false);
        const QImage disabled = w->grab().toImage();
        EXPECT_EQ(pixelsNear(disabled, toQColor(blue)), 0);
        EXPECT_GT(pixelsNear(disabled, grey), 10);
        // The back colour stays; the stored values are the program's.
        const QPoint inside(w->width() - 4, w->height() / 2);
        EXPECT_EQ(disabled.pixelColor(inside), enabled.pixelColor(inside));
        EXPECT_EQ(c.control->foreColor(), blue);
        EXPECT_EQ(c.control->backColor(), c.back);

        c.control->setEnabled(true);
        EXPECT_EQ(w->grab().toImage(), enabled);
    }
}

} // namespace
