// skxhost: plays the SKX back-office host for a driver library given by path.
//   skxhost describe --driver LIB
//   skxhost run --driver LIB --workdir DIR --params FILE [--list FILE] [--scale-no N] [--session N]
//               [--op CODE] [--arg N] [--text T] [--refuse-result]
#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "DriverLibrary.h"
#include "Host.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

namespace {

using skxhost::Print;

std::string Cp(const std::string& arg) {
    return cp1250::IsValidUtf8(arg) ? cp1250::FromUtf8(arg) : arg;
}

std::string Column(const char* buffer) {
    return std::string(buffer, strnlen(buffer, kSkxTextBufferSize - 1));
}

int Describe(skxhost::DriverLibrary& lib) {
    char b[kSkxTextBufferSize];
    Print(stdout, "Typ biblioteki: " + std::to_string(lib.TypBiblioteki()) + "\n");
    for (int property : {1, 2, 3, 102, 103}) {
        lib.Wlasciwosci(b, property);
        Print(stdout, std::string("Właściwość "_pl) + std::to_string(property) + ": " + Column(b) + "\n");
    }
    char name[kSkxTextBufferSize], caption[kSkxTextBufferSize], def[kSkxTextBufferSize],
        min[kSkxTextBufferSize], max[kSkxTextBufferSize];
    for (int group = 100; group <= 110; ++group) {
        for (int index = 0; index < 100; ++index) {
            std::int32_t flags = 0;
            int type = lib.Parametr(group, index, name, caption, def, min, max, &flags);
            if (type == 0) continue;
            std::string line = "Parametr " + std::to_string(group) + "/" + std::to_string(index) + ": " +
                               Column(name) + " | typ " + std::to_string(type) + " | " + Column(caption) +
                               std::string(" | domyślnie \""_pl) + Column(def) + "\"";
            if (*min || *max) line += " | zakres " + Column(min) + ".." + Column(max);
            Print(stdout, line + "\n");
            for (int entry = 0; lib.TekstListyParametru(name, entry, b) != 0; ++entry)
                Print(stdout, "    lista " + std::to_string(entry) + ": " + Column(b) + "\n");
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"skxhost: the SKX back-office host for a driver library"};
    app.require_subcommand(1);
    std::string driver, workDir, paramsFile, listFile, text;
    int scaleNo = 1, session = 0, op = -2, arg = 0;
    bool refuse = false;

    CLI::App* describe =
        app.add_subcommand("describe", "print the library's type, properties, parameters and lists");
    describe->add_option("--driver", driver, "the driver library")->required();

    CLI::App* run = app.add_subcommand("run", "run one operation of the driver");
    run->add_option("--driver", driver, "the driver library")->required();
    run->add_option("--workdir", workDir, "the exchange folder")->required();
    run->add_option("--params", paramsFile, "NAME=VALUE lines answering the parameters")->required();
    run->add_option("--list", listFile, "the lines of the host list");
    run->add_option("--scale-no", scaleNo, "the scale number");
    run->add_option("--session", session, "the host's session type");
    run->add_option("--op", op, "the operation code");
    run->add_option("--arg", arg, "the operation argument");
    run->add_option("--text", text, "the text handed to the operation");
    run->add_flag("--refuse-result", refuse, "do not store the export result");
    CLI11_PARSE(app, argc, argv);

    skxhost::DriverLibrary lib;
    std::string error;
    if (!lib.Load(Cp(driver), error)) {
        Print(stderr, "skxhost: " + error + "\n");
        return 2;
    }
    if (describe->parsed()) return Describe(lib);

    skxhost::HostSettings settings;
    // The driver hands the folder to PCas.exe, which runs elsewhere: give it the full path.
    std::error_code ec;
    auto full = std::filesystem::absolute(std::filesystem::u8path(workDir), ec).u8string();
    settings.workDir = platform::JoinPath(ec ? Cp(workDir) : Cp(std::string(full.begin(), full.end())), "");
    settings.scaleNo = scaleNo;
    settings.refuseResult = refuse;
    if (!skxhost::ReadParams(paramsFile, settings.params, error) ||
        (!listFile.empty() && !skxhost::ReadList(listFile, settings.list, error))) {
        Print(stderr, "skxhost: " + error + "\n");
        return 2;
    }
    skxhost::Host host(std::move(settings));
    if (!host.Register(lib)) {
        Print(stderr, "skxhost: the library refused the registration\n");
        return 2;
    }
    std::int32_t result = host.Run(1, session, Cp(text), op, arg);
    host.Release();
    Print(stdout, "skxhost: wynik operacji " + std::to_string(op) + ": " + std::to_string(result) + "\n");
    return result;
}
