// Counting selected components of a poly mesh: a component is selected when its flags have the
// selected bit set and the dead bit clear.
#pragma once

#include <max.h>

namespace Talvo {

int CountSelectedVertices(const MNMesh& mesh);
int CountSelectedEdges(const MNMesh& mesh);
int CountSelectedFaces(const MNMesh& mesh);
// Border loops (open-edge loops) that hold at least one selected edge, each counted once.
int CountSelectedBorders(const MNMesh& mesh);
// Elements (connected face groups) that hold at least one selected face, each counted once.
int CountSelectedElements(const MNMesh& mesh);

}  // namespace Talvo
