#pragma once
// The platform's base exception class: a message text (Windows-1250) and a help context, with
// its class name and ancestors known by name. Every exception the system raises derives from it.
#include <exception>
#include <string>

#include "base/Object.h"

class VXLUMO_API Exception : public TObject, public std::exception {
    VX_CLASS(Exception, TObject)
public:
    explicit Exception(std::string message = {}, int helpContext = 0)
        : message_(std::move(message)), helpContext_(helpContext) {}
    Exception(const Exception&) = default;
    Exception& operator=(const Exception&) = default;
    ~Exception() override;

    const std::string& Message() const { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int helpContext) { helpContext_ = helpContext; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
    int helpContext_;
};

// The platform's own exception classes that the library meets and tests by name.
#define VX_SIMPLE_EXCEPTION(Name, Parent)                                                                \
    class VXLUMO_API Name : public Parent {                                                             \
        VX_CLASS(Name, Parent)                                                                          \
    public:                                                                                             \
        using Parent::Parent;                                                                           \
    }

// A silent exception: the operation was abandoned on purpose.
VX_SIMPLE_EXCEPTION(EAbort, Exception);
// A text could not be converted to a number, date or time.
VX_SIMPLE_EXCEPTION(EConvertError, Exception);
VX_SIMPLE_EXCEPTION(EOutOfMemory, Exception);
VX_SIMPLE_EXCEPTION(EInOutError, Exception);
VX_SIMPLE_EXCEPTION(EListError, Exception);
VX_SIMPLE_EXCEPTION(EExternal, Exception);
VX_SIMPLE_EXCEPTION(EAccessViolation, EExternal);
// Errors of the text input mask and of the registry, as the platform's classes call them.
VX_SIMPLE_EXCEPTION(EDBEditError, Exception);
VX_SIMPLE_EXCEPTION(ERegistryException, Exception);
