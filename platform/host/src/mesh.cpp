#include "host/mesh.h"

#include <algorithm>

bool Mesh::setNumVerts(int count, bool keep) {
  count = std::max(count, 0);
  if (!keep) verts_.clear();
  verts_.resize(static_cast<std::size_t>(count));
  return true;
}

bool Mesh::setNumFaces(int count, bool keep) {
  count = std::max(count, 0);
  if (!keep) faces_.clear();
  faces_.resize(static_cast<std::size_t>(count));
  return true;
}

void Mesh::setVert(int i, const Point3& p) {
  if (i >= 0 && i < getNumVerts()) verts_[static_cast<std::size_t>(i)] = p;
}

Point3 Mesh::getVert(int i) const {
  return i >= 0 && i < getNumVerts() ? verts_[static_cast<std::size_t>(i)] : Point3();
}
