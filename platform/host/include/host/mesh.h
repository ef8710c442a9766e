// The host's triangle mesh, as helper objects build it for display.
#pragma once

#include <vector>

#include "host/geometry.h"
#include "win32/types.h"

class Face {
 public:
  DWORD v[3] = {0, 0, 0};
  DWORD smGroup = 0;
  DWORD flags = 0;
  void setVerts(int a, int b, int c) {
    v[0] = static_cast<DWORD>(a);
    v[1] = static_cast<DWORD>(b);
    v[2] = static_cast<DWORD>(c);
  }
  // Corners wrap around: -1 is corner 2, 3 is corner 0.
  DWORD getVert(int corner) const { return v[((corner % 3) + 3) % 3]; }
  // Edge visibility bits 0..2 in the flags.
  void setEdgeVisFlags(int e0, int e1, int e2) {
    flags = (flags & ~7u) | (e0 ? 1u : 0u) | (e1 ? 2u : 0u) | (e2 ? 4u : 0u);
  }
};

class Mesh {
 public:
  int getNumVerts() const { return static_cast<int>(verts_.size()); }
  int getNumFaces() const { return static_cast<int>(faces_.size()); }
  // Resizes; with keep the remaining entries keep their values, otherwise all are reset.
  bool setNumVerts(int count, bool keep = false);
  bool setNumFaces(int count, bool keep = false);
  // Out-of-range indices are ignored when written and read as the origin or a default face.
  void setVert(int i, const Point3& p);
  Point3 getVert(int i) const;
  Face* getFace(int i) { return i >= 0 && i < getNumFaces() ? &faces_[static_cast<std::size_t>(i)] : nullptr; }
  const Face* getFace(int i) const { return const_cast<Mesh*>(this)->getFace(i); }
  void FreeAll() {
    verts_.clear();
    faces_.clear();
  }

 private:
  std::vector<Point3> verts_;
  std::vector<Face> faces_;
};
