// Scene objects: the base of everything in a node's pipeline, geometric and helper objects, modifiers.
#pragma once

#include "host/class_id.h"
#include "host/geometry.h"
#include "host/interval.h"
#include "host/strings.h"

class INode;
class Object;
class ViewExp;
class CreateMouseCallBack;
class ReferenceTarget;

using RefTargetHandle = ReferenceTarget*;
using PartID = ULONG;
using RefMessage = int;

enum RefResult { REF_FAIL = 0, REF_SUCCEED = 1, REF_DONTCARE = 2, REF_STOP = 3 };

// The result of evaluating a pipeline: the object that comes out of it.
class ObjectState {
 public:
  Object* obj = nullptr;
  ObjectState() = default;
  explicit ObjectState(Object* object) : obj(object) {}
};

class ReferenceTarget {
 public:
  virtual ~ReferenceTarget() = default;
};

class BaseObject : public ReferenceTarget {
 public:
  virtual Class_ID ClassID() { return Class_ID(0, 0); }
  virtual SClass_ID SuperClassID() { return 0; }
  // Interfaces by numeric id and by interface id; null when the object has none.
  virtual void* GetInterface(ULONG /*id*/) { return nullptr; }
  virtual BaseInterface* GetInterface(Interface_ID /*id*/) { return nullptr; }
  // The sub-object level shown in the modifier panel; 0 is the object level.
  virtual int GetSubObjectLevel() { return 0; }
  virtual const MCHAR* GetObjectName() { return _M("Object"); }
  virtual RefResult NotifyRefChanged(const Interval& /*changeInt*/, RefTargetHandle /*target*/, PartID& /*partID*/,
                                     RefMessage /*message*/, BOOL /*propagate*/) {
    return REF_SUCCEED;
  }
  virtual int Display(TimeValue /*t*/, INode* /*node*/, ViewExp* /*view*/, int /*flags*/) { return 0; }
  virtual void GetWorldBoundBox(TimeValue /*t*/, INode* /*node*/, ViewExp* /*view*/, Box3& /*box*/) {}
  virtual void GetLocalBoundBox(TimeValue /*t*/, INode* /*node*/, ViewExp* /*view*/, Box3& /*box*/) {}
  virtual CreateMouseCallBack* GetCreateMouseCallBack() { return nullptr; }
  virtual void DeleteThis() { delete this; }
};

class Object : public BaseObject {
 public:
  virtual ObjectState Eval(TimeValue /*t*/) { return ObjectState(this); }
  virtual Interval ObjectValidity(TimeValue /*t*/) { return FOREVER; }
  // Non-zero when part of the object is selected at a sub-object level.
  virtual DWORD GetSubselState() { return 0; }
};

class GeomObject : public Object {
 public:
  SClass_ID SuperClassID() override { return GEOMOBJECT_CLASS_ID; }
};

class HelperObject : public Object {
 public:
  SClass_ID SuperClassID() override { return HELPER_CLASS_ID; }
};

class Modifier : public BaseObject {
 public:
  SClass_ID SuperClassID() override { return OSM_CLASS_ID; }
};
