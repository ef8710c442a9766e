// Plug-in classes: class descriptors, published function interfaces, global utility plug-ins and
// utility-panel plug-ins.
#pragma once

#include <vector>

#include "host/actions.h"
#include "host/class_id.h"
#include "host/strings.h"
#include "win32/types.h"

class Interface;
class IUtil;

// Describes one plug-in class to the host.
class ClassDesc {
 public:
  virtual ~ClassDesc() = default;
  virtual int IsPublic() = 0;
  virtual void* Create(BOOL loading = FALSE) = 0;
  virtual const MCHAR* ClassName() = 0;
  virtual SClass_ID SuperClassID() = 0;
  virtual Class_ID ClassID() = 0;
  virtual const MCHAR* Category() = 0;
  virtual int BeginCreate(Interface* /*ip*/) { return 0; }
  virtual int EndCreate(Interface* /*ip*/) { return 0; }
  virtual BOOL OkToCreate(Interface* /*ip*/) { return TRUE; }
  virtual const MCHAR* InternalName() { return nullptr; }
  virtual HINSTANCE HInstance() { return nullptr; }
  // Action tables the class hands to the host at start-up; the host takes ownership.
  virtual int NumActionTables() { return 0; }
};

class ClassDesc2 : public ClassDesc {};

class FPInterfaceDesc;

// A function-publishing interface.
class FPInterface : public BaseInterface {
 public:
  virtual FPInterfaceDesc* GetDesc() = 0;
};

// The descriptor of a published interface: its id, its script name and the class that publishes it.
// A descriptor made with FP_STATIC is published to the host while it exists.
class FPInterfaceDesc : public FPInterface {
 public:
  FPInterfaceDesc(Interface_ID id, const MCHAR* internalName, int descriptionResourceId, ClassDesc* cd, ULONG flags);
  FPInterfaceDesc(const FPInterfaceDesc&) = delete;
  FPInterfaceDesc& operator=(const FPInterfaceDesc&) = delete;
  ~FPInterfaceDesc() override;

  Interface_ID GetID() override { return id_; }
  FPInterfaceDesc* GetDesc() override { return this; }
  const MSTR& internal_name() const { return internal_name_; }
  ClassDesc* cd() const { return cd_; }
  ULONG flags() const { return flags_; }
  int description() const { return description_; }

 private:
  Interface_ID id_;
  MSTR internal_name_;
  int description_;
  ClassDesc* cd_;
  ULONG flags_;
};

// Flags of interface descriptors.
enum : ULONG { FP_MIXIN = 0x0001, FP_CORE = 0x0002, FP_STATIC = 0x0004 };

// A static (core) interface is its own descriptor.
class FPStaticInterface : public FPInterfaceDesc {
 public:
  using FPInterfaceDesc::FPInterfaceDesc;
};

// The published interfaces, in publishing order.
std::vector<FPInterfaceDesc*> PublishedInterfaces();

// A global utility plug-in: started after the host starts and stopped before it ends.
enum : DWORD { GUPRESULT_KEEP = 0x00, GUPRESULT_NOKEEP = 0x01, GUPRESULT_ABORT = 0x03 };

class GUP {
 public:
  virtual ~GUP() = default;
  virtual DWORD Start() = 0;
  virtual void Stop() = 0;
  virtual DWORD_PTR Control(DWORD /*parameter*/) { return 0; }
  virtual void DeleteThis() { delete this; }
  Interface* Max();
};

// A plug-in of the utility panel.
class UtilityObj {
 public:
  virtual ~UtilityObj() = default;
  virtual void BeginEditParams(Interface* ip, IUtil* iu) = 0;
  virtual void EndEditParams(Interface* ip, IUtil* iu) = 0;
  virtual void DeleteThis() = 0;
};
