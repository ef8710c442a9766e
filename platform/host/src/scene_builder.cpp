#include "host/scene_builder.h"

#include <algorithm>

#include "scene.h"

namespace host_internal {
Scene& TheScene() {
  static Scene scene;
  return scene;
}
}  // namespace host_internal

namespace hostsim {
namespace {

template <class Component>
void SetFlagOn(Component* component, DWORD flag) {
  if (component) component->SetFlag(flag);
}

bool InScene(INode* node) {
  const auto& nodes = host_internal::TheScene().nodes;
  return std::any_of(nodes.begin(), nodes.end(), [&](const auto& owned) { return owned.get() == node; });
}

}  // namespace

MNMesh MakeGridMesh(int columns, int rows, float cellSize) {
  MNMesh mesh;
  columns = std::max(columns, 1);
  rows = std::max(rows, 1);
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c <= columns; ++c) mesh.NewVert(Point3(c * cellSize, r * cellSize, 0.0f));
  const int stride = columns + 1;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const int v = r * stride + c;
      mesh.NewFace({v, v + 1, v + 1 + stride, v + stride});
    }
  mesh.FillInMesh();
  return mesh;
}

MNMesh MakeBoxMesh(float size) {
  MNMesh mesh;
  for (int i = 0; i < 8; ++i) mesh.NewVert(Point3((i & 1) * size, ((i >> 1) & 1) * size, ((i >> 2) & 1) * size));
  // Bottom, top, then the four sides, each wound outwards.
  for (const std::vector<int>& face :
       {std::vector<int>{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {1, 3, 7, 5}, {3, 2, 6, 7}, {2, 0, 4, 6}})
    mesh.NewFace(face);
  mesh.FillInMesh();
  return mesh;
}

void AppendMesh(MNMesh& mesh, const MNMesh& part) {
  const int base = mesh.VNum();
  for (int i = 0; i < part.VNum(); ++i) mesh.NewVert(part.V(i)->p);
  for (int i = 0; i < part.FNum(); ++i) {
    std::vector<int> corners = part.F(i)->vtx;
    for (int& v : corners) v += base;
    mesh.NewFace(corners);
  }
  mesh.FillInMesh();
}

int FindEdge(const MNMesh& mesh, int v1, int v2) {
  for (int i = 0; i < mesh.ENum(); ++i) {
    const MNEdge* e = mesh.E(i);
    if ((e->v1 == v1 && e->v2 == v2) || (e->v1 == v2 && e->v2 == v1)) return i;
  }
  return -1;
}

void SelectVertices(MNMesh& mesh, const std::vector<int>& indices) {
  for (int i : indices) SetFlagOn(mesh.V(i), MN_SEL);
}
void SelectEdges(MNMesh& mesh, const std::vector<int>& indices) {
  for (int i : indices) SetFlagOn(mesh.E(i), MN_SEL);
}
void SelectFaces(MNMesh& mesh, const std::vector<int>& indices) {
  for (int i : indices) SetFlagOn(mesh.F(i), MN_SEL);
}
void KillVertices(MNMesh& mesh, const std::vector<int>& indices) {
  for (int i : indices) SetFlagOn(mesh.V(i), MN_DEAD);
}
void KillEdges(MNMesh& mesh, const std::vector<int>& indices) {
  for (int i : indices) SetFlagOn(mesh.E(i), MN_DEAD);
}
void KillFaces(MNMesh& mesh, const std::vector<int>& indices) {
  for (int i : indices) SetFlagOn(mesh.F(i), MN_DEAD);
}

INode* AddNode(const std::wstring& name, Object* object) {
  auto& nodes = host_internal::TheScene().nodes;
  nodes.push_back(std::make_unique<INode>(name.c_str(), object));
  return nodes.back().get();
}

INode* AddEditablePoly(const std::wstring& name, MNMesh mesh, int level) {
  auto* object = new PolyObject(std::move(mesh));
  object->SetEPolySelLevel(level);
  return AddNode(name, object);
}

PolyObject* GetPolyObject(INode* node) {
  if (!node || !node->GetObjectRef() || node->GetObjectRef()->ClassID() != EPOLYOBJ_CLASS_ID) return nullptr;
  return static_cast<PolyObject*>(node->GetObjectRef());
}

EditPolyMod* AddEditPolyModifier(const std::vector<INode*>& nodes, int level) {
  if (nodes.empty()) return nullptr;
  auto modifier = std::make_shared<EditPolyMod>();
  modifier->SetEPolySelLevel(level);
  for (INode* node : nodes) {
    if (!node) continue;
    PolyObject* poly = GetPolyObject(node);
    modifier->SetNodeMesh(node, poly ? poly->GetMesh() : MNMesh());
    node->AddModifier(modifier);
  }
  return modifier.get();
}

UnwrapMod* AddUnwrapModifier(const std::vector<INode*>& nodes, int mode) {
  if (nodes.empty()) return nullptr;
  auto modifier = std::make_shared<UnwrapMod>();
  modifier->SetTVSubMode(mode);
  for (INode* node : nodes)
    if (node) node->AddModifier(modifier);
  return modifier.get();
}

void SelectNodes(const std::vector<INode*>& nodes) {
  auto& selection = host_internal::TheScene().selection;
  selection.clear();
  for (INode* node : nodes)
    if (InScene(node)) selection.push_back(node);
}

void SetCurEditObject(BaseObject* object) { host_internal::TheScene().edit_object = object; }

void SetTime(TimeValue t) { host_internal::TheScene().time = t; }

void ClearScene() {
  auto& scene = host_internal::TheScene();
  scene.selection.clear();
  scene.edit_object = nullptr;
  scene.nodes.clear();
  scene.time = 0;
}

}  // namespace hostsim
