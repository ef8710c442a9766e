#include "overlay/overlay_setup.h"

#include "engine/class_descs.h"
#include "engine/dispatcher.h"
#include "overlay/context_resolver.h"
#include "overlay/visual_interface_desc.h"
#include "overlay/visual_interface_form.h"

namespace Talvo {

namespace {

OverlayContextResolver& Resolver() {
  static OverlayContextResolver resolver;
  return resolver;
}

}  // namespace

void InstallVisualInterface() {
  SetVisualInterfaceFactory([](UINT key, unsigned char modifiers, const std::wstring& keyText) {
    return OpenVisualInterfaceForm(key, modifiers, keyText);
  });
  SetContextResolver(&Resolver());
  SetVisualInterfaceDesc(&VisualInterfaceDesc::Instance());
}

void RemoveVisualInterface() {
  SetVisualInterfaceFactory(nullptr);
  SetContextResolver(nullptr);
}

}  // namespace Talvo
