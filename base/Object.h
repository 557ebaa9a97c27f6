#pragma once
// The root of classes that can be asked for their class name and their ancestors' names, as the
// error reporting tests exception classes by name.
#include "platform/Export.h"

struct TClassInfo {
    const char* Name;
    const TClassInfo* Parent;  // nullptr for the root
};

class VXLUMO_API TObject {
public:
    virtual ~TObject();
    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const;
    const char* ClassName() const { return ClassType().Name; }
    // True when this object's class, or one of its ancestors, is named so (byte for byte).
    bool InheritsFromName(const char* name) const;
};

// Declares a class's own entry in the name chain: put it in the public part of every class that
// derives from TObject.
#define VX_CLASS(Name, Parent)                                                                           \
public:                                                                                                 \
    static const TClassInfo& StaticClass() {                                                            \
        static const TClassInfo info{#Name, &Parent::StaticClass()};                                    \
        return info;                                                                                    \
    }                                                                                                   \
    const TClassInfo& ClassType() const override { return StaticClass(); }
