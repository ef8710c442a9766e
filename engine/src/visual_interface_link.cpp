#include "engine/visual_interface_link.h"

#include <utility>

namespace Talvo {

iVisualInterface* viFormDlg = nullptr;

namespace {

VisualInterfaceFactory& Factory() {
  static VisualInterfaceFactory factory;
  return factory;
}

}  // namespace

void SetVisualInterfaceFactory(VisualInterfaceFactory factory) { Factory() = std::move(factory); }

const VisualInterfaceFactory& GetVisualInterfaceFactory() { return Factory(); }

void DestroyVisualInterface() {
  // Cleared first, so that the overlay's own tear-down finds no overlay to destroy again.
  iVisualInterface* form = std::exchange(viFormDlg, nullptr);
  if (form) form->DestroyForm();
}

}  // namespace Talvo
