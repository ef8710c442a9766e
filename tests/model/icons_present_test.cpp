// The icon set in resources/icons: every image the program loads by name is present in the light and
// the dark folder, listed in the manifest, decodable at the size its name gives, with a transparent
// background, and the host's icon files fill image lists in both themes.
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <host/directories.h>
#include <host/icons.h>
#include <host/simulation.h>

#include "support/data_folder_fixture.h"

namespace Talvo {
namespace {

namespace fs = std::filesystem;

fs::path IconRoot() {
#ifdef TALVO_SOURCE_DIR
  return fs::path(TALVO_SOURCE_DIR) / "resources" / "icons";
#else
  return fs::path(__FILE__).parent_path().parent_path().parent_path() / "resources" / "icons";
#endif
}

const char* const kFolders[] = {"Icons", "IconsDark"};

// How the program asks for an image: the loader decides which files a name and its flags stand for.
enum class Loader {
  Button,       // name + state suffix per flag bit + "." + extension
  Picture,      // the same with the picture's four suffixes
  PictureList,  // name + "." + extension
};

struct Load {
  Loader loader;
  std::string name;
  unsigned flags;
};

// Flag bit i of an icon button selects kButtonSuffixes[i]; bit i of a picture kPictureSuffixes[i].
const char* const kButtonSuffixes[] = {"_n_i", "_h_i", "_p_i", "_d_i", "_n_a", "_h_a", "_p_a", "_d_a"};
const char* const kPictureSuffixes[] = {"_n_i", "_a_i", "_n_a", "_a_a"};

std::vector<Load> ProgramLoads() {
  std::vector<Load> loads = {
      {Loader::Button, "TalvoPls-20x20", 113},   // the grid's corner button
      {Loader::Button, "TalvoPls-20x20", 0xF1},  // case cells
      {Loader::Button, "TalvoDot-20x20", 0xF1},  // "Override Mode" case cells
      {Loader::Button, "TalvoPls-12x12", 0xF0},  // the case tab strip's mode button
      {Loader::Button, "TalvoPls-26x26", 0xF0},  // the function editor's add-case button
      {Loader::Button, "TalvoBck-26x26", 112},
      {Loader::Button, "TalvoFwd-26x26", 112},
      {Loader::Button, "TalvoUp-26x26", 112},
      {Loader::Button, "TalvoDwn-26x26", 112},
      {Loader::Picture, "TalvoLogo", 10},
  };
  for (const char* script : {"Save", "Load", "Copy", "Paste", "Del"})
    loads.push_back({Loader::Button, std::string("Talvo_Script") + script + "_h16", 0xFF});
  for (int slot = 1; slot <= 6; ++slot) loads.push_back({Loader::Picture, "Talvo_" + std::to_string(slot), 15});
  for (const char* level : {"Talvo_PolyVertex_32x32", "Talvo_PolyEdge_32x32", "Talvo_PolyFace_32x32",
                            "Talvo_PolyBorder_32x32", "Talvo_PolyElement_32x32", "Talvo_PolyGeometry_32x32",
                            "Talvo_Objects_32x32", "Talvo_Override_32x32"})
    loads.push_back({Loader::PictureList, level, 0});
  for (int taps = 1; taps <= 4; ++taps)
    loads.push_back({Loader::PictureList, "TalvoTap" + std::to_string(taps) + "-24x24", 0});
  return loads;
}

// The file names one load reads, all with the extension "bmp".
std::vector<std::string> FilesOf(const Load& load) {
  if (load.loader == Loader::PictureList) return {load.name + ".bmp"};
  std::vector<std::string> files;
  const bool button = load.loader == Loader::Button;
  const int bits = button ? 8 : 4;
  for (int bit = 0; bit < bits; ++bit) {
    if (load.flags & (1u << bit))
      files.push_back(load.name + (button ? kButtonSuffixes[bit] : kPictureSuffixes[bit]) + ".bmp");
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
  stbi_uc* data = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &pixels.width, &pixels.height,
                                        &channels, 4);
  if (data == nullptr) return {};
  pixels.rgba.assign(data, data + static_cast<size_t>(pixels.width) * pixels.height * 4);
  stbi_image_free(data);
  return pixels;
}

bool IsKey(const std::uint8_t* pixel) { return pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255; }

// The size a file name promises: "WxH" anywhere in it, or "_h16" for a square of that height.
std::pair<int, int> NamedSize(const std::string& file) {
  static const std::regex widthByHeight(R"((\d+)x(\d+))");
  static const std::regex height(R"(_h(\d+))");
  std::smatch match;
  if (std::regex_search(file, match, widthByHeight)) return {std::stoi(match[1]), std::stoi(match[2])};
  if (std::regex_search(file, match, height)) return {std::stoi(match[1]), std::stoi(match[1])};
  return {0, 0};
}

TEST(IconSet, EveryImageTheProgramLoadsIsInBothFoldersAndTheManifest) {
  const std::set<std::string> manifest = ReadManifest();
  ASSERT_FALSE(manifest.empty()) << IconRoot();
  for (const Load& load : ProgramLoads()) {
    for (const std::string& file : FilesOf(load)) {
      for (const char* folder : kFolders) {
        const std::string relative = std::string(folder) + "/" + file;
        EXPECT_TRUE(fs::is_regular_file(IconRoot() / relative)) << relative;
        EXPECT_TRUE(manifest.contains(relative)) << relative;
      }
    }
  }
  // The host's icon files, read as PNG strips.
  for (const char* folder : kFolders) {
    for (const char* file : {"TalvoProfile.png", "TalvoPlus14.png"})
      EXPECT_TRUE(manifest.contains(std::string(folder) + "/" + file)) << folder << "/" << file;
  }
}

TEST(IconSet, ManifestListsExactlyTheFilesOfBothFolders) {
  const std::set<std::string> manifest = ReadManifest();
  std::set<std::string> present;
  std::set<std::string> names[2];
  for (int i = 0; i < 2; ++i) {
    for (const fs::directory_entry& entry : fs::directory_iterator(IconRoot() / kFolders[i])) {
      present.insert(std::string(kFolders[i]) + "/" + entry.path().filename().string());
      names[i].insert(entry.path().filename().string());
    }
  }
  EXPECT_EQ(present, manifest);
  EXPECT_EQ(names[0], names[1]) << "the light and the dark set name the same images";
}

TEST(IconSet, ImagesDecodeAtTheirNamedSizeOnATransparentBackground) {
  for (const std::string& relative : ReadManifest()) {
    SCOPED_TRACE(relative);
    const Pixels pixels = Decode(IconRoot() / relative);
    ASSERT_GT(pixels.width, 0);
    const std::string file = fs::path(relative).filename().string();
    if (file == "TalvoProfile.png") {
      // 28 toolbar icons of 20 × 20 side by side.
      EXPECT_EQ(pixels.width, 28 * 20);
      EXPECT_EQ(pixels.height, 20);
    } else if (file == "TalvoPlus14.png") {
      EXPECT_EQ(pixels.width, 14);
      EXPECT_EQ(pixels.height, 14);
    } else if (const auto [width, height] = NamedSize(file); width > 0) {
      EXPECT_EQ(pixels.width, width);
      EXPECT_EQ(pixels.height, height);
    }
    // The corner is background; something is drawn.
    const bool keyed = fs::path(relative).extension() == ".bmp";
    const auto transparent = [&](const std::uint8_t* pixel) { return keyed ? IsKey(pixel) : pixel[3] == 0; };
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
    const Pixels inactive = image("Icons", "_n_i");
    EXPECT_NE(normal, hot);
    EXPECT_NE(normal, pushed);
    EXPECT_NE(hot, pushed);
    EXPECT_NE(normal, inactive);
    EXPECT_NE(normal, image("IconsDark", "_n_a"));
  }
}

using HostIconFiles = testing::DataFolderTest;

TEST_F(HostIconFiles, FillImageListsInBothThemes) {
  for (const AppFrameColorTheme theme : {kLightTheme, kDarkTheme}) {
    hostsim::SetTheme(theme);
    HIMAGELIST toolbar = ImageList_Create(20, 20, ILC_COLOR24 | ILC_MASK, 28, 1);
    EXPECT_TRUE(LoadMAXFileIcon(L"TalvoProfile", toolbar, kBackground, FALSE));
    EXPECT_EQ(ImageList_GetImageCount(toolbar), 28);
    HIMAGELIST plus = ImageList_Create(14, 14, ILC_COLOR24 | ILC_MASK, 1, 1);
    EXPECT_TRUE(LoadMAXFileIcon(L"TalvoPlus14", plus, kBackground, FALSE));
    EXPECT_EQ(ImageList_GetImageCount(plus), 1);
    ImageList_Destroy(toolbar);
    ImageList_Destroy(plus);
  }
}

}  // namespace
}  // namespace Talvo
