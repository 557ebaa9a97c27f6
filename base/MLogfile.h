#pragma once
// An appending log file that several threads may write at once: each entry is stamped with the
// writing thread and the local time, and its lines stay together.
#include <mutex>
#include <string_view>

#include "base/MFile.h"
#include "base/TdtTools.h"

class VXLUMO_API TMLogfile : public TMCustomFile {
    VX_CLASS(TMLogfile, TMCustomFile)
public:
    explicit TMLogfile(TComponent* owner = nullptr) : TMCustomFile(owner) {}
    ~TMLogfile() override;

    bool GetActive() const override;
    // Opening creates a missing file and places the pointer at its end.
    void SetActive(bool value) override;
    TdtTools::TdtFormat GetDTFormat() const;
    void SetDTFormat(TdtTools::TdtFormat format);

    // Writes each line of the text (split at CR LF, CR or LF) with the entry's prefix before the
    // first line and as many spaces before the others. An empty text writes nothing.
    void Log(std::string_view text);

private:
    // Recursive, as a Windows critical section: Log checks the state through GetActive.
    mutable std::recursive_mutex lock_;
    TdtTools::TdtFormat dtFormat_ = TdtTools::fmtDateTimeCompressed;
};
