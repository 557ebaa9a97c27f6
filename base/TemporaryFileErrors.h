#pragma once
// TEMPORARY. A minimal stand-in for the library's exception classes (EMException,
// EMWin32LastError, EMFileError) while they are built elsewhere: only what the file classes
// raise and their tests read. It goes as soon as the real classes join this branch.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/Exception.h"
#include "base/MFile.h"
#include "platform/Cp1250.h"
#include "platform/System.h"

class EMException : public Exception {
    VX_CLASS(EMException, Exception)
public:
    explicit EMException(const EMException* cause = nullptr) {
        if (cause) inner_ = cause->Clone();
    }
    EMException(const EMException& other) : Exception(other) {
        if (other.inner_) inner_ = other.inner_->Clone();
    }
    EMException& operator=(const EMException&) = delete;
    ~EMException() override = default;

    const EMException* Inner() const { return inner_.get(); }
    virtual std::unique_ptr<EMException> Clone() const { return std::make_unique<EMException>(*this); }

private:
    std::unique_ptr<EMException> inner_;
};

class EMWin32LastError : public EMException {
    VX_CLASS(EMWin32LastError, EMException)
public:
    EMWin32LastError(std::uint32_t code, std::string apiName) : code_(code), apiName_(std::move(apiName)) {
        SetMessage("[L/" + std::to_string(code_) + "] " + std::string("Błąd wywołania funkcji API Win32"_pl));
    }
    std::unique_ptr<EMException> Clone() const override { return std::make_unique<EMWin32LastError>(*this); }
    std::uint32_t Code() const { return code_; }
    const std::string& ApiName() const { return apiName_; }

    [[noreturn]] static void Generate(const std::string& apiName) {
        throw EMWin32LastError(platform::LastError(), apiName);
    }

private:
    std::uint32_t code_;
    std::string apiName_;
};

class EMFileError : public EMException {
    VX_CLASS(EMFileError, EMException)
public:
    EMFileError(const TMCustomFile* file, std::int32_t code, const EMException* cause = nullptr)
        : EMException(cause), code_(code) {
        if (file) {
            type_ = file->ClassName();
            object_ = file->Name();
            path_ = file->FileName();
        }
        SetMessage("[F/" + std::to_string(code_) + "] " + std::string("Błąd operacji we/wy na pliku"_pl));
    }
    std::unique_ptr<EMException> Clone() const override { return std::make_unique<EMFileError>(*this); }
    std::int32_t Code() const { return code_; }
    const std::string& TypeText() const { return type_; }
    const std::string& ObjectText() const { return object_; }
    const std::string& PathText() const { return path_; }

    [[noreturn]] static void Generate(const TMCustomFile* file, std::int32_t code,
                                      const std::string& apiName) {
        try {
            EMWin32LastError::Generate(apiName);
        } catch (const EMWin32LastError& e) {
            throw EMFileError(file, code, &e);
        }
    }

private:
    std::int32_t code_;
    std::string type_, object_, path_;
};
