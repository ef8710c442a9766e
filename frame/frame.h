// Frame: the editor window, one global instance made by ShowFrame and destroyed when closed. It carries the
// menu bar, the "Keyboard Layout:" label with the "Layouts" menu button and the page strip below them, and
// routes the menu commands and the private messages of the documents, the undo record and the pages.
#pragma once

#include <afxwin.h>
#include <afxcontrolbars.h>

#include <string>

#include "controls/menu_button.h"
#include "frame/case_command_pages.h"
#include "frame/frame_commands.h"
#include "engine/messages.h"
#include "frame/menu.h"
#include "frame/unsaved_menu_ids.h"
#include "frame/window_tabs.h"
#include "model/editor_window.h"
#include "model/xml_document.h"
#include "pagebase/editor_frame_link.h"

namespace Talvo {

class Frame : public CFrameWnd, public iEditorFrame {
 public:
  Frame();
  ~Frame() override;

  // iEditorFrame
  CWnd* GetFrameWindow() override { return this; }
  iWindowTabs& GetPageTabs() override { return tabs_; }
  void SetLayoutsCaption(const std::wstring& caption) override;

  WindowTabs& GetTabs() { return tabs_; }
  Menu& GetMenu() { return menu_; }
  CMFCMenuBar& GetMenuBar() { return menuBar_; }

  MenuButton& GetLayoutsButton() { return layouts_; }
  CStatic& GetLayoutLabel() { return layoutLabel_; }
  // Whether the host's accelerators were on when the frame last became active.
  bool GetAcceleratorsFlag() const { return accelerators_; }

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // The case, key and script commands of the pop-up menus first, then the window's own route.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    return commands_.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) || CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }
  FrameCommands& GetCommands() { return commands_; }

  // The position of the first item whose text is `text` in `menu`, or -1.
  static int FindMenuItem(CMenu* menu, const std::wstring& text);
  // Lists the unsaved profiles and functions in the File menu again (DocumentChangedMessage); lParam 0 is
  // ignored. Returns 0.
  LRESULT RebuildUnsavedMenus(WPARAM wParam, LPARAM lParam);

  // Control ids and the height of the band above the page strip.
  static constexpr UINT kLayoutLabelId = 4011;
  static constexpr UINT kLayoutsButtonId = 4000;
  static constexpr int kTopBand = 24;
  static constexpr int kLabelWidth = 91;
  static constexpr int kMinWidth = 1350;
  static constexpr int kMinHeight = 595;
  static constexpr int kMaxWidth = 1940;
  static constexpr int kMaxHeight = 1040;

 protected:
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnDestroy();
  void OnSize(UINT nType, int cx, int cy);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnPaint();
  void OnGetMinMaxInfo(MINMAXINFO* info);
  // The "Keyboard Layout:" label in the host's colours.
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  LRESULT OnTalvoDataChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowEditor(WPARAM wParam, LPARAM lParam);
  LRESULT OnScriptsChanged(WPARAM wParam, LPARAM lParam);

  // Menu commands.
  void OnSaveProfile();
  void OnSaveFunction();
  void OnSaveUnsaved(UINT id);
  void OnForwardedCommand(UINT id);
  void OnUndo();
  void OnRedo();
  void OnOptions();
  void OnAbout();
  void OnHelp();
  void OnFixMacroIds();
  void OnUpdateNeedsProfile(CCmdUI* pCmdUI);
  void OnUpdateNeedsFunction(CCmdUI* pCmdUI);
  void OnUpdateLoadProfile(CCmdUI* pCmdUI);
  void OnUpdateLoadFunction(CCmdUI* pCmdUI);
  void OnUpdateUndo(CCmdUI* pCmdUI);
  // The "Layouts" button's chosen layout.
  void OnSwitchLayout();
  DECLARE_MESSAGE_MAP()

 private:
  void CreateControls();
  void FillLayoutsButton();
  // Places the menu bar, the label and the "Layouts" button along the top of a client area `width` wide.
  void PlaceTopBand(int width);
  // How much wider than its place the label's text is.
  int LabelGrowth();
  // Stores the normal placement in the main settings document.
  void StorePosition();
  // Saves one profile or function document and lists the unsaved documents again.
  void SaveDocument(XmlDocument* document);

  WindowTabs tabs_;
  Menu menu_;
  CMFCMenuBar menuBar_;
  MenuButton layouts_;
  CStatic layoutLabel_;
  bool accelerators_ = false;
  FramePagesView pagesView_;
  FrameCommands commands_{pagesView_};
};

// The address of the one editor window pointer (null while there is none).
Frame** GetFrame();
// Brings the editor up, making it when needed; 1 when the window exists afterwards, 0 when it failed.
int ShowFrame(Frame** frame);

}  // namespace Talvo
