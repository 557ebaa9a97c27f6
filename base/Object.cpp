#include "base/Object.h"

#include <cstring>

TObject::~TObject() = default;

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info{"TObject", nullptr};
    return info;
}

const TClassInfo& TObject::ClassType() const { return StaticClass(); }

bool TObject::InheritsFromName(const char* name) const {
    for (const TClassInfo* c = &ClassType(); c; c = c->Parent)
        if (std::strcmp(c->Name, name) == 0) return true;
    return false;
}
