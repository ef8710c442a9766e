#include "model/resources.h"

namespace Talvo {

std::optional<std::string_view> FindResource(std::string_view path) {
  for (const EmbeddedResource& resource : EmbeddedResources()) {
    if (resource.path == path) return resource.bytes;
  }
  return std::nullopt;
}

}  // namespace Talvo
