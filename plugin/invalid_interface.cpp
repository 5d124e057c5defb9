#include "plugin/invalid_interface.h"

#include <windows.h>

#include <cstdint>

namespace {
char InvalidInterfaceText[] = "invalid interface plugin_interface";
}

#if defined(_MSC_VER)

void ThrowInvalidInterface()
{
    throw static_cast<char*>(InvalidInterfaceText);
}

#else

// GCC's own exceptions are invisible to the host's handlers, so the exception
// is raised the way Microsoft's runtime raises a `throw` of a char*: its throw
// description lists the two types a handler may name, char* and void*, by
// their decorated names. All offsets are relative to this module's image base.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr DWORD MicrosoftCxxExceptionCode = 0xE06D7363;
constexpr ULONG_PTR MicrosoftCxxMagic = 0x19930520;
constexpr uint32_t SimpleType = 1;

struct TypeDescriptor {
    const void* typeInfoTable;
    void* spare;
    char name[8];
};

struct CatchableType {
    uint32_t properties;
    int32_t type;
    int32_t memberOffset;
    int32_t virtualBaseOffset;
    int32_t virtualBaseIndex;
    int32_t size;
    int32_t copyFunction;
};

struct CatchableTypeArray {
    int32_t count;
    int32_t types[2];
};

struct ThrowInfo {
    uint32_t attributes;
    int32_t destructor;
    int32_t forwardCompat;
    int32_t catchableTypes;
};

TypeDescriptor CharPointerType = {nullptr, nullptr, ".PEAD"};
TypeDescriptor VoidPointerType = {nullptr, nullptr, ".PEAX"};
CatchableType CatchAsCharPointer;
CatchableType CatchAsVoidPointer;
CatchableTypeArray CatchableTypes;
ThrowInfo CharPointerThrowInfo;
char* ThrownObject;

int32_t ImageOffset(const void* address)
{
    return static_cast<int32_t>(static_cast<const char*>(address) - reinterpret_cast<const char*>(&__ImageBase));
}

void DescribeCharPointerThrow()
{
    CatchAsCharPointer = {SimpleType, ImageOffset(&CharPointerType), 0, -1, 0, sizeof(char*), 0};
    CatchAsVoidPointer = {SimpleType, ImageOffset(&VoidPointerType), 0, -1, 0, sizeof(void*), 0};
    CatchableTypes = {2, {ImageOffset(&CatchAsCharPointer), ImageOffset(&CatchAsVoidPointer)}};
    CharPointerThrowInfo = {0, 0, 0, ImageOffset(&CatchableTypes)};
}

}  // namespace

// Not marked noreturn: a call as the last instruction of a function would leave a
// return address outside it, which the system's unwinder cannot place.
void ThrowInvalidInterface()
{
    DescribeCharPointerThrow();
    ThrownObject = InvalidInterfaceText;
    const ULONG_PTR arguments[4] = {MicrosoftCxxMagic, reinterpret_cast<ULONG_PTR>(&ThrownObject),
                                    reinterpret_cast<ULONG_PTR>(&CharPointerThrowInfo),
                                    reinterpret_cast<ULONG_PTR>(&__ImageBase)};
    RaiseException(MicrosoftCxxExceptionCode, EXCEPTION_NONCONTINUABLE, 4, arguments);
}

#endif
