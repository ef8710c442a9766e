// The icon set in resources/icons: every image the program loads by name is present in the light and
// the dark folder, listed in the manifest, decodable at the size its name gives, with a transparent
// background.
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace Talvo {
namespace {

namespace fs = std::filesystem;

fs::path IconRoot() { return fs::path(TALVO_SOURCE_DIR) / "resources" / "icons"; }

const char* const kFolders[] = {"Icons", "IconsDark"};

// The file names of every image the program loads: buttons in eight states, pictures in four, and
// single images.
std::vector<std::string> ProgramImageFiles() {
  std::vector<std::string> buttons = {"TalvoPls-20x20", "TalvoDot-20x20", "TalvoPls-12x12", "TalvoPls-26x26",
                                      "TalvoBck-26x26", "TalvoFwd-26x26", "TalvoUp-26x26",  "TalvoDwn-26x26"};
  for (const char* script : {"Save", "Load", "Copy", "Paste", "Del"})
    buttons.push_back(std::string("Talvo_Script") + script + "_h16");
  std::vector<std::string> pictures = {"TalvoLogo"};
  for (int slot = 1; slot <= 6; ++slot) pictures.push_back("Talvo_" + std::to_string(slot));
  std::vector<std::string> files = {"TalvoProfile.png", "TalvoPlus14.png"};
  for (const char* level :
       {"PolyVertex", "PolyEdge", "PolyFace", "PolyBorder", "PolyElement", "PolyGeometry", "Objects", "Override"})
    files.push_back(std::string("Talvo_") + level + "_32x32.bmp");
  for (int taps = 1; taps <= 4; ++taps) files.push_back("TalvoTap" + std::to_string(taps) + "-24x24.bmp");
  for (const std::string& button : buttons) {
    for (const char* state : {"_n_i", "_h_i", "_p_i", "_d_i", "_n_a", "_h_a", "_p_a", "_d_a"})
      files.push_back(button + state + ".bmp");
  }
  for (const std::string& picture : pictures) {
    for (const char* state : {"_n_i", "_a_i", "_n_a", "_a_a"}) files.push_back(picture + state + ".bmp");
  }
  return files;
}

std::set<std::string> ReadManifest() {
  std::ifstream in(IconRoot() / "manifest.txt");
  std::set<std::string> names;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) names.insert(line);
  }
  return names;
}

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
  bool operator==(const Pixels&) const = default;
  const std::uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

Pixels Decode(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Pixels pixels;
  int channels = 0;
  stbi_uc* data =
      stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &pixels.width, &pixels.height, &channels, 4);
  if (data == nullptr) return {};
  pixels.rgba.assign(data, data + static_cast<size_t>(pixels.width) * pixels.height * 4);
  stbi_image_free(data);
  return pixels;
}

// The size a file name promises: "WxH" anywhere in it, "_h16" for a square of that height, or the
// host's toolbar strip of 28 icons of 20 × 20 that fills the profile page's image list.
std::pair<int, int> NamedSize(const std::string& file) {
  static const std::regex widthByHeight(R"((\d+)x(\d+))");
  static const std::regex height(R"((?:_h|Plus)(\d+))");
  std::smatch match;
  if (file == "TalvoProfile.png") return {28 * 20, 20};
  if (std::regex_search(file, match, widthByHeight)) return {std::stoi(match[1]), std::stoi(match[2])};
  if (std::regex_search(file, match, height)) return {std::stoi(match[1]), std::stoi(match[1])};
  return {0, 0};
}

TEST(IconSet, TheManifestListsBothFoldersWhichHoldEveryImageTheProgramLoads) {
  const std::set<std::string> manifest = ReadManifest();
  std::set<std::string> present;
  for (const char* folder : kFolders) {
    for (const fs::directory_entry& entry : fs::directory_iterator(IconRoot() / folder))
      present.insert(std::string(folder) + "/" + entry.path().filename().string());
    for (const std::string& file : ProgramImageFiles())
      EXPECT_TRUE(present.contains(std::string(folder) + "/" + file)) << folder << "/" << file;
  }
  EXPECT_EQ(present, manifest);
}

TEST(IconSet, ImagesDecodeAtTheirNamedSizeOnATransparentBackground) {
  for (const std::string& relative : ReadManifest()) {
    SCOPED_TRACE(relative);
    const Pixels pixels = Decode(IconRoot() / relative);
    ASSERT_GT(pixels.width, 0);
    if (const auto [width, height] = NamedSize(fs::path(relative).filename().string()); width > 0) {
      EXPECT_EQ(pixels.width, width);
      EXPECT_EQ(pixels.height, height);
    }
    // The corner is background (the key colour magenta in bitmaps); something is drawn.
    const bool keyed = fs::path(relative).extension() == ".bmp";
    const auto transparent = [&](const std::uint8_t* p) {
      return keyed ? p[0] == 255 && p[1] == 0 && p[2] == 255 : p[3] == 0;
    };
    EXPECT_TRUE(transparent(pixels.At(0, 0)));
    int drawn = 0;
    for (int y = 0; y < pixels.height; ++y)
      for (int x = 0; x < pixels.width; ++x) drawn += transparent(pixels.At(x, y)) ? 0 : 1;
    EXPECT_GT(drawn, pixels.width * pixels.height / 100);
  }
}

TEST(IconSet, ButtonStatesAndThemesLookDifferent) {
  for (const char* name : {"TalvoPls-20x20", "TalvoBck-26x26", "Talvo_ScriptDel_h16"}) {
    SCOPED_TRACE(name);
    const auto image = [&](const char* folder, const char* suffix) {
      return Decode(IconRoot() / folder / (std::string(name) + suffix + ".bmp"));
    };
    const Pixels normal = image("Icons", "_n_a");
    const Pixels hot = image("Icons", "_h_a");
    const Pixels pushed = image("Icons", "_p_a");
    EXPECT_NE(normal, hot);
    EXPECT_NE(normal, pushed);
    EXPECT_NE(hot, pushed);
    EXPECT_NE(normal, image("Icons", "_n_i"));
    EXPECT_NE(normal, image("IconsDark", "_n_a"));
  }
}

}  // namespace
}  // namespace Talvo
