#include "driver/KSLibrary.h"

#include "base/Exception.h"
#include "driver/KSAction.h"
#include "platform/Cp1250.h"

namespace {
constexpr int kAcceptedTypes[TKSLibrary::kCallbackSlots] = {5,  6,  11, 12, 13, 14, 15, 16, 17,
                                                            18, 19, 20, 21, 22, 23, 24, 25, 28};
} // namespace

TKSLibrary::TKSLibrary(std::int32_t hostData) : hostData_(hostData) {}

TKSLibrary::~TKSLibrary() = default;

int TKSLibrary::SlotOf(int type) {
    for (int i = 0; i < kCallbackSlots; ++i)
        if (kAcceptedTypes[i] == type) return i;
    return -1;
}

void TKSLibrary::RegisterCallback(TSKXCallback callback, int type) {
    int slot = SlotOf(type);
    if (slot >= 0) callbacks_[static_cast<std::size_t>(slot)] = callback;
}

TSKXCallback TKSLibrary::Callback(int type) const {
    int slot = SlotOf(type);
    return slot >= 0 ? callbacks_[static_cast<std::size_t>(slot)] : nullptr;
}

int TKSLibrary::ShowDeviceWindow(TKSActionBase*, int, bool, int, int) {
    return 0;
}

void TKSLibrary::CheckSessionType(int sessionType, const std::string&) {
    if (sessionType != 0) throw Exception(std::string("Niezgodny typ sesji w sterowniku"_pl));
}

void TKSLibrary::KeepSessionAlive(std::int32_t*, std::string&, int, bool) {}
