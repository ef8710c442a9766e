// icongen <icon folder> [<contact sheet.png>]
//
// Draws every image the program loads into <icon folder>/Icons and <icon folder>/IconsDark, writes
// <icon folder>/manifest.txt (one file per line, relative to the icon folder) and removes images in
// those folders that the manifest no longer names. With a second argument it also draws a contact sheet.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "contact_sheet.h"
#include "image_files.h"
#include "render.h"

namespace fs = std::filesystem;
using namespace icongen;

namespace {

bool WriteImage(const RenderedImage& image, const fs::path& root) {
  const fs::path path = root / image.fileName;
  const bool written = image.extension == "bmp" ? WriteKeyedBmp(image.surface.get(), path)
                                                : WritePng(image.surface.get(), path);
  if (!written) std::cerr << "icongen: cannot write " << path << "\n";
  return written;
}

// Images left over from earlier sets would otherwise linger beside the manifest.
void RemoveStrays(const fs::path& root, const std::set<std::string>& manifest) {
  for (const Theme* theme : {&LightTheme(), &DarkTheme()}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(root / theme->folder)) {
      const std::string relative = theme->folder + "/" + entry.path().filename().string();
      if (entry.is_regular_file() && !manifest.contains(relative)) {
        std::cout << "icongen: removing " << relative << "\n";
        fs::remove(entry.path());
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: icongen <icon folder> [<contact sheet.png>]\n";
    return 2;
  }
  const fs::path root = argv[1];
  std::error_code error;
  for (const Theme* theme : {&LightTheme(), &DarkTheme()}) fs::create_directories(root / theme->folder, error);

  std::vector<std::vector<RenderedImage>> rendered;
  std::vector<SheetRow> rows;
  rendered.reserve(Catalogue().size() * 2);  // reserved up front: the sheet rows point into it
  for (const Theme* theme : {&LightTheme(), &DarkTheme()}) {
    for (const ImageSpec& image : Catalogue()) {
      rendered.push_back(Render(image, *theme));
      rows.push_back({theme, image.name, &rendered.back()});
    }
  }

  bool ok = true;
  std::set<std::string> manifest;
  for (const auto& files : rendered) {
    for (const RenderedImage& image : files) {
      ok = WriteImage(image, root) && ok;
      manifest.insert(image.fileName);
    }
  }
  std::ofstream list(root / "manifest.txt", std::ios::trunc);
  for (const std::string& name : manifest) list << name << "\n";
  ok = static_cast<bool>(list) && ok;
  RemoveStrays(root, manifest);

  if (argc == 3 && !WriteContactSheet(rows, argv[2])) {
    std::cerr << "icongen: cannot write the contact sheet " << argv[2] << "\n";
    ok = false;
  }
  std::cout << "icongen: " << manifest.size() << " images in " << root << "\n";
  rendered.clear();
  cairo_debug_reset_static_data();
  return ok ? 0 : 1;
}
