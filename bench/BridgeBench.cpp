// pondero's request processing, from the start of ProcessRequest to Raport.xml written, on a
// send request of many goods, with a sending program that ends at once (/bin/true standing in
// for CAScale.exe). Peak memory of this process is reported as the counter peak_rss_mb.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bridge/FrmSubiekt.h"
#include "bridge/SilentView.h"
#include "platform/Cp1250.h"

namespace fs = std::filesystem;

namespace {

struct Folders {
    fs::path Root, Current, Program;
    explicit Folders(int goods) {
        Root = fs::temp_directory_path() / ("pondero-bench-" + std::to_string(goods));
        fs::remove_all(Root);
        Current = Root / "current";
        Program = Root / "program";
        fs::create_directories(Current);
        fs::create_directories(Program);
        fs::copy_file("/bin/true", Program / "CAScale.exe");
        std::ofstream(Current / "Prog_kom.cfg", std::ios::binary)
            << "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n  <CAS-POLSKA WAGA=\"Waga\" MODEL=\"CL5000\" "
               "IP=\"127.0.0.1\" PORT=\"20304\" TIMEOUT=\"5000\" RETRY=\"3\"/>\r\n";
        std::ofstream request(Current / "ster_uni.xml", std::ios::binary);
        request << "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<DANE OPERACJA=\"PRZESY\xB3"
                   "ANIETOWAR\xF3W\">\r\n";
        for (int i = 1; i <= goods; ++i) {
            request << "<TOWAR>\r\n <KP>" << i << "</KP>\r\n <NA>" << std::string("Ser żółty gouda "_pl) << i
                    << "</NA>\r\n <CE>" << (i % 1000) << "." << (i % 100) << "</CE>\r\n <W\xB3>"
                    << std::string("Łódź"_pl) << "</W\xB3>\r\n <GR>" << (i % 50) << "</GR>\r\n <KK>" << i
                    << "</KK>\r\n <DK>590" << (1000000000 + i) << "</DK>\r\n <OP>x</OP>\r\n</TOWAR>\r\n";
        }
        request << "</DANE>\r\n";
    }
    ~Folders() { fs::remove_all(Root); }
};

// Ends at once without a process: the processing alone, without starting a program.
class NoProgram : public bridge::ProgramRunner {
public:
    bridge::ProgramOutcome Run(const std::string&, const std::vector<std::string>&, const std::string&,
                               const std::function<void()>&) override {
        return {true, 0};
    }
};

template <class Runner> void BM_ProcessRequest(benchmark::State& state) {
    Folders folders(static_cast<int>(state.range(0)));
    Runner runner;
    bridge::CasPrtcLibrary casprtc(folders.Program.string());
    for (auto _ : state) {
        bridge::SilentView view(true);
        bridge::TFrmSubiekt form(view, view, runner, casprtc,
                                 {folders.Current.string(), folders.Program.string()});
        form.ProcessRequest();
    }
    state.counters["request_mb"] = double(fs::file_size(folders.Current / "ster_uni.xml")) / 1e6;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(BM_ProcessRequest<bridge::PlatformProgramRunner>)
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProcessRequest<NoProgram>)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
