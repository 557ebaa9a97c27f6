#include "driver/LJWords.h"

TLJWords::TLJWords() : words(std::make_unique<TStringList>()), spare(std::make_unique<TStringList>()) {}

TLJWords::~TLJWords() = default;

int TLJWords::Split(const std::string& line) {
    pastEnd = false;
    words->Clear();
    spare->Clear();
    std::string rest = line;
    while (!rest.empty()) {
        // An empty separator is found nowhere: the whole rest is the last field.
        std::size_t at = separator.empty() ? std::string::npos : rest.find(separator);
        if (at == std::string::npos) {
            words->Add(rest);
            break;
        }
        words->Add(rest.substr(0, at));
        rest.erase(0, at + 1);
    }
    return words->Count();
}

std::string TLJWords::Word(int index) {
    if (index < 0) return {};
    if (index >= words->Count()) {
        pastEnd = true;
        return {};
    }
    return std::string((*words)[index]);
}
