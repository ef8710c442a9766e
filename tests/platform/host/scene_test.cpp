#include "host/core_interface.h"
#include "host/poly.h"
#include "host/unwrap.h"
#include "host_fixture.h"

namespace {

using SceneTest = HostTest;

int CountSelected(const MNMesh& mesh, int kind) {
  int count = 0;
  const int n = kind == 0 ? mesh.VNum() : kind == 1 ? mesh.ENum() : mesh.FNum();
  for (int i = 0; i < n; ++i) {
    const DWORD flags = kind == 0 ? mesh.V(i)->flags : kind == 1 ? mesh.E(i)->flags : mesh.F(i)->flags;
    count += (flags & 3) == 1;
  }
  return count;
}

TEST_F(SceneTest, EditablePolyAtVertexLevelReportsItsLiveSelection) {
  MNMesh mesh = hostsim::MakeGridMesh(3, 3);
  hostsim::SelectVertices(mesh, {0, 1, 2, 5, 6});
  hostsim::KillVertices(mesh, {5, 6});
  INode* node = hostsim::AddEditablePoly(L"Plane001", std::move(mesh), EP_SL_VERTEX);
  hostsim::SelectNodes({node});
  hostsim::SetCurEditObject(node->GetObjectRef());

  Interface* core = GetCOREInterface();
  ASSERT_EQ(core->GetSelNodeCount(), 1);
  EXPECT_EQ(core->GetSelNode(1), nullptr);
  BaseObject* edited = core->GetCurEditObject();
  ASSERT_NE(edited, nullptr);
  EXPECT_EQ(edited->GetInterface(EPOLY_MOD_INTERFACE), nullptr);
  auto* epoly = static_cast<EPoly*>(edited->GetInterface(EPOLY_INTERFACE));
  ASSERT_NE(epoly, nullptr);
  EXPECT_EQ(epoly->GetEPolySelLevel(), EP_SL_VERTEX);
  EXPECT_EQ(edited->GetSubObjectLevel(), EP_SL_VERTEX);
  const MNMesh* polyMesh = epoly->GetMeshPtr();
  EXPECT_EQ(polyMesh->VNum(), 16);
  EXPECT_EQ(CountSelected(*polyMesh, 0), 3);  // the dead vertices are not live selection

  const ObjectState state = node->EvalWorldState(core->GetTime(), TRUE);
  EXPECT_EQ(state.obj, node->GetObjectRef());
  EXPECT_NE(static_cast<Object*>(edited)->GetSubselState(), 0u);
}

TEST_F(SceneTest, BorderWalkFollowsOpenEdgesOnly) {
  MNMesh grid = hostsim::MakeGridMesh(2, 2);
  BitArray border;
  // Edge 0-1 lies on the outer border, which has eight edges around a 2 x 2 grid.
  grid.BorderFromEdge(hostsim::FindEdge(grid, 0, 1), border);
  EXPECT_EQ(border.GetSize(), grid.ENum());
  EXPECT_EQ(border.NumberSet(), 8);
  // Edge 1-4 is inside the grid: no border.
  grid.BorderFromEdge(hostsim::FindEdge(grid, 1, 4), border);
  EXPECT_EQ(border.NumberSet(), 0);
  grid.BorderFromEdge(-1, border);
  EXPECT_EQ(border.NumberSet(), 0);

  // A closed box has no border at all; a box without its top has one four-edge hole.
  MNMesh box = hostsim::MakeBoxMesh();
  EXPECT_EQ(box.ENum(), 12);
  box.BorderFromEdge(0, border);
  EXPECT_EQ(border.NumberSet(), 0);
  MNMesh open_box;
  for (int i = 0; i < box.VNum(); ++i) open_box.NewVert(box.V(i)->p);
  for (int f = 0; f < box.FNum(); ++f)
    if (f != 1) open_box.NewFace(box.F(f)->vtx);
  open_box.FillInMesh();
  open_box.BorderFromEdge(hostsim::FindEdge(open_box, 4, 5), border);
  EXPECT_EQ(border.NumberSet(), 4);
  EXPECT_TRUE(border[hostsim::FindEdge(open_box, 6, 7)]);
  EXPECT_FALSE(border[hostsim::FindEdge(open_box, 0, 1)]);

  // Dead edges are left out of the walk.
  hostsim::KillEdges(grid, {hostsim::FindEdge(grid, 0, 1)});
  grid.BorderFromEdge(hostsim::FindEdge(grid, 1, 2), border);
  EXPECT_EQ(border.NumberSet(), 7);
}

TEST_F(SceneTest, ElementWalkCoversConnectedLiveFacesOnly) {
  MNMesh mesh = hostsim::MakeGridMesh(2, 1);
  hostsim::AppendMesh(mesh, hostsim::MakeBoxMesh());
  ASSERT_EQ(mesh.FNum(), 8);
  BitArray element;
  mesh.ElementFromFace(0, element);
  EXPECT_EQ(element.NumberSet(), 2);
  EXPECT_TRUE(element[1]);
  mesh.ElementFromFace(5, element);
  EXPECT_EQ(element.NumberSet(), 6);
  EXPECT_FALSE(element[0]);

  hostsim::KillFaces(mesh, {1});
  mesh.ElementFromFace(0, element);
  EXPECT_EQ(element.NumberSet(), 1);
  mesh.ElementFromFace(1, element);
  EXPECT_EQ(element.NumberSet(), 0) << "a dead face has no element";
  mesh.ElementFromFace(99, element);
  EXPECT_EQ(element.NumberSet(), 0);
  EXPECT_EQ(mesh.NewFace({0, 1}), -1) << "too few corners";
  EXPECT_EQ(mesh.NewFace({0, 1, 999}), -1) << "bad vertex";
}

TEST_F(SceneTest, AnInstancedEditPolyHoldsOneMeshPerNode) {
  MNMesh first = hostsim::MakeGridMesh(2, 2);
  hostsim::SelectEdges(first, {hostsim::FindEdge(first, 0, 1), hostsim::FindEdge(first, 1, 2)});
  INode* a = hostsim::AddEditablePoly(L"A", first);
  INode* b = hostsim::AddEditablePoly(L"B", hostsim::MakeBoxMesh());
  EditPolyMod* mod = hostsim::AddEditPolyModifier({a, b}, EP_SL_BORDER);
  ASSERT_NE(mod, nullptr);
  hostsim::SelectNodes({a, b});
  hostsim::SetCurEditObject(mod);

  BaseObject* edited = GetCOREInterface()->GetCurEditObject();
  EXPECT_EQ(edited->ClassID(), EDIT_POLY_MODIFIER_CLASS_ID);
  EXPECT_EQ(edited->GetInterface(EPOLY_INTERFACE), nullptr);
  auto* epm = static_cast<EPolyMod*>(edited->GetInterface(EPOLY_MOD_INTERFACE));
  ASSERT_NE(epm, nullptr);
  EXPECT_EQ(epm->GetEPolySelLevel(), EP_SL_BORDER);
  ASSERT_NE(epm->EpModGetMesh(a), nullptr);
  EXPECT_EQ(CountSelected(*epm->EpModGetMesh(a), 1), 2);
  EXPECT_EQ(epm->EpModGetMesh(b)->ENum(), 12);
  EXPECT_EQ(epm->EpModGetMesh(nullptr), nullptr) << "ambiguous on two nodes";
  EXPECT_EQ(a->NumModifiers(), 1);
  EXPECT_EQ(a->GetModifier(0), b->GetModifier(0));
}

TEST_F(SceneTest, UnwrapAnswersBothInterfacesPerNode) {
  INode* node = hostsim::AddNode(L"Teapot001", new hostsim::SimpleObject(Class_ID(0xACAD13D3, 0xB2A1B3C5)));
  UnwrapMod* unwrap = hostsim::AddUnwrapModifier({node}, TVEDGEMODE);
  UnwrapMod::NodeSelection selection;
  selection.vertices.SetSize(10);
  selection.edges.SetSize(15);
  selection.faces.SetSize(6);
  selection.edges.Set(3);
  selection.edges.Set(14);
  selection.faces.Set(2);
  unwrap->SetNodeSelection(node, selection);
  hostsim::SelectNodes({node});
  hostsim::SetCurEditObject(unwrap);

  BaseObject* edited = GetCOREInterface()->GetCurEditObject();
  EXPECT_EQ(edited->ClassID(), UNWRAP_CLASSID);
  auto* first = static_cast<IUnwrapMod*>(edited->GetInterface(UNWRAP_INTERFACE));
  auto* second = static_cast<IUnwrapMod2*>(edited->GetInterface(UNWRAP_INTERFACE2));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first->fnGetTVSubMode(), TVEDGEMODE);
  EXPECT_EQ(second->fnNumberVerticesByNode(node), 10);
  EXPECT_EQ(second->fnNumberPolygonsByNode(node), 6);
  ASSERT_NE(second->fnGetSelectedEdgesByNode(node), nullptr);
  EXPECT_EQ(second->fnGetSelectedEdgesByNode(node)->GetSize(), 15);
  EXPECT_TRUE(second->fnIsEdgeSelectedByNode(14, node));
  EXPECT_FALSE(second->fnIsEdgeSelectedByNode(15, node));
  EXPECT_TRUE(second->fnIsFaceSelectedByNode(2, node));
  EXPECT_FALSE(second->fnIsVertexSelectedByNode(0, nullptr));
  EXPECT_EQ(second->fnGetSelectedEdgesByNode(nullptr), nullptr);
}

