// Shared set-up of tests that need a data folder: a fresh window system and class library, a host started
// on a temporary root folder of the running test's own whose name holds letters of several scripts (icons
// from this checkout's resources/icons), and saving of pictures that checks the window follows the host theme.
#pragma once

#include <windows.h>
#include <win32/simulation.h>

#include <gtest/gtest.h>
#include <host/colors.h>
#include <host/directories.h>
#include <host/simulation.h>
#include <unistd.h>

// The class library's stand-in is reset too where the test's layer uses it (not in the document model).
#if __has_include(<mfc/simulation.h>)
#include <mfc/simulation.h>
#define TALVO_TEST_RESETS_MFC 1
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace Talvo::testing {

// The program's text of a path whose bytes are UTF-8 (the standard library's own wide conversion goes
// through the C locale and throws on any letter beyond ASCII).
inline std::wstring WidePath(const std::filesystem::path& path) {
  const std::string& bytes = path.native();
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring text(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, nullptr, 0)), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
  return text;
}

// Accented, CJK and right-to-left letters that every temporary data folder carries in its name, so that each
// file route the tests take meets names beyond ASCII.
inline constexpr char8_t kForeignFolderLetters[] = u8"Donn\u00E9es-\u6570\u636E-\u05E0\u05EA\u05D5\u05E0\u05D9\u05DD";

// Where pictures go: $TALVO_TEST_OUTPUT (created when missing), else the temporary folder.
inline std::filesystem::path TestOutputFolder() {
  const char* folder = std::getenv("TALVO_TEST_OUTPUT");
  std::filesystem::path path = folder && *folder ? std::filesystem::path(folder) : std::filesystem::temp_directory_path();
  std::filesystem::create_directories(path);
  return path;
}

// The colour most pixels of a picture have.
inline COLORREF DominantColour(const winsim::Image& image) {
  std::map<COLORREF, int> counts;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) ++counts[image.Pixel(x, y)];
  }
  const auto most = std::max_element(counts.begin(), counts.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
  return most == counts.end() ? CLR_INVALID : most->first;
}

// The main colour of each picture saved in each theme, by picture name.
inline std::map<std::string, std::map<AppFrameColorTheme, COLORREF>>& SavedPictureColours() {
  static std::map<std::string, std::map<AppFrameColorTheme, COLORREF>> colours;
  return colours;
}

// Saves a window as "<name>_light.png" or "<name>_dark.png" by the current host theme and notes the colour
// most of it has, so that the test's end can check that the picture follows the theme.
inline void SaveThemedPicture(HWND window, const std::string& name) {
  const AppFrameColorTheme theme = ColorMan()->GetAppFrameColorTheme();
  const auto path = TestOutputFolder() / (name + (theme == kDarkTheme ? "_dark.png" : "_light.png"));
  EXPECT_TRUE(winsim::SaveWindowPng(window, path.string())) << path;
  SavedPictureColours()[name][theme] = DominantColour(winsim::CaptureWindow(window));
}

// A picture saved in both themes must not look the same in both.
inline void ExpectPicturesFollowTheTheme() {
  for (const auto& [name, colours] : SavedPictureColours()) {
    if (colours.size() == 2) {
      EXPECT_NE(colours.at(kLightTheme), colours.at(kDarkTheme)) << name;
    }
  }
  SavedPictureColours().clear();
}

// A host started on a temporary root folder named after the running test and carrying the foreign letters,
// removed again when it ends.
class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetStandIns();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');  // parameterised tests carry slashes
    const std::string letters(reinterpret_cast<const char*>(kForeignFolderLetters));
    root_ = std::filesystem::temp_directory_path() /
            ("talvo-" + std::to_string(getpid()) + "-" + name + "-" + letters);
    std::filesystem::remove_all(root_);
    hostsim::Start(WidePath(root_));
    const auto icons = std::filesystem::path(TALVO_SOURCE_DIR) / "resources" /
                       "icons" / "";
    hostsim::SetDirectory(APP_ICONS_DIR, WidePath(icons));
  }

  void TearDown() override {
    ExpectPicturesFollowTheTheme();
    hostsim::Shutdown();
    ResetStandIns();
    std::filesystem::remove_all(root_);
  }

  // Switches the host theme and pumps, so that windows repaint as on the host's notification.
  static void SetTheme(AppFrameColorTheme theme) {
    hostsim::SetTheme(theme);
    winsim::PumpMessages();
  }

  std::filesystem::path root_;

 private:
  static void ResetStandIns() {
#ifdef TALVO_TEST_RESETS_MFC
    mfcsim::Reset();
#endif
    winsim::Reset();
  }
};

}  // namespace Talvo::testing
