#pragma once
// What went wrong when the data exchange read a field, reported once per exchange.
#include <cstdint>
#include <string>

enum class DataExchangeFailureKind {
    NotAnInteger,        // "Enter an integer."
    NotAPositiveInteger, // "Enter a positive integer."
    OutOfRange,          // "Enter an integer between %1 and %2."
};

struct DataExchangeFailure {
    int id = 0; // the offending control
    DataExchangeFailureKind kind = DataExchangeFailureKind::NotAnInteger;
    std::int64_t min = 0; // bounds of an OutOfRange failure
    std::int64_t max = 0;

    // The standard prompt for the user, bounds written in decimal.
    std::wstring Prompt() const;
};
