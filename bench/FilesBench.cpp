// Whole-file reading as the exchange buffers do it, and a log written by several threads.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "base/MFile.h"
#include "base/MLogfile.h"
#include "base/StringList.h"
#include "platform/Files.h"
#include "platform/System.h"

namespace {

constexpr std::int64_t kFileBytes = 100LL * 1024 * 1024;
constexpr int kLineBytes = 40;  // 38 characters and CR LF

// A folder of its own under the system's temporary folder, removed with its files at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        path_ = platform::JoinPath(platform::TempDirectory(),
                                   "vxbench-" + std::to_string(platform::CurrentThreadId()) + "-" +
                                       std::to_string(platform::TickCount()));
        platform::CreateDirectory(path_);
    }
    ~ScratchFolder() {
        for (const auto& f : files_) platform::DeleteFile(f);
        platform::RemoveDirectory(path_);
    }
    std::string File(const std::string& name) {
        files_.push_back(platform::JoinPath(path_, name));
        return files_.back();
    }

private:
    std::string path_;
    std::vector<std::string> files_;
};

std::string MakeLinesFile(ScratchFolder& folder) {
    std::string path = folder.File("lines.txt");
    std::string block;
    for (int i = 0; block.size() + kLineBytes <= 1 << 20; ++i) {
        std::string line = "PLU;" + std::to_string(100000 + i) + ";Towar testowy";
        line.resize(kLineBytes - 2, '.');
        block += line + "\r\n";
    }
    platform::FileHandle f =
        platform::OpenFile(path, platform::FileAccess::Write, platform::FileDisposition::CreateAlways);
    std::int64_t done = 0;
    while (done < kFileBytes) {
        std::size_t written = 0;
        platform::WriteFile(f, block.data(), block.size(), written);
        done += static_cast<std::int64_t>(written);
    }
    platform::CloseFile(f);
    return path;
}

void BM_ReadStringsFromFile(benchmark::State& state) {
    ScratchFolder folder;
    std::string path = MakeLinesFile(folder);
    std::string warm;
    platform::ReadWholeFile(path, warm);  // into the page cache
    std::int64_t bytes = static_cast<std::int64_t>(warm.size());
    warm = {};
    for (auto _ : state) {
        TStringList lines;
        TMFile::ReadStringsFromFile(path, lines, 4096);
        benchmark::DoNotOptimize(lines.Count());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ReadStringsFromFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same file read in 4096-byte pieces with nothing done to them: the floor for the above.
void BM_PlainRead(benchmark::State& state) {
    ScratchFolder folder;
    std::string path = MakeLinesFile(folder);
    std::vector<char> buf(4096);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        platform::FileHandle f =
            platform::OpenFile(path, platform::FileAccess::Read, platform::FileDisposition::OpenExisting);
        std::size_t got = 0;
        bytes = 0;
        while (platform::ReadFile(f, buf.data(), buf.size(), got) && got > 0) bytes += static_cast<std::int64_t>(got);
        platform::CloseFile(f);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LogfileFourThreads(benchmark::State& state) {
    constexpr int kThreads = 4;
    constexpr int kEntries = 50000;
    ScratchFolder folder;
    int round = 0;
    for (auto _ : state) {
        TMLogfile log;
        log.SetPath(folder.File("log" + std::to_string(round++) + ".txt"));
        log.Open();
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&log, t] {
                std::string text = "Eksport towarow, watek " + std::to_string(t) + "\r\nwynik: poprawny";
                for (int i = 0; i < kEntries; ++i) log.Log(text);
            });
        for (auto& th : threads) th.join();
        log.Close();
    }
    state.SetItemsProcessed(state.iterations() * kThreads * kEntries);
}
BENCHMARK(BM_LogfileFourThreads)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
