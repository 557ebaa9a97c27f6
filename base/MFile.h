#pragma once
// Files of the class library. This header is completed by the files work; what stands here is
// the identity that the file errors read from a file object.
#include <string>

#include "base/Component.h"

class VXLUMO_API TMCustomFile : public TComponent {
    VX_CLASS(TMCustomFile, TComponent)
public:
    explicit TMCustomFile(TComponent* owner = nullptr) : TComponent(owner) {}
    // The file's path, as given.
    const std::string& FileName() const { return fileName_; }

protected:
    std::string fileName_;
};
