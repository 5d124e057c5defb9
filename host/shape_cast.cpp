#include "host/shape_cast.h"

#if defined(_MSC_VER)

part_class* CastShapeToPart(shape_class* shape)
{
    return dynamic_cast<part_class*>(shape);
}

#else

#include <cstdint>
#include <cstring>

#include "host/microsoft_type_records.h"

// GCC's dynamic_cast cannot read Microsoft type information, so the cast walks
// it here: the complete object locator sits just before the operation table,
// and its class hierarchy lists every base with its offset in the object. All
// links are offsets from the image base of the module that owns the class.
namespace {

constexpr uint32_t BaseNotVisible = 0x1;
constexpr uint32_t BaseAmbiguous = 0x2;

bool NamesPartClass(const char* decorated)
{
    // ".?AV" for a class, ".?AU" for a struct.
    return std::strncmp(decorated, ".?A", 3) == 0 && (decorated[3] == 'V' || decorated[3] == 'U') &&
           std::strcmp(decorated + 4, "part_class@@") == 0;
}

template <class Record>
const Record* At(const char* imageBase, int32_t offset)
{
    return reinterpret_cast<const Record*>(imageBase + offset);
}

}  // namespace

part_class* CastShapeToPart(shape_class* shape)
{
    if (shape == nullptr)
        return nullptr;
    const auto* table = *reinterpret_cast<void* const* const*>(shape);
    const auto* locator = static_cast<const CompleteObjectLocator*>(table[-1]);
    const char* imageBase = reinterpret_cast<const char*>(locator) - locator->self;
    char* complete = reinterpret_cast<char*>(shape) - locator->offset;

    const auto* hierarchy = At<ClassHierarchyDescriptor>(imageBase, locator->classDescriptor);
    const auto* bases = At<int32_t>(imageBase, hierarchy->baseArray);
    for (uint32_t i = 0; i < hierarchy->baseCount; ++i) {
        const auto* base = At<BaseClassDescriptor>(imageBase, bases[i]);
        if (!NamesPartClass(At<TypeDescriptor<1>>(imageBase, base->typeDescriptor)->name))
            continue;
        if (base->attributes & (BaseNotVisible | BaseAmbiguous))
            return nullptr;
        char* subobject = complete;
        if (base->vbtableDisplacement >= 0) {
            const auto* vbtable = *reinterpret_cast<const int32_t* const*>(complete + base->vbtableDisplacement);
            subobject += base->vbtableDisplacement + vbtable[base->displacementInVbtable / 4];
        }
        return reinterpret_cast<part_class*>(subobject + base->memberDisplacement);
    }
    return nullptr;
}

#endif
