// The hotkey's stored value read, how it reads to the user and how it is stored again, as a table
// (tests/windows/data/hotkey.tsv).
#include <gtest/gtest.h>

#include "hotkey.h"
#include "rows.h"

TEST(Hotkey, StoredValueTextAndWhatMayBeOne) {
    for (const Row& row : ReadRows(TABLES "hotkey.tsv")) {
        // An absent value reads as the program reads it: with the default in its place.
        const Hotkey hotkey = HotkeyFromStored(row[0] == "absent" ? kDefaultHotkey : std::stoul(row[0], nullptr, 16));
        EXPECT_EQ(HotkeyText(hotkey), row[1]) << row[0];
        EXPECT_EQ(StoredHotkey(hotkey), std::stoul(row[2], nullptr, 16)) << row[0];
    }
}
