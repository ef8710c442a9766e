#include "frame/frame_commands.h"

#include <array>

#include "controls/key_button.h"
#include "engine/editor_shared_state.h"
#include "model/vocabulary.h"

namespace Talvo {

namespace {

// Command ids of the menus that send them.
constexpr UINT ID_ADD_EDITABLE_POLY_PAGE = 3008;
constexpr UINT ID_ADD_UNWRAP_UVW_PAGE = 3010;
constexpr UINT ID_ADD_OBJECTS_PAGE = 3019;
constexpr UINT ID_COPY_CASE = 3012;
constexpr UINT ID_PASTE_CASE = 3013;
constexpr UINT ID_NEW_SCRIPT = 3030;
constexpr UINT ID_OPEN_SCRIPT = 3031;
constexpr UINT ID_EDIT_SCRIPT = 3032;
constexpr UINT ID_RENAME_SCRIPT = 3033;
constexpr UINT ID_COPY_SCRIPT = 3034;
constexpr UINT ID_PASTE_SCRIPT = 3035;
constexpr UINT ID_DELETE_SCRIPT = 3036;
constexpr UINT ID_FIRST_LEVEL = 3100;
constexpr UINT ID_LAST_LEVEL = 3104;
constexpr UINT ID_FIRST_SELECTION = 3120;
constexpr UINT ID_LAST_SELECTION = 3123;
constexpr UINT ID_FIRST_CONTEXT_SELECTION = 3130;
constexpr UINT ID_LAST_CONTEXT_SELECTION = 3133;
constexpr UINT ID_FIRST_MODIFIER_CASE = 3201;
constexpr UINT ID_LAST_MODIFIER_CASE = 3204;
constexpr UINT ID_FIRST_SUB_OBJECT = 3210;
constexpr UINT ID_LAST_SUB_OBJECT = 3214;
constexpr UINT ID_FIRST_KEY_MODIFIER = 282;
constexpr UINT ID_LAST_KEY_MODIFIER = 289;
constexpr UINT ID_FIRST_TAP_COUNT = 290;
constexpr UINT ID_LAST_TAP_COUNT = 293;
constexpr int kFirstLevelText = 146;  // "Vertex Mode" .. "Element Mode" (150)

constexpr std::array<const wchar_t*, 4> kModifierInputs = {kInputEditablePoly, kInputEditPoly, kInputUnwrapUVW,
                                                           kInputNoModifier};
constexpr std::array<const wchar_t*, 5> kLevels = {L"vertex", L"edge", L"polygon", L"border", L"element"};
// 3210-3214 in id order: vertex, edge, border, polygon, element.
constexpr std::array<const wchar_t*, 5> kSubObjectLevels = {L"vertex", L"edge", L"border", L"polygon", L"element"};
constexpr std::array<unsigned char, 8> kKeyModifierBytes = {3, 7, 11, 19, 15, 23, 27, 31};

const wchar_t* ModifierPageInput(UINT id) {
  return id == ID_ADD_OBJECTS_PAGE ? kInputNoModifier : kModifierInputs[id - ID_ADD_EDITABLE_POLY_PAGE];
}

}  // namespace

BEGIN_MESSAGE_MAP(FrameCommands, CCmdTarget)
  ON_COMMAND_RANGE(ID_ADD_EDITABLE_POLY_PAGE, ID_ADD_UNWRAP_UVW_PAGE, &FrameCommands::OnAddModifierPage)
  ON_COMMAND_RANGE(ID_ADD_OBJECTS_PAGE, ID_ADD_OBJECTS_PAGE, &FrameCommands::OnAddModifierPage)
  ON_UPDATE_COMMAND_UI_RANGE(ID_ADD_EDITABLE_POLY_PAGE, ID_ADD_UNWRAP_UVW_PAGE, &FrameCommands::OnUpdateAddModifierPage)
  ON_UPDATE_COMMAND_UI_RANGE(ID_ADD_OBJECTS_PAGE, ID_ADD_OBJECTS_PAGE, &FrameCommands::OnUpdateAddModifierPage)
  ON_COMMAND_RANGE(ID_FIRST_MODIFIER_CASE, ID_LAST_MODIFIER_CASE, &FrameCommands::OnAddModifierCase)
  ON_COMMAND_RANGE(ID_FIRST_LEVEL, ID_LAST_LEVEL, &FrameCommands::OnSetPageLevel)
  ON_UPDATE_COMMAND_UI_RANGE(ID_FIRST_LEVEL, ID_LAST_LEVEL, &FrameCommands::OnUpdateSetPageLevel)
  ON_COMMAND_RANGE(ID_FIRST_SUB_OBJECT, ID_LAST_SUB_OBJECT, &FrameCommands::OnAddSubObjectCase)
  ON_COMMAND_RANGE(ID_FIRST_SELECTION, ID_LAST_SELECTION, &FrameCommands::OnAddSelectionCount)
  ON_UPDATE_COMMAND_UI_RANGE(ID_FIRST_SELECTION, ID_LAST_SELECTION, &FrameCommands::OnUpdateAddSelectionCount)
  ON_COMMAND_RANGE(ID_FIRST_CONTEXT_SELECTION, ID_LAST_CONTEXT_SELECTION, &FrameCommands::OnAddContextSelection)
  ON_COMMAND_RANGE(ID_FIRST_KEY_MODIFIER, ID_LAST_KEY_MODIFIER, &FrameCommands::OnAddKeyModifierCase)
  ON_UPDATE_COMMAND_UI_RANGE(ID_FIRST_KEY_MODIFIER, ID_LAST_KEY_MODIFIER, &FrameCommands::OnUpdateAddKeyModifierCase)
  ON_COMMAND_RANGE(ID_FIRST_TAP_COUNT, ID_LAST_TAP_COUNT, &FrameCommands::OnAddTapCountCase)
  ON_UPDATE_COMMAND_UI_RANGE(ID_FIRST_TAP_COUNT, ID_LAST_TAP_COUNT, &FrameCommands::OnUpdateAddTapCountCase)
  ON_COMMAND(ID_COPY_CASE, &FrameCommands::OnCopyCase)
  ON_UPDATE_COMMAND_UI(ID_COPY_CASE, &FrameCommands::OnUpdateCopyCase)
  ON_COMMAND(ID_PASTE_CASE, &FrameCommands::OnPasteCase)
  ON_UPDATE_COMMAND_UI(ID_PASTE_CASE, &FrameCommands::OnUpdatePasteCase)
  ON_COMMAND(ID_KEY_DELETE_ASSIGNMENT, &FrameCommands::OnDeleteAssignment)
  ON_COMMAND(ID_KEY_EDIT_FUNCTION, &FrameCommands::OnEditKeyFunction)
  ON_COMMAND(ID_KEY_CREATE_FUNCTION, &FrameCommands::OnCreateKeyFunction)
  ON_COMMAND(ID_KEY_ASSIGN_LEARNING_INTERFACE, &FrameCommands::OnAssignLearningInterface)
  ON_COMMAND(ID_KEY_DELETE_LEARNING_INTERFACE, &FrameCommands::OnDeleteLearningInterface)
  ON_COMMAND(ID_NEW_SCRIPT, &FrameCommands::OnNewScript)
  ON_COMMAND(ID_OPEN_SCRIPT, &FrameCommands::OnOpenScript)
  ON_COMMAND(ID_EDIT_SCRIPT, &FrameCommands::OnEditScript)
  ON_COMMAND(ID_RENAME_SCRIPT, &FrameCommands::OnRenameScript)
  ON_COMMAND(ID_COPY_SCRIPT, &FrameCommands::OnCopyScript)
  ON_COMMAND(ID_PASTE_SCRIPT, &FrameCommands::OnPasteScript)
  ON_COMMAND(ID_DELETE_SCRIPT, &FrameCommands::OnDeleteScript)
  ON_UPDATE_COMMAND_UI_RANGE(ID_NEW_SCRIPT, ID_OPEN_SCRIPT, &FrameCommands::OnUpdateScriptAlways)
  ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_SCRIPT, ID_COPY_SCRIPT, &FrameCommands::OnUpdateSelectedScript)
  ON_UPDATE_COMMAND_UI(ID_PASTE_SCRIPT, &FrameCommands::OnUpdateScriptAlways)
  ON_UPDATE_COMMAND_UI(ID_DELETE_SCRIPT, &FrameCommands::OnUpdateSelectedScript)
