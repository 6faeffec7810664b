#pragma once
// The pictures the alarm windows share: the alarm indicator (a red disc with
// an exclamation mark) and the flat "reset" plate under its caption.

#include "platform/PictureBox.h"

namespace orv {

inline void drawAlarmIndicator(plat::PictureBox& box)
{
    box.setBorderStyle(0);
    plat::Canvas& c = box.canvas();
    const int w = box.width(), h = box.height();
    c.cls();
    c.line(w / 8, h / 8, w - w / 8, h - h / 8, plat::rgb(255, 0, 0), plat::Canvas::BoxFilled);
    c.line(w / 8, h / 8, w - w / 8, h - h / 8, plat::rgb(128, 0, 0), plat::Canvas::Box);
    c.line(w / 2 - 30, h / 4, w / 2 + 30, h * 5 / 8, plat::rgb(255, 255, 255), plat::Canvas::BoxFilled);
    c.line(w / 2 - 30, h * 11 / 16, w / 2 + 30, h * 3 / 4, plat::rgb(255, 255, 255), plat::Canvas::BoxFilled);
}

} // namespace orv
