#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/StartupTexts.h"

namespace orv {

Log::Log(Program& p) : plat::Form(p.rt, "Log"), p_(p)
{
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void Log::Form_Load() { Timer1.setEnabled(true); }

void Log::Timer1_Timer()
{
    setCaption(mainWindowTitle());
    move(left(), top(), MainWindowWidth, MainWindowHeight);
    p_.s.StartMode = 1;
    Timer1.setEnabled(false);
}

} // namespace orv
