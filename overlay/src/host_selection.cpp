#include "overlay/host_selection.h"

#include <max.h>

#include <vector>

#include "model/vocabulary.h"
#include "selection_counts.h"

namespace Talvo {

namespace {

EPoly* EditablePolyOf(BaseObject* object) {
  return object ? dynamic_cast<EPoly*>(object->GetInterface(EPOLY_INTERFACE)) : nullptr;
}

EPolyMod* EditPolyOf(BaseObject* object) {
  return object ? dynamic_cast<EPolyMod*>(object->GetInterface(EPOLY_MOD_INTERFACE)) : nullptr;
}

IUnwrapMod* UnwrapOf(BaseObject* object) {
  return object ? dynamic_cast<IUnwrapMod*>(object->GetInterface(UNWRAP_INTERFACE)) : nullptr;
}

IUnwrapMod2* UnwrapNodesOf(BaseObject* object) {
  return object ? dynamic_cast<IUnwrapMod2*>(object->GetInterface(UNWRAP_INTERFACE2)) : nullptr;
}

bool IsPolyClass(const Class_ID& id) {
  return id == EPOLYOBJ_CLASS_ID || id == EDIT_POLY_MODIFIER_CLASS_ID || id == UNWRAP_CLASSID;
}

// For an editable poly, edit poly or unwrap object: its code when its interface reports a sub-object
// level, else "No Modifier". Any other class: -1.
int LevelCodeOf(BaseObject* object) {
  const Class_ID id = object->ClassID();
  if (id == EPOLYOBJ_CLASS_ID) {
    EPoly* poly = EditablePolyOf(object);
    return poly && poly->GetEPolySelLevel() != 0 ? kModifierCodeEditablePoly : kModifierCodeNone;
  }
  if (id == EDIT_POLY_MODIFIER_CLASS_ID) {
    EPolyMod* mod = EditPolyOf(object);
    return mod && mod->GetEPolySelLevel() != 0 ? kModifierCodeEditPoly : kModifierCodeNone;
  }
  if (id == UNWRAP_CLASSID) {
    IUnwrapMod* unwrap = UnwrapOf(object);
    return unwrap && UnwrapNodesOf(object) && unwrap->fnGetTVSubMode() != 0 ? kModifierCodeUnwrapUVW
                                                                            : kModifierCodeNone;
  }
  return -1;
}

// Any other object at a sub-object level, or with part of it selected, is a context we cannot name.
int OtherObjectCode(Object* object) {
  if (!object) return kModifierCodeNone;
  return object->GetSubObjectLevel() != 0 || object->GetSubselState() != 0 ? kModifierCodeUnresolved
                                                                            : kModifierCodeNone;
}

// Level keywords of editable poly and edit poly selection levels 1 to 5.
const wchar_t* const kPolyModes[] = {nullptr, L"vertex", L"edge", L"border", L"polygon", L"element"};

Object* NodeObject(INode* node, TimeValue time) { return node ? node->EvalWorldState(time, TRUE).obj : nullptr; }

// The modifier code and the object whose level and selection are then read.
struct ModifierSource {
  int code = kModifierCodeNone;
  BaseObject* object = nullptr;
};

ModifierSource FromEditObject(BaseObject* edit, Object* firstNodeObject) {
  const int code = LevelCodeOf(edit);
  if (code >= 0) return {code, edit};
  return {OtherObjectCode(firstNodeObject), nullptr};
}

// Without an edit object: the selected nodes' own objects decide (nodes without one are skipped).
ModifierSource FromSelectedNodes(Interface& core, int nodeCount) {
  std::vector<Object*> objects;
  for (int i = 0; i < nodeCount; ++i) {
    if (Object* object = NodeObject(core.GetSelNode(i), core.GetTime())) objects.push_back(object);
  }
  if (objects.empty()) return {};
  Object* first = objects.front();
  bool sameClass = true;
  for (Object* object : objects) sameClass = sameClass && object->ClassID() == first->ClassID();
  if (sameClass) {
    const int code = LevelCodeOf(first);
    if (code >= 0) return {code, first};
    return {OtherObjectCode(first), nullptr};
  }
  for (Object* object : objects) {
    if (IsPolyClass(object->ClassID()) && LevelCodeOf(object) != kModifierCodeNone) return {kModifierCodeUnresolved};
  }
  return {};
}

ModifierSource ResolveModifier(Interface& core) {
  BaseObject* edit = core.GetCurEditObject();
  const int nodeCount = core.GetSelNodeCount();
  if (nodeCount < 1) return {};
  if (edit) return FromEditObject(edit, NodeObject(core.GetSelNode(0), core.GetTime()));
  return FromSelectedNodes(core, nodeCount);
}

void ReadEditablePoly(BaseObject* source, HostSelection& selection) {
  EPoly* poly = EditablePolyOf(source);
  if (!poly || !source->GetInterface(I_EDITABLE_POLY_OBJECT)) return;
  const int level = poly->GetEPolySelLevel();
  if (level < EP_SL_VERTEX || level > EP_SL_ELEMENT) return;
  selection.mode = kPolyModes[level];
  selection.levelResolved = true;
  const MNMesh* mesh = poly->GetMeshPtr();
  if (!mesh) return;
  // Borders and elements count their selected edges and faces here, not the loops they form.
  if (level == EP_SL_VERTEX) selection.count = CountSelectedVertices(*mesh);
  else if (level <= EP_SL_BORDER) selection.count = CountSelectedEdges(*mesh);
  else selection.count = CountSelectedFaces(*mesh);
}

void ReadEditPoly(Interface& core, BaseObject* source, HostSelection& selection) {
  EPolyMod* mod = EditPolyOf(source);
  if (!mod) return;
  static int (*const kCounts[])(const MNMesh&) = {nullptr, CountSelectedVertices, CountSelectedEdges,
                                                  CountSelectedBorders, CountSelectedFaces, CountSelectedElements};
  const int level = mod->GetEPolySelLevel();
  if (level < EP_SL_VERTEX || level > EP_SL_ELEMENT) return;
  selection.mode = kPolyModes[level];
  selection.levelResolved = true;
  for (int i = 0; i < core.GetSelNodeCount(); ++i) {
    INode* node = core.GetSelNode(i);
    if (const MNMesh* mesh = node ? mod->EpModGetMesh(node) : nullptr) selection.count += kCounts[level](*mesh);
  }
}

int CountUnwrapSelection(IUnwrapMod2& unwrap, int mode, INode* node) {
  int count = 0;
  if (mode == TVVERTMODE) {
    for (int i = 0; i < unwrap.fnNumberVerticesByNode(node); ++i) count += unwrap.fnIsVertexSelectedByNode(i, node) ? 1 : 0;
  } else if (mode == TVEDGEMODE) {
    const BitArray* edges = unwrap.fnGetSelectedEdgesByNode(node);
    for (int i = 0; edges && i < edges->GetSize(); ++i) count += unwrap.fnIsEdgeSelectedByNode(i, node) ? 1 : 0;
  } else {
    for (int i = 0; i < unwrap.fnNumberPolygonsByNode(node); ++i) count += unwrap.fnIsFaceSelectedByNode(i, node) ? 1 : 0;
  }
  return count;
}

void ReadUnwrap(Interface& core, BaseObject* source, HostSelection& selection) {
  IUnwrapMod* unwrap = UnwrapOf(source);
  IUnwrapMod2* nodes = UnwrapNodesOf(source);
  if (!unwrap || !nodes) return;
  static const wchar_t* const kModes[] = {nullptr, L"vertex", L"edge", L"polygon"};
  const int mode = unwrap->fnGetTVSubMode();
  if (mode < TVVERTMODE || mode > TVFACEMODE) return;
  selection.mode = kModes[mode];
  selection.levelResolved = true;
  for (int i = 0; i < core.GetSelNodeCount(); ++i) {
    if (INode* node = core.GetSelNode(i)) selection.count += CountUnwrapSelection(*nodes, mode, node);
  }
}

}  // namespace

HostSelection ReadHostSelection() {
  HostSelection selection;
  Interface* core = GetCOREInterface();
  if (!core) return selection;
  const ModifierSource source = ResolveModifier(*core);
  selection.modifierCode = source.code;
  switch (source.code) {
    case kModifierCodeEditablePoly:
      selection.inputType = kInputEditablePoly;
      ReadEditablePoly(source.object, selection);
      break;
    case kModifierCodeEditPoly:
      selection.inputType = kInputEditPoly;
      ReadEditPoly(*core, source.object, selection);
      break;
    case kModifierCodeUnwrapUVW:
      selection.inputType = kInputUnwrapUVW;
      ReadUnwrap(*core, source.object, selection);
      break;
    case kModifierCodeNone:
      selection.inputType = kInputNoModifier;
      selection.mode = kModeObjects;
      selection.count = core->GetSelNodeCount();
      selection.levelResolved = true;
      break;
    default:
      break;
  }
  return selection;
}

}  // namespace Talvo
