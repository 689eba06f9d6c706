#pragma once
// A callable handed to a function that calls it before it returns and never
// keeps it (a decimal separator asked for, a text translated, a picture area
// placed): a pointer to the caller's callable and one to the function that
// calls it. std::function would copy it, onto the heap when it is large, and
// its machinery is ten times the code in the page's WebAssembly.

#include <memory>
#include <type_traits>
#include <utility>

namespace orbeline {

template <class Signature> class Rappel;

template <class R, class... A> class Rappel<R(A...)> {
public:
    /// None: `if (rappel)` is false and it must not be called.
    Rappel() = default;

    /// Refers to `f`, which must outlive the call it is handed to (a lambda
    /// written in the call's arguments does).
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, Rappel> && std::is_invocable_r_v<R, F&, A...>)
    Rappel(F&& f)   // NOLINT: converting, as std::function's
        : objet_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          appel_([](void* o, A... a) -> R { return (*static_cast<std::remove_reference_t<F>*>(o))(std::forward<A>(a)...); })
    {
    }

    R operator()(A... a) const { return appel_(objet_, std::forward<A>(a)...); }
    explicit operator bool() const { return appel_ != nullptr; }

private:
    void* objet_ = nullptr;
    R (*appel_)(void*, A...) = nullptr;
};

} // namespace orbeline
