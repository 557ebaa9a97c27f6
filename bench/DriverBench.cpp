// The driver loaded by path as the host loads it.
//  - BM_ExportOperation: one export with a PCas.exe that exits at once, entry to return.
//  - BM_OperationMix: 10,000 operations (-1, -2, -3, -8) in one loaded library.
//  - BM_LoadRegisterRelease: 1,000 load, register and release cycles.
// The last two report the growth of resident memory (kB) and of open file descriptors.
#include <benchmark/benchmark.h>

#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "driver/SKXDLL.h"
#include "platform/Library.h"

namespace {

namespace fs = std::filesystem;

fs::path g_dir;
std::string g_driverDir;
std::string g_workDir;

void SKX_STDCALL OnParam(std::int32_t, std::int32_t, const char* name, char* value) {
    value[0] = '\0';
    if (std::strcmp(name, "VxLumoDriverDir") == 0) std::strncpy(value, g_driverDir.c_str(), 300);
}
void SKX_STDCALL OnEnvironment(std::int32_t, std::int32_t, std::int32_t*, std::int32_t* scaleNo, char*, char*,
                               char* workDir) {
    *scaleNo = 1;
    std::strncpy(workDir, g_workDir.c_str(), 260);
}
void SKX_STDCALL OnLine(std::int32_t, std::int32_t, std::int32_t, const char*) {}
std::int32_t SKX_STDCALL OnList(std::int32_t, std::int32_t, std::int32_t index, char* line) {
    if (index > 1) return 0;
    std::strcpy(line, "2??????");
    return 1;
}
std::int32_t SKX_STDCALL OnSave(std::int32_t, std::int32_t) {
    return 1;
}

struct Driver {
    platform::LibraryHandle handle = platform::LoadLibrary(VX_LIBRARY_PATH);
    template <class F> F Get(const char* name) {
        return reinterpret_cast<F>(platform::LibrarySymbol(handle, name));
    }
    TSKXDLLRejestrujBiblioteke reg = Get<TSKXDLLRejestrujBiblioteke>("SKXDLLRejestrujBiblioteke");
    TSKXDLLRejestrujCallback cb = Get<TSKXDLLRejestrujCallback>("SKXDLLRejestrujCallback");
    TSKXDLLZwolnijBiblioteke release = Get<TSKXDLLZwolnijBiblioteke>("SKXDLLZwolnijBiblioteke");
    TSKXDLLSerKasOperacja op = Get<TSKXDLLSerKasOperacja>("SKXDLLSerKasOperacja");
    void* library = nullptr;

    void Register() {
        library = reg(1, 0, 0, nullptr);
        cb(library, reinterpret_cast<TSKXCallback>(&OnParam), sctParamValue);
        cb(library, reinterpret_cast<TSKXCallback>(&OnEnvironment), sctEnvironment);
        cb(library, reinterpret_cast<TSKXCallback>(&OnLine), sctAddLine);
        cb(library, reinterpret_cast<TSKXCallback>(&OnLine), sctReplaceLine);
        cb(library, reinterpret_cast<TSKXCallback>(&OnList), sctListLine);
        cb(library, reinterpret_cast<TSKXCallback>(&OnSave), sctSaveExportResult);
    }
    int Run(int code) {
        std::int32_t session = 0;
        char text[kSkxTextBufferSize] = "bench";
        return op(library, 1, &session, text, code, 0);
    }
    ~Driver() {
        if (library) release(library);
        platform::FreeLibrary(handle);
    }
};

void Prepare() {
    if (!g_dir.empty()) return;
    g_dir = fs::temp_directory_path() / ("vxbench-" + std::to_string(::getpid()));
    fs::create_directories(g_dir / "drv");
    fs::create_directories(g_dir / "work");
    // A PCas.exe that exits at once.
    fs::copy_file("/bin/true", g_dir / "drv" / "PCas.exe", fs::copy_options::overwrite_existing);
    g_driverDir = (g_dir / "drv").string();
    g_workDir = (g_dir / "work").string() + "/";
}

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

long OpenFiles() {
    long n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

void BM_ExportOperation(benchmark::State& state) {
    Prepare();
    Driver d;
    d.Register();
    for (auto _ : state) benchmark::DoNotOptimize(d.Run(-2));
}
BENCHMARK(BM_ExportOperation)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_OperationMix(benchmark::State& state) {
    Prepare();
    const int codes[] = {-1, -2, -3, -8};
    for (auto _ : state) {
        Driver d;
        d.Register();
        for (int i = 0; i < 100; ++i) d.Run(codes[i % 4]); // warm up: first allocations settle
        long rss = ResidentKb(), fds = OpenFiles();
        for (int i = 0; i < 10000; ++i) d.Run(codes[i % 4]);
        state.counters["rss_growth_kb"] = static_cast<double>(ResidentKb() - rss);
        state.counters["fd_growth"] = static_cast<double>(OpenFiles() - fds);
    }
}
BENCHMARK(BM_OperationMix)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LoadRegisterRelease(benchmark::State& state) {
    Prepare();
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) Driver().Register();
        long rss = ResidentKb(), fds = OpenFiles();
        for (int i = 0; i < 1000; ++i) {
            Driver d;
            d.Register();
        }
        state.counters["rss_growth_kb"] = static_cast<double>(ResidentKb() - rss);
        state.counters["fd_growth"] = static_cast<double>(OpenFiles() - fds);
    }
}
BENCHMARK(BM_LoadRegisterRelease)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!g_dir.empty()) fs::remove_all(g_dir);
    return 0;
}
