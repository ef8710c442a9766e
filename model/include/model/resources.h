// Files of the resources folder compiled into the program: the string table and the default documents.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace Talvo {

struct EmbeddedResource {
  std::string_view path;  // relative to the resources folder, with "/" separators
  std::string_view bytes;
};

// Every embedded file, sorted by path.
const std::vector<EmbeddedResource>& EmbeddedResources();

// The bytes of one embedded file, or nothing when there is no such file.
std::optional<std::string_view> FindResource(std::string_view path);

}  // namespace Talvo
