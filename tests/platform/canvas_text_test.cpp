// Picture-box image: the record of printed texts, kept until the drawings are erased.
#include "platform/Canvas.h"
#include "support/Printing.h"

#include <gtest/gtest.h>

using namespace plat;

TEST(CanvasText, PrintedTextsLastUntilTheDrawingsAreErased)
{
    Canvas c{1200, 600, colors::White};
    c.print(" Rest  89 sec.");
    c.print("second");
    EXPECT_EQ(c.printedTexts(), QStringList({" Rest  89 sec.", "second"}));

    c.line(0, 0, 100, 100, colors::Red, Canvas::BoxFilled);   // drawing keeps them
    c.resize(1500, 600);
    EXPECT_EQ(c.printedTexts().size(), 2);

    // Every way of erasing the drawings forgets them.
    const std::function<void(Canvas&)> erasers[] = {
        [](Canvas& k) { k.cls(); },
        [](Canvas& k) { k.setBackColor(colors::Grey); },
        [](Canvas& k) { k.setPicture(QImage(4, 4, QImage::Format_RGB888)); },
        [](Canvas& k) { k.clearPicture(); },
    };
    for (const auto& erase : erasers) {
        c.print("x");
        erase(c);
        EXPECT_TRUE(c.printedTexts().isEmpty());
    }
}
