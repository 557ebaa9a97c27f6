#pragma once
// Errors of files, DDE conversations, communication ports, worker threads and the folder dialog.
// Each carries a code from its own range; Generate attaches the calling thread's last system
// error as the cause when a system call is named.
#include <cstdint>
#include <string>

#include "base/Macerror.h"

class TMCustomFile;

class VXLUMO_API EMFileError : public EMException {
    VX_CLASS(EMFileError, EMException)
public:
    // With a file object its class name, component name and path are kept; without, all empty.
    EMFileError(const TMCustomFile* file, std::int32_t code, const std::exception* cause = nullptr);

    std::int32_t Code() const { return code_; }
    const std::string& TypeText() const { return typeText_; }
    const std::string& ObjectText() const { return objectText_; }
    const std::string& PathText() const { return pathText_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

    // The text of a code in the current language; empty for a code without one.
    static std::string CodeText(std::int32_t code);
    // Raises the error; with an API name the last system error rides along as its cause.
    [[noreturn]] static void Generate(const TMCustomFile* file, std::int32_t code,
                                      const std::string& apiName);

private:
    std::int32_t code_;
    std::string typeText_;
    std::string objectText_;
    std::string pathText_;
};

class VXLUMO_API EMDDEError : public EMException {
    VX_CLASS(EMDDEError, EMException)
public:
    EMDDEError(bool server, std::int32_t code, std::uint32_t ddeError, const std::exception* cause = nullptr);

    bool Server() const { return server_; }
    std::int32_t Code() const { return code_; }
    std::uint32_t DdeError() const { return ddeError_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

    // The DDEML name of an error value without its DMLERR_ prefix; empty for an unknown value.
    static std::string DdeErrorName(std::uint32_t ddeError);

private:
    bool server_;
    std::int32_t code_;
    std::uint32_t ddeError_;
};

class VXLUMO_API EMPortError : public EMException {
    VX_CLASS(EMPortError, EMException)
public:
    EMPortError(std::int32_t code, std::string port, const std::exception* cause = nullptr);

    std::int32_t Code() const { return code_; }
    const std::string& PortText() const { return port_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

    static std::string CodeText(std::int32_t code);
    [[noreturn]] static void Generate(std::int32_t code, const std::string& port, const std::string& apiName);

private:
    std::int32_t code_;
    std::string port_;
};

class VXLUMO_API EMThreadError : public EMException {
    VX_CLASS(EMThreadError, EMException)
public:
    explicit EMThreadError(std::int32_t code, const std::exception* cause = nullptr);

    std::int32_t Code() const { return code_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

    [[noreturn]] static void Generate(std::int32_t code, const std::string& apiName);

private:
    std::int32_t code_;
};

class VXLUMO_API EMFolderDlgError : public EMException {
    VX_CLASS(EMFolderDlgError, EMException)
public:
    explicit EMFolderDlgError(std::int32_t code, const std::exception* cause = nullptr);

    std::int32_t Code() const { return code_; }

    TMacIcon MacIcon() const override;
    std::string MacCode() const override;
    std::string MacMessage() const override;
    std::string MacDescription() const override;
    std::unique_ptr<EMException> Clone() const override;
    void Assign(const EMException* source) override;

private:
    std::int32_t code_;
};
