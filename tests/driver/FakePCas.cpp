// Stands in for PCas.exe in the driver's tests: records how it was started and writes the
// export result where scale.cfg tells it to.
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    {
        std::ofstream run("pcas-run.txt", std::ios::binary);
        run << argc - 1 << "\n";
        for (int i = 1; i < argc; ++i) run << argv[i] << "\n";
        run << fs::current_path().string() << "\n";
    }
    if (argc < 2 || fs::exists("pcas-nowynik")) return 0;
    std::ifstream cfg(argv[1], std::ios::binary);
    std::string line;
    const std::string key = "FILE_WYNIK_EXP;";
    while (std::getline(cfg, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(key, 0) == 0) {
            std::ofstream result(line.substr(key.size()), std::ios::binary);
            result << "WYNIK\r\n";
        }
    }
    return 0;
}
