// The main window as designed: where the controls that other parts rely on
// stand, what they read and show at load, and the stacking the login
// curtain depends on.

#include "shell/Log.h"
#include "support/ProgramFixture.h"

#include <QWidget>

using namespace orv;

namespace {

class LayoutTest : public ProgramTest {
protected:
    Log& w() { return *prog->Log; }
};

struct Place {
    const char* name;
    plat::Control* control;
    int left, top, width, height;   // -1: not fixed
};

TEST_F(LayoutTest, ControlsStandWhereTheWindowPlacesThem)
{
    Log& l = w();
    const Place places[] = {
        {"connect button", &l.ActiveDesactiveRS232, 120, 120, -1, -1},
        {"QTH button", &l.CommHalOperator, 4920, 120, 1575, 615},
        {"speed label", &l.Label9, 8040, 120, -1, -1},
        {"DA label", &l.Label22, 8040, 360, -1, -1},
        {"logger indicator", &l.Picture3, 6600, 120, 1335, 615},
        {"trace area", &l.Picture13, 120, 3720, 9340, 4215},
        {"I/O monitor", &l.Picture22, 11640, 3000, 3735, 7095},
        {"list 3", &l.List3, 120, 8280, 2335, -1},
        {"event list", &l.List4, 2445, 8280, 7065, -1},
        {"temperature bar", &l.Picture1, 9885, 3945, 120, 3870},
        {"red zone", &l.Picture9, 10200, 3960, 135, -1},
        {"orange zone", &l.Picture2[2], 10200, 4680, 135, -1},
        {"dark green zone", &l.Picture8, 10200, 5040, 135, -1},
        {"green zone", &l.Picture7, 10200, 6000, 135, -1},
        {"icon", &l.Picture11, 9705, 7800, 450, 375},
        {"temperature value", &l.Label68, 9720, 8400, -1, -1},
        {"MAT box", &l.Picture6[0], 9720, 8880, 1455, 495},
        {"SHT box", &l.Picture6[1], 9720, 9360, 1455, 495},
        {"lowest scale label", &l.Label79[0], 10560, 7560, -1, -1},
        {"highest scale label", &l.Label79[9], 10560, 3840, -1, -1},
        {"power slider", &l.VScroll1, 11880, 3720, 615, 4455},
        {"power value", &l.Label3, 11520, 8400, -1, -1},
        {"Single LE", &l.PWIndividuel, 11520, 8880, 1335, 495},
        {"Set All LE", &l.CopiePWSlider, 11520, 9360, 1335, 495},
        {"login panel", &l.Picture12, -1, -1, 3780, 4020},
        {"click area", &l.Picture14, 3360, 120, 255, 255},
        {"FADEC caption", &l.Label2[1], 360, 720, 3015, 375},
        {"banner", &l.Label29[6], 240, 1200, 3255, 615},
        {"password caption", &l.Label30[6], 360, 2160, 3015, 255},
        {"password box", &l.Text1, 360, 2400, 3015, 285},
        {"Quitt", &l.QuitteProg, 360, 3000, 855, 495},
        {"Validation", &l.OkStart, 1440, 3000, 1935, 495},
        {"curtain", &l.Picture10, 13200, 9000, 735, 855},
        {"Ready title", &l.Label74, 1200, 840, -1, -1},
        {"PWR in title", &l.Label17, 9120, 840, -1, -1},
        {"clock", &l.Label25, -1, 3360, -1, -1},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        // -1 marks a coordinate the table does not check.
        EXPECT_TRUE(p.left < 0 || p.control->left() == p.left) << p.control->left();
        EXPECT_TRUE(p.top < 0 || p.control->top() == p.top) << p.control->top();
        EXPECT_TRUE(p.width < 0 || p.control->width() == p.width) << p.control->width();
        EXPECT_TRUE(p.height < 0 || p.control->height() == p.height) << p.control->height();
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(l.Picture5[i].top(), 1200 + 240 * i);
        EXPECT_EQ(l.Picture5[i].width(), 9780);
        EXPECT_EQ(l.Picture4[i].left(), 120 + 1180 * i);
        EXPECT_EQ(l.Picture4[i].top(), 7960);
    }
}

TEST_F(LayoutTest, LoadStateOfCaptionsColoursAndVisibility)
{
    Log& l = w();
    EXPECT_EQ(l.caption(), "  Travin Light Engine Control (RS232)");
    EXPECT_EQ(l.ActiveDesactiveRS232.caption(), "Please Wait");
    EXPECT_FALSE(l.ActiveDesactiveRS232.enabled());
    EXPECT_FALSE(l.CommHalOperator.visible());
    EXPECT_EQ(l.CopiePWSlider.caption(), "Set All LE");
    EXPECT_EQ(l.CopiePWSlider.backColor(), plat::rgb(224, 224, 224));
    EXPECT_FALSE(l.CopiePWSlider.enabled());
    EXPECT_EQ(l.PWIndividuel.caption(), "Single LE");
    EXPECT_FALSE(l.PWIndividuel.enabled());
    EXPECT_EQ(l.Label17.backColor(), plat::rgb(255, 128, 0));
    EXPECT_EQ(l.Label9.backColor(), plat::rgb(128, 255, 255));
    for (plat::Label* h : {&l.Label6, &l.Label13, &l.Label8}) EXPECT_EQ(h->backColor(), plat::rgb(128, 255, 255));
    EXPECT_EQ(l.Label72.caption(), "MAT");
    EXPECT_EQ(l.Label75.caption(), "SHT");
    EXPECT_EQ(&l.Label72.parent(), static_cast<plat::Container*>(&l.Picture6[0]));
    EXPECT_EQ(l.Picture12.backColor(), plat::rgb(128, 255, 128));
    EXPECT_FALSE(l.Picture12.visible());
    EXPECT_EQ(l.Picture10.backColor(), plat::rgb(192, 192, 192));
    EXPECT_EQ(l.Text1.passwordChar(), "*");
    EXPECT_EQ(l.QuitteProg.caption(), "Quitt");
    EXPECT_EQ(l.OkStart.caption(), "Validation");
    EXPECT_EQ(l.Label25.caption(), "00.00.00  /  00.00.0000");
    EXPECT_EQ(l.VScroll1.value(), 50);
    EXPECT_FALSE(l.VScroll1.enabled());
    EXPECT_FALSE(l.VScroll2.visible());
    EXPECT_FALSE(l.Label49.visible());
    EXPECT_EQ(l.Label49.caption(), "0");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(l.Label26[i].caption(), QStringLiteral("LE%1").arg(i + 1));
        EXPECT_EQ(l.Label21[i].caption(), " ---");
        EXPECT_EQ(l.Label24[i].caption(), "---");
        EXPECT_FALSE(l.Label37[i].visible());
        EXPECT_FALSE(l.Label42[i].visible());
        EXPECT_FALSE(l.Label28[i].visible());
    }
    // Menus: the login items hidden, "OFF Datalogger" ticked.
    EXPECT_FALSE(l.mnuStartMode.visible());
    EXPECT_EQ(l.mnuStartMode.caption(), "Start in Mode (Password)");
    EXPECT_FALSE(l.mnuStartMode2.visible());
    EXPECT_TRUE(l.mnuOffDataLogger.checked());
    EXPECT_FALSE(l.mnuCreateDataLogger.checked());
    // Timers of load: arming, refresh (10 ms first), LFC-2 labels.
    EXPECT_TRUE(l.Timer2.enabled());
    EXPECT_TRUE(l.Timer3.enabled());
    EXPECT_EQ(l.Timer3.interval(), 10);
    EXPECT_TRUE(l.Timer8.enabled());
    EXPECT_FALSE(l.Timer64.enabled());
    EXPECT_EQ(l.Timer64.interval(), 2000);
}

