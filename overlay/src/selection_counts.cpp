#include "selection_counts.h"

namespace Talvo {

namespace {

bool IsSelected(DWORD flags) { return (flags & (MN_SEL | MN_DEAD)) == MN_SEL; }

// Counts the groups (borders or elements) reached from selected components: a group counts once, when
// it first adds components that no earlier group covered.
template <typename IsSelectedAt, typename GroupOf>
int CountGroups(int size, IsSelectedAt isSelectedAt, GroupOf groupOf) {
  BitArray covered(size);
  BitArray group;
  int groups = 0;
  for (int i = 0; i < size; ++i) {
    if (!isSelectedAt(i) || covered[i]) continue;
    groupOf(i, group);
    if ((group & ~covered).AnyBitSet()) {
      covered |= group;
      ++groups;
    }
  }
  return groups;
}

}  // namespace

int CountSelectedVertices(const MNMesh& mesh) {
  int count = 0;
  for (int i = 0; i < mesh.VNum(); ++i) count += IsSelected(mesh.V(i)->flags) ? 1 : 0;
  return count;
}

int CountSelectedEdges(const MNMesh& mesh) {
  int count = 0;
  for (int i = 0; i < mesh.ENum(); ++i) count += IsSelected(mesh.E(i)->flags) ? 1 : 0;
  return count;
}

int CountSelectedFaces(const MNMesh& mesh) {
  int count = 0;
  for (int i = 0; i < mesh.FNum(); ++i) count += IsSelected(mesh.F(i)->flags) ? 1 : 0;
  return count;
}

int CountSelectedBorders(const MNMesh& mesh) {
  return CountGroups(
      mesh.ENum(), [&](int e) { return IsSelected(mesh.E(e)->flags); },
      [&](int e, BitArray& border) { mesh.BorderFromEdge(e, border); });
}

int CountSelectedElements(const MNMesh& mesh) {
  return CountGroups(
      mesh.FNum(), [&](int f) { return IsSelected(mesh.F(f)->flags); },
      [&](int f, BitArray& element) { mesh.ElementFromFace(f, element); });
}

}  // namespace Talvo