TEST(BitArrayTest, SizeSetClearAndCompare) {
  BitArray a(8), b(8);
  a.Set(1);
  a.Set(3);
  b.Set(3);
  b.Set(5);
  EXPECT_EQ((a & b).NumberSet(), 1);
  EXPECT_EQ((a | b).NumberSet(), 3);
  EXPECT_EQ((a ^ b).NumberSet(), 2);
  EXPECT_EQ((~a).NumberSet(), 6);
  EXPECT_NE(a, b);
  BitArray c = a;
  EXPECT_EQ(c, a);
  c.Clear(1);
  c.Set(5);
  EXPECT_EQ(c, b);
  EXPECT_NE(BitArray(8), BitArray(9)) << "sizes differ";

  // Out-of-range access is ignored; resizing keeps or clears bits as asked.
  a.Set(100);
  EXPECT_FALSE(a[100]);
  EXPECT_FALSE(a[-1]);
  a.SetSize(4, 1);
  EXPECT_TRUE(a[1]);
  EXPECT_TRUE(a[3]);
  a.SetSize(4);
  EXPECT_TRUE(a.IsEmpty());
  BitArray small(2);
  small.SetAll();
  BitArray big(4);
  big.SetAll();
  big &= small;
  EXPECT_EQ(big.NumberSet(), 2) << "missing bits count as clear";
}

}  // namespace
