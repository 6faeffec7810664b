// Settings files that are missing, empty, cut mid-line, random bytes, or hold
// huge or negative values at start-up: the values the program then holds
// (start-up's default wherever a value is bad, the good values kept), the one
// history line that names a bad file, and the file's bytes after a quit
// (only the file's own window or routine rewrites it).
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "link/ConfigurationRS232.h"
#include "platform/Dialogs.h"
#include "shell/History.h"
#include "shell/LeStrips.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/ParamLogicielVB.h"
#include "shell/RunShared.h"
#include "shell/SettingsReader.h"
#include "support/ProgramFixture.h"

#include <QRegularExpression>
#include <functional>
#include <optional>

using namespace orv;

namespace {

const QString Base = "C:\\LightCtl\\";

QByteArray lines(std::initializer_list<const char*> ls)
{
    QByteArray b;
    for (const char* l : ls) b += QByteArray(l) + "\r\n";
    return b;
}

// A line of a megabyte, quoted or not.
QByteArray hugeLine(bool quotedText = false)
{
    const QByteArray digits(1 << 20, '9');
    return (quotedText ? '"' + digits + '"' : digits) + "\r\n";
}

enum Variant { Missing, Empty, Cut, Random, Huge, Negative };
const char* const VariantNames[] = {"missing", "empty", "cut", "randomBytes", "huge", "negative"};

} // namespace

class BadSettingsBase : public ProgramTest {
protected:
    State& s() { return prog->s; }

    // A first start in an empty base folder, then a start with the file as
    // given (nothing: removed). Line 15 of the settings file says "Display
    // with coefficients", so that the view file's own choice shows.
    void startWith(const QString& name, const std::optional<QByteArray>& bytes)
    {
        startUp();
        prog.reset();
        QList<QByteArray> settings = readFile(Base + "Param4LogStart.ini").split('\n');
        settings[14] = "1\r";
        writeFile(Base + "Param4LogStart.ini", settings.join('\n'));
        if (bytes) writeFile(Base + name, *bytes);
        else QFile::remove(t.host(Base + name));
        writeFile(Base + "Histo.txt", "");
        t.dialogs.shown.clear();
        makeProgram();
        startUp();
    }

    int historyLines(const QString& text) { return int(QString::fromLatin1(readFile(Base + "Histo.txt")).count(text)); }

    void quit()
    {
        t.dialogs.answers.push_back(plat::mb::Yes);
        try {
            mainMenus(*prog).mnuQuit.click();
        } catch (const plat::ProgramEnded&) {
        }
        ASSERT_TRUE(t.time.ended());
    }

public:
    static QStringList numbers(std::initializer_list<int> values)
    {
        QStringList out;
        for (int v : values) out << QString::number(v);
        return out;
    }

    QStringList qthThreshold() { return numbers({prog->form<Halogen>()->VScroll1.value()}); }
    QStringList shtThreshold() { return numbers({prog->form<SHTPC>()->VScroll1[0].value()}); }

    // The LFC window's limits and boxes, once its own reload has run.
    QStringList lfc()
    {
        ControlLfcAlarm& w = *prog->form<ControlLfcAlarm>();
        t.time.advance(60);
        QStringList out = numbers({w.VScroll1[0].value(), w.VScroll1[1].value()});
        for (int i = 0; i < 6; ++i) out << QString::number(w.Check1[i].value());
        return out << QString::number(w.Check2.value());
    }

    // The eight set-points as held and as shown (watts), and the power slider.
    QStringList setPoints()
    {
        QStringList out;
        for (int i = 0; i < 8; ++i) out << QString::number(s().runShared->ConsignePWIni[i]);
        for (int i = 0; i < 8; ++i) out << leStrips(*prog).Label15[i].caption();
        return out << QString::number(mainPanels(*prog).VScroll1.value());
    }
    static QStringList setPointsHeld(std::initializer_list<int> values)
    {
        const QStringList held = numbers(values);
        QStringList shown;
        for (const QString& v : held) shown << QString::number(v.toInt() * 10);
        return held + shown + QStringList{held[0]};
    }

    // The port window's boxes as it shows them when opened: the text, then
    // "+" for a ticked "Activated" box.
    QStringList ports()
    {
        ConfigurationRS232& w = *prog->form<ConfigurationRS232>();
        QStringList out;
        for (int i = 0; i < 8; ++i) out << w.Text1[i].text() + (w.Check1[i].value() == 1 ? "+" : "-");
        return out;
    }
    static QStringList portsHeld(QStringList boxes)
    {
        while (boxes.size() < 8) boxes << "-";
        return boxes;
    }

    // The view chosen, and line 15 of the settings file that holds it too.
    QStringList view()
    {
        const int check2 = prog->form<ParamLogicielVB>()->Check2.value();
        return {QString::number(check2), QString(readFile(Base + "Param4LogStart.ini").split('\n')[14].trimmed())};
    }
};

