#include "host/poly.h"

void* PolyObject::GetInterface(ULONG id) {
  if (id == I_EDITABLE_POLY_OBJECT) return this;
  return GeomObject::GetInterface(id);
}

BaseInterface* PolyObject::GetInterface(Interface_ID id) {
  if (id == EPOLY_INTERFACE) return static_cast<EPoly*>(this);
  return GeomObject::GetInterface(id);
}

DWORD PolyObject::GetSubselState() {
  BitArray selection;
  switch (level_) {
    case EP_SL_VERTEX:
      mesh_.getVertexSel(selection);
      break;
    case EP_SL_EDGE:
    case EP_SL_BORDER:
      mesh_.getEdgeSel(selection);
      break;
    case EP_SL_FACE:
    case EP_SL_ELEMENT:
      mesh_.getFaceSel(selection);
      break;
    default:
      return 0;
  }
  return selection.AnyBitSet() ? 1 : 0;
}

BaseInterface* EditPolyMod::GetInterface(Interface_ID id) {
  if (id == EPOLY_MOD_INTERFACE) return static_cast<EPolyMod*>(this);
  return Modifier::GetInterface(id);
}

MNMesh* EditPolyMod::EpModGetMesh(INode* node) {
  if (!node && meshes_.size() == 1) return &meshes_.begin()->second;
  const auto it = meshes_.find(node);
  return it == meshes_.end() ? nullptr : &it->second;
}