END_MESSAGE_MAP()

void FrameCommands::OnAddModifierPage(UINT id) { cases_.AddModifierPage(ModifierPageInput(id)); }

void FrameCommands::OnUpdateAddModifierPage(CCmdUI* pCmdUI) {
  pCmdUI->Enable(cases_.CanAddModifierPage(ModifierPageInput(pCmdUI->m_nID)));
}

void FrameCommands::OnAddModifierCase(UINT id) { cases_.AddModifierCase(kModifierInputs[id - ID_FIRST_MODIFIER_CASE]); }

void FrameCommands::OnSetPageLevel(UINT id) {
  const int index = static_cast<int>(id - ID_FIRST_LEVEL);
  cases_.SetPageLevel(kLevels[index], kFirstLevelText + index);
}

void FrameCommands::OnUpdateSetPageLevel(CCmdUI* pCmdUI) {
  pCmdUI->Enable(cases_.CanSetPageLevel(kLevels[pCmdUI->m_nID - ID_FIRST_LEVEL]));
}

void FrameCommands::OnAddSubObjectCase(UINT id) { cases_.AddSubObjectCase(kSubObjectLevels[id - ID_FIRST_SUB_OBJECT]); }

void FrameCommands::OnAddSelectionCount(UINT id) { cases_.AddSelectionCount(static_cast<int>(id - ID_FIRST_SELECTION)); }

void FrameCommands::OnUpdateAddSelectionCount(CCmdUI* pCmdUI) {
  pCmdUI->Enable(cases_.CanAddSelectionCount(static_cast<int>(pCmdUI->m_nID - ID_FIRST_SELECTION)));
}

void FrameCommands::OnAddContextSelection(UINT id) {
  cases_.AddContextSelection(static_cast<int>(id - ID_FIRST_CONTEXT_SELECTION));
}

void FrameCommands::OnAddKeyModifierCase(UINT id) {
  cases_.AddKeyModifierCase(GetCellMenuRecord().selection, kKeyModifierBytes[id - ID_FIRST_KEY_MODIFIER]);
}

void FrameCommands::OnUpdateAddKeyModifierCase(CCmdUI* pCmdUI) {
  pCmdUI->Enable(cases_.CanAddKeyModifierCase(kKeyModifierBytes[pCmdUI->m_nID - ID_FIRST_KEY_MODIFIER]));
}

void FrameCommands::OnAddTapCountCase(UINT id) {
  const CellMenuRecord& record = GetCellMenuRecord();
  cases_.AddTapCountCase(record.selection, record.modifiers, static_cast<int>(id - ID_FIRST_TAP_COUNT) + 1);
}

void FrameCommands::OnUpdateAddTapCountCase(CCmdUI* pCmdUI) {
  pCmdUI->Enable(cases_.CanAddTapCountCase(static_cast<int>(pCmdUI->m_nID - ID_FIRST_TAP_COUNT) + 1));
}

}  // namespace Talvo
