// Editable poly objects and the edit-poly modifier, with the interfaces that report their selection.
#pragma once

#include <map>

#include "host/mnmesh.h"
#include "host/node.h"
#include "host/object.h"

constexpr Class_ID EPOLYOBJ_CLASS_ID(0x1bf8338d, 0x192f6098);
constexpr Class_ID EDIT_POLY_MODIFIER_CLASS_ID(0x79aa6e1d, 0x71a075b7);
constexpr Interface_ID EPOLY_INTERFACE(0x092779, 0x634020);
constexpr Interface_ID EPOLY_MOD_INTERFACE(0x405e217d, 0x049c2abc);
// Numeric interface id that only editable poly objects answer.
constexpr ULONG I_EDITABLE_POLY_OBJECT = 0x11C0;

// Selection levels of editable poly objects and the edit-poly modifier.
enum ePolySelLevel { EP_SL_OBJECT = 0, EP_SL_VERTEX, EP_SL_EDGE, EP_SL_BORDER, EP_SL_FACE, EP_SL_ELEMENT };

// The editable-poly interface: the object's selection level and its mesh.
class EPoly : public BaseInterface {
 public:
  Interface_ID GetID() override { return EPOLY_INTERFACE; }
  virtual int GetEPolySelLevel() = 0;
  virtual MNMesh* GetMeshPtr() = 0;
};

// The edit-poly modifier interface: its selection level and the mesh it holds for a node.
class EPolyMod : public BaseInterface {
 public:
  Interface_ID GetID() override { return EPOLY_MOD_INTERFACE; }
  virtual int GetEPolySelLevel() = 0;
  virtual MNMesh* EpModGetMesh(INode* node = nullptr) = 0;
};

// An editable poly object.
class PolyObject : public GeomObject, public EPoly {
 public:
  explicit PolyObject(MNMesh mesh = {}) : mesh_(std::move(mesh)) {}
  Class_ID ClassID() override { return EPOLYOBJ_CLASS_ID; }
  const MCHAR* GetObjectName() override { return _M("Editable Poly"); }
  void* GetInterface(ULONG id) override;
  BaseInterface* GetInterface(Interface_ID id) override;
  int GetSubObjectLevel() override { return level_; }
  // Non-zero when something is selected at the current level.
  DWORD GetSubselState() override;

  int GetEPolySelLevel() override { return level_; }
  MNMesh* GetMeshPtr() override { return &mesh_; }
  void SetEPolySelLevel(int level) { level_ = level; }
  MNMesh& GetMesh() { return mesh_; }

 private:
  MNMesh mesh_;
  int level_ = EP_SL_OBJECT;
};

// An edit-poly modifier; when instanced on several nodes it holds one mesh per node.
class EditPolyMod : public Modifier, public EPolyMod {
 public:
  Class_ID ClassID() override { return EDIT_POLY_MODIFIER_CLASS_ID; }
  const MCHAR* GetObjectName() override { return _M("Edit Poly"); }
  BaseInterface* GetInterface(Interface_ID id) override;
  using Modifier::GetInterface;
  int GetSubObjectLevel() override { return level_; }

  int GetEPolySelLevel() override { return level_; }
  // The mesh for a node; null for a node the modifier is not applied to.
  MNMesh* EpModGetMesh(INode* node = nullptr) override;
  void SetEPolySelLevel(int level) { level_ = level; }
  void SetNodeMesh(INode* node, MNMesh mesh) { meshes_[node] = std::move(mesh); }

 private:
  std::map<INode*, MNMesh> meshes_;
  int level_ = EP_SL_OBJECT;
};
