// The host's scene: nodes, the selection, the modify panel's object and the current time.
#pragma once

#include <memory>
#include <vector>

#include "host/node.h"

namespace host_internal {

struct Scene {
  std::vector<std::unique_ptr<INode>> nodes;
  std::vector<INode*> selection;
  BaseObject* edit_object = nullptr;
  TimeValue time = 0;
};

Scene& TheScene();

}  // namespace host_internal
