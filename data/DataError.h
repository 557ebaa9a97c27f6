#pragma once
// The data library's one exception: every failure of fields, datasets and backup files, with a
// numeric code and a short detail (a field name, an index, a class name, or nothing).
#include <cstdint>
#include <string>

#include "base/Macerror.h"

class VXLUMO_API EMDataError : public EMException {
    VX_CLASS(EMDataError, EMException)
public:
    EMDataError(int code, std::string detail, const std::exception* inner = nullptr);
    ~EMDataError() override;

    int Code() const { return code_; }
    const std::string& Detail() const { return detail_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    // Built each time it is asked for, in the language in force then.
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

private:
    int code_;
    std::string detail_;
};
