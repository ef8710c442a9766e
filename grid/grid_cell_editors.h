// The editor cells: cells that keep a real editor window (from the control toolkit) on top of themselves
// for as long as they live, instead of an editor shown only during an edit. The grid re-places every
// editor after each scroll, size or layout change (CGridCtrl::PlaceCellEditors); the editors send their
// changes to the page, which reads the cell back from the editor.
//   GridCellDropDown  a drop-down list (CellDropDown), or the program's script list with five script buttons
//   GridCellEdit      a text field (CellEdit), optionally with four script buttons inside it
//   GridCellSpinEdit  a numeric spin field (CellSpinEdit), integer or float
// None of them draws its text: the editor shows it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/cell_drop_down.h"
#include "controls/cell_edit.h"
#include "controls/cell_editor_links.h"
#include "controls/cell_spin_edit.h"
#include "grid/grid_window_cell.h"

namespace Talvo {

// The list kind of a drop-down cell that lists the program's custom scripts.
inline constexpr int kScriptListKind = 4;

class GridCellDropDown : public GridWindowCell, public iDropDownCell {
  DECLARE_DYNCREATE(GridCellDropDown)
 public:
  GridCellDropDown();
  ~GridCellDropDown() override;  // deletes the buttons, then the editor

  // Replaces the option list with copies of the strings, in order.
  void SetOptions(const std::vector<std::wstring>& options);
  const std::vector<std::wstring>& GetOptions() const { return m_Options; }

  // Creates the editor on the cell's rectangle (and, in script-list mode, the script buttons); null when the
  // cell has no grid, lies outside it or is not visible.
  virtual CWnd* CreateEditor();
  // Shows the editor and its buttons on the cell's rectangle (creating the editor on first showing), or hides
  // them when the cell is out of view.
  virtual void PlaceEditor();
  void PlaceOnCell() override { PlaceEditor(); }
  // Refills a script list and reselects the cell's script (entry 0 when it is gone).
  void SyncEditor() override;

  // The base drawing without text, then the buttons repaint over the cell.
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;

  // The editor as the drop-down it is (null without one).
  CellDropDown* GetDropDown() const { return static_cast<CellDropDown*>(m_pEditWnd); }
  // Where the editor was last placed and the part of it inside the grid (both empty while hidden).
  const CRect& GetCellRect() const { return m_CellRect; }
  const CRect& GetVisibleRect() const { return m_VisibleRect; }

  DWORD listStyle = CBS_DROPDOWNLIST;  // combo-box style of the editor
  int listKind = 0;                    // the page's role of the list; kScriptListKind lists the scripts
  BYTE enabled = 1;                    // enables the editor and its buttons
  BYTE scriptListMode = 0;             // set at creation with kScriptListKind: the editor lists the scripts
  std::wstring scriptId;               // the custom script the cell refers to ("Not Selected" at first)

  // Fields the filling page sets and reads back; the cell does not interpret them.
  std::wstring modeKeyword;            // the level keyword of the case
  std::wstring pageName;               // the page's input name
  std::wstring previousText;           // the text before the user's choice
  int press = -1;                      // tap count of the case
  int selectionCount = -1;             // selection count of the case
  int modifierByte = 3;                // modifier byte of the case
  int columnTag = -1;                  // what the column stands for on the page
  GridCellDropDown* nextCell = nullptr;      // the next drop-down of the page's chain
  GridCellDropDown* previousCell = nullptr;  // the previous one
  LPARAM actionRecord = 0;             // the page's data records behind the cell
  LPARAM valueRecord = 0;

 protected:
  // Selects the cell's script in its list editor, entry 0 ("Not Selected") when the list lacks it.
  void SelectScript(CellDropDown& editor) const;

  std::vector<std::wstring> m_Options;                // the items of the list
  CRect m_CellRect;                                   // where the editor was last placed
  CRect m_VisibleRect;                                // the part of it inside the grid's client area
};

class GridCellEdit : public GridWindowCell, public iEditorCell {
  DECLARE_DYNCREATE(GridCellEdit)
 public:
  GridCellEdit() = default;
  ~GridCellEdit() override;  // deletes the buttons, then the editor

