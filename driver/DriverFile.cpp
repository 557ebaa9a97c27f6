#include "driver/DriverFile.h"

#include "base/MFile.h"
#include "base/TdtTools.h"

DriverFile::DriverFile(const std::string& path, Mode mode) : file_(std::make_unique<TMFile>()) {
    file_->SetPath(path);
    file_->SetReadOnly(mode == Mode::Read);
    file_->Open();
    if (mode == Mode::Truncate) {
        file_->SetPointer(0);
        file_->SetEof();
    } else if (mode == Mode::Append) {
        file_->SetPointer(file_->GetSize());
    }
}

DriverFile::~DriverFile() = default; // the file object closes the file

void DriverFile::Write(const std::string& bytes) {
    file_->Write(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

bool DriverFile::ReadLine(std::string& line) {
    return file_->ReadLine(line, "\r\n");
}

void DriverFile::Close() {
    file_->Close();
}

std::string DriverFile::NowTimeHMSms() {
    return TdtTools().ToString(TdtTools::fmtTimeHMSms);
}

std::string DriverFile::Now4YDateTime() {
    return TdtTools().ToString(TdtTools::fmt4YDateTime);
}
