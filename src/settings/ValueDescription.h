#pragma once
// The description of one stored value: where it lives, its registry name, its type (by the kind of
// description) and its default. Whatever reads or writes the value goes through its description, so
// each of these is written once.
#include <climits>

enum class StoredSection {
    Instance,      // this instance's "Settings N"
    Shared,        // "Settings", common to every instance
    Social,        // "Social"
    SeekedWindows, // a key of its own, with one value per instance named after its section
};

// A REG_DWORD value. The range is what the dialog that writes it accepts: the store keeps whatever it
// is given, and reads back whatever is there.
struct StoredInt {
    StoredSection section;
    const wchar_t* name; // null: named after the instance section
    int nDefault;
    int nMin;
    int nMax;
};

// A REG_SZ value. It has no default of its own: a reader passes its own text.
struct StoredText {
    StoredSection section;
    const wchar_t* name;
};

inline constexpr int ANY_MIN = INT_MIN;
inline constexpr int ANY_MAX = INT_MAX;
