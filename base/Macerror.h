#pragma once
// The class library's exceptions. Besides its message text an EMException tells which icon,
// title, short code, one-line message and longer description fit it, in Polish or in English,
// and it may own the exception that caused it, so that a whole chain of causes can be shown.
// Anything caught (our own exceptions, the platform's, any other C++ exception) is turned into
// an EMException by ToEMException, through a registry of translators.
//
// How the message is fixed: an exception's message is "[" + MacCode() + "] " + MacMessage()
// (MacMessage() alone when the code is empty), computed once, in the language in force when the
// exception is made. C++ has no hook that runs after the most derived constructor, and inside a
// constructor virtual calls reach only the class being built. So every class's constructor ends
// by calling FixMessage(): each constructor overwrites the text of the one before, and the last
// to run, the most derived one's, leaves the final text. A new descendant must do the same.
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "base/Exception.h"

// Which icon fits an exception.
enum TMacIcon : std::uint8_t { micError = 0, micWarning = 1, micInformation = 2, micQuestion = 3 };

class EMException;

// Turns a foreign exception into a new EMException, or gives none when it does not know it.
using ExceptionTranslator = std::unique_ptr<EMException> (*)(const std::exception& e);

class VXLUMO_API EMException : public Exception {
    VX_CLASS(EMException, Exception)
public:
    // The cause is not taken over: the new exception owns a translated copy of it.
    explicit EMException(const std::exception* cause = nullptr);
    // Copies are deep: the copy owns its own chain of causes.
    EMException(const EMException& other);
    EMException& operator=(const EMException& other);
    EMException(EMException&&) = default;
    EMException& operator=(EMException&&) = default;
    ~EMException() override;

    // 1 selects the English texts, any other value the Polish ones. Chosen once, class-wide.
    static std::int32_t Language;

    // The exception stands for an operation abandoned on purpose.
    bool Aborted = false;
    // The cause, owned; destroyed with this exception.
    std::unique_ptr<EMException> Inner;

    virtual TMacIcon MacIcon() const;
    virtual std::string MacTitle() const;
    virtual std::string MacCode() const;
    virtual std::string MacMessage() const;
    virtual std::string MacDescription() const;
    // A new exception of the same class, built from the fields that define it, without cause.
    virtual std::unique_ptr<EMException> Clone() const;
    // Copies the message, Aborted and a deep copy of the source's causes; overrides add their own
    // fields when the source belongs to their class. Overrides copy their fields first and call
    // this last: it may release the old chain that the source is part of.
    virtual void Assign(const EMException* source);

    std::string GetCode() const { return MacCode(); }
    std::string GetTitle() const { return MacTitle(); }
    std::string GetDescription() const { return MacDescription(); }
    // This exception and its causes: topic 0 is this one, 1 its cause and so on.
    int GetTopicCount() const;
    const EMException* GetTopics(int index) const;

    void ShowNow() const;

    // A new exception standing for e (none given: an unknown exception), owned by the caller.
    static std::unique_ptr<EMException> ToEMException(const std::exception* e);
    static void RegisterExceptionTranslator(ExceptionTranslator fn);
    static void UnregisterExceptionTranslator(ExceptionTranslator fn);
    static void UnregisterAllExceptionTranslators();
    // Hands e to the application's general exception handler, or shows it to the user.
    static void ShowExceptionNow(const std::exception* e);

protected:
    // Sets the message from MacCode() and MacMessage(); the last call of every constructor.
    void FixMessage();
};

// The translator registered when the library is loaded: the platform's text input and registry
// errors become their EMException counterparts, any other exception but an EAbort is wrapped in
// an EMClassicException. That includes C++ exceptions that are not ours (std::bad_alloc and the
// like): they are wrapped under their C++ type name, with what() as their message.
VXLUMO_API std::unique_ptr<EMException> DefaultTranslator(const std::exception& e);

// The class name of any exception: the name of our own classes, the C++ type name of others
// (e.g. "std::runtime_error").
VXLUMO_API std::string ExceptionClassName(const std::exception& e);
// The message of any exception: Message() of our own classes, what() of others.
VXLUMO_API std::string ExceptionMessage(const std::exception& e);

// A failed system call: the calling thread's last system error code and the call's name.
class VXLUMO_API EMWin32LastError : public EMException {
    VX_CLASS(EMWin32LastError, EMException)
public:
    EMWin32LastError(std::int32_t code, std::string apiName);

    std::int32_t Code() const { return code_; }
    const std::string& ApiName() const { return apiName_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

    // Raises the error with the last system error of the calling thread, read at once: call it
    // right after the failed call, on its thread.
    [[noreturn]] static void Generate(const std::string& apiName);

private:
    std::int32_t code_;
    std::string apiName_;
};

// A text that does not fit the input mask.
class VXLUMO_API EMMaskEditError : public EMException {
    VX_CLASS(EMMaskEditError, EMException)
public:
    EMMaskEditError();

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
};

// A failed registry read or write, with what the registry said.
class VXLUMO_API EMRegistryError : public EMException {
    VX_CLASS(EMRegistryError, EMException)
public:
    explicit EMRegistryError(std::string detail);

    const std::string& Detail() const { return detail_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;

private:
    std::string detail_;
};

// Any other exception, wrapped: its class name is the code, its message the description.
class VXLUMO_API EMClassicException : public EMException {
    VX_CLASS(EMClassicException, EMException)
public:
    explicit EMClassicException(const std::exception* wrapped);

    const std::string& CodeText() const { return codeText_; }
    const std::string& Description() const { return description_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

private:
    std::string codeText_;
    std::string description_;
};

// A failure of the basic tools. The text stays with the exception but is not shown.
class VXLUMO_API EMToolsError : public EMException {
    VX_CLASS(EMToolsError, EMException)
public:
    EMToolsError(std::int32_t code, std::string text, const std::exception* cause = nullptr);

    std::int32_t Code() const { return code_; }
    const std::string& Text() const { return text_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

private:
    std::int32_t code_;
    std::string text_;
};
