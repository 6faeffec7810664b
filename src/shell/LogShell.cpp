#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/StartupTexts.h"

namespace orv {

void Log::wireShell()
{
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void Log::Timer1_Timer()
{
    setCaption(mainWindowTitle());
    move(left(), top(), MainWindowWidth, MainWindowHeight);
    p_.s.StartMode = 1;
    Timer1.setEnabled(false);
}

} // namespace orv
