// Wheel-event sets: the events map of the default set and the edits the editor page makes.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/resources.h"
#include "model/xml_talvo.h"
#include "model/xml_wheel_events.h"

namespace Talvo {
namespace {

std::unique_ptr<XmlWheelEvents> DefaultSet() {
  auto set = std::make_unique<XmlWheelEvents>();
  EXPECT_EQ(set->Parse(*FindResource("documents/wheelevents/DefaultWheelEvents.xml")), kXmlOk);
  return set;
}

std::vector<std::string> Keys(const auto& map) {
  std::vector<std::string> keys;
  for (const auto& entry : map) keys.push_back(entry.first);
  return keys;
}

// The attribute rows of an action as the editor page lists them: attributes ascending, and for each the
// modifiers carrying it in the order alt, ctrl, shift.
std::vector<std::pair<std::string, std::string>> AttributeRows(const ActionRecord& action) {
  std::set<std::string> attributes;
  for (const auto& [modifier, value] : action.modifiers) attributes.insert(value.attribute);
  std::vector<std::pair<std::string, std::string>> rows;
  for (const std::string& attribute : attributes) {
    for (const auto& [modifier, value] : action.modifiers) {
      if (value.attribute == attribute) rows.emplace_back(attribute, modifier);
    }
  }
  return rows;
}

TEST(WheelEventsMap, DefaultSetCategoriesObjectsAndRows) {
  auto set = DefaultSet();
  EXPECT_TRUE(set->HasEvents());
  EXPECT_EQ(set->GetDisplayName(), kDefaultWheelEventsName);
  const WheelEventsMap& events = set->GetEventsMap();
  EXPECT_EQ(Keys(events), (std::vector<std::string>{"EPoly Op", "Farvelle", "Geometry", "Helpers", "Splines"}));

  const CategoryRecord& geometry = events.at("Geometry");
  EXPECT_EQ(CountEventEntries(geometry), 1);
  const SubcategoryRecord& primitives = geometry.subcategories.at("Standard Primitives");
  EXPECT_EQ(Keys(primitives.objects), (std::vector<std::string>{"box", "cylinder", "plane", "sphere", "tube"}));
  const ActionRecord& create = primitives.objects.at("box").actions.at("Create");
  ASSERT_NE(create.element, nullptr);
  EXPECT_EQ(AttributeRows(create), (std::vector<std::pair<std::string, std::string>>{
                                       {"heightSegs", "shift"}, {"lengthSegs", "alt"}, {"widthSegs", "ctrl"}}));

  const CategoryRecord& epoly = events.at("EPoly Op");
  EXPECT_EQ(Keys(epoly.subcategories),
            (std::vector<std::string>{"Edges", "Geometry (All)", "Polygons", "Subdivision", "Vertices"}));
  const ActionRecord& inset = epoly.subcategories.at("Polygons").objects.at("epoly").actions.at("Inset");
  const ValueRecord& screen = inset.modifiers.at("shift");
  EXPECT_EQ(screen.screenUnits, 1);
  EXPECT_FLOAT_EQ(screen.lowerLimit, 0.0f);
  EXPECT_FLOAT_EQ(screen.upperLimit, 50.0f);
  EXPECT_FLOAT_EQ(screen.increment, 5.0f);
  const ValueRecord& world = inset.modifiers.at("ctrl");
  EXPECT_EQ(world.screenUnits, 0);
  EXPECT_FLOAT_EQ(world.increment, 0.02f);

  EXPECT_EQ(XmlWheelEvents::GetIconName("EPoly Op", "Vertices"), "Talvo_PolyVertex_32x32");
  EXPECT_EQ(XmlWheelEvents::GetIconName("EPoly Op", "Subdivision"), "undefined");
  EXPECT_EQ(XmlWheelEvents::GetIconName("Nothing", "Here"), "");
}

TEST(WheelEventsMap, IncompleteEntriesDoNotCount) {
  XmlWheelEvents set;
  set.Parse(R"(<events><box category="A"><action id="" subcategory="S"/><action id="x" subcategory="S">)"
            R"(<ctrl><attrib>a</attrib><lowerLimit>1</lowerLimit><upperLimit>2</upperLimit></ctrl>)"
            R"(<alt><attrib>b</attrib><lowerLimit>1</lowerLimit><upperLimit>2</upperLimit><increment>1</increment></alt>)"
            R"(</action></box></events>)");
  const ActionRecord& action = set.GetEventsMap().at("A").subcategories.at("S").objects.at("box").actions.at("x");
  EXPECT_EQ(Keys(action.modifiers), (std::vector<std::string>{"alt"}));
  EXPECT_EQ(set.GetEventsMap().at("A").subcategories.at("S").objects.at("box").actions.size(), 1u);
}

TEST(WheelEventsEdits, UnitSwitchesRewriteTheLimitTexts) {
  auto set = DefaultSet();
  const ActionRecord& inset =
      set->GetEventsMap().at("EPoly Op").subcategories.at("Polygons").objects.at("epoly").actions.at("Inset");
  XmlNode* shift = inset.element->first_node("shift");
  XmlNode* ctrl = inset.element->first_node("ctrl");

  set->SetUnits("shift", inset, true);
  EXPECT_EQ(XmlDocument::Text(shift->first_node("lowerLimit")), "0");
  EXPECT_EQ(XmlDocument::Text(shift->first_node("upperLimit")), "50");
  EXPECT_EQ(XmlDocument::Text(shift->first_node("increment")), "5");
  EXPECT_FALSE(set->IsSaved());

  set->SetUnits("ctrl", inset, false);
  EXPECT_EQ(XmlDocument::Text(ctrl->first_node("increment")), "0px");
  EXPECT_EQ(XmlDocument::Text(ctrl->first_node("upperLimit")), "10px");
  // Switching again in the same direction changes nothing.
  set->SetUnits("ctrl", inset, false);
  EXPECT_EQ(XmlDocument::Text(ctrl->first_node("increment")), "0px");

  // What is printed follows the edits.
  const std::string text = set->ToText();
  EXPECT_NE(text.find("<increment>0px</increment>"), std::string::npos);
  EXPECT_NE(text.find("<upperLimit>50</upperLimit>"), std::string::npos);
}

TEST(WheelEventsEdits, ValueTextAndDisplayNameMarkUnsavedAndPrint) {
  auto set = DefaultSet();
  XmlNode* increment = set->GetEventsMap()
                           .at("EPoly Op")
                           .subcategories.at("Polygons")
                           .objects.at("epoly")
                           .actions.at("Inset")
                           .element->first_node("shift")
                           ->first_node("increment");
  set->SetValueText(increment, "12px");
  EXPECT_FALSE(set->IsSaved());
  XmlWheelEvents reloaded;
  ASSERT_EQ(reloaded.Parse(set->ToText()), kXmlOk);
  const ActionRecord& inset =
      reloaded.GetEventsMap().at("EPoly Op").subcategories.at("Polygons").objects.at("epoly").actions.at("Inset");
  EXPECT_FLOAT_EQ(inset.modifiers.at("shift").increment, 12.0f);

  auto named = DefaultSet();
  named->SetDisplayName(L"Mine");
  EXPECT_FALSE(named->IsSaved());
  EXPECT_EQ(named->GetDisplayName(), L"Mine");
}

TEST(WheelEventsEdits, SwapModifiersExchangesBothElementNames) {
  auto set = DefaultSet();
  const ActionRecord& create =
      set->GetEventsMap().at("Geometry").subcategories.at("Standard Primitives").objects.at("box").actions.at("Create");
  XmlNode* shift = create.element->first_node("shift");
  XmlNode* ctrl = create.element->first_node("ctrl");
  set->SwapModifiers(create, "shift", "ctrl");
  EXPECT_EQ(std::string(shift->name()), "ctrl");
  EXPECT_EQ(std::string(ctrl->name()), "shift");
  EXPECT_FALSE(set->IsSaved());
  // The map is not touched; a re-read sees the exchanged attributes.
  EXPECT_EQ(create.modifiers.at("shift").attribute, "heightSegs");
  XmlWheelEvents reloaded;
  reloaded.Parse(set->ToText());
  const ActionRecord& swapped =
      reloaded.GetEventsMap().at("Geometry").subcategories.at("Standard Primitives").objects.at("box").actions.at("Create");
  EXPECT_EQ(swapped.modifiers.at("ctrl").attribute, "heightSegs");
  EXPECT_EQ(swapped.modifiers.at("shift").attribute, "widthSegs");

  // Moving to a key the action lacks renames only the one element; names other than the three
  // modifiers (an empty one would match the element's text) change nothing.
  XmlWheelEvents single;
  single.Parse(R"(<events><box category="A"><action id="x" subcategory="S">)"
               R"(<ctrl><attrib>a</attrib><lowerLimit>1</lowerLimit><upperLimit>2</upperLimit><increment>1</increment>)"
               R"(</ctrl></action></box></events>)");
  const ActionRecord& action = single.GetEventsMap().at("A").subcategories.at("S").objects.at("box").actions.at("x");
  single.SwapModifiers(action, "ctrl", "");
  single.SwapModifiers(action, "", "ctrl");
  single.SetUnits("", action, false);
  EXPECT_TRUE(single.IsSaved());
  EXPECT_NE(action.element->first_node("ctrl"), nullptr);
  single.SwapModifiers(action, "ctrl", "alt");
  EXPECT_NE(action.element->first_node("alt"), nullptr);
  EXPECT_EQ(action.element->first_node("ctrl"), nullptr);
  EXPECT_FALSE(single.IsSaved());
}

TEST(WheelEventsFolder, CreateNewNamesAndSelects) {
  XmlTalvo main;
  XmlWheelEventsDir folder;
  folder.SetMainDocument(&main);
  XmlWheelEvents* first = folder.CreateNew();
  XmlWheelEvents* second = folder.CreateNew();
  XmlWheelEvents* third = folder.CreateNew();
  EXPECT_EQ(first->GetDisplayName(), L"Default WheelEvents");
  EXPECT_EQ(second->GetDisplayName(), L"Default WheelEvents 1");
  EXPECT_EQ(third->GetDisplayName(), L"Default WheelEvents 2");
  EXPECT_EQ(first->GetProperty("version"), L"1000");
  EXPECT_EQ(first->GetId().size(), 32u);
  EXPECT_NE(first->GetId(), second->GetId());
  EXPECT_EQ(first->XmlDocument::GetName(), first->GetId());
  EXPECT_FALSE(first->IsSaved());
  EXPECT_EQ(first->GetEventsMap().size(), 5u);
  EXPECT_EQ(main.GetSelectedWheelEvents(), 2);
  EXPECT_EQ(folder.CountNamed(L"Default WheelEvents 1"), 1);
}

}  // namespace
}  // namespace Talvo
