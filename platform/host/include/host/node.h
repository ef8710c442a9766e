// Scene nodes: a named object with its modifier stack and transform.
#pragma once

#include <memory>
#include <vector>

#include "host/object.h"

// A node owns its base object and its modifiers; a modifier may also be shared with other nodes
// (an instanced modifier), in which case the scene keeps it alive.
class INode {
 public:
  INode(const MCHAR* name, Object* object);
  INode(const INode&) = delete;
  INode& operator=(const INode&) = delete;
  ~INode();

  const MCHAR* GetName() const { return name_.data(); }
  void SetName(const MCHAR* name) { name_ = name; }
  // The base object at the bottom of the pipeline.
  Object* GetObjectRef() const { return object_; }
  // The object that comes out of the pipeline at time t (the stand-in's modifiers do not change it).
  ObjectState EvalWorldState(TimeValue t, BOOL evalHidden = TRUE);

  // The modifier stack, bottom first.
  int NumModifiers() const { return static_cast<int>(modifiers_.size()); }
  Modifier* GetModifier(int index) const;
  void AddModifier(std::shared_ptr<Modifier> modifier) { modifiers_.push_back(std::move(modifier)); }

 private:
  MSTR name_;
  Object* object_;
  Matrix3 tm_;
  std::vector<std::shared_ptr<Modifier>> modifiers_;
};