  // Creates the text editor on the cell's rectangle with the cell's text and tags (and, with buttons, the
  // four script buttons inside it); null when the cell has no grid, lies outside it or is not visible.
  virtual CWnd* CreateEditor();
  // Deletes the buttons and the editor.
  virtual void DestroyEditor();
  // Moves an existing editor onto the cell (never creates one), or hides it when the cell is out of view.
  virtual void PlaceEditor();
  void PlaceOnCell() override { PlaceEditor(); }

  // The base drawing; a grey placeholder while there is no editor; then the buttons repaint.
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;

  CellEdit* GetEditor() const { return static_cast<CellEdit*>(m_pEditWnd); }

  BYTE withButtons = 0;          // the editor gets the four script buttons
  DWORD editorStyle = 0;         // extra window styles of the editor
  BYTE enabled = 1;              // enables the editor and shows its buttons
  std::wstring fullText;         // the whole text; the editor may show a shortened copy (FitEditCellTexts)
  int inset = 0;                 // above 0: the editor keeps this distance from the cell's edges
  // Tags handed to the editor at creation for the page (CellEdit's tags).
  std::wstring textTag1;
  std::wstring textTag2;
  int numberTag1 = -1;
  int numberTag2 = -1;
  BYTE flagTag = 0;
  int valueKind = 0;             // what a function viewer's value cell shows (1 to 4)
};

class GridCellSpinEdit : public GridWindowCell, public iEditorCell {
  DECLARE_DYNCREATE(GridCellSpinEdit)
 public:
  GridCellSpinEdit() = default;
  ~GridCellSpinEdit() override;

  // Creates a float editor (range 50.0 to 1000.0, showing the value clamped into it; the stored value stays)
  // with that many decimals.
  virtual CWnd* CreateFloatEditor(int nDecimals);
  // Creates an integer editor (range 50 to 1000; under an options page a value outside becomes 300).
  virtual CWnd* CreateEditor();
  // Deletes the editor.
  virtual void DestroyEditor();
  // Moves the editor onto the cell and lays out its parts (first creating the prepared editor, when the page
  // prepared one and there is none yet), or hides it when the cell is out of view.
  virtual void PlaceEditor();
  void PlaceOnCell() override { PlaceEditor(); }

  // Describes the editor the cell makes for itself when the grid first places it in view: integer or float
  // mode with the page's own range and value (instead of the default range of CreateEditor). An editor that
  // exists already is left as it is. Without a prepared editor the cell waits for its page to create one.
  void PrepareIntegerEditor(int nMinimum, int nMaximum, int nValue);
  void PrepareFloatEditor(float fMinimum, float fMaximum, float fValue, int nDecimals);
  // Creates the prepared editor; null without one, or when the cell has no grid, lies outside it or is not
  // visible.
  CWnd* CreatePreparedEditor();

  // The base drawing, then a band in the grid's background colour under the editor.
  BOOL Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd = TRUE) override;

  CellSpinEdit* GetSpinEdit() const { return static_cast<CellSpinEdit*>(m_pEditWnd); }

  BYTE enabled = 1;              // enables the editor
  int minimum = 0;               // integer range and value
  int maximum = 0;
  int value = 0;
  float floatMinimum = 0.0F;     // float range and value
  float floatMaximum = 0.0F;
  float floatValue = 0.0F;
  // Fields the wheel-events page sets and reads back; the cell does not interpret them.
  int fieldTag = 0;              // which value of the record the cell edits
  std::wstring attributeKey;     // the attribute the value is stored under
  std::wstring modifierName;     // the row's modifier
  std::wstring unitText;         // the unit shown for the row
  LPARAM actionRecord = 0;       // the page's data records behind the cell
  LPARAM valueRecord = 0;
  int rowTag = 0;                // the page's own number for the row

 protected:
  enum class PreparedMode { None, Integer, Float };
  PreparedMode m_PreparedMode = PreparedMode::None;  // the editor to create on first showing
  int m_nPreparedDecimals = 0;                       // decimals of a prepared float editor
  // The spin editor is told its row and column, not given an id.
  bool WindowHasCellId() const override { return false; }
};

}  // namespace Talvo
