#include "host/host_call.h"

#if defined(__GNUC__)
#include <windows.h>

#include <cstdint>

namespace {

constexpr DWORD MicrosoftCxxExceptionCode = 0xE06D7363;
constexpr ULONG_PTR FirstMicrosoftCxxMagic = 0x19930520;
constexpr ULONG_PTR LastMicrosoftCxxMagic = 0x19930522;

// Only the Microsoft runtime's own throws carry its magic number and a throw
// description; anything else raised with the same code is left to the
// handlers further out, which may know it.
bool IsMicrosoftCxxException(const EXCEPTION_RECORD& record)
{
    return record.ExceptionCode == MicrosoftCxxExceptionCode && record.NumberParameters >= 4 &&
           record.ExceptionInformation[0] >= FirstMicrosoftCxxMagic &&
           record.ExceptionInformation[0] <= LastMicrosoftCxxMagic;
}

// The parts of the Microsoft runtime's throw description that are needed to
// destroy a thrown object: offsets are relative to the thrower's image base.
struct ThrowInfo {
    uint32_t attributes;
    int32_t destructor;
    int32_t forwardCompat;
    int32_t catchableTypes;
};

// The thrown object is never caught on the host's side, so it is destroyed here,
// as the host's runtime would at the end of a handler.
void DestroyThrownObject(const EXCEPTION_RECORD& record)
{
    if (record.ExceptionInformation[2] == 0)
        return;
    const auto imageBase = reinterpret_cast<char*>(record.ExceptionInformation[3]);
    const auto* info = reinterpret_cast<const ThrowInfo*>(record.ExceptionInformation[2]);
    if (info->destructor == 0)
        return;
    using Destructor = void (*)(void* object);
    reinterpret_cast<Destructor>(imageBase + info->destructor)(
        reinterpret_cast<void*>(record.ExceptionInformation[1]));
}

}  // namespace

extern "C" char VormeltCallGuardedLanding[];

extern "C" EXCEPTION_DISPOSITION VormeltGuardHandler(EXCEPTION_RECORD* record, void* frame, CONTEXT* context,
                                                     DISPATCHER_CONTEXT* dispatcher)
{
    const bool unwinding = (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) != 0;
    if (unwinding || !IsMicrosoftCxxException(*record))
        return ExceptionContinueSearch;
    DestroyThrownObject(*record);
    RtlUnwindEx(frame, VormeltCallGuardedLanding, record, nullptr, context, dispatcher->HistoryTable);
    return ExceptionContinueSearch;
}
#endif
