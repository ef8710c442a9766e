#include "host/mesh.h"

#include <gtest/gtest.h>

#include "host/scene_builder.h"

namespace {

TEST(MeshTest, ResizingKeepsOrResetsAndBadIndicesAreIgnored) {
  Mesh mesh;
  mesh.setNumVerts(65);
  mesh.setNumFaces(104);
  mesh.setVert(64, Point3(1, 2, 3));
  mesh.getFace(103)->setVerts(64, 0, 1);
  mesh.setVert(65, Point3(9, 9, 9));
  EXPECT_EQ(mesh.getVert(65), Point3());
  EXPECT_EQ(mesh.getFace(104), nullptr);
  EXPECT_EQ(mesh.getFace(-1), nullptr);

  mesh.setNumFaces(104, true);
  EXPECT_EQ(mesh.getFace(103)->getVert(0), 64u);
  mesh.setNumVerts(65, true);
  EXPECT_EQ(mesh.getVert(64), Point3(1, 2, 3));
  mesh.setNumVerts(65);
  EXPECT_EQ(mesh.getVert(64), Point3());
  mesh.setNumFaces(-3);
  EXPECT_EQ(mesh.getNumFaces(), 0);
}

TEST(MNMeshTest, BuiltMeshesKnowTheirEdgesAndFaces) {
  const MNMesh box = hostsim::MakeBoxMesh(2.0f);
  ASSERT_EQ(box.VNum(), 8);
  ASSERT_EQ(box.FNum(), 6);
  for (int e = 0; e < box.ENum(); ++e) {
    EXPECT_GE(box.E(e)->f1, 0);
    EXPECT_GE(box.E(e)->f2, 0) << "a closed box has no open edge";
  }
  for (int f = 0; f < box.FNum(); ++f) {
    const MNFace* face = box.F(f);
    ASSERT_EQ(face->edg.size(), 4u);
    for (int k = 0; k < face->deg; ++k) {
      const MNEdge* edge = box.E(face->edg[static_cast<std::size_t>(k)]);
      const int a = face->vtx[static_cast<std::size_t>(k)];
      EXPECT_TRUE(edge->v1 == a || edge->v2 == a);
      EXPECT_EQ(edge->OtherVert(a), face->vtx[static_cast<std::size_t>((k + 1) % face->deg)]);
    }
  }
  EXPECT_EQ(box.V(7)->p, Point3(2, 2, 2));
  EXPECT_EQ(box.V(8), nullptr);

  MNMesh grid = hostsim::MakeGridMesh(3, 2);
  hostsim::SelectFaces(grid, {0, 5, 99});
  hostsim::KillFaces(grid, {5});
  BitArray faces;
  grid.getFaceSel(faces);
  EXPECT_EQ(faces.GetSize(), 6);
  EXPECT_EQ(faces.NumberSet(), 1);
  EXPECT_TRUE(faces[0]);
  EXPECT_EQ(hostsim::FindEdge(grid, 0, 5), -1);
}

}  // namespace
