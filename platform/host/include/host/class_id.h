// Class ids, super class ids and interface ids that identify plug-in classes and their interfaces.
#pragma once

#include <compare>

#include "win32/types.h"

using SClass_ID = ULONG;

// Super class ids.
enum : SClass_ID {
  GEOMOBJECT_CLASS_ID = 0x10,
  HELPER_CLASS_ID = 0x50,
  OSM_CLASS_ID = 0x810,
  UTILITY_CLASS_ID = 0x1020,
  GUP_CLASS_ID = 0x420,
};

class Class_ID {
 public:
  constexpr Class_ID() = default;
  constexpr Class_ID(ULONG a, ULONG b) : a_(a), b_(b) {}
  friend constexpr bool operator==(const Class_ID&, const Class_ID&) = default;
  friend constexpr auto operator<=>(const Class_ID&, const Class_ID&) = default;

 private:
  ULONG a_ = 0xFFFFFFFF;
  ULONG b_ = 0xFFFFFFFF;
};

class Interface_ID {
 public:
  constexpr Interface_ID() = default;
  constexpr Interface_ID(ULONG a, ULONG b) : a_(a), b_(b) {}
  friend constexpr bool operator==(const Interface_ID&, const Interface_ID&) = default;
  friend constexpr auto operator<=>(const Interface_ID&, const Interface_ID&) = default;

 private:
  ULONG a_ = 0xFFFFFFFF;
  ULONG b_ = 0xFFFFFFFF;
};

// Base of every interface an object can answer through GetInterface(Interface_ID).
class BaseInterface {
 public:
  virtual ~BaseInterface() = default;
  virtual Interface_ID GetID() { return Interface_ID(); }
};
