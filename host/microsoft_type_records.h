#pragma once

// The records of Microsoft's x64 run-time type information that lead from an
// object's operation table to its classes. Links are 32-bit offsets from the
// image base of the module that owns the class.

#include <cstddef>
#include <cstdint>

// A class's type descriptor; the name is decorated (".?AV" + class + "@@").
// type_info's own table is not needed to read it: the runtime reads the name
// and, for name(), writes its undecorated form in `undecorated`.
template <size_t NameSize>
struct TypeDescriptor {
    const void* typeInfoTable;
    void* undecorated;
    char name[NameSize];
};

// Just before the operation table.
struct CompleteObjectLocator {
    uint32_t signature;  // 1: image-relative links, as on x64
    uint32_t offset;     // of this sub-object within the complete object
    uint32_t constructorDisplacementOffset;
    int32_t typeDescriptor;
    int32_t classDescriptor;
    int32_t self;  // the locator's own offset, which gives the image base
};

struct ClassHierarchyDescriptor {
    uint32_t signature;
    uint32_t attributes;  // 0: single, non-virtual inheritance
    uint32_t baseCount;
    int32_t baseArray;  // offsets of BaseClassDescriptors, the class itself first
};

struct BaseClassDescriptor {
    int32_t typeDescriptor;
    uint32_t containedBases;
    int32_t memberDisplacement;
    int32_t vbtableDisplacement;  // -1 unless the base is virtual
    int32_t displacementInVbtable;
    uint32_t attributes;
    int32_t classDescriptor;
};
