#pragma once

// Calls into the host. The host is built with Microsoft's compiler, so what it
// throws is a Microsoft C++ exception, which GCC's unwinder neither catches nor
// unwinds through. Every host call of a GCC build therefore runs inside a guard
// that stops such an exception at the boundary and rethrows it here as
// HostCallFailed, so that owning holders release their references on the way
// out. A Microsoft build gets the host's exceptions natively.

#include <exception>
#include <utility>

struct HostCallFailed : std::exception {
    const char* what() const noexcept override { return "host call failed"; }
};

#if defined(__GNUC__)
extern "C" int VormeltCallGuarded(void (*call)(void* context), void* context);

template <class Call>
void CallHost(Call&& call)
{
    auto trampoline = [](void* context) { (*static_cast<Call*>(context))(); };
    if (!VormeltCallGuarded(trampoline, &call))
        throw HostCallFailed();
}
#else
template <class Call>
void CallHost(Call&& call)
{
    std::forward<Call>(call)();
}
#endif

// For results: `return HostResult([&] { return host->op(0); });`
template <class Call>
auto HostResult(Call&& call) -> decltype(call())
{
    decltype(call()) result{};
    CallHost([&] { result = call(); });
    return result;
}
