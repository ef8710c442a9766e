// Feeds arbitrary bytes to every document kind, then runs the read operations that walk the tree.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/document_walk.h"
#include "model/xml_custom_scripts.h"
#include "model/xml_function.h"
#include "model/xml_keyboard.h"
#include "model/xml_options.h"
#include "model/xml_profile.h"
#include "model/xml_talvo.h"
#include "model/xml_wheel_events.h"

namespace {

using namespace Talvo;

void ReadFunction(std::string_view bytes) {
  XmlFunction function;
  if (function.Parse(bytes) == kXmlOk) WalkFunction(function);
}

void ReadProfile(std::string_view bytes) {
  XmlProfile profile;
  if (profile.Parse(bytes) == kXmlOk) WalkProfile(profile);
}

void ReadOthers(std::string_view bytes) {
  XmlKeyboard keyboard;
  if (keyboard.Parse(bytes) == kXmlOk) {
    keyboard.GetKeyOfVirt(65);
    keyboard.GetKeyText(17);
    keyboard.KeyCount();
  }
  XmlOptions options;
  if (options.Parse(bytes) == kXmlOk) {
    for (int i = 0; i < options.Count(kOptionsGeneral); ++i) options.GetOptionTitle(kOptionsGeneral, i);
    options.GetTapThreshold();
  }
  XmlTalvo main;
  if (main.Parse(bytes) == kXmlOk) {
    int x = 0, y = 0, w = 0, h = 0;
    main.GetPosition(x, y, w, h);
    main.GetQuickProfile(2);
    main.GetSelectedLayout();
  }
  XmlCustomScripts scripts;
  if (scripts.Parse(bytes) == kXmlOk) WalkScripts(scripts);
  XmlWheelEvents events;
  if (events.Parse(bytes) == kXmlOk) {
    for (auto& [category, record] : events.GetEventsMap()) {
      for (auto& [subcategory, sub] : record.subcategories) {
        for (auto& [objectClass, object] : sub.objects) {
          for (auto& [id, action] : object.actions) {
            events.SetUnits("ctrl", action, false);
            events.SwapModifiers(action, "shift", "alt");
          }
        }
      }
    }
    events.ToText();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ReadFunction(bytes);
  ReadProfile(bytes);
  ReadOthers(bytes);
  return 0;
}
