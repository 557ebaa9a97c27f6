#pragma once
// Splits one line of an exchange file into fields at a separator.
#include <memory>
#include <string>

#include "base/StringList.h"

class VXLUMO_API TLJWords {
public:
    TLJWords();
    ~TLJWords();
    TLJWords(const TLJWords&) = delete;
    TLJWords& operator=(const TLJWords&) = delete;

    // Fills words and returns the number of fields.
    int Split(const std::string& line);
    // Field index (from 0); empty for a negative index, empty and pastEnd set past the last field.
    std::string Word(int index);

    TStringList& Words() { return *words; }

    std::unique_ptr<TStringList> words;
    std::unique_ptr<TStringList> spare; // emptied with every split, never filled
    std::string separator;
    bool pastEnd = false;
};
