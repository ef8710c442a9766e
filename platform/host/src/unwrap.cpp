#include "host/unwrap.h"

BaseInterface* UnwrapMod::GetInterface(Interface_ID id) {
  if (id == UNWRAP_INTERFACE) return static_cast<IUnwrapMod*>(this);
  if (id == UNWRAP_INTERFACE2) return static_cast<IUnwrapMod2*>(this);
  return Modifier::GetInterface(id);
}

UnwrapMod::NodeSelection* UnwrapMod::Find(INode* node) {
  const auto it = nodes_.find(node);
  return it == nodes_.end() ? nullptr : &it->second;
}

int UnwrapMod::fnNumberVerticesByNode(INode* node) {
  const NodeSelection* selection = Find(node);
  return selection ? selection->vertices.GetSize() : 0;
}

int UnwrapMod::fnNumberPolygonsByNode(INode* node) {
  const NodeSelection* selection = Find(node);
  return selection ? selection->faces.GetSize() : 0;
}

BitArray* UnwrapMod::fnGetSelectedEdgesByNode(INode* node) {
  NodeSelection* selection = Find(node);
  return selection ? &selection->edges : nullptr;
}

BOOL UnwrapMod::fnIsVertexSelectedByNode(int index, INode* node) {
  const NodeSelection* selection = Find(node);
  return selection && selection->vertices[index];
}

BOOL UnwrapMod::fnIsEdgeSelectedByNode(int index, INode* node) {
  const NodeSelection* selection = Find(node);
  return selection && selection->edges[index];
}

BOOL UnwrapMod::fnIsFaceSelectedByNode(int index, INode* node) {
  const NodeSelection* selection = Find(node);
  return selection && selection->faces[index];
}
