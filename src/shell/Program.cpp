#include "shell/Program.h"
#include "shell/Log.h"
#include "platform/TimeSource.h"

#include <cstdlib>
#include <utility>

namespace orv {

Program::Program(plat::Runtime& rt_, State state, LogParts parts)
    : rt(rt_), s(std::move(state)), Log(rt_, [this, parts] {
          auto log = std::make_unique<orv::Log>(*this);
          parts(*log, *this);
          return log;
      })
{
}

Program::~Program()
{
    // Windows go before the state they read.
    for (auto& [type, holder] : slots_) holder->reset();
    Log.reset();
}

plat::Form* Program::loadedForm(const QString& name) const
{
    if (plat::Form* main = Log.ifLoaded(); main && main->name() == name) return main;
    for (const auto& [type, holder] : slots_)
        if (plat::Form* w = holder->loaded(); w && w->name() == name) return w;
    return nullptr;
}

void Program::End()
{
    rt.time.end();
    std::abort();   // not reached: the time source ends the program
}

} // namespace orv
