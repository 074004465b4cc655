#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace ui {

// A callable kept in place: a small, trivially copyable function object (a captureless lambda, or one that
// holds member pointers) and the one function that calls it. The property tables hold thousands of these, one
// per property accessor; unlike std::function, an AccessFunction needs no manager to copy or destroy its target
// and no type information about it, so each accessor costs its call alone.
template <class Signature>
class AccessFunction;

template <class R, class... Args>
class AccessFunction<R(Args...)> {
public:
    // Room for a lambda that holds a member function pointer (two words).
    static constexpr std::size_t kCapacity = 2 * sizeof(void*);

    AccessFunction() = default;
    AccessFunction(std::nullptr_t) {}

    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, AccessFunction> &&
                 std::is_invocable_r_v<R, const std::remove_cvref_t<F>&, Args...>)
    AccessFunction(F&& function) : call_(&Call<std::remove_cvref_t<F>>) {
        using Target = std::remove_cvref_t<F>;
        static_assert(std::is_trivially_copyable_v<Target> && std::is_trivially_destructible_v<Target>,
                      "an AccessFunction holds trivially copyable function objects only");
        static_assert(sizeof(Target) <= kCapacity && alignof(Target) <= alignof(void*),
                      "the function object is too large for an AccessFunction");
        ::new (static_cast<void*>(storage_)) Target(std::forward<F>(function));
    }

    explicit operator bool() const { return call_ != nullptr; }

    R operator()(Args... args) const { return call_(storage_, std::forward<Args>(args)...); }

private:
    template <class Target>
    static R Call(const void* storage, Args... args) {
        return (*std::launder(static_cast<const Target*>(storage)))(std::forward<Args>(args)...);
    }

    alignas(void*) unsigned char storage_[kCapacity] = {};
    R (*call_)(const void*, Args...) = nullptr;
};

}  // namespace ui
