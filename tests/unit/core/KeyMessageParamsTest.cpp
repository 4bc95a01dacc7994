#include <gtest/gtest.h>

#include "core/KeyMessageParams.h"

namespace {

struct PackingCase {
    const char* name;
    KeyMessageParams params;
    std::uint32_t lParam;
};

// The parameters in field order: repeat count, scan code, extended, previous and transition state,
// context code.
const PackingCase PACKING_CASES[] = {
    {"key down", {1, 0x00, 0, 0, 0}, 0x00000001},
    {"scan code in bits 16-23", {1, 0x4B, 0, 0, 0}, 0x004B0001},
    {"extended in bit 24", {1, 0x4B, 1, 0, 0}, 0x014B0001},
    {"previous state in bit 30", {1, 0x3E, 0, 1, 0}, 0x403E0001},
    {"transition state in bit 31", {1, 0x3E, 0, 0, 1}, 0x803E0001},
    {"key up", {1, 0x3E, 0, 1, 1}, 0xC03E0001},
    {"context code in bit 29", {1, 0x1E, 0, 0, 0, 1}, 0x201E0001},
    {"everything", {0xFFFF, 0xFF, 1, 1, 1}, 0xC1FFFFFF},
};

} // namespace

TEST(KeyMessageParams, DefaultsToOneRepeatAndNothingElse) {
    const KeyMessageParams params;
    EXPECT_EQ(params.repeatCount, 1);
    EXPECT_EQ(static_cast<std::uint32_t>(MakeLParam(params)), 1u);
}

TEST(KeyMessageParams, PacksEachFieldIntoItsBits) {
    for (const PackingCase& item : PACKING_CASES) {
        EXPECT_EQ(static_cast<std::uint32_t>(MakeLParam(item.params)), item.lParam) << item.name;
    }
}

TEST(KeyMessageParams, KeyUpLParamIsNegativeLikeA32BitLParam) {
    EXPECT_LT(MakeLParam(KeyMessageParams{1, 0x3E, 0, 1, 1}), 0);
}
