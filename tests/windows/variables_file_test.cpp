// Variables files: byte-for-byte round trips, the zero-byte and size rules, the forms files are
// read and saved in, and saving that never loses the previous file.
#include <gtest/gtest.h>

#include <algorithm>
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
TEST_F(VariablesFile, ReadingStopsAtAZeroByteAndTakesWhatTheBoxTakes) {
    for (const Row& row : ReadRows(TABLES "variables_read.tsv")) {
        std::ofstream(Path("v.txt"), std::ios::binary) << row[0];
        std::string text = "kept";
        EXPECT_EQ(ReadVariablesFile(Path("v.txt"), text), row[1] == "ok" ? FileResult::Ok : FileResult::TooLarge) << row[0].size();
        EXPECT_TRUE(text == row[2]) << row[0].size() << " bytes read as " << text.size();
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
    SaveReport report;
    EXPECT_EQ(WriteVariablesFile(Path("v.txt"), "b=2", &report), FileResult::ReplaceFailed);
    ::CloseHandle(held);
    EXPECT_NE(report.error, 0u);
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

// Two failures Wine cannot bring about, made by the calls saving goes through. ReplaceFile has
// moved the old file aside and fails, and it cannot come back (a folder took its name): the message
// names where it is kept. A folder that allows changes but not new files: an existing file is
// written in place, a new one cannot be.
TEST_F(VariablesFile, WhatAFailedReplaceKeptIsNamedAndAFolderWithoutNewFilesIsWrittenInPlace) {
    for (const char* name : {"v.txt", "w.txt"}) std::ofstream(Path(name), std::ios::binary) << "a=1000";
    SaveCalls calls = kSystemSaveCalls;
    calls.replace = [](const char* replaced, const char*, const char* backup) {
        ::MoveFileExA(replaced, backup, MOVEFILE_REPLACE_EXISTING);
        ::SetLastError(::CreateDirectoryA(replaced, nullptr) ? ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 : 0);
        return FALSE;
    };
    SaveReport report;
    EXPECT_EQ(WriteVariablesFile(Path("v.txt"), "b=2", &report, calls), FileResult::ReplaceFailed);
    EXPECT_EQ(ReadFile(report.keptAs) + " in " + fs::path(report.keptAs).parent_path().string(), "a=1000 in " + kFolder.string());
    EXPECT_NE(SaveFailureMessage(Path("v.txt"), report).find("\r\nYour previous file is kept as " + report.keptAs + "."), std::string::npos);
    calls = {[](const char*) { return ::SetLastError(ERROR_ACCESS_DENIED), INVALID_HANDLE_VALUE; }, kSystemSaveCalls.replace};
    EXPECT_EQ(WriteVariablesFile(Path("w.txt"), "b=2", &report, calls), FileResult::Ok);
    EXPECT_EQ(WriteVariablesFile(Path("new.txt"), "c=3", &report, calls), FileResult::CannotCreate);
    EXPECT_EQ(ReadFile(Path("w.txt")) + ReadFile(Path("new.txt")), "b=2");
}

// Each row's file read, and the text saved again in its form: data/variables_text.tsv.
TEST(VariablesFileText, ReadInTheFormItHadAndSavedBackSo) {
    const std::vector<std::string> forms = {"utf-8", "utf-8 mark", "utf-16le", "utf-16be"};
    auto name = [&](FileEncoding e) { return e.form == FileEncoding::CodePage ? std::to_string(e.codePage) : forms[e.form]; };
    for (const Row& row : ReadRows(TABLES "variables_text.tsv")) {
        if (row.size() == 4) {  // saving an edited text
            const auto form = std::find(forms.begin(), forms.end(), row[1]) - forms.begin();
            FileEncoding e = form < 4 ? FileEncoding{FileEncoding::Form(form)} : FileEncoding{FileEncoding::CodePage, UINT(std::stoul(row[1]))};
            const std::string bytes = EncodeVariablesText(row[0], e, CP_UTF8);
            EXPECT_EQ(bytes + " as " + name(e), row[2] + " as " + row[3]) << row[0];
            continue;
        }
        const UINT program = std::stoul(row[1]);
        FileEncoding form;
        std::string text = DecodeVariablesText(row[0], program, std::stoul(row[2]), form);
        EXPECT_EQ(text + " as " + name(form), row[3] + " as " + row[4]) << row[0];
        EXPECT_EQ(EncodeVariablesText(text, form, program), row.size() > 5 ? row[5] : row[0]) << row[0];
    }
}

TEST(VariablesFileNames, RememberedFolderAndDialogFilter) {
    EXPECT_EQ(RememberedFolderPattern("C:\\a.b\\sheet.txt") + RememberedFolderPattern("sheet"), "C:\\a.b\\*.TXTsheet");
    EXPECT_EQ(FileDialogFilter("A|*.a|B|*.*||"), std::string("A\0*.a\0B\0*.*\0\0\0\0", 15));
    // A remembered folder that has gone: the dialog starts from the first one instead.
    const std::string there = fs::temp_directory_path().string() + "\\*.TXT", gone = "C:\\calvo-gone\\*.TXT";
    EXPECT_EQ(DialogStartPattern(there) + "|" + DialogStartPattern(gone) + "|" + DialogStartPattern(""), there + "|C:\\*.txt|C:\\*.txt");
}

}  // namespace
