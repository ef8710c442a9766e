// The unwrap-UVW modifier and its two interfaces: the sub-object mode, and per-node selection queries.
#pragma once

#include <map>

#include "host/bitarray.h"
#include "host/node.h"
#include "host/object.h"

constexpr Class_ID UNWRAP_CLASSID(0x02df2e3a, 0x72ba4e1f);
constexpr Interface_ID UNWRAP_INTERFACE(0x53b3409b, 0x18ff7ab9);
constexpr Interface_ID UNWRAP_INTERFACE2(0x53b3409b, 0x18ff7ad3);

// Sub-object modes of the unwrap modifier: 0 none, 1 vertex, 2 edge, 3 face.
enum { TVOBJECTMODE = 0, TVVERTMODE = 1, TVEDGEMODE = 2, TVFACEMODE = 3 };

class IUnwrapMod : public BaseInterface {
 public:
  Interface_ID GetID() override { return UNWRAP_INTERFACE; }
  virtual int fnGetTVSubMode() = 0;
};

// Per-node queries; a node the modifier does not know has no vertices, edges or faces.
class IUnwrapMod2 : public BaseInterface {
 public:
  Interface_ID GetID() override { return UNWRAP_INTERFACE2; }
  virtual int fnNumberVerticesByNode(INode* node) = 0;
  virtual int fnNumberPolygonsByNode(INode* node) = 0;
  // The node's edge selection; its size is the node's edge count. Null for an unknown node.
  virtual BitArray* fnGetSelectedEdgesByNode(INode* node) = 0;
  virtual BOOL fnIsVertexSelectedByNode(int index, INode* node) = 0;
  virtual BOOL fnIsEdgeSelectedByNode(int index, INode* node) = 0;
  virtual BOOL fnIsFaceSelectedByNode(int index, INode* node) = 0;
};

class UnwrapMod : public Modifier, public IUnwrapMod, public IUnwrapMod2 {
 public:
  // The texture-space selection of one node.
  struct NodeSelection {
    BitArray vertices;
    BitArray edges;
    BitArray faces;
  };

  Class_ID ClassID() override { return UNWRAP_CLASSID; }
  const MCHAR* GetObjectName() override { return _M("Unwrap UVW"); }
  BaseInterface* GetInterface(Interface_ID id) override;
  using Modifier::GetInterface;
  int GetSubObjectLevel() override { return mode_; }

  int fnGetTVSubMode() override { return mode_; }
  int fnNumberVerticesByNode(INode* node) override;
  int fnNumberPolygonsByNode(INode* node) override;
  BitArray* fnGetSelectedEdgesByNode(INode* node) override;
  BOOL fnIsVertexSelectedByNode(int index, INode* node) override;
  BOOL fnIsEdgeSelectedByNode(int index, INode* node) override;
  BOOL fnIsFaceSelectedByNode(int index, INode* node) override;

  void SetTVSubMode(int mode) { mode_ = mode; }
  void SetNodeSelection(INode* node, NodeSelection selection) { nodes_[node] = std::move(selection); }

 private:
  NodeSelection* Find(INode* node);
  std::map<INode*, NodeSelection> nodes_;
  int mode_ = TVOBJECTMODE;
};
