#include "support/ProgramWindows.h"

#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "link/ConfigurationRS232.h"
#include "parameters/Coefficients.h"
#include "parameters/EspionStart.h"
#include "parameters/FadecParameters.h"
#include "parameters/OKTransfert.h"
#include "parameters/Saisie.h"
#include "parameters/TestsMateriel.h"
#include "parameters/Usures.h"
#include "parameters/ValeurDesParam.h"
#include "run/PW6Sliders.h"
#include "scheduler/RefCapteurLFC2.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SelectionStart.h"
#include "shell/BoiteDialogue.h"
#include "shell/FenQuestion.h"
#include "shell/Histo.h"
#include "shell/Log.h"
#include "shell/MessagesError.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "traces/Datalogger.h"
#include "traces/InterCMD1.h"
#include "traces/VisualiserImagesHMS.h"

namespace {

template <class W>
plat::Form& load(orv::Program& p)
{
    return p.form<W>().get();
}

plat::Form& loadLog(orv::Program& p) { return p.Log.get(); }

} // namespace

const std::vector<ProgramWindow>& programWindows()
{
    static const std::vector<ProgramWindow> windows = {
        {"Log", loadLog},
        {"BoiteDialogue", load<orv::BoiteDialogue>},
        {"Coefficients", load<orv::Coefficients>},
        {"ConfigurationRS232", load<orv::ConfigurationRS232>},
        {"ControlLfcAlarm", load<orv::ControlLfcAlarm>},
        {"Datalogger", load<orv::Datalogger>},
        {"EspionStart", load<orv::EspionStart>},
        {"FadecParameters", load<orv::FadecParameters>},
        {"FenQuestion", load<orv::FenQuestion>},
        {"Halogen", load<orv::Halogen>},
        {"Histo", load<orv::Histo>},
        {"InterCMD1", load<orv::InterCMD1>},
        {"MessagesError", load<orv::MessagesError>},
        {"OKTransfert", load<orv::OKTransfert>},
        {"ParamLogicielVB", load<orv::ParamLogicielVB>},
        {"PW6Sliders", load<orv::PW6Sliders>},
        {"RefCapteurLFC2", load<orv::RefCapteurLFC2>},
        {"RefLevelTrigLFC3", load<orv::RefLevelTrigLFC3>},
        {"Saisie", load<orv::Saisie>},
        {"SelectionStart", load<orv::SelectionStart>},
        {"SHTPC", load<orv::SHTPC>},
        {"TestsMateriel", load<orv::TestsMateriel>},
        {"Usures", load<orv::Usures>},
        {"ValeurDesParam", load<orv::ValeurDesParam>},
        {"VisualiserImagesHMS", load<orv::VisualiserImagesHMS>},
    };
    return windows;
}

void forEachControl(plat::Container& form, const std::function<void(plat::Control&)>& f)
{
    for (plat::Control* c : form.children()) {
        f(*c);
        if (auto* inner = dynamic_cast<plat::Container*>(c)) forEachControl(*inner, f);
    }
}
