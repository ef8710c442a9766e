// In every test executable: a modal that no answer matched fails the running test with its description, and each
// test starts with a responder that holds no answers from the test before.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

class FreshResponderPerTest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { winsim::ResetModalResponder(); }
};

class UnexpectedModalEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    winsim::SetUnexpectedModalHandler([](const std::wstring& description) { ADD_FAILURE() << Utf8(description); });
  }
  void TearDown() override { winsim::SetUnexpectedModalHandler(nullptr); }
};

bool Install() {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshResponderPerTest);
  ::testing::AddGlobalTestEnvironment(new UnexpectedModalEnvironment);
  return true;
}

[[maybe_unused]] const bool installed = Install();

}  // namespace
