#include "support/TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/Cp1250.h"
#include "platform/Files.h"

namespace testing_support {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "vxtest-" << std::hex << rd() << "-" << counter++;
        auto candidate = base / name.str();
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    // Make everything writable again first, since tests take rights away.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Cp1250() const {
    auto u8 = path_.u8string();
    return cp1250::FromUtf8(std::string(u8.begin(), u8.end()));
}

std::string TempDir::File(const std::string& cp1250Name) const {
    return platform::JoinPath(Cp1250(), cp1250Name);
}

void TempDir::Write(const std::string& cp1250Name, const std::string& bytes) const {
    if (!platform::WriteWholeFile(File(cp1250Name), bytes)) throw std::runtime_error("cannot write test file");
}

std::string TempDir::Read(const std::string& cp1250Name) const {
    std::string contents;
    if (!platform::ReadWholeFile(File(cp1250Name), contents)) throw std::runtime_error("cannot read test file");
    return contents;
}

}  // namespace testing_support
