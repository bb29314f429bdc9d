// Test tables kept as tab-separated text: a row a line, its fields split at tabs, "#" at the start of
// a line for a comment. In a field \n, \r, \t and \\ stand for a line feed, a carriage return, a tab
// and a backslash, \xHH for the byte HH, and {N} after a character (of any UTF-8 length) for N of it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Row = std::vector<std::string>;

inline std::vector<Row> ReadRows(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        Row& row = rows.emplace_back(1);
        for (size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            const size_t close = c == '{' ? line.find_first_not_of("0123456789", i + 1) : 0;
            if (c == '\t') row.emplace_back();
            else if (close != std::string::npos && close > i + 1 && line[close] == '}' && !row.back().empty()) {
                std::string& field = row.back();
                size_t start = field.size() - 1;  // the repeated character's first byte
                while (start > 0 && (field[start] & 0xC0) == 0x80) --start;
                const std::string one = field.substr(start);
                for (int n = std::stoi(line.substr(i + 1)); n > 1; --n) field += one;
                i = close;
            } else if (c != '\\') row.back() += c;
            else if (++i >= line.size()) break;
            else if (line[i] != 'x') row.back() += line[i] == 'n' ? '\n' : line[i] == 'r' ? '\r' : line[i] == 't' ? '\t' : line[i];
            else {
                row.back() += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            }
        }
    }
    if (rows.empty()) ADD_FAILURE() << "no rows in " << path;
    return rows;
}

// The integers of a field such as "10,-20 110": anything but a digit or a minus separates them.
inline std::vector<int> Numbers(const std::string& field) {
    std::vector<int> numbers;
    const char* digits = "-0123456789";
    for (size_t at = field.find_first_of(digits), used = 0; at != std::string::npos; at = field.find_first_of(digits, at + used))
        numbers.push_back(std::stoi(field.substr(at), &used));
    return numbers;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// An expected text that ends in "..." gives only the beginning.
inline void ExpectText(const std::string& actual, const std::string& expected, const std::string& where) {
    const size_t size = expected.ends_with("...") ? expected.size() - 3 : std::string::npos;
    EXPECT_EQ(actual.substr(0, size), expected.substr(0, size)) << where;
}
