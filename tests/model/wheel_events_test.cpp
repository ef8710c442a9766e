// Wheel-event sets: the events map read from a set and the edits the editor page makes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/resources.h"
#include "model/xml_wheel_events.h"

namespace Talvo {
namespace {

std::unique_ptr<XmlWheelEvents> DefaultSet() {
  auto set = std::make_unique<XmlWheelEvents>();
  EXPECT_EQ(set->Parse(*FindResource("documents/wheelevents/DefaultWheelEvents.xml")), kXmlOk);
  return set;
}

// An action of the default set whose Shift limits are screen units and whose Ctrl limits are world units.
const ActionRecord& Inset(const XmlWheelEvents& set) {
  return set.GetEventsMap().at("EPoly Op").subcategories.at("Polygons").objects.at("epoly").actions.at("Inset");
}

// An action of the default set with all three modifiers.
const ActionRecord& BoxCreate(const XmlWheelEvents& set) {
  return set.GetEventsMap()
      .at("Geometry")
      .subcategories.at("Standard Primitives")
      .objects.at("box")
      .actions.at("Create");
}

// A set of one action "x" of the object "box" in category "A", subcategory "S".
const ActionRecord& OnlyAction(XmlWheelEvents& set, const std::string& modifiers) {
  EXPECT_EQ(set.Parse(R"(<events><box category="A"><action id="" subcategory="S"/><action id="x" subcategory="S">)" +
                      modifiers + "</action></box></events>"),
            kXmlOk);
  return set.GetEventsMap().at("A").subcategories.at("S").objects.at("box").actions.at("x");
}

std::vector<std::string> Keys(const auto& map) {
  std::vector<std::string> keys;
  for (const auto& entry : map) keys.push_back(entry.first);
  return keys;
}

TEST(WheelEventsMap, LimitsAndUnitsAreRead) {
  auto set = DefaultSet();
  EXPECT_TRUE(set->HasEvents());
  const ActionRecord& create = BoxCreate(*set);
  ASSERT_NE(create.element, nullptr);
  EXPECT_EQ(create.modifiers.at("shift").attribute, "heightSegs");
  const ValueRecord& screen = Inset(*set).modifiers.at("shift");
  EXPECT_EQ(screen.screenUnits, 1);
  EXPECT_FLOAT_EQ(screen.lowerLimit, 0.0f);
  EXPECT_FLOAT_EQ(screen.upperLimit, 50.0f);
  EXPECT_FLOAT_EQ(screen.increment, 5.0f);
  const ValueRecord& world = Inset(*set).modifiers.at("ctrl");
  EXPECT_EQ(world.screenUnits, 0);
  EXPECT_FLOAT_EQ(world.increment, 0.02f);
}

TEST(WheelEventsMap, IncompleteEntriesDoNotCount) {
  XmlWheelEvents set;
  const ActionRecord& action =
      OnlyAction(set, R"(<ctrl><attrib>a</attrib><lowerLimit>1</lowerLimit><upperLimit>2</upperLimit></ctrl>)"
                      R"(<alt><attrib>b</attrib><lowerLimit>1</lowerLimit><upperLimit>2</upperLimit>)"
                      R"(<increment>1</increment></alt>)");
  EXPECT_EQ(Keys(action.modifiers), (std::vector<std::string>{"alt"}));
  EXPECT_EQ(set.GetEventsMap().at("A").subcategories.at("S").objects.at("box").actions.size(), 1u);
}

TEST(WheelEventsEdits, UnitSwitchesRewriteTheLimitTexts) {
  auto set = DefaultSet();
  XmlNode* shift = Inset(*set).element->first_node("shift");
  XmlNode* ctrl = Inset(*set).element->first_node("ctrl");

  set->SetUnits("shift", Inset(*set), true);
  EXPECT_EQ(XmlDocument::Text(shift->first_node("upperLimit")), "50");
  EXPECT_EQ(XmlDocument::Text(shift->first_node("increment")), "5");
  EXPECT_FALSE(set->IsSaved());

  set->SetUnits("ctrl", Inset(*set), false);
  EXPECT_EQ(XmlDocument::Text(ctrl->first_node("increment")), "0px");
  EXPECT_EQ(XmlDocument::Text(ctrl->first_node("upperLimit")), "10px");
  // Switching again in the same direction changes nothing.
  set->SetUnits("ctrl", Inset(*set), false);
  EXPECT_EQ(XmlDocument::Text(ctrl->first_node("increment")), "0px");
  EXPECT_NE(set->ToText().find("<increment>0px</increment>"), std::string::npos);
}

TEST(WheelEventsEdits, AnEditedValueIsPrinted) {
  auto set = DefaultSet();
  set->SetValueText(Inset(*set).element->first_node("shift")->first_node("increment"), "12px");
  EXPECT_FALSE(set->IsSaved());
  XmlWheelEvents reloaded;
  ASSERT_EQ(reloaded.Parse(set->ToText()), kXmlOk);
  EXPECT_FLOAT_EQ(Inset(reloaded).modifiers.at("shift").increment, 12.0f);
}

TEST(WheelEventsEdits, SwapModifiersExchangesBothElementNames) {
  auto set = DefaultSet();
  set->SwapModifiers(BoxCreate(*set), "shift", "ctrl");
  EXPECT_FALSE(set->IsSaved());
  // The map is not touched; a re-read sees the exchanged attributes.
  EXPECT_EQ(BoxCreate(*set).modifiers.at("shift").attribute, "heightSegs");
  XmlWheelEvents reloaded;
  reloaded.Parse(set->ToText());
  EXPECT_EQ(BoxCreate(reloaded).modifiers.at("ctrl").attribute, "heightSegs");
  EXPECT_EQ(BoxCreate(reloaded).modifiers.at("shift").attribute, "widthSegs");

  // Moving to a key the action lacks renames only the one element; names other than the three
  // modifiers (an empty one would match the element's text) change nothing.
  XmlWheelEvents single;
  const ActionRecord& action = OnlyAction(single, R"(<ctrl><attrib>a</attrib><lowerLimit>1</lowerLimit>)"
                                                  R"(<upperLimit>2</upperLimit><increment>1</increment></ctrl>)");
  single.SwapModifiers(action, "ctrl", "");
  single.SwapModifiers(action, "", "ctrl");
  single.SetUnits("", action, false);
  EXPECT_TRUE(single.IsSaved());
  EXPECT_NE(action.element->first_node("ctrl"), nullptr);
  single.SwapModifiers(action, "ctrl", "alt");
  EXPECT_NE(action.element->first_node("alt"), nullptr);
  EXPECT_EQ(action.element->first_node("ctrl"), nullptr);
}

}  // namespace
}  // namespace Talvo
