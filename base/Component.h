#pragma once
// Components with owners: an owner frees the components it owns when it goes.
#include <string>
#include <vector>

#include "base/Object.h"

class VXLUMO_API TComponent : public TObject {
    VX_CLASS(TComponent, TObject)
public:
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }

private:
    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> components_;
};
