// The history's update rule as a table (tests/windows/data/history.tsv): trimming, the case
// collapse and the 21-entry rule.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "history.h"
#include "rows.h"

namespace {

using List = std::vector<std::string>;

// The entries of a field: split at "|", "eN..eM" standing for eN to eM.
List Entries(const std::string& field) {
    List list;
    std::istringstream items(field);
    for (std::string item; std::getline(items, item, '|');) {
        const size_t dots = item.find("..");
        if (dots == std::string::npos) list.push_back(item);
        else
            for (int i = std::stoi(item.substr(1, dots - 1)); i <= std::stoi(item.substr(dots + 3)); ++i) list.push_back("e" + std::to_string(i));
    }
    return list;
}

TEST(History, UpdateRule) {
    for (const Row& row : ReadRows(TABLES "history.tsv")) {
        const List before = Entries(row[0]);
        EXPECT_EQ(ApplyHistoryChange(before, PlanHistoryChange(before, row[1])), Entries(row[2])) << row[0] << " + " << row[1];
    }
}

}  // namespace
