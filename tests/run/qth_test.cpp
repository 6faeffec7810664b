// The QTH lamp button: relay requests of LE-1 to LE-6 by activation and
// port, the button's caption and colour, and StartHalogen.ini.
#include "run/QthStartFile.h"
#include "run/RunFixture.h"
#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/LogPorts.h"
#include "shell/MainPanels.h"

using namespace orv;

namespace {
constexpr plat::Color LightOrange = plat::rgb(255, 192, 128);
}

class QthTest : public RunTest {
protected:
    const QString file = "C:\\LightCtl\\StartHalogen.ini";
    void activate(std::initializer_list<int> les)
    {
        for (int le = 0; le < 8; ++le) settings().Check1[le].setValue(0);
        for (int le : les) settings().Check1[le].setValue(1);
    }
    plat::CommandButton& button() { return mainPanels(*log).CommHalOperator; }
};

TEST_F(QthTest, SwitchOnRequestsTheActivatedLEsWithAnOpenPort)
{
    activate({0, 2});
    openPort(0);   // LE-3's port stays closed
    s->request->RelayQTH[2] = 7;
    button().click();
    EXPECT_EQ(s->request->RelayQTH[0], 1);
    EXPECT_EQ(s->request->RelayQTH[2], 7);
    EXPECT_EQ(s->request->RelayQTH[1], 0);
    EXPECT_EQ(button().backColor(), LightOrange);
    EXPECT_EQ(button().caption(), "QTH-Stop");
    EXPECT_EQ(s->run->FlagCommHal, 1);
    EXPECT_EQ(readFile(file), "1\r\n");
}

TEST_F(QthTest, LE7AndLE8NeverGetARequest)
{
    activate({0, 1, 2, 3, 4, 5, 6, 7});
    for (int le = 0; le < 8; ++le) openPort(le);
    button().click();
    for (int le = 0; le < 6; ++le) EXPECT_EQ(s->request->RelayQTH[le], 1) << le;
    EXPECT_EQ(s->request->RelayQTH[6], 0);
    EXPECT_EQ(s->request->RelayQTH[7], 0);
}

TEST_F(QthTest, WithNoActivatedLEOnlyTheCaptionToggles)
{
    activate({});
    writeFile(file, "1\r\n");   // from an earlier session
    button().click();
    EXPECT_EQ(button().caption(), "QTH-Stop");
    EXPECT_EQ(button().backColor(), plat::colors::LightGrey);
    EXPECT_EQ(readFile(file), "1\r\n");
    EXPECT_EQ(s->request->RelayQTH, (PerLE<uint8_t>{}));

    // Switching off says "off" in the file too, so the next start does not
    // switch the lamps on by itself.
    button().click();
    EXPECT_EQ(button().caption(), "QTH-Start");
    EXPECT_EQ(button().backColor(), plat::colors::LightGrey);
    EXPECT_EQ(readFile(file), "0\r\n");
    EXPECT_EQ(s->run->FlagCommHal, 0);
}

// Lamps switched on with LE-1, LE-1 then deactivated (and LE-2's port closed
// meanwhile): the switch-off still clears every request it serves, shows the
// lamps off and stores "off".
TEST_F(QthTest, SwitchOffClearsEverythingTheButtonServes)
{
    activate({0, 1});
    openPort(0);
    openPort(1);
    button().click();
    ASSERT_EQ(s->request->RelayQTH[1], 1);
    activate({});
    logPorts(*log).MSComm(1).setPortOpen(false);
    s->request->RelayQTH[6] = 1;

    button().click();
    for (int le = 0; le < 6; ++le) EXPECT_EQ(s->request->RelayQTH[le], 0) << le;
    EXPECT_EQ(s->request->RelayQTH[6], 1);
    EXPECT_EQ(button().caption(), "QTH-Start");
    EXPECT_EQ(button().backColor(), plat::ButtonFace);
    EXPECT_EQ(readFile(file), "0\r\n");
}

TEST_F(QthTest, StartFileRoutines)
{
    ASSERT_TRUE(writeQthStartFile(t.drive, file, true));
    EXPECT_EQ(readFile(file), "1\r\n");
    EXPECT_EQ(readQthStartFile(t.drive, file), 1.0);
    struct Case { QByteArray bytes; std::optional<double> value; };
    const Case cases[] = {{"0\r\n", 0.0}, {" 1 \r\n", 1.0}, {"", std::nullopt}, {"yes\r\n", std::nullopt}};
    for (const Case& c : cases) {
        writeFile(file, c.bytes);
        EXPECT_EQ(readQthStartFile(t.drive, file), c.value) << c.bytes.constData();
    }
    t.drive.removeFile(file);
    EXPECT_EQ(readQthStartFile(t.drive, file), std::nullopt);
}
