// The host's own action tables and macro scripts, as a realistic fixture for the program.
#include <string>

#include "host/core_interface.h"
#include "host/directories.h"
#include "host/simulation.h"
#include "reset.h"

namespace {

// An item of the "Macro Scripts" table: it stands for one macro script and runs it.
class MacroActionItem : public ActionItem {
 public:
  explicit MacroActionItem(MacroID id) : id_(id) {}
  int GetId() override { return id_; }
  void GetButtonText(MSTR& text) override { text = Macro() ? Macro()->GetButtonText() : MSTR(); }
  void GetMenuText(MSTR& text) override { GetButtonText(text); }
  void GetCategoryText(MSTR& text) override { text = Macro() ? Macro()->GetCategory() : MSTR(); }
  MacroEntry* GetMacroScript() override { return Macro(); }
  BOOL ExecuteAction() override { return GetMacroScriptDir().ExecuteMacro(id_); }

 private:
  MacroEntry* Macro() const { return GetMacroScriptDir().FindMacroById(id_); }
  MacroID id_;
};

struct Command {
  int id;
  const MCHAR* text;
  const MCHAR* category;
  const MCHAR* description;
};

void AddTable(IActionManager* manager, ActionTableId id, const MCHAR* name, std::initializer_list<Command> commands) {
  manager->RegisterActionContext(id, name);
  auto* table = new ActionTable(id, id, MSTR(name));
  for (const Command& c : commands)
    table->AppendOperation(new ActionItem(c.id, c.text, c.text, c.category, c.description));
  manager->RegisterActionTable(table);
}

ActionTable* MacroTable() { return GetCOREInterface()->GetActionManager()->FindTable(kActionMacroScriptsTable); }

}  // namespace

namespace hostsim {

void InstallStandardActions() {
  IActionManager* manager = GetCOREInterface()->GetActionManager();
  if (manager->FindTable(kActionMainUI)) return;
  AddTable(manager, kActionMainUI, _M("Main UI"),
           {
               {40001, _M("Undo Scene Operation"), _M("Edit"), _M("Undoes the last scene operation")},
               {40002, _M("Redo Scene Operation"), _M("Edit"), _M("Redoes the last undone scene operation")},
               {40003, _M("Hold"), _M("Edit"), _M("Saves the scene to a temporary file")},
               {40004, _M("Delete Objects"), _M("Edit"), _M("Deletes the selected objects")},
               {40005, _M("Clone"), _M("Edit"), _M("Clones the selected objects")},
               {40101, _M("Zoom Extents All"), _M("Views"), _M("Zooms every viewport to the whole scene")},
               {40102, _M("Maximize Viewport Toggle"), _M("Views"), _M("Maximizes the active viewport")},
               {40103, _M("Wireframe / Smooth + Highlights Toggle"), _M("Views"), _M("Switches the shading mode")},
               {40104, _M("Perspective View"), _M("Views"), _M("Switches the active viewport to perspective")},
               {40201, _M("Select All"), _M("Selection"), _M("Selects every object")},
               {40202, _M("Select None"), _M("Selection"), _M("Clears the selection")},
               {40203, _M("Select Invert"), _M("Selection"), _M("Inverts the selection")},
               {40204, _M("Select Children"), _M("Selection"), _M("Adds the children of the selection")},
           });
  AddTable(manager, kActionEditablePolyTable, _M("Editable Polygon Object"),
           {
               {100, _M("Extrude"), _M("Editable Polygon"), _M("Extrudes the selection")},
               {101, _M("Bevel"), _M("Editable Polygon"), _M("Bevels the selected polygons")},
               {102, _M("Chamfer"), _M("Editable Polygon"), _M("Chamfers the selected vertices or edges")},
               {103, _M("Connect"), _M("Editable Polygon"), _M("Connects the selected vertices or edges")},
               {104, _M("Inset"), _M("Editable Polygon"), _M("Insets the selected polygons")},
               {105, _M("Weld"), _M("Editable Polygon"), _M("Welds the selected vertices")},
               {106, _M("Target Weld"), _M("Editable Polygon"), _M("Welds a vertex onto another")},
               {107, _M("Cut"), _M("Editable Polygon"), _M("Cuts new edges across polygons")},
               {108, _M("Ring"), _M("Editable Polygon"), _M("Selects the edge ring")},
               {109, _M("Loop"), _M("Editable Polygon"), _M("Selects the edge loop")},
           });
  AddTable(manager, kActionUnwrapTable, _M("Unwrap UVW"),
           {
               {200, _M("Break Selected Vertices"), _M("Unwrap UVW"), _M("Breaks the selected texture vertices")},
               {201, _M("Stitch Selected"), _M("Unwrap UVW"), _M("Stitches the selected edges")},
               {202, _M("Flatten Mapping"), _M("Unwrap UVW"), _M("Flattens the mapping")},
               {203, _M("Pack UVs"), _M("Unwrap UVW"), _M("Packs the texture islands")},
               {204, _M("Relax"), _M("Unwrap UVW"), _M("Relaxes the selected texture vertices")},
           });
  manager->RegisterActionContext(kActionMacroScriptsContext, _M("Macro Scripts"));
  manager->RegisterActionTable(
      new ActionTable(kActionMacroScriptsTable, kActionMacroScriptsContext, MSTR(_M("Macro Scripts"))));

  const MacroDefinition macros[] = {
      {L"Selection", L"GrowSelection", L"Grow Selection", L"Grows the sub-object selection", L"", L""},
      {L"Selection", L"ShrinkSelection", L"Shrink Selection", L"Shrinks the sub-object selection", L"", L""},
      {L"Modifiers", L"EditPolyMod", L"Edit Poly", L"Adds an Edit Poly modifier", L"", L""},
      {L"Modifiers", L"UnwrapUVW", L"Unwrap UVW", L"Adds an Unwrap UVW modifier", L"", L""},
      {L"Tools", L"IsolateSelection", L"Isolate Selection", L"Shows only the selected objects", L"", L""},
      {L"Tools", L"SeeThroughToggle", L"See-Through", L"Shows the selected objects see-through", L"", L""},
      {L"Views", L"OrbitSubobject", L"Orbit Sub-object", L"Orbits around the sub-object selection", L"", L""},
  };
  for (const MacroDefinition& definition : macros) AddMacro(definition);
}

MacroID AddMacro(const MacroDefinition& definition) {
  const std::wstring file =
      definition.fileName.empty()
          ? std::wstring(GetCOREInterface()->GetDir(APP_USER_MACROS_DIR)) + L"/" + definition.category + L".mcr"
          : definition.fileName;
  MacroEntry* macro = GetMacroScriptDir().Add(
      definition.category, definition.internalCategory.empty() ? definition.category : definition.internalCategory,
      definition.name, file, definition.buttonText, definition.toolTip);
  if (ActionTable* table = MacroTable()) table->AppendOperation(new MacroActionItem(macro->GetID()));
  return macro->GetID();
}

bool RemoveMacro(MacroID id) {
  if (!GetMacroScriptDir().Remove(id)) return false;
  if (ActionTable* table = MacroTable()) table->DeleteOperation(table->GetActionById(id));
  return true;
}

}  // namespace hostsim

namespace host_internal {
void ResetStandardActions() {
  GetCOREInterface()->GetActionManager()->Clear();
  GetMacroScriptDir().Clear();
}
}  // namespace host_internal
