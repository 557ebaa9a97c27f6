#pragma once
// The library object the host holds between its calls: its context value and its callbacks.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "base/Object.h"
#include "driver/SKXDLL.h"

class TKSActionBase;

// How an operation travels from the entry point to the action that carries it out.
struct HSKXDLLSRODOWISKO {
    std::string text;                // in: the caller's text; out: the text copied back
    std::int32_t* session = nullptr; // the caller's session integer
    std::int32_t result = 0;
};

class VXLUMO_API TKSLibrary : public TObject {
    VX_CLASS(TKSLibrary, TObject)
public:
    static constexpr int kCallbackSlots = 18;

    explicit TKSLibrary(std::int32_t hostData);
    ~TKSLibrary() override;
    TKSLibrary(const TKSLibrary&) = delete;
    TKSLibrary& operator=(const TKSLibrary&) = delete;

    std::int32_t HostData() const { return hostData_; }

    // Stores the pointer in the slot of its type; a type the driver does not know is ignored.
    void RegisterCallback(TSKXCallback callback, int type);
    // The pointer stored for the type, or nullptr.
    TSKXCallback Callback(int type) const;
    // The slot of a type, or -1 when the type is not accepted.
    static int SlotOf(int type);

    template <class F> F CallbackAs(int type) const { return reinterpret_cast<F>(Callback(type)); }

    virtual std::unique_ptr<TKSActionBase> CreateAction(int actionId) = 0;
    virtual int ShowDeviceWindow(TKSActionBase* action, int first, bool flag, int second, int third);
    // Throws when the host runs a session this driver cannot share.
    virtual void CheckSessionType(int sessionType, const std::string& text);
    virtual void KeepSessionAlive(std::int32_t* session, std::string& text, int value, bool flag);

private:
    std::int32_t hostData_;
    std::array<TSKXCallback, kCallbackSlots> callbacks_{};
};
