// Test builders for the host's scene: small meshes with chosen selections, nodes, modifiers, the
// selection and the object open in the modify panel.
#pragma once

#include <string>
#include <vector>

#include "host/mnmesh.h"
#include "host/node.h"
#include "host/poly.h"
#include "host/unwrap.h"

namespace hostsim {

// A flat grid of columns x rows quads; vertex (c, r) has index r * (columns + 1) + c.
MNMesh MakeGridMesh(int columns, int rows, float cellSize = 10.0f);
// A closed box of six quads (eight vertices, twelve edges).
MNMesh MakeBoxMesh(float size = 10.0f);
// Appends another mesh's vertices and faces as a separate element and rebuilds the edges.
void AppendMesh(MNMesh& mesh, const MNMesh& part);
// The edge between two vertices, or -1.
int FindEdge(const MNMesh& mesh, int v1, int v2);
// Set MN_SEL or MN_DEAD on components; bad indices are ignored.
void SelectVertices(MNMesh& mesh, const std::vector<int>& indices);
void SelectEdges(MNMesh& mesh, const std::vector<int>& indices);
void SelectFaces(MNMesh& mesh, const std::vector<int>& indices);
void KillVertices(MNMesh& mesh, const std::vector<int>& indices);
void KillEdges(MNMesh& mesh, const std::vector<int>& indices);
void KillFaces(MNMesh& mesh, const std::vector<int>& indices);

// A plain geometric object of any class, at a chosen sub-object level and sub-selection state.
class SimpleObject : public GeomObject {
 public:
  explicit SimpleObject(Class_ID id, int level = 0, DWORD subselState = 0)
      : id_(id), level_(level), subsel_(subselState) {}
  Class_ID ClassID() override { return id_; }
  int GetSubObjectLevel() override { return level_; }
  DWORD GetSubselState() override { return subsel_; }

 private:
  Class_ID id_;
  int level_;
  DWORD subsel_;
};

// Adds a node; the scene owns it and the node owns the object.
INode* AddNode(const std::wstring& name, Object* object);
// Adds a node with an editable poly object at a selection level.
INode* AddEditablePoly(const std::wstring& name, MNMesh mesh, int level = EP_SL_OBJECT);
// The editable poly object of a node made by AddEditablePoly, or null.
PolyObject* GetPolyObject(INode* node);
// Applies one (instanced) edit-poly modifier to the nodes; each node starts with a copy of its editable
// poly mesh, or an empty mesh. Null without nodes.
EditPolyMod* AddEditPolyModifier(const std::vector<INode*>& nodes, int level);
// Applies one (instanced) unwrap modifier in a sub-object mode to the nodes; each node's selection is
// set with UnwrapMod::SetNodeSelection. Null without nodes.
UnwrapMod* AddUnwrapModifier(const std::vector<INode*>& nodes, int mode);
// The host's selection, in order; nodes not in the scene are ignored.
void SelectNodes(const std::vector<INode*>& nodes);
// The object or modifier open in the modify panel; null for none.
void SetCurEditObject(BaseObject* object);
void SetTime(TimeValue t);
// Removes every node, the selection and the edit object.
void ClearScene();

}  // namespace hostsim
