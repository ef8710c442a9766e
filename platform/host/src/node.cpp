#include "host/node.h"

INode::INode(const MCHAR* name, Object* object) : name_(name), object_(object) {}

INode::~INode() {
  if (object_) object_->DeleteThis();
}

ObjectState INode::EvalWorldState(TimeValue t, BOOL /*evalHidden*/) {
  if (!object_) return ObjectState();
  return object_->Eval(t);
}

Modifier* INode::GetModifier(int index) const {
  if (index < 0 || index >= NumModifiers()) return nullptr;
  return modifiers_[static_cast<std::size_t>(index)].get();
}
