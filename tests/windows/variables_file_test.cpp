// Variables files: byte-for-byte round trips, the zero-byte and size rules, and saving that never
// loses the previous file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "rows.h"
#include "variables_file.h"

namespace {

namespace fs = std::filesystem;

const fs::path kFolder = fs::temp_directory_path() / "tuv-variables-test";

std::string Path(const char* name) { return (kFolder / name).string(); }

// The folder's files as "name:bytes": no temporary file may stay behind.
std::string Listing() {
    std::string listing;
    for (const auto& file : fs::directory_iterator(kFolder)) {
        std::ifstream in(file.path(), std::ios::binary);
        listing += file.path().filename().string() + ":" + std::string(std::istreambuf_iterator<char>(in), {});
    }
    return listing;
}

class VariablesFile : public ::testing::Test {
    void SetUp() override { fs::create_directory(kFolder); }
    void TearDown() override { fs::remove_all(kFolder); }
};

TEST_F(VariablesFile, RoundTripKeepsEveryByte) {
    std::string large, every;
    for (int i = 0; i < 200000; ++i) large += "a" + std::to_string(i) + "=" + std::to_string(i) + "*2\r\n";
    // Every byte but zero that a text holds in UTF-8: ASCII, and the lead and continuation bytes
    // of two-, three- and four-byte letters.
    for (int c = 1; c < 128; ++c) every.push_back(static_cast<char>(c));
    every += "\u00e9\u00ff\u0434\u07ff\u0800\u8a08\uffff\U00010000\U0010ffff";
    // The large text first: each later, shorter one must replace it whole.
    for (const std::string& text : {large, every, std::string("a=1\nb=2\rc=3\r\n\r\n"), std::string()}) {
        ASSERT_EQ(WriteVariablesFile(Path("v.txt"), text), FileResult::Ok);
        EXPECT_EQ(Listing(), "v.txt:" + text);
        std::string read = "previous";
        EXPECT_EQ(ReadVariablesFile(Path("v.txt"), read), FileResult::Ok);
        EXPECT_EQ(read, text);
    }
}

// The zero-byte and size rules: data/variables_read.tsv.
TEST_F(VariablesFile, ReadingStopsAtAZeroByteAndRefusesOverSixteenMegabytes) {
    for (const Row& row : ReadRows(TABLES "variables_read.tsv")) {
        std::ofstream(Path("v.txt"), std::ios::binary) << row[0];
        fs::resize_file(Path("v.txt"), std::stoul(row[1]));
        std::string text = "kept";
        EXPECT_EQ(ReadVariablesFile(Path("v.txt"), text), row[2] == "ok" ? FileResult::Ok : FileResult::TooLarge) << row[1];
        EXPECT_EQ(text, row[3]) << row[1];
    }
    std::string text = "kept";
    EXPECT_EQ(ReadVariablesFile(Path("none.txt"), text), FileResult::CannotOpen);
    EXPECT_EQ(text, "kept");
}

// Held by another program for good, the file stays as it was and nothing is left beside it; held
// for a moment (a virus scanner, an indexer), it only delays the save. (A read-only file: end to end.)
TEST_F(VariablesFile, AFailedSaveLeavesTheOldFileWholeAndAMomentaryHolderOnlyDelaysIt) {
    std::ofstream(Path("v.txt"), std::ios::binary) << "a=1";
    auto hold = [] { return ::CreateFileA(Path("v.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); };
    HANDLE held = hold();
    DWORD error = 0;
    EXPECT_EQ(WriteVariablesFile(Path("v.txt"), "b=2", &error), FileResult::ReplaceFailed);
    ::CloseHandle(held);
    EXPECT_NE(error, 0u);
    EXPECT_EQ(Listing(), "v.txt:a=1");
    std::thread scanner([held = hold()] {
        ::Sleep(300);
        ::CloseHandle(held);
    });
    EXPECT_EQ(WriteVariablesFile(Path("v.txt"), "b=2"), FileResult::Ok);
    scanner.join();
    EXPECT_EQ(Listing(), "v.txt:b=2");
    EXPECT_EQ(WriteVariablesFile(Path("no such folder\\v.txt"), "x=1"), FileResult::CannotCreate);
}

TEST(VariablesFileText, UTF8AsItIsAndOlderFilesFromTheirCodePage) {
    for (const Row& row : ReadRows(TABLES "variables_text.tsv"))
        EXPECT_EQ(DecodeVariablesText(row[0], std::stoi(row[1]), std::stoi(row[2])), row[3]) << row[0];
}

TEST(VariablesFileNames, RememberedFolderAndDialogFilter) {
    EXPECT_EQ(RememberedFolderPattern("C:\\a.b\\sheet.txt") + RememberedFolderPattern("sheet"), "C:\\a.b\\*.TXTsheet");
    EXPECT_EQ(FileDialogFilter("A|*.a|B|*.*||"), std::string("A\0*.a\0B\0*.*\0\0\0\0", 15));
    // A remembered folder that has gone: the dialog starts from the first one instead.
    const std::string there = fs::temp_directory_path().string() + "\\*.TXT", gone = "C:\\calvo-gone\\*.TXT";
    EXPECT_EQ(DialogStartPattern(there) + "|" + DialogStartPattern(gone) + "|" + DialogStartPattern(""), there + "|C:\\*.txt|C:\\*.txt");
}

}  // namespace
