// The host's polygon mesh: vertices, edges and faces with flags, as editable poly objects keep it.
#pragma once

#include <vector>

#include "host/bitarray.h"
#include "host/geometry.h"
#include "win32/types.h"

// Component flags. An element counts as selected when (flags & 3) == MN_SEL: selected and not dead.
enum : DWORD {
  MN_SEL = 1 << 0,
  MN_DEAD = 1 << 1,
};

class MNVert {
 public:
  Point3 p;
  DWORD flags = 0;
  bool GetFlag(DWORD fl) const { return (flags & fl) != 0; }
  void SetFlag(DWORD fl, bool on = true) { flags = on ? flags | fl : flags & ~fl; }
};

class MNEdge {
 public:
  int v1 = -1, v2 = -1;  // end vertices
  int f1 = -1, f2 = -1;  // faces on either side; f2 is -1 on an open (border) edge
  DWORD flags = 0;
  bool GetFlag(DWORD fl) const { return (flags & fl) != 0; }
  void SetFlag(DWORD fl, bool on = true) { flags = on ? flags | fl : flags & ~fl; }
  // The vertex at the other end from vertex v.
  int OtherVert(int v) const { return v == v1 ? v2 : v1; }
};

class MNFace {
 public:
  int deg = 0;           // number of corners
  std::vector<int> vtx;  // corner vertices in order
  std::vector<int> edg;  // edge k joins corners k and k + 1
  DWORD flags = 0;
  bool GetFlag(DWORD fl) const { return (flags & fl) != 0; }
  void SetFlag(DWORD fl, bool on = true) { flags = on ? flags | fl : flags & ~fl; }
};

class MNMesh {
 public:
  int VNum() const { return static_cast<int>(verts_.size()); }
  int ENum() const { return static_cast<int>(edges_.size()); }
  int FNum() const { return static_cast<int>(faces_.size()); }
  // Components by index; null out of range.
  MNVert* V(int i) { return i >= 0 && i < VNum() ? &verts_[static_cast<std::size_t>(i)] : nullptr; }
  MNEdge* E(int i) { return i >= 0 && i < ENum() ? &edges_[static_cast<std::size_t>(i)] : nullptr; }
  MNFace* F(int i) { return i >= 0 && i < FNum() ? &faces_[static_cast<std::size_t>(i)] : nullptr; }
  const MNVert* V(int i) const { return const_cast<MNMesh*>(this)->V(i); }
  const MNEdge* E(int i) const { return const_cast<MNMesh*>(this)->E(i); }
  const MNFace* F(int i) const { return const_cast<MNMesh*>(this)->F(i); }

  // Building: add vertices and faces, then FillInMesh makes the edges.
  int NewVert(const Point3& p);
  // Adds a face over existing vertices; -1 when it has fewer than three corners or a bad index.
  int NewFace(const std::vector<int>& corners);
  // Builds the edge list from the faces; each edge knows its faces and each face its edges.
  void FillInMesh();
  void Clear();

  // The selection of each kind as a bit array over the components (selected and not dead).
  void getVertexSel(BitArray& set) const;
  void getEdgeSel(BitArray& set) const;
  void getFaceSel(BitArray& set) const;

  // Sets eset to the border loop that contains edge ee: every open edge reachable from it through
  // shared vertices along open edges. Empty when ee is not an open edge.
  void BorderFromEdge(int ee, BitArray& eset) const;
  // Sets fset to the element that contains face ff: every live face connected to it through shared
  // vertices. Empty when ff is not a live face.
  void ElementFromFace(int ff, BitArray& fset) const;

 private:
  std::vector<MNVert> verts_;
  std::vector<MNEdge> edges_;
  std::vector<MNFace> faces_;
};