namespace {

struct FileSpec {
    QString name;
    QByteArray created;                          // what start-up writes when it is missing
    QStringList (BadSettingsBase::*held)();
    QByteArray quitWrites = {};                  // what the quit writes into it, if anything
};

struct Row {
    const FileSpec* file;
    Variant variant;
    std::optional<QByteArray> bytes;   // nothing: the file is removed before the start
    QStringList held;                  // what the program holds after start-up
    bool reported;                     // one history line names the file
};

const FileSpec Consigne{"Consigne.ini", lines({" 220 "}), &BadSettingsBase::qthThreshold};
const FileSpec ShtConsigne{"SHTConsigne.ini", lines({"40"}), &BadSettingsBase::shtThreshold};
const FileSpec LfcFile{"ConsSliderLCF.ini", lines({" 130 ", " 30 ", "0", "0", "0", "0", "0", "0", "0"}),
                       &BadSettingsBase::lfc};
const FileSpec SetPointFile{"ConsignePW2.ini", lines({" 50 ", " 50 ", " 50 ", " 50 ", " 50 ", " 50 ", " 50 ", " 50 "}),
                            &BadSettingsBase::setPoints};
const FileSpec PortFile{"ParamComx2.ini", QByteArray("\"0\"\r\n").repeated(16), &BadSettingsBase::ports};
const FileSpec ViewFile{"CocheSelect.ini", lines({"1"}), &BadSettingsBase::view, " 1 \r\n"};

std::vector<Row> rows()
{
    using B = BadSettingsBase;
    const QByteArray garbage("\x07\xff\"q,\x00z\x9c\x01#\xe9", 11);
    const QStringList lfcDefaults = B::numbers({130, 30, 0, 0, 0, 0, 0, 0, 0});
    const QByteArray lfcTail = lines({" 20 ", "1", "0", "1", "0", "0", "0", "1"});
    const QStringList pwDefaults = B::setPointsHeld({50, 50, 50, 50, 50, 50, 50, 50});
    const QByteArray pwTail = lines({" 60 ", " 100 ", " 110 ", " 120 ", " 130 "});
    const QByteArray portTail = lines({"\"5\"", "\"0\"", "\"\"", "\"0\"", "\"14\"", "\"1\"", "\"0\"", "\"0\"", "\"0\"",
                                       "\"0\"", "\"0\"", "\"0\"", "\"0\"", "\"0\""});
    const QStringList portRest{"5-", "-", "14+", "0-", "0-", "0-", "0-"};
    return {
        {&Consigne, Missing, std::nullopt, {"220"}, false},
        {&Consigne, Empty, "", {"220"}, true},
        {&Consigne, Cut, " ", {"220"}, true},
        {&Consigne, Random, garbage, {"220"}, true},
        {&Consigne, Huge, hugeLine(), {"220"}, true},
        {&Consigne, Negative, lines({"-5"}), {"220"}, true},

        {&ShtConsigne, Missing, std::nullopt, {"40"}, false},
        {&ShtConsigne, Empty, "", {"40"}, true},
        {&ShtConsigne, Cut, "3", {"3"}, false},   // what reads well is kept
        {&ShtConsigne, Random, garbage, {"40"}, true},
        {&ShtConsigne, Huge, hugeLine(), {"40"}, true},
        {&ShtConsigne, Negative, lines({"-40"}), {"40"}, true},

        {&LfcFile, Missing, std::nullopt, lfcDefaults, false},
        {&LfcFile, Empty, "", lfcDefaults, true},
        {&LfcFile, Cut, lines({" 100 ", " 20 ", "1", "0"}) + "1", B::numbers({100, 20, 1, 0, 1, 0, 0, 0, 0}), true},
        {&LfcFile, Random, garbage, lfcDefaults, true},
        {&LfcFile, Huge, hugeLine() + lfcTail, B::numbers({130, 20, 1, 0, 1, 0, 0, 0, 1}), true},
        {&LfcFile, Negative, lines({" 100 ", " -20 ", "1", "0", "-1", "0", "0", "0", "1"}),
         B::numbers({100, 30, 1, 0, 0, 0, 0, 0, 1}), true},

        {&SetPointFile, Missing, std::nullopt, pwDefaults, false},
        {&SetPointFile, Empty, "", pwDefaults, true},
        {&SetPointFile, Cut, lines({" 90 ", " 80 "}) + " 7", B::setPointsHeld({90, 80, 50, 50, 50, 50, 50, 50}), true},
        {&SetPointFile, Random, garbage, pwDefaults, true},
        {&SetPointFile, Huge, lines({" 90 ", " 80 "}) + hugeLine() + pwTail,
         B::setPointsHeld({90, 80, 50, 60, 100, 110, 120, 130}), true},
        {&SetPointFile, Negative, lines({" 90 ", " -80 ", " 70 "}) + pwTail,
         B::setPointsHeld({90, 50, 70, 60, 100, 110, 120, 130}), true},

        {&PortFile, Missing, std::nullopt, QStringList(8, "0-"), false},
        {&PortFile, Empty, "", B::portsHeld({}), true},
        {&PortFile, Cut, lines({"\"3\"", "\"1\""}) + "\"1", B::portsHeld({"3+", "1-"}), true},
        {&PortFile, Random, garbage + "\r\n" + lines({"1"}) + portTail, QStringList{"+"} + portRest, true},
        {&PortFile, Huge, hugeLine(true) + lines({"\"1\""}) + portTail, QStringList{"+"} + portRest, true},
        {&PortFile, Negative, lines({"\"-1\"", "\"-1\""}) + portTail, QStringList{"-"} + portRest, true},

        // The view file holds one choice: a bad one leaves the settings
        // file's, and the quit writes that same view to both files.
        {&ViewFile, Missing, std::nullopt, {"1", "1"}, false},
        {&ViewFile, Empty, "", {"1", "1"}, true},
        {&ViewFile, Cut, " ", {"1", "1"}, true},
        {&ViewFile, Random, garbage, {"1", "1"}, true},
        {&ViewFile, Huge, hugeLine(), {"1", "1"}, true},
        {&ViewFile, Negative, lines({"-1"}), {"1", "1"}, true},
    };
}

std::string rowName(const ::testing::TestParamInfo<Row>& info)
{
    QString file = info.param.file->name;
    file.remove(".ini");
    return (file + "_" + VariantNames[info.param.variant]).toStdString();
}

} // namespace

