#pragma once
// The default instance of a window class. Touching it loads the window
// (constructs it hidden and runs Form_Load); isLoaded() asks without loading.
// After an unload the next touch loads a fresh instance.

#include "platform/Form.h"
#include "platform/TimeSource.h"
#include "platform/Runtime.h"

#include <functional>
#include <memory>

namespace plat {

template <class F>
class FormSlot {
public:
    using Factory = std::function<std::unique_ptr<F>()>;
    FormSlot(Runtime& rt, Factory make) : rt_(rt), make_(std::move(make)) {}
    ~FormSlot()
    {
        reset();
        // Unloaded instances still waiting to be freed go with the program.
        rt_.time.destroyDeferred();
    }

    F& get()
    {
        if (!inst_) load();
        return *inst_;
    }
    F* operator->() { return &get(); }
    F& operator*() { return get(); }

    bool isLoaded() const { return inst_ != nullptr; }
    F* ifLoaded() const { return inst_.get(); }

    // Unloads the instance when loaded; false when a handler cancelled.
    bool unload(int mode = FormCode) { return inst_ ? inst_->unload(mode) : true; }

    // Destroys the instance without running its handlers (program teardown).
    void reset()
    {
        if (inst_) {
            inst_->detach = nullptr;
            inst_.reset();
        }
    }

private:
    void load()
    {
        inst_ = make_();
        F* raw = inst_.get();
        raw->detach = [this, raw] {
            if (inst_.get() != raw) return;
            // Gone for the program at once; freed once control is back in
            // the event loop, as its own handler and the event that ran it
            // may still be using it.
            std::shared_ptr<F> dying(inst_.release());
            rt_.time.deleteWhenIdle([dying] {});
        };
        raw->load();
    }

    Runtime& rt_;
    Factory make_;
    std::unique_ptr<F> inst_;
};

} // namespace plat
