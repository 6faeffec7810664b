#pragma once
// The "… Activated" line of an alarm window blinks through two 500 ms
// one-shot timers that enable each other: the first shows the text, the
// second blanks it with as many spaces. Enabling the first starts the blink.

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

inline void showBlinkText(plat::Label& label, const QString& text, plat::FormTimer& self, plat::FormTimer& next)
{
    label.setCaption(text);
    next.setEnabled(true);
    self.setEnabled(false);
}

inline void blankBlinkText(plat::Label& label, const QString& text, plat::FormTimer& self, plat::FormTimer& next)
{
    showBlinkText(label, QString(text.size(), QLatin1Char(' ')), self, next);
}

} // namespace orv
