#pragma once
// The program object: owns the shared state and the default instance of
// every window. Tests build a fresh one per test on their own run-time.

#include "platform/FormSlot.h"
#include "platform/Runtime.h"
#include "shell/StateParts.h"

#include <map>
#include <memory>
#include <typeindex>

namespace orv {

class Log;

class Program {
public:
    // The whole program on run-time rt: every subsystem's state, and every
    // subsystem's part in each main window it builds. Defined by the
    // program's assembly (src/app/Assembly.cpp), the one place that knows
    // every subsystem; the program, its tools and tests link it.
    explicit Program(plat::Runtime& rt);
    // Builds the subsystems' parts of main window `log`, once the window's
    // own part stands.
    using LogParts = void (*)(orv::Log& log, Program& p);
    // The program on run-time rt with state `state`; each main window it
    // builds gets its subsystems' parts from `parts`.
    Program(plat::Runtime& rt, State state, LogParts parts);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    plat::Runtime& rt;
    State s;

    // The main window.
    plat::FormSlot<orv::Log> Log;

    // The default instance of any other window class F (constructed as
    // F(Program&)); touching it loads the window.
    template <class F>
    plat::FormSlot<F>& form()
    {
        auto& holder = slots_[std::type_index(typeid(F))];
        if (!holder)
            holder = std::make_unique<Holder<F>>(rt, [this] { return std::make_unique<F>(*this); });
        return static_cast<Holder<F>&>(*holder).slot;
    }
    // The window of class F when it is loaded, else nullptr; never loads it.
    template <class F>
    F* ifLoaded() const
    {
        auto it = slots_.find(std::type_index(typeid(F)));
        return it == slots_.end() ? nullptr : static_cast<Holder<F>&>(*it->second).slot.ifLoaded();
    }

    // The loaded window whose name (the system's window name) is `name`,
    // else nullptr; never loads it. The main window is found as "Log".
    plat::Form* loadedForm(const QString& name) const;

    // Ends the program at once, from any depth: no further handler runs and
    // no further file is written.
    [[noreturn]] void End();

private:
    struct HolderBase {
        virtual ~HolderBase() = default;
        virtual void reset() = 0;
        virtual plat::Form* loaded() const = 0;
    };
    template <class F>
    struct Holder : HolderBase {
        Holder(plat::Runtime& rt, typename plat::FormSlot<F>::Factory make) : slot(rt, std::move(make)) {}
        void reset() override { slot.reset(); }
        plat::Form* loaded() const override { return slot.ifLoaded(); }
        plat::FormSlot<F> slot;
    };
    std::map<std::type_index, std::unique_ptr<HolderBase>> slots_;
};

// The main window as a window (its place, size, showing), for a file that
// needs no more of it; reaching it loads the window.
plat::Form& logForm(Program& p);

} // namespace orv
