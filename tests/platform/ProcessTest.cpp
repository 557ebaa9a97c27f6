#include <gtest/gtest.h>

#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/System.h"
#include "support/TempDir.h"

namespace {
using namespace platform;

TEST(Process, AMissingProgramIsNotStarted) {
    testing_support::TempDir dir;
    EXPECT_EQ(Process::Start(dir.File("brak-programu.exe"), {}, dir.Cp1250()), nullptr);
    EXPECT_NE(LastError(), 0u);
    EXPECT_FALSE(ShellOpen(dir.File("brak-programu.exe"), "x", dir.Cp1250()));
}

#ifndef _WIN32
TEST(Process, RunsInItsFolderWithItsArgumentsAndReportsTheExitCode) {
    testing_support::TempDir dir;
    dir.Write("run.sh", "#!/bin/sh\necho \"$1\" > out.txt\nexit 3\n");
    std::filesystem::permissions(dir.Path() / "run.sh", std::filesystem::perms::owner_all);
    auto p = Process::Start(dir.File("run.sh"), {"a b"}, dir.Cp1250());
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(p->Wait(10000));
    EXPECT_FALSE(p->IsRunning());
    EXPECT_EQ(p->ExitCode(), 3);
    EXPECT_EQ(dir.Read("out.txt"), "a b\n");
}
#endif

}  // namespace
