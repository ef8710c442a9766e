#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A fresh folder per test, named the platform's way (joined with backslashes) in the tests.
class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = std::filesystem::temp_directory_path() / "talvo-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    folder_ = std::wstring(root_.begin(), root_.end());
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, error);
    for (auto& entry : std::filesystem::recursive_directory_iterator(root_, error))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(root_, error);
  }
  std::wstring Path(const std::wstring& relative) const { return folder_ + L"\\" + relative; }
  void Write(const std::wstring& relative, const char* text) const {
    FILE* file = _wfopen(Path(relative).c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fputs(text, file);
    std::fclose(file);
  }
  std::string Read(const std::wstring& relative) const {
    FILE* file = _wfopen(Path(relative).c_str(), L"rb");
    if (!file) return "<missing>";
    char buffer[256] = {};
    size_t n = std::fread(buffer, 1, sizeof buffer - 1, file);
    std::fclose(file);
    return std::string(buffer, n);
  }

  std::string root_;
  std::wstring folder_;
};

DWORD LastError() { return GetLastError(); }

}  // namespace

TEST_F(Files, FoldersWithBackslashPathsAndTheirErrors) {
  EXPECT_TRUE(CreateDirectoryW(Path(L"Profiles").c_str(), nullptr));
  EXPECT_EQ(GetFileAttributesW(Path(L"Profiles").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_FALSE(CreateDirectoryW(Path(L"Profiles").c_str(), nullptr));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(CreateDirectoryW(Path(L"Missing\\Profiles").c_str(), nullptr));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

  Write(L"Profiles\\Default.xml", "<PROFILE/>");
  EXPECT_FALSE(RemoveDirectoryW(Path(L"Profiles").c_str()));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
  EXPECT_FALSE(DeleteFileW(Path(L"Profiles").c_str()));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_TRUE(DeleteFileW(Path(L"Profiles\\Default.xml").c_str()));
  EXPECT_TRUE(RemoveDirectoryW(Path(L"Profiles").c_str()));
  EXPECT_FALSE(PathFileExistsW(Path(L"Profiles").c_str()));
}

TEST_F(Files, MissingFilesAndFoldersAreToldApart) {
  EXPECT_EQ(GetFileAttributesW(Path(L"none.xml").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(Path(L"none\\none.xml").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(DeleteFileW(Path(L"none.xml").c_str()));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(CopyFileW(Path(L"none.xml").c_str(), Path(L"copy.xml").c_str(), FALSE));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Files, CopyAndMoveRespectExistingTargets) {
  Write(L"a.xml", "new");
  Write(L"b.xml", "old");
  EXPECT_FALSE(CopyFileW(Path(L"a.xml").c_str(), Path(L"b.xml").c_str(), TRUE));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  EXPECT_TRUE(CopyFileW(Path(L"a.xml").c_str(), Path(L"c.xml").c_str(), TRUE));
  EXPECT_EQ(Read(L"c.xml"), "new");

  EXPECT_FALSE(MoveFileW(Path(L"a.xml").c_str(), Path(L"b.xml").c_str()));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(MoveFileExW(Path(L"a.xml").c_str(), Path(L"b.xml").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(Read(L"b.xml"), "new");
  EXPECT_FALSE(PathFileExistsW(Path(L"a.xml").c_str()));
  Write(L"empty.txt", "");
  EXPECT_TRUE(CopyFileW(Path(L"empty.txt").c_str(), Path(L"empty2.txt").c_str(), FALSE));
}

TEST_F(Files, ReadOnlyFilesRefuseChanges) {
  Write(L"locked.xml", "keep");
  EXPECT_EQ(GetFileAttributesW(Path(L"locked.xml").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
  ASSERT_TRUE(SetFileAttributesW(Path(L"locked.xml").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(GetFileAttributesW(Path(L"locked.xml").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(DeleteFileW(Path(L"locked.xml").c_str()));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  Write(L"other.xml", "other");
  EXPECT_FALSE(MoveFileExW(Path(L"other.xml").c_str(), Path(L"locked.xml").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(_wfopen(Path(L"locked.xml").c_str(), L"w"), nullptr);
  EXPECT_EQ(Read(L"locked.xml"), "keep");

  ASSERT_TRUE(SetFileAttributesW(Path(L"locked.xml").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(DeleteFileW(Path(L"locked.xml").c_str()));
}

TEST_F(Files, FindListsMatchingEntriesInNameOrder) {
  CreateDirectoryW(Path(L"Functions").c_str(), nullptr);
  for (const wchar_t* name : {L"b.XML", L"a.xml", L"c.txt", L"ab.xml.bak"})
    Write(std::wstring(L"Functions\\") + name, "x");
  CreateDirectoryW(Path(L"Functions\\sub.xml").c_str(), nullptr);

  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW(Path(L"Functions\\*.xml").c_str(), &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  std::vector<std::wstring> names{data.cFileName};
  std::vector<DWORD> attributes{data.dwFileAttributes};
  while (FindNextFileW(search, &data)) {
    names.push_back(data.cFileName);
    attributes.push_back(data.dwFileAttributes);
  }
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"a.xml", L"b.XML", L"sub.xml"}));
  EXPECT_EQ(attributes[2], static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_TRUE(FindClose(search));
  EXPECT_FALSE(FindClose(search));
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

  search = FindFirstFileW(Path(L"Functions\\?.txt").c_str(), &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(data.cFileName, L"c.txt");
  EXPECT_EQ(data.nFileSizeLow, 1u);
  FindClose(search);

  search = FindFirstFileW(Path(L"Functions\\*.*").c_str(), &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(data.cFileName, L".");  // the platform lists "." and ".." too
  FindClose(search);

  EXPECT_EQ(FindFirstFileW(Path(L"Functions\\*.zip").c_str(), &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(FindFirstFileW(Path(L"Nowhere\\*").c_str(), &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(LastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST(FileLocations, FullTempAndModulePaths) {
  wchar_t buffer[MAX_PATH];
  wchar_t* filePart = nullptr;
  DWORD length = GetFullPathNameW(L"/base\\dir\\..\\Talvo.xml", MAX_PATH, buffer, &filePart);
  EXPECT_STREQ(buffer, L"/base/Talvo.xml");
  EXPECT_EQ(length, 15u);
  EXPECT_STREQ(filePart, L"Talvo.xml");
  EXPECT_EQ(GetFullPathNameW(L"/base/Talvo.xml", 4, buffer, nullptr), 16u);  // the size needed

  DWORD needed = GetTempPathW(0, nullptr);
  std::wstring temp(needed, L'\0');
  EXPECT_EQ(GetTempPathW(needed, temp.data()), needed - 1);
  EXPECT_EQ(temp[needed - 2], L'/');

  length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  EXPECT_NE(std::wstring(buffer, length).find(L"test_platform_win32"), std::wstring::npos);
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 4), 4u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(lstrlenW(buffer), 3);
}
