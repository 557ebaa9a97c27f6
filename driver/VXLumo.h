#pragma once
// The scale driver: its library object and its action, which exports goods to a CAS scale by
// handing the work to the scale maker's communication program PCas.exe.
#include <string>

#include "driver/KSAction.h"

class VXLUMO_API TVXLumoLibrary : public TKSLibrary {
    VX_CLASS(TVXLumoLibrary, TKSLibrary)
public:
    explicit TVXLumoLibrary(std::int32_t hostData) : TKSLibrary(hostData) {}
    std::unique_ptr<TKSActionBase> CreateAction(int actionId) override;
    int ShowDeviceWindow(TKSActionBase* action, int first, bool flag, int second, int third) override;
};

class VXLUMO_API VXLumoAction : public KSAction {
    VX_CLASS(VXLumoAction, KSAction)
public:
    VXLumoAction(TKSLibrary* ownerLibrary, int actionId) : KSAction(ownerLibrary, actionId) {}

    std::string SharedResourceName() override;
    void Execute(HSKXDLLSRODOWISKO& record, int operationCode, int operationArg) override;
    std::string DeviceProperty(int number) override;

    void TestConnection();
    void Export();
    // The text of scale.cfg, and writing it into the exchange folder.
    std::string ScaleCfgText();
    void WriteScaleCfg();
    void AppendBarcodeFormats(std::string& text);
    void RunPCas();
    std::string ScaleCfgPath() const { return WorkDir() + "scale.cfg"; }
    std::string PCasPath();
};