class BadSettingsTest : public BadSettingsBase, public ::testing::WithParamInterface<Row> {};

TEST_P(BadSettingsTest, DefaultsHeldFileNamedOnceAndLeftAsItIs)
{
    const Row& row = GetParam();
    const FileSpec& f = *row.file;
    startWith(f.name, row.bytes);
    EXPECT_FALSE(t.time.ended());
    EXPECT_EQ((this->*f.held)(), row.held);
    EXPECT_EQ(historyLines(settingsFallbackMessage(f.name)), row.reported ? 1 : 0);
    EXPECT_EQ(historyLines("Bad values replaced by defaults"), row.reported ? 1 : 0);   // no other file named
    EXPECT_TRUE(t.dialogs.shown.empty()) << t.dialogs.shown.front().text.toStdString();   // no box at start-up
    const QByteArray found = row.bytes ? *row.bytes : f.created;
    EXPECT_EQ(readFile(Base + f.name), found);   // start-up rewrote nothing
    const QByteArray settings = readFile(Base + "Param4LogStart.ini");
    quit();
    EXPECT_EQ(readFile(Base + f.name), f.quitWrites.isEmpty() ? found : f.quitWrites);
    EXPECT_EQ(readFile(Base + "Param4LogStart.ini"), settings);
}

INSTANTIATE_TEST_SUITE_P(Files, BadSettingsTest, ::testing::ValuesIn(rows()), rowName);

class SettingsHistoryTest : public BadSettingsBase {};

// Every read of a bad file falls back the same way; the history names it
// once a run, and again in the next run.
TEST_F(SettingsHistoryTest, OneLinePerFileAndRun)
{
    startWith("Consigne.ini", lines({"abc"}));
    const QString line = settingsFallbackMessage("Consigne.ini");
    mainMenus(*prog).mnuHalogen.click();   // the menu reads the file again
    EXPECT_EQ(prog->form<Halogen>()->VScroll1.value(), 220);
    EXPECT_EQ(historyLines(line), 1);
    const QString histo = QString::fromLatin1(readFile(Base + "Histo.txt"));
    EXPECT_TRUE(histo.contains(QRegularExpression("^  \\d\\d:\\d\\d:\\d\\d    \\d\\d/\\d\\d/\\d{4}    000    "
                                                  "Consigne.ini  Bad values replaced by defaults \r\n$")))
        << histo.toStdString();

    prog.reset();
    makeProgram();
    startUp();
    EXPECT_EQ(historyLines(line), 2);
}

// A good view file still chooses the view.
TEST_F(SettingsHistoryTest, GoodViewFileChoosesTheView)
{
    startWith("CocheSelect.ini", lines({" 0 "}));
    EXPECT_EQ(prog->form<ParamLogicielVB>()->Check2.value(), 0);
    EXPECT_EQ(historyLines("Bad values"), 0);
}

// The history viewer's tidy pass keeps every such line as it was written.
TEST_F(SettingsHistoryTest, TheViewerKeepsTheLinesWhole)
{
    for (const char* name : {"Consigne.ini", "SHTConsigne.ini", "ConsSliderLCF.ini", "ConsignePW2.ini", "ParamComx2.ini",
                             "CocheSelect.ini"}) {
        const QString line = HistoLine("0", settingsFallbackMessage(name), "14:05:09", "08/12/2026");
        QStringList list{"", HistoHeading, "", line};
        TidyHistoList(list);
        EXPECT_EQ(list.value(3), line) << name;
    }
}
