// Reading the selection context from the host: which modifier, which level, how many selected items.
#include "overlay/host_selection.h"

#include "overlay_fixture.h"

namespace Talvo::testing {
namespace {

using hostsim::FindEdge;

class HostSelectionTest : public OverlayTest {
 protected:
  void TearDown() override {
    hostsim::ClearScene();
    OverlayTest::TearDown();
  }
};

// Two quads side by side: one element, one border loop of six open edges, one inner edge (1, 4).
MNMesh TwoQuads() { return hostsim::MakeGridMesh(2, 1); }

// Two separate quads: two elements, two border loops.
MNMesh TwoElements() {
  MNMesh mesh = hostsim::MakeGridMesh(1, 1);
  hostsim::AppendMesh(mesh, hostsim::MakeGridMesh(1, 1));
  return mesh;
}

// An editable poly whose object does not answer the numeric editable-poly interface.
class PolyWithoutMarker : public PolyObject {
 public:
  using PolyObject::PolyObject;
  using PolyObject::GetInterface;
  void* GetInterface(ULONG) override { return nullptr; }
};

TEST_F(HostSelectionTest, NothingSelectedIsNoModifierAtObjectLevel) {
  const HostSelection selection = ReadHostSelection();
  EXPECT_EQ(selection.modifierCode, kModifierCodeNone);
  EXPECT_EQ(selection.inputType, L"No modifier");
  EXPECT_EQ(selection.mode, L"objects");
  EXPECT_EQ(selection.count, 0);
  EXPECT_TRUE(selection.levelResolved);

  // An edit object without a selection is the same.
  INode* node = hostsim::AddEditablePoly(L"Lonely", TwoQuads(), EP_SL_VERTEX);
  hostsim::SetCurEditObject(hostsim::GetPolyObject(node));
  EXPECT_EQ(ReadHostSelection().modifierCode, kModifierCodeNone);
}

TEST_F(HostSelectionTest, MixedClassesWithoutEditObjectDependOnTheirLevels) {
  INode* teapot = hostsim::AddNode(L"Teapot", new hostsim::SimpleObject(Class_ID(0x1a, 0x2b)));
  INode* poly = hostsim::AddEditablePoly(L"Poly", TwoQuads(), EP_SL_OBJECT);
  INode* empty = hostsim::AddNode(L"Empty", nullptr);
  INode* box = hostsim::AddNode(L"Box", new hostsim::SimpleObject(Class_ID(0x3c, 0x4d)));
  hostsim::SelectNodes({teapot, poly, empty, box});

  HostSelection selection = ReadHostSelection();
  EXPECT_EQ(selection.modifierCode, kModifierCodeNone);
  EXPECT_EQ(selection.mode, L"objects");
  EXPECT_EQ(selection.count, 4);  // every selected node, also the one without an object

  // One of them at a sub-object level: the context cannot be named.
  hostsim::GetPolyObject(poly)->SetEPolySelLevel(EP_SL_EDGE);
  selection = ReadHostSelection();
  EXPECT_EQ(selection.modifierCode, kModifierCodeUnresolved);
  EXPECT_TRUE(selection.inputType.empty());
  EXPECT_TRUE(selection.mode.empty());
  EXPECT_EQ(selection.count, 0);
  EXPECT_FALSE(selection.levelResolved);
}

TEST_F(HostSelectionTest, EditablePolyLevelsCountLiveSelectedItemsOfItsMesh) {
  MNMesh mesh = hostsim::MakeGridMesh(3, 1);  // 8 vertices, 10 edges, 3 faces
  hostsim::SelectVertices(mesh, {0, 1, 2, 3, 4});
  hostsim::KillVertices(mesh, {4});
  const std::vector<int> edges{FindEdge(mesh, 0, 1), FindEdge(mesh, 1, 2), FindEdge(mesh, 1, 5),
                               FindEdge(mesh, 2, 6), FindEdge(mesh, 4, 5), FindEdge(mesh, 6, 7)};
  hostsim::SelectEdges(mesh, edges);
  hostsim::KillEdges(mesh, {edges.back()});
  hostsim::SelectFaces(mesh, {0, 1, 2});
  hostsim::KillFaces(mesh, {2});
  INode* node = hostsim::AddEditablePoly(L"Plane", std::move(mesh));
  hostsim::SelectNodes({node});
  PolyObject* poly = hostsim::GetPolyObject(node);
  hostsim::SetCurEditObject(poly);

  struct Expected {
    int level;
    const wchar_t* mode;
    int count;
  };
  // Border counts selected edges and element selected faces, not the loops or parts they make.
  for (const Expected& expected : {Expected{EP_SL_VERTEX, L"vertex", 4}, Expected{EP_SL_EDGE, L"edge", 5},
                                   Expected{EP_SL_BORDER, L"border", 5}, Expected{EP_SL_FACE, L"polygon", 2},
                                   Expected{EP_SL_ELEMENT, L"element", 2}}) {
    poly->SetEPolySelLevel(expected.level);
    const HostSelection selection = ReadHostSelection();
    EXPECT_EQ(selection.modifierCode, kModifierCodeEditablePoly) << expected.level;
    EXPECT_EQ(selection.inputType, L"Editable Poly");
    EXPECT_EQ(selection.mode, expected.mode);
    EXPECT_EQ(selection.count, expected.count) << expected.level;
    EXPECT_TRUE(selection.levelResolved);
  }

  poly->SetEPolySelLevel(EP_SL_OBJECT);
  const HostSelection objects = ReadHostSelection();
  EXPECT_EQ(objects.modifierCode, kModifierCodeNone);
  EXPECT_EQ(objects.mode, L"objects");
  EXPECT_EQ(objects.count, 1);
}

TEST_F(HostSelectionTest, EditablePolyWithoutItsNumericInterfaceHasNoLevel) {
  INode* node = hostsim::AddNode(L"Odd", new PolyWithoutMarker(TwoQuads()));
  auto* poly = static_cast<PolyObject*>(node->GetObjectRef());
  poly->SetEPolySelLevel(EP_SL_VERTEX);
  hostsim::SelectNodes({node});
  hostsim::SetCurEditObject(poly);
  const HostSelection selection = ReadHostSelection();
  EXPECT_EQ(selection.modifierCode, kModifierCodeEditablePoly);
  EXPECT_EQ(selection.inputType, L"Editable Poly");
  EXPECT_TRUE(selection.mode.empty());
  EXPECT_FALSE(selection.levelResolved);
}

TEST_F(HostSelectionTest, EditPolyOnTwoNodesAddsDistinctBordersAndElementsPerNode) {
  INode* first = hostsim::AddEditablePoly(L"First", TwoQuads());
  INode* second = hostsim::AddEditablePoly(L"Second", TwoElements());
  EditPolyMod* mod = hostsim::AddEditPolyModifier({first, second}, EP_SL_BORDER);
  ASSERT_NE(mod, nullptr);
  hostsim::SelectNodes({first, second});
  hostsim::SetCurEditObject(mod);

  MNMesh& a = *mod->EpModGetMesh(first);
  MNMesh& b = *mod->EpModGetMesh(second);
  // Two edges of the one border and the inner edge, which lies on no border.
  hostsim::SelectEdges(a, {FindEdge(a, 0, 1), FindEdge(a, 2, 5), FindEdge(a, 1, 4)});
  // One edge of each element's border.
  hostsim::SelectEdges(b, {FindEdge(b, 0, 1), FindEdge(b, 5, 7)});
  hostsim::SelectFaces(a, {0, 1});
  hostsim::SelectFaces(b, {0, 1});

  HostSelection selection = ReadHostSelection();
  EXPECT_EQ(selection.modifierCode, kModifierCodeEditPoly);
  EXPECT_EQ(selection.inputType, L"Edit Poly");
  EXPECT_EQ(selection.mode, L"border");
  EXPECT_EQ(selection.count, 3);

  mod->SetEPolySelLevel(EP_SL_EDGE);
  EXPECT_EQ(ReadHostSelection().count, 5);
  mod->SetEPolySelLevel(EP_SL_FACE);
  EXPECT_EQ(ReadHostSelection().count, 4);
  mod->SetEPolySelLevel(EP_SL_ELEMENT);
  selection = ReadHostSelection();
  EXPECT_EQ(selection.mode, L"element");
  EXPECT_EQ(selection.count, 3);  // one element of the first node, two of the second

  // A dead selected face neither counts nor starts an element.
  hostsim::KillFaces(b, {1});
  EXPECT_EQ(ReadHostSelection().count, 2);

  // A selected node the modifier is not applied to adds nothing.
  INode* other = hostsim::AddEditablePoly(L"Other", TwoQuads());
  hostsim::SelectNodes({first, second, other});
  EXPECT_EQ(ReadHostSelection().count, 2);

  mod->SetEPolySelLevel(EP_SL_OBJECT);
  EXPECT_EQ(ReadHostSelection().modifierCode, kModifierCodeNone);
}

TEST_F(HostSelectionTest, UnwrapModesCountWhatEachNodeReportsSelected) {
  INode* first = hostsim::AddEditablePoly(L"First", TwoQuads());
  INode* second = hostsim::AddEditablePoly(L"Second", TwoQuads());
  UnwrapMod* unwrap = hostsim::AddUnwrapModifier({first, second}, TVVERTMODE);
  auto selectionOf = [](int size, std::vector<int> bits) {
    BitArray set(size);
    for (int bit : bits) set.Set(bit);
    return set;
  };
  unwrap->SetNodeSelection(first, {selectionOf(6, {0, 1}), selectionOf(7, {2}), selectionOf(2, {0, 1})});
  unwrap->SetNodeSelection(second, {selectionOf(6, {5}), selectionOf(7, {0, 3, 6}), selectionOf(2, {})});
  hostsim::SelectNodes({first, second});
  hostsim::SetCurEditObject(unwrap);

  struct Expected {
    int mode;
    const wchar_t* keyword;
    int count;
  };
  for (const Expected& expected : {Expected{TVVERTMODE, L"vertex", 3}, Expected{TVEDGEMODE, L"edge", 4},
                                   Expected{TVFACEMODE, L"polygon", 2}}) {
    unwrap->SetTVSubMode(expected.mode);
    const HostSelection selection = ReadHostSelection();
    EXPECT_EQ(selection.modifierCode, kModifierCodeUnwrapUVW);
    EXPECT_EQ(selection.inputType, L"Unwrap UVW");
    EXPECT_EQ(selection.mode, expected.keyword);
    EXPECT_EQ(selection.count, expected.count) << expected.mode;
  }
  unwrap->SetTVSubMode(TVOBJECTMODE);
  const HostSelection objects = ReadHostSelection();
  EXPECT_EQ(objects.modifierCode, kModifierCodeNone);
  EXPECT_EQ(objects.count, 2);
}

TEST_F(HostSelectionTest, OtherEditObjectsDependOnTheFirstNodesObject) {
  INode* node = hostsim::AddNode(L"Sphere", new hostsim::SimpleObject(Class_ID(5, 6)));
  hostsim::SelectNodes({node});
  hostsim::SimpleObject modifierLikeThing(Class_ID(7, 8));
  hostsim::SetCurEditObject(&modifierLikeThing);
  EXPECT_EQ(ReadHostSelection().modifierCode, kModifierCodeNone);

  hostsim::ClearScene();
  node = hostsim::AddNode(L"Sphere", new hostsim::SimpleObject(Class_ID(5, 6), 0, /*subselState=*/1));
  hostsim::SelectNodes({node});
  hostsim::SetCurEditObject(&modifierLikeThing);
  EXPECT_EQ(ReadHostSelection().modifierCode, kModifierCodeUnresolved);

  // The first selected node without an object: nothing at a sub-object level to see.
  hostsim::ClearScene();
  node = hostsim::AddNode(L"Nothing", nullptr);
  hostsim::SelectNodes({node});
  hostsim::SetCurEditObject(&modifierLikeThing);
  EXPECT_EQ(ReadHostSelection().modifierCode, kModifierCodeNone);
  hostsim::SetCurEditObject(nullptr);
}

TEST_F(HostSelectionTest, WithoutEditObjectTheNodesOwnObjectGivesLevelAndCount) {
  MNMesh mesh = TwoQuads();
  hostsim::SelectFaces(mesh, {0, 1});
  INode* first = hostsim::AddEditablePoly(L"First", std::move(mesh), EP_SL_FACE);
  INode* second = hostsim::AddEditablePoly(L"Second", TwoQuads(), EP_SL_FACE);
  INode* empty = hostsim::AddNode(L"Empty", nullptr);
  hostsim::SelectNodes({empty, first, second});

  const HostSelection selection = ReadHostSelection();
  EXPECT_EQ(selection.modifierCode, kModifierCodeEditablePoly);
  EXPECT_EQ(selection.mode, L"polygon");
  EXPECT_EQ(selection.count, 2);  // the classified (first present) object's own mesh
  EXPECT_TRUE(selection.levelResolved);

  // Every node at object level: no modifier.
  hostsim::GetPolyObject(first)->SetEPolySelLevel(EP_SL_OBJECT);
  hostsim::GetPolyObject(second)->SetEPolySelLevel(EP_SL_OBJECT);
  EXPECT_EQ(ReadHostSelection().modifierCode, kModifierCodeNone);
}

}  // namespace
}  // namespace Talvo::testing
