// Reading the selection context from the host: which modifier, which level, how many selected items.
#include "overlay/host_selection.h"

#include <tuple>

#include "overlay_fixture.h"

namespace Talvo::testing {
namespace {

using hostsim::FindEdge;

// What the overlay shows of a selection: modifier code, input type, level keyword and count.
using Shown = std::tuple<int, std::wstring, std::wstring, int>;

Shown Read() {
  const HostSelection selection = ReadHostSelection();
  return {selection.modifierCode, selection.inputType, selection.mode, selection.count};
}

const Shown kNoModifier{kModifierCodeNone, L"No modifier", L"objects", 0};
const Shown kUnresolved{kModifierCodeUnresolved, L"", L"", 0};

// Two quads side by side: one element, one border loop of six open edges, one inner edge (1, 4).
MNMesh TwoQuads() { return hostsim::MakeGridMesh(2, 1); }

using HostSelectionTest = OverlayTest;

TEST_F(HostSelectionTest, NodesOfMixedClassesDependOnTheirLevels) {
  EXPECT_EQ(Read(), kNoModifier);
  INode* teapot = hostsim::AddNode(L"Teapot", new hostsim::SimpleObject(Class_ID(0x1a, 0x2b)));
  INode* poly = hostsim::AddEditablePoly(L"Poly", TwoQuads(), EP_SL_OBJECT);
  INode* empty = hostsim::AddNode(L"Empty", nullptr);
  hostsim::SelectNodes({teapot, poly, empty});
  EXPECT_EQ(Read(), (Shown{kModifierCodeNone, L"No modifier", L"objects", 3}));  // also the node without an object

  // One of them at a sub-object level: the context cannot be named.
  hostsim::GetPolyObject(poly)->SetEPolySelLevel(EP_SL_EDGE);
  EXPECT_EQ(Read(), kUnresolved);
  EXPECT_FALSE(ReadHostSelection().levelResolved);
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

  // Border counts selected edges and element selected faces, not the loops or parts they make.
  const std::pair<int, Shown> levels[] = {
      {EP_SL_VERTEX, {kModifierCodeEditablePoly, L"Editable Poly", L"vertex", 4}},
      {EP_SL_EDGE, {kModifierCodeEditablePoly, L"Editable Poly", L"edge", 5}},
      {EP_SL_BORDER, {kModifierCodeEditablePoly, L"Editable Poly", L"border", 5}},
      {EP_SL_FACE, {kModifierCodeEditablePoly, L"Editable Poly", L"polygon", 2}},
      {EP_SL_ELEMENT, {kModifierCodeEditablePoly, L"Editable Poly", L"element", 2}},
      {EP_SL_OBJECT, {kModifierCodeNone, L"No modifier", L"objects", 1}},
  };
  for (const auto& [level, shown] : levels) {
    poly->SetEPolySelLevel(level);
    EXPECT_EQ(Read(), shown);
  }
}

// An editable poly whose object does not answer the numeric editable-poly interface.
class PolyWithoutMarker : public PolyObject {
 public:
  using PolyObject::PolyObject;
  using PolyObject::GetInterface;
  void* GetInterface(ULONG) override { return nullptr; }
};

TEST_F(HostSelectionTest, EditablePolyWithoutItsNumericInterfaceHasNoLevel) {
  INode* node = hostsim::AddNode(L"Odd", new PolyWithoutMarker(TwoQuads()));
  auto* poly = static_cast<PolyObject*>(node->GetObjectRef());
  poly->SetEPolySelLevel(EP_SL_VERTEX);
  hostsim::SelectNodes({node});
  hostsim::SetCurEditObject(poly);
  const HostSelection selection = ReadHostSelection();
  EXPECT_EQ(selection.modifierCode, kModifierCodeEditablePoly);
  EXPECT_TRUE(selection.mode.empty());
  EXPECT_FALSE(selection.levelResolved);
}

TEST_F(HostSelectionTest, EditPolyOnTwoNodesAddsDistinctBordersAndElementsPerNode) {
  INode* first = hostsim::AddEditablePoly(L"First", TwoQuads());
  MNMesh twoElements = hostsim::MakeGridMesh(1, 1);
  hostsim::AppendMesh(twoElements, hostsim::MakeGridMesh(1, 1));
  INode* second = hostsim::AddEditablePoly(L"Second", std::move(twoElements));
  EditPolyMod* mod = hostsim::AddEditPolyModifier({first, second}, EP_SL_BORDER);
  ASSERT_NE(mod, nullptr);
  hostsim::SelectNodes({first, second});
  hostsim::SetCurEditObject(mod);
  MNMesh& a = *mod->EpModGetMesh(first);
  MNMesh& b = *mod->EpModGetMesh(second);
  // Two edges of the one border and the inner edge, which lies on no border; one edge of each element's border.
  hostsim::SelectEdges(a, {FindEdge(a, 0, 1), FindEdge(a, 2, 5), FindEdge(a, 1, 4)});
  hostsim::SelectEdges(b, {FindEdge(b, 0, 1), FindEdge(b, 5, 7)});
  hostsim::SelectFaces(a, {0, 1});
  hostsim::SelectFaces(b, {0, 1});
  EXPECT_EQ(Read(), (Shown{kModifierCodeEditPoly, L"Edit Poly", L"border", 3}));
  mod->SetEPolySelLevel(EP_SL_ELEMENT);
  EXPECT_EQ(std::get<3>(Read()), 3);  // one element of the first node, two of the second

  // A dead selected face neither counts nor starts an element; a node without the modifier adds nothing.
  hostsim::KillFaces(b, {1});
  hostsim::SelectNodes({first, second, hostsim::AddEditablePoly(L"Other", TwoQuads())});
  EXPECT_EQ(std::get<3>(Read()), 2);
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
  const std::pair<int, Shown> modes[] = {
      {TVVERTMODE, {kModifierCodeUnwrapUVW, L"Unwrap UVW", L"vertex", 3}},
      {TVEDGEMODE, {kModifierCodeUnwrapUVW, L"Unwrap UVW", L"edge", 4}},
      {TVFACEMODE, {kModifierCodeUnwrapUVW, L"Unwrap UVW", L"polygon", 2}},
      {TVOBJECTMODE, {kModifierCodeNone, L"No modifier", L"objects", 2}},
  };
  for (const auto& [mode, shown] : modes) {
    unwrap->SetTVSubMode(mode);
    EXPECT_EQ(Read(), shown);
  }
}

TEST_F(HostSelectionTest, OtherEditObjectsDependOnTheFirstNodesObject) {
  hostsim::SimpleObject modifierLikeThing(Class_ID(7, 8));
  const std::pair<Object*, int> firstObjects[] = {
      {new hostsim::SimpleObject(Class_ID(5, 6)), kModifierCodeNone},
      {new hostsim::SimpleObject(Class_ID(5, 6), 0, /*subselState=*/1), kModifierCodeUnresolved},
      {nullptr, kModifierCodeNone},
  };
  for (const auto& [object, code] : firstObjects) {
    hostsim::ClearScene();
    hostsim::SelectNodes({hostsim::AddNode(L"First", object)});
    hostsim::SetCurEditObject(&modifierLikeThing);
    EXPECT_EQ(ReadHostSelection().modifierCode, code);
  }
  hostsim::SetCurEditObject(nullptr);
}

TEST_F(HostSelectionTest, WithoutEditObjectTheFirstPresentObjectGivesLevelAndCount) {
  MNMesh mesh = TwoQuads();
  hostsim::SelectFaces(mesh, {0, 1});
  INode* first = hostsim::AddEditablePoly(L"First", std::move(mesh), EP_SL_FACE);
  INode* second = hostsim::AddEditablePoly(L"Second", TwoQuads(), EP_SL_FACE);
  hostsim::SelectNodes({hostsim::AddNode(L"Empty", nullptr), first, second});
  EXPECT_EQ(Read(), (Shown{kModifierCodeEditablePoly, L"Editable Poly", L"polygon", 2}));
}

}  // namespace
}  // namespace Talvo::testing
