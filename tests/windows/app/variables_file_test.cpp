// Variables files: byte-for-byte round trips, the zero-byte and size rules, and saving that never
// loses the previous file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "variables_file.h"

namespace {

class VariablesFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, base);
        m_folder = std::string(base) + "tuv-variables-" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_folder.c_str(), nullptr);
    }
    void TearDown() override {
        for (const std::string& name : Files()) {
            std::string path = m_folder + "\\" + name;
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(path.c_str());
        }
        ::RemoveDirectoryA(m_folder.c_str());
    }
    std::string Path(const std::string& name) const { return m_folder + "\\" + name; }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA((m_folder + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
        return names;
    }
    static std::string Bytes(const std::string& path) {
        std::string text;
        HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<missing>";
        char buffer[65536];
        DWORD got = 0;
        while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got) text.append(buffer, got);
        ::CloseHandle(file);
        return text;
    }
    static void Put(const std::string& path, const std::string& bytes) {
        HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD done = 0;
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
        ::CloseHandle(file);
    }
    std::string m_folder;
};

TEST_F(VariablesFileTest, RoundTripKeepsEveryByte) {
    std::string large;
    for (int i = 0; i < 200000; ++i) large += "a" + std::to_string(i) + "=" + std::to_string(i) + "*2\r\n";
    std::string highBytes;
    for (int c = 1; c < 256; ++c) highBytes.push_back(static_cast<char>(c));
    const std::string texts[] = {
        "",
        "x=1",
        "x=1\r\ny=x*2",           // no final line break added
        "x=1\r\ny=x*2\r\n\r\n",   // the user's own final breaks kept
        "a=1\nb=2\rc=3",          // lone LF and CR not converted
        highBytes,                 // every byte but zero, no code-page conversion
        large,                     // several megabytes
    };
    for (const std::string& text : texts) {
        ASSERT_EQ(WriteVariablesFile(Path("v.txt"), text), FileResult::Ok) << text.size() << " bytes";
        EXPECT_EQ(Bytes(Path("v.txt")), text) << "on disk, " << text.size() << " bytes";
        std::string read = "previous";
        ASSERT_EQ(ReadVariablesFile(Path("v.txt"), read), FileResult::Ok);
        EXPECT_EQ(read, text) << "read back, " << text.size() << " bytes";
    }
    EXPECT_EQ(Files(), std::vector<std::string>{"v.txt"}) << "no temporary file stays";
}

TEST_F(VariablesFileTest, ReadingStopsAtTheFirstZeroByte) {
    Put(Path("zero.txt"), std::string("x=1\r\ny=2\0z=3\0", 14));
    std::string text;
    ASSERT_EQ(ReadVariablesFile(Path("zero.txt"), text), FileResult::Ok);
    EXPECT_EQ(text, "x=1\r\ny=2");
}

TEST_F(VariablesFileTest, FilesOverSixteenMegabytesAreRefused) {
    for (LONGLONG size : {static_cast<LONGLONG>(kMaxVariablesFileBytes), static_cast<LONGLONG>(kMaxVariablesFileBytes) + 1}) {
        HANDLE file = ::CreateFileA(Path("big.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER end{};
        end.QuadPart = size - 1;
        ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        DWORD done = 0;
        ::WriteFile(file, "x", 1, &done, nullptr);  // zeros up to the last byte
        ::CloseHandle(file);
        std::string text = "kept";
        FileResult result = ReadVariablesFile(Path("big.txt"), text);
        if (size > static_cast<LONGLONG>(kMaxVariablesFileBytes)) {
            EXPECT_EQ(result, FileResult::TooLarge);
            EXPECT_EQ(text, "kept");
        } else {
            EXPECT_EQ(result, FileResult::Ok);
            EXPECT_EQ(text, "");  // it starts with a zero byte
        }
    }
}

TEST_F(VariablesFileTest, MissingFileCannotBeOpened) {
    std::string text = "kept";
    EXPECT_EQ(ReadVariablesFile(Path("none.txt"), text), FileResult::CannotOpen);
    EXPECT_EQ(ReadVariablesFile(m_folder, text), FileResult::CannotOpen);  // a folder
    EXPECT_EQ(text, "kept");
}

TEST_F(VariablesFileTest, AFailedSaveLeavesThePreviousFile) {
    Put(Path("old.txt"), "a=1\r\nb=2");
    ASSERT_TRUE(::SetFileAttributesA(Path("old.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    DWORD error = 0;
    EXPECT_NE(WriteVariablesFile(Path("old.txt"), "new text", &error), FileResult::Ok);
    EXPECT_NE(error, 0u);
    EXPECT_EQ(Bytes(Path("old.txt")), "a=1\r\nb=2");
    EXPECT_EQ(Files(), std::vector<std::string>{"old.txt"}) << "no temporary file stays";

    // A folder that does not exist: nothing can be made there.
    EXPECT_EQ(WriteVariablesFile(Path("no such folder\\v.txt"), "x=1"), FileResult::CannotCreate);
}

TEST_F(VariablesFileTest, SavingReplacesAnExistingFileWhole) {
    Put(Path("v.txt"), "a much longer previous text\r\nthat must not show through");
    ASSERT_EQ(WriteVariablesFile(Path("v.txt"), "x=1"), FileResult::Ok);
    EXPECT_EQ(Bytes(Path("v.txt")), "x=1");
}

TEST(VariablesFileNames, RememberedFolder) {
    EXPECT_EQ(RememberedFolderPattern("C:\\data\\sheet.txt"), "C:\\data\\*.TXT");
    EXPECT_EQ(RememberedFolderPattern("C:\\sheet.txt"), "C:\\*.TXT");
    EXPECT_EQ(RememberedFolderPattern("Z:\\a.b\\c"), "Z:\\a.b\\*.TXT");
    EXPECT_EQ(RememberedFolderPattern("sheet.txt"), "sheet.txt");
}

TEST(VariablesFileNames, FilterSplitsIntoNamesAndPatterns) {
    std::string filter = FileDialogFilter(kVariablesFileFilter);
    std::vector<std::string> parts;
    for (const char* p = filter.c_str(); *p; p += std::char_traits<char>::length(p) + 1) parts.push_back(p);
    EXPECT_EQ(parts, (std::vector<std::string>{"TXT Files (*.txt) ", " *.txt ", " All Files (*.*) ", " *.* "}));
}

}  // namespace
