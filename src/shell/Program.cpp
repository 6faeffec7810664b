#include "shell/Program.h"
#include "shell/Log.h"
#include "platform/TimeSource.h"

namespace orv {

template <class F>
static typename plat::FormSlot<F>::Factory factory(Program& p)
{
    return [&p] { return std::make_unique<F>(p); };
}

Program::Program(plat::Runtime& rt_) : rt(rt_), Log(rt_, factory<orv::Log>(*this)) {}

Program::~Program()
{
    // Windows go before the state they read.
    Log.reset();
}

void Program::End() { rt.time.end(); }

} // namespace orv
