#include "png_file.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <random>

namespace {

namespace fs = std::filesystem;

struct PngShape {
  const char* name;
  int width;
  int height;
  bool noisy;  // random bytes that barely compress, for a file of many compressed blocks
};
void PrintTo(const PngShape& shape, std::ostream* out) { *out << shape.name; }

// Rows of colour bands with alpha from transparent to opaque, or random bytes.
std::vector<std::uint8_t> Pixels(const PngShape& shape) {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(shape.width) * shape.height * 4);
  std::mt19937 random(7);
  for (std::size_t i = 0; i < rgba.size(); ++i) {
    const std::size_t pixel = i / 4;
    const int x = static_cast<int>(pixel % static_cast<std::size_t>(shape.width));
    const int y = static_cast<int>(pixel / static_cast<std::size_t>(shape.width));
    rgba[i] = static_cast<std::uint8_t>(shape.noisy ? random() : (x * 37 + y * 11 + (i % 4) * 60) % 256);
  }
  return rgba;
}

class PngFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("talvo_png_test_" + std::to_string(getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The file decoded as RGBA; empty when it is no PNG.
  static std::vector<std::uint8_t> ReadBack(const fs::path& path, int& width, int& height) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4),
        &stbi_image_free);
    if (!pixels) return {};
    return {pixels.get(), pixels.get() + static_cast<std::size_t>(width) * height * 4};
  }

  fs::path folder_;
};

class PngFileShapes : public PngFile, public ::testing::WithParamInterface<PngShape> {};

TEST_P(PngFileShapes, ReadsBackToTheSamePixels) {
  const PngShape& shape = GetParam();
  const std::vector<std::uint8_t> rgba = Pixels(shape);
  const fs::path path = folder_ / (std::string(shape.name) + ".png");
  ASSERT_TRUE(win32_internal::WriteRgbaPng(rgba, shape.width, shape.height, path.string()));
  int width = 0;
  int height = 0;
  const std::vector<std::uint8_t> decoded = ReadBack(path, width, height);
  EXPECT_EQ(width, shape.width);
  EXPECT_EQ(height, shape.height);
  EXPECT_TRUE(decoded == rgba) << "the decoded pixels differ";
}

INSTANTIATE_TEST_SUITE_P(Shapes, PngFileShapes,
                         ::testing::Values(PngShape{"single", 1, 1, false}, PngShape{"odd", 3, 2, false},
                                           PngShape{"bands", 257, 33, false}, PngShape{"noise", 300, 200, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PngFile, PixelsThatDoNotMatchTheSizeAreRefusedAndNoFileIsMade) {
  const std::vector<std::uint8_t> rgba(4 * 4 * 4, 0x80);
  const struct {
    int width;
    int height;
  } sizes[] = {{4, 5}, {5, 4}, {0, 4}, {4, 0}, {-4, -4}};
  for (const auto& size : sizes) {
    const fs::path path = folder_ / "refused.png";
    EXPECT_FALSE(win32_internal::WriteRgbaPng(rgba, size.width, size.height, path.string()))
        << size.width << " x " << size.height;
    EXPECT_FALSE(fs::exists(path));
  }
}

TEST_F(PngFile, AFileThatCannotBeOpenedOrWrittenWholeIsReportedAsAFailure) {
  const std::vector<std::uint8_t> rgba(4 * 4 * 4, 0x80);
  EXPECT_FALSE(win32_internal::WriteRgbaPng(rgba, 4, 4, (folder_ / "missing" / "x.png").string()));
  EXPECT_FALSE(win32_internal::WriteRgbaPng(rgba, 4, 4, folder_.string()));  // a folder
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no device that refuses every write";
  // A small file fails when the stream is closed, a large one while libpng still writes it.
  EXPECT_FALSE(win32_internal::WriteRgbaPng(rgba, 4, 4, "/dev/full"));
  const PngShape large{"large", 400, 300, true};
  EXPECT_FALSE(win32_internal::WriteRgbaPng(Pixels(large), large.width, large.height, "/dev/full"));
}

}  // namespace
