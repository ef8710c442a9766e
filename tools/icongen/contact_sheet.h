// A contact sheet of every image, light set on the light background beside the dark set on the dark
// one, enlarged, for looking the set over.
#pragma once

#include <filesystem>
#include <vector>

#include "render.h"

namespace icongen {

// One row of the sheet: the images of one catalogue entry in one theme.
struct SheetRow {
  const Theme* theme;
  std::string label;
  const std::vector<RenderedImage>* images;
};

bool WriteContactSheet(const std::vector<SheetRow>& rows, const std::filesystem::path& path);

}  // namespace icongen
