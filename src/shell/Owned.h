#pragma once
// Owns one object of a type that its owner only declares. The owner's header
// names the type and a factory; the factory, defined next to the type, is
// the only place that needs its definition. A header that only owns a
// subsystem's state or handlers therefore does not include them, and a change
// to them rebuilds only the files that use them.

#include <utility>

namespace orv {

template <class T>
class Owned {
public:
    // In the defining file only: `return Owned<T>::make(args...);`
    template <class... A>
    static Owned make(A&&... args)
    {
        return Owned(new T(std::forward<A>(args)...), [](T* t) { delete t; });
    }

    Owned() = default;
    Owned(Owned&& o) noexcept : p_(std::exchange(o.p_, nullptr)), del_(o.del_) {}
    Owned& operator=(Owned&& o) noexcept
    {
        std::swap(p_, o.p_);
        std::swap(del_, o.del_);
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned()
    {
        if (p_) del_(p_);
    }

    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    T* get() const { return p_; }

private:
    Owned(T* p, void (*del)(T*)) : p_(p), del_(del) {}
    T* p_ = nullptr;
    void (*del_)(T*) = nullptr;
};

} // namespace orv
