// ContextMenu: the owner-drawn popup menu of the program's controls. A subclass fills the menu in
// Build (plain MF_STRING items and separators); Track turns every text item into an owner-drawn one
// that keeps its text, and shows the menu. Items are drawn flat in the host's colours and font.
#pragma once

#include <afxwin.h>

#include <string>

namespace Talvo {

class ContextMenu : public CMenu {
 public:
  ContextMenu() = default;
  ~ContextMenu() override = default;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  // Creates the popup menu and appends its items; FALSE when there is nothing to show.
  virtual BOOL Build() = 0;

  // Makes every item owner-drawn (texts kept) and tracks the menu at a screen point with `owner` as
  // the command owner. Returns what CMenu::TrackPopupMenu returns; FALSE for a menu without items.
  BOOL Track(CWnd* owner, CPoint screenPoint, UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN);
  // Turns the items into owner-drawn ones; Track does it, callers that track themselves call it first.
  void MakeOwnerDrawn();

  // The height of an item, in pixels.
  static constexpr int kItemHeight = 22;

 protected:
  // Appends a text item whose text is the string-table text of textId.
  BOOL AppendStringItem(UINT command, int textId, UINT flags = 0);
};

// The editor window the popup menus send their commands to: the registered editor window, else the
// top-level window of `fallback`.
CWnd* MenuCommandOwner(CWnd* fallback);

}  // namespace Talvo
