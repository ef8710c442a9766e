// The stand-in host program's command line and the check of the folders it works in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "data_folder.h"

namespace {

// Parses the arguments as main gets them (after the program's name); the one line printed on refusal.
struct Parsed {
  std::optional<CommandLine> line;
  std::string message;
};

Parsed Parse(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "quillon-host");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  ::testing::internal::CaptureStderr();
  Parsed parsed;
  parsed.line = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
  parsed.message = ::testing::internal::GetCapturedStderr();
  return parsed;
}

TEST(CommandLine, TakesFoldersInAnyLanguageByteForByte) {
  const std::string data = "d\xC3\xA9j\xC3\xA0-\xE5\x88\x9D\xE6\x97\xA5-\xD7\x99\xD7\x95\xD7\x9D";
  const Parsed parsed = Parse({"--data", data, "--shots", "\xF0\x9F\x93\xB7", "--theme", "dark"});
  ASSERT_TRUE(parsed.line);
  EXPECT_EQ(parsed.line->data.native(), data);
  EXPECT_EQ(parsed.line->shots.native(), "\xF0\x9F\x93\xB7");
  EXPECT_EQ(parsed.line->themes, std::vector<std::string>{"dark"});
  EXPECT_EQ(parsed.message, "");
}

struct Refusal {
  std::vector<std::string> arguments;
  std::string message;  // the whole line printed
};

class CommandLineRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CommandLineRefusal, PrintsOneLineAndGivesNoCommandLine) {
  const Parsed parsed = Parse(GetParam().arguments);
  EXPECT_FALSE(parsed.line);
  EXPECT_EQ(parsed.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineRefusal,
    ::testing::Values(
        // A Latin-1 byte, a cut sequence, an encoded surrogate, an overlong slash: none is UTF-8.
        Refusal{{"--data", "caf\xE9"}, "quillon-host: the folder name after --data is not valid UTF-8: 'caf\\xE9'\n"},
        Refusal{{"--shots", "a\xE5\x88"},
                "quillon-host: the folder name after --shots is not valid UTF-8: 'a\\xE5\\x88'\n"},
        Refusal{{"--data", "\xED\xA0\x80"},
                "quillon-host: the folder name after --data is not valid UTF-8: '\\xED\\xA0\\x80'\n"},
        Refusal{{"--shots", "x\xC0\xAF\n"},
                "quillon-host: the folder name after --shots is not valid UTF-8: 'x\\xC0\\xAF\\x0A'\n"},
        Refusal{{"--data"}, "quillon-host: missing value after '--data' (try --help)\n"},
        Refusal{{"--theme", "sepia"}, "quillon-host: unknown theme 'sepia' (try --help)\n"}));

// A fresh folder of the test's own below the temporary folder, removed afterwards.
class DataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("quillon-app-test-" + std::to_string(::getpid()) + "-\xC3\xA9\xE7\xA9\xBA\xD7\xA8");
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }
  void TearDown() override { std::filesystem::remove_all(root_); }
  std::filesystem::path root_;
};

TEST_F(DataFolder, MakesAMissingFolderAndLeavesNoProbeBehind) {
  const std::filesystem::path folder = root_ / "a" / "b";
  EXPECT_EQ(PrepareWritableFolder(folder, "data folder"), std::nullopt);
  ASSERT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(DataFolder, NamesAFileGivenAsFolder) {
  const std::filesystem::path file = root_ / "file";
  std::ofstream(file) << "x";
  EXPECT_EQ(PrepareWritableFolder(file, "data folder"),
            "the data folder " + file.string() + " is a file, not a folder");
  const std::optional<std::string> below = PrepareWritableFolder(file / "below", "screenshot folder");
  ASSERT_TRUE(below);
  EXPECT_EQ(below->rfind("the screenshot folder " + (file / "below").string() + " cannot be created: ", 0), 0u)
      << *below;
}

// Permissions do not stop an administrator, so the refusing folder is one no user may write in.
TEST_F(DataFolder, NamesAFolderThatCannotBeWritten) {
  const std::filesystem::path folder = "/proc/self";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no /proc on this system";
  const std::optional<std::string> problem = PrepareWritableFolder(folder, "data folder");
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->rfind("the data folder /proc/self cannot be written: ", 0), 0u) << *problem;
}

}  // namespace
