#pragma once
// One floating-point number read from user input or database text, written with a minimum and a
// maximum number of decimals, and rounded. TfTools computes in double, TxfTools in extended
// (long double) precision.
#include <string>

#include "platform/Export.h"

class VXLUMO_API TfTools {
public:
    explicit TfTools(double value = 0) : value_(value) {}
    double Value() const { return value_; }

    // A number typed by a user: "." or "," as the decimal separator, rounded to decimals (0..12).
    // Throws Exception for a text that is no number, or a negative one unless allowed; the old
    // value stays then.
    TfTools& FromString(const std::string& text, int decimals, bool allowNegative);
    // A number as a database writes it, read as far as it goes; never fails.
    TfTools& FromDBField(const std::string& text);
    // With the system decimal separator, or with "." for a database.
    std::string ToString(int minDecimals, int maxDecimals) const;
    std::string ToDBField(int minDecimals, int maxDecimals) const;

    double Round(int decimals) const; // half away from zero
    double RoundDown(int decimals) const;
    double RoundUp(int decimals) const;

private:
    double value_;
};

class VXLUMO_API TxfTools {
public:
    explicit TxfTools(long double value = 0) : value_(value) {}
    long double Value() const { return value_; }

    // Reads as TfTools does (double precision) and keeps the result.
    TxfTools& FromString(const std::string& text, int decimals, bool allowNegative);
    TxfTools& FromDBField(const std::string& text);
    std::string ToString(int minDecimals, int maxDecimals) const;
    std::string ToDBField(int minDecimals, int maxDecimals) const;

    long double Round(int decimals) const;
    long double RoundDown(int decimals) const;
    long double RoundUp(int decimals) const;

private:
    long double value_;
};