// The curtain, spread over the window, covers the strips, the event list
// and the icon, and lies behind every other windowed control.
TEST_F(LayoutTest, TheCurtainCoversOnlyTheStripsTheEventListAndTheIcon)
{
    Log& l = w();
    l.show();
    l.Picture10.move(0, 0, l.width(), 10920);
    QWidget* surface = l.surface();
    auto topAt = [&](const plat::Control& c) {
        const QPoint centre = c.widget()->geometry().center();
        return surface->childAt(c.widget()->parentWidget()->mapTo(surface, centre));
    };
    for (const plat::Control* covered : std::initializer_list<const plat::Control*>{
             &l.Picture5[0], &l.Picture5[7], &l.List4, &l.Picture11, &l.Label25, &l.Label79[3]})
        EXPECT_EQ(topAt(*covered), l.Picture10.widget()) << covered->objectName().toStdString();
    for (const plat::Control* front : std::initializer_list<const plat::Control*>{
             &l.Picture13, &l.List3, &l.VScroll1, &l.ActiveDesactiveRS232, &l.Picture6[0], &l.Picture2[2],
             &l.Picture7, &l.Picture1, &l.Picture4[3], &l.CopiePWSlider})
        EXPECT_NE(topAt(*front), l.Picture10.widget()) << front->objectName().toStdString();
    // The login panel lies in front of the curtain.
    l.Picture12.setVisible(true);
    const QPoint panelCentre = l.Picture12.widget()->geometry().center();
    QWidget* hit = surface->childAt(panelCentre);
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == l.Picture12.widget() || l.Picture12.widget()->isAncestorOf(hit));
}

// "Read FADEC I/O" lays the I/O monitor over the power panel: the slider,
// its two buttons and the power label stay behind it.
TEST_F(LayoutTest, TheIOMonitorLiesInFrontOfThePowerPanel)
{
    Log& l = w();
    l.show();
    l.mnuIOListData.click();
    ASSERT_TRUE(l.Picture22.visible());
    QWidget* surface = l.surface();
    const QRect monitor = l.Picture22.widget()->geometry();
    for (const plat::Control* under : std::initializer_list<const plat::Control*>{
             &l.VScroll1, &l.PWIndividuel, &l.CopiePWSlider, &l.Label3}) {
        const QRect r = under->widget()->geometry().intersected(monitor);
        ASSERT_FALSE(r.isEmpty()) << under->objectName().toStdString();
        QWidget* hit = surface->childAt(r.center());
        ASSERT_NE(hit, nullptr) << under->objectName().toStdString();
        EXPECT_TRUE(hit == l.Picture22.widget() || l.Picture22.widget()->isAncestorOf(hit))
            << under->objectName().toStdString() << " shows through the I/O monitor";
    }
}

} // namespace
