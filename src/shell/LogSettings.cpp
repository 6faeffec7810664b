// The main window's strips follow the software settings.

#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

namespace orv {

void Log::ActivDesacLgGraphique()
{
    for (int i = 0; i < 8; ++i) {
        // Read afresh each time: this loads the settings window when it is not loaded.
        const bool shown = p_.form<ParamLogicielVB>()->LEActivated(i);
        for (auto* labels : {&Label26, &Label11, &Label21, &Label24, &Label31, &Label32, &Label33, &Label34,
                             &Label35, &Label39, &Label40, &Label41, &Label15})
            (*labels)[i].setVisible(shown);
        Picture5[i].setVisible(shown);
    }
}

} // namespace orv
