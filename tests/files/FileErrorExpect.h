#pragma once
// Checks on the errors the file classes raise: the file code, and what rides along as cause.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/Mfierror.h"

namespace files_test {

// What the cause of an EMFileError must be.
struct Cause {
    enum Kind { None, System, File } What = None;
    int FileCode = 0; // for File
    std::string Api;  // for System: the failed call
};
inline Cause NoCause() {
    return {};
}
inline Cause SystemCause(std::string api) {
    return {Cause::System, 0, std::move(api)};
}
inline Cause FileCause(int code) {
    return {Cause::File, code, {}};
}

// Runs op and expects an EMFileError with the code and the cause; returns it for more checks.
inline EMFileError ExpectFileError(const std::function<void()>& op, int code, const Cause& cause) {
    try {
        op();
    } catch (const EMFileError& e) {
        EXPECT_EQ(e.Code(), code);
        const EMException* inner = e.Inner.get();
        switch (cause.What) {
        case Cause::None:
            EXPECT_EQ(inner, nullptr);
            break;
        case Cause::System: {
            auto* w = dynamic_cast<const EMWin32LastError*>(inner);
            EXPECT_NE(w, nullptr) << "the cause is not the system error";
            if (w) {
                EXPECT_EQ(w->ApiName(), cause.Api);
                EXPECT_NE(w->Code(), 0);
            }
            break;
        }
        case Cause::File: {
            auto* f = dynamic_cast<const EMFileError*>(inner);
            EXPECT_NE(f, nullptr) << "the cause is not a file error";
            if (f) {
                EXPECT_EQ(f->Code(), cause.FileCode);
            }
            break;
        }
        }
        return e;
    } catch (const std::exception& e) {
        ADD_FAILURE() << "another exception: " << e.what();
        return EMFileError(nullptr, 0);
    }
    ADD_FAILURE() << "nothing raised, expected code " << code;
    return EMFileError(nullptr, 0);
}

} // namespace files_test
