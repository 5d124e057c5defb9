#include "plugin/component_type_information.h"

#if defined(_MSC_VER)

void UseMicrosoftTypeInformation(void*) {}

#else

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "host/microsoft_type_records.h"

// All links between the records are offsets from this module's image base.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr size_t SlotCount = 5
#define PLUGIN_SLOT(kind, n) +1
#include "plugin/plugin_interface_slots.h"
#undef PLUGIN_SLOT
    ;

constexpr uint32_t HasClassDescriptor = 0x40;
constexpr int ClassCount = 4;

// The class and its bases, most derived first; each class's own hierarchy is
// the rest of the list from its place on.
TypeDescriptor<32> Types[ClassCount] = {
    {nullptr, nullptr, ".?AVplugin_component@@"},
    {nullptr, nullptr, ".?AVplugin_interface@@"},
    {nullptr, nullptr, ".?AVunknown_interface@@"},
    {nullptr, nullptr, ".?AUIUnknown@@"},
};
BaseClassDescriptor Bases[ClassCount];
int32_t BaseArray[ClassCount];
ClassHierarchyDescriptor Hierarchies[ClassCount];
CompleteObjectLocator Locator;

// GCC's offset to the top (0), the locator, then the operations.
const void* Table[2 + SlotCount];

int32_t ImageOffset(const void* address)
{
    return static_cast<int32_t>(static_cast<const char*>(address) - reinterpret_cast<const char*>(&__ImageBase));
}

bool DescribeComponent(const void* const* gccTable)
{
    for (int i = 0; i < ClassCount; ++i) {
        const uint32_t contained = static_cast<uint32_t>(ClassCount - 1 - i);
        Hierarchies[i] = {0, 0, contained + 1, ImageOffset(&BaseArray[i])};
        Bases[i] = {ImageOffset(&Types[i]), contained, 0, -1, 0, HasClassDescriptor, ImageOffset(&Hierarchies[i])};
        BaseArray[i] = ImageOffset(&Bases[i]);
    }
    Locator = {1, 0, 0, ImageOffset(&Types[0]), ImageOffset(&Hierarchies[0]), ImageOffset(&Locator)};
    Table[0] = nullptr;
    Table[1] = &Locator;
    for (size_t i = 0; i < SlotCount; ++i)
        Table[2 + i] = gccTable[i];
    return true;
}

}  // namespace

void UseMicrosoftTypeInformation(void* object)
{
    auto* tablePointer = static_cast<const void* const**>(object);
    static const bool described = DescribeComponent(*tablePointer);
    if (described)
        *tablePointer = &Table[2];
}

#endif
