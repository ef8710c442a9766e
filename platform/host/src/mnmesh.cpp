#include "host/mnmesh.h"

#include <algorithm>
#include <deque>
#include <map>
#include <utility>

namespace {

bool IsLive(DWORD flags) { return (flags & MN_DEAD) == 0; }
bool IsSelected(DWORD flags) { return (flags & (MN_SEL | MN_DEAD)) == MN_SEL; }

}  // namespace

int MNMesh::NewVert(const Point3& p) {
  MNVert vert;
  vert.p = p;
  verts_.push_back(vert);
  return VNum() - 1;
}

int MNMesh::NewFace(const std::vector<int>& corners) {
  if (corners.size() < 3) return -1;
  for (int v : corners)
    if (!V(v)) return -1;
  MNFace face;
  face.deg = static_cast<int>(corners.size());
  face.vtx = corners;
  faces_.push_back(face);
  return FNum() - 1;
}

void MNMesh::FillInMesh() {
  edges_.clear();
  std::map<std::pair<int, int>, int> edge_of_pair;
  for (int fi = 0; fi < FNum(); ++fi) {
    MNFace& face = faces_[static_cast<std::size_t>(fi)];
    face.edg.assign(static_cast<std::size_t>(face.deg), -1);
    for (int k = 0; k < face.deg; ++k) {
      const int a = face.vtx[static_cast<std::size_t>(k)];
      const int b = face.vtx[static_cast<std::size_t>((k + 1) % face.deg)];
      const auto key = std::minmax(a, b);
      auto [it, added] = edge_of_pair.try_emplace(key, ENum());
      if (added) {
        MNEdge edge;
        edge.v1 = a;
        edge.v2 = b;
        edge.f1 = fi;
        edges_.push_back(edge);
      } else {
        edges_[static_cast<std::size_t>(it->second)].f2 = fi;
      }
      face.edg[static_cast<std::size_t>(k)] = it->second;
    }
  }
}

void MNMesh::Clear() {
  verts_.clear();
  edges_.clear();
  faces_.clear();
}

void MNMesh::getVertexSel(BitArray& set) const {
  set.SetSize(VNum());
  for (int i = 0; i < VNum(); ++i) set.Set(i, IsSelected(V(i)->flags));
}

void MNMesh::getEdgeSel(BitArray& set) const {
  set.SetSize(ENum());
  for (int i = 0; i < ENum(); ++i) set.Set(i, IsSelected(E(i)->flags));
}

void MNMesh::getFaceSel(BitArray& set) const {
  set.SetSize(FNum());
  for (int i = 0; i < FNum(); ++i) set.Set(i, IsSelected(F(i)->flags));
}

void MNMesh::BorderFromEdge(int ee, BitArray& eset) const {
  eset.SetSize(ENum());
  auto is_open = [&](int e) { return E(e) && IsLive(E(e)->flags) && E(e)->f2 < 0; };
  if (!is_open(ee)) return;
  // Open edges meeting at each vertex.
  std::vector<std::vector<int>> open_at(static_cast<std::size_t>(VNum()));
  for (int e = 0; e < ENum(); ++e) {
    if (!is_open(e)) continue;
    open_at[static_cast<std::size_t>(E(e)->v1)].push_back(e);
    open_at[static_cast<std::size_t>(E(e)->v2)].push_back(e);
  }
  std::deque<int> pending{ee};
  eset.Set(ee);
  while (!pending.empty()) {
    const MNEdge* edge = E(pending.front());
    pending.pop_front();
    for (int v : {edge->v1, edge->v2})
      for (int next : open_at[static_cast<std::size_t>(v)])
        if (!eset[next]) {
          eset.Set(next);
          pending.push_back(next);
        }
  }
}

void MNMesh::ElementFromFace(int ff, BitArray& fset) const {
  fset.SetSize(FNum());
  if (!F(ff) || !IsLive(F(ff)->flags)) return;
  std::vector<std::vector<int>> faces_at(static_cast<std::size_t>(VNum()));
  for (int f = 0; f < FNum(); ++f) {
    if (!IsLive(F(f)->flags)) continue;
    for (int v : F(f)->vtx) faces_at[static_cast<std::size_t>(v)].push_back(f);
  }
  std::deque<int> pending{ff};
  fset.Set(ff);
  while (!pending.empty()) {
    const MNFace* face = F(pending.front());
    pending.pop_front();
    for (int v : face->vtx)
      for (int next : faces_at[static_cast<std::size_t>(v)])
        if (!fset[next]) {
          fset.Set(next);
          pending.push_back(next);
        }
  }
}
