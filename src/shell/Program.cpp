#include "shell/Program.h"
#include "shell/Log.h"
#include "platform/TimeSource.h"

#include <cstdlib>

namespace orv {

Program::Program(plat::Runtime& rt_)
    : rt(rt_), Log(rt_, [this] { return std::make_unique<orv::Log>(*this); })
{
}

Program::~Program()
{
    // Windows go before the state they read.
    for (auto& [type, holder] : slots_) holder->reset();
    Log.reset();
}

void Program::End()
{
    rt.time.end();
    std::abort();   // not reached: the time source ends the program
}

} // namespace orv
