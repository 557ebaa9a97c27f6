// pondero on Linux: the program Subiekt starts to send goods to a CAS scale.
#include <QApplication>
#include <clocale>
#include <cstring>

#include "SubiektWindow.h"
#include "bridge/SendingProgram.h"
#include "platform/Locale.h"
#include "platform/System.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("pondero");
    // Qt takes the user's locale for the C library; numbers in files keep the C form.
    std::setlocale(LC_NUMERIC, "C");
    platform::LoadSystemLocale();

    // Test-only: PONDERO_TEST_CLOSE_AFTER_TIMER=1 or --test-close-after-timer closes the window,
    // as its close box does, after the start-up work, so that a configuration run ends unattended.
    bool closeAfterTimer = !platform::GetEnvironment("PONDERO_TEST_CLOSE_AFTER_TIMER").empty();
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--test-close-after-timer") == 0) closeAfterTimer = true;

    std::string programFolder = platform::ExecutableDirectory();
    bridge::PlatformProgramRunner runner;
    bridge::CasPrtcLibrary casprtc(programFolder);
    SubiektWindow window(runner, casprtc, bridge::BridgeFolders{std::string(), programFolder});
    window.SetCloseAfterTimer(closeAfterTimer);
    window.show();
    return app.exec();
}
