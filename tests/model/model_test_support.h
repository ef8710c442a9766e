// Shared helpers of the document-model tests: a fresh data folder per test and file helpers.
#pragma once

#include "support/data_folder_fixture.h"

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace Talvo::testing {

// A host started on a fresh folder of the test's own (`root_`), made at once so that files can go straight in.
class ModelFolderTest : public DataFolderTest {
 protected:
  void SetUp() override {
    DataFolderTest::SetUp();
    std::filesystem::create_directories(root_);
  }
};

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A small file-size limit standing in for a full disk while the object lives: writes past it fail
// (SIGXFSZ is ignored, so the write reports the failure instead of ending the process).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    const rlimit limited{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  void (*handler_)(int);
  rlimit saved_{};
};

}  // namespace Talvo::testing
