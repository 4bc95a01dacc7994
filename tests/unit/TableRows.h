#pragma once
// Rows of a parameterised test that carry their own name. A row type derives from NamedRow, so its
// first value is the name: Row{"stored 0", true, 0, false}. gtest prints a row by its name, and
// RowName() names each instantiated test after it, the words run together and capitalised
// ("stored 0xFFFFFFFF" names the test Stored0xFFFFFFFF):
//
//   using Suite = TableTest<Fixture, Row>;
//   TEST_P(Suite, WhatEveryRowChecks) { const Row& row = GetParam(); ... }
//   INSTANTIATE_TEST_SUITE_P(Rows, Suite, ::testing::ValuesIn(ROWS), RowName());
#include <cctype>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

struct NamedRow {
    const char* name;
};

inline std::ostream& operator<<(std::ostream& os, const NamedRow& row) {
    return os << row.name;
}

// Letters and digits of the name; any other character but an apostrophe starts a new word.
inline std::string TestNameOf(const char* name) {
    std::string result;
    bool wordStart = true;
    for (const char* p = name; *p != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (std::isalnum(c) != 0) {
            result += static_cast<char>(wordStart ? std::toupper(c) : c);
            wordStart = false;
        } else if (c != '\'') {
            wordStart = true;
        }
    }
    return result;
}

struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return TestNameOf(info.param.name);
    }
};

template <class Fixture, class Row>
class TableTest : public Fixture, public ::testing::WithParamInterface<Row> {};
