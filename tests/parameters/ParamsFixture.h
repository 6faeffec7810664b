#pragma once
// The program after start-up, for the parameter windows: fake LEs on
// in-memory lines, the user's LE choice on the main window, and short ways to
// press a control and to read what the program wrote to an LE.

#include "model/Frames.h"
#include "shell/LeStrips.h"
#include "shell/ParamLogicielVB.h"
#include "support/FakeLE.h"
#include "support/ProgramFixture.h"
#include "support/StartedProgramFixture.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <memory>
#include <vector>

class ParamsTest : public StartedProgramTest {
protected:

    // The user's press on LE index le's selector label of the main window.
    void selectLE(int le)
    {
        plat::MouseArgs a;
        a.button = plat::LeftButton;
        leStrips(*log).Label26[le].raiseMouse(leStrips(*log).Label26[le].onMouseDown, a);
    }

    orv::ParamLogicielVB& settings() { return *prog->form<orv::ParamLogicielVB>(); }
    // Ticks exactly the LE indexes given in the software settings.
    void activate(std::initializer_list<int> les)
    {
        for (int le = 0; le < 8; ++le) settings().Check1[le].setValue(0);
        for (int le : les) settings().Check1[le].setValue(1);
    }

    // The command frames the program wrote on an LE's line since the last call.
    static std::vector<le::Fields> framesWritten(FakeLE& fake)
    {
        le::CommandSplitter split;
        return split.feed(fake.takeWritten());
    }

    // The texts of the boxes shown so far.
    QStringList boxTexts() const
    {
        QStringList out;
        for (const auto& b : t.dialogs.shown) out << b.text;
        return out;
    }

    // Renders a window offscreen into test-output/<name>.png.
    static void screenshot(plat::Form& w, const QString& name)
    {
        w.show();
        const QImage image = w.window()->grab().toImage();
        ASSERT_FALSE(image.isNull());
        QDir().mkpath(TEST_OUTPUT_DIR);
        const QString path = QStringLiteral(TEST_OUTPUT_DIR "/") + name + ".png";
        ASSERT_TRUE(image.save(path)) << path.toStdString();
    }
};
