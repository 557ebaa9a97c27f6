#include "driver/ErrorChain.h"

#include "base/Macerror.h"

std::string DescribeCauses(const Exception& e) {
    const auto* chain = dynamic_cast<const EMException*>(&e);
    if (!chain) return e.Message() + "\r\n";
    std::string text;
    for (int i = 0; i < chain->GetTopicCount(); ++i) {
        const EMException* t = chain->GetTopics(i);
        if (!t) break;
        text += "[" + t->GetCode() + "] " + t->GetTitle() + "\r\n" + t->GetDescription() + "\r\n";
    }
    return text;
}
