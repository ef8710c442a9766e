#include <gtest/gtest.h>

#include <string>

#include "afxdialogex.h"
#include "mfc_fixture.h"
#include "test_windows.h"
#include "win32/simulation.h"

namespace {

using DialogTest = MfcTest;

constexpr int kRenameDialog = 9101;
constexpr int kPage = 9102;
constexpr int kNameEdit = 1001, kCheck = 1002, kKinds = 1003, kCount = 1004, kCustom = 1005;
constexpr int kPageButton = 1101;

DLGITEMTEMPLATE Item(const wchar_t* windowClass, WORD id, DWORD style, short y, const wchar_t* title = L"") {
  DLGITEMTEMPLATE item;
  item.windowClass = windowClass;
  item.id = id;
  item.style = style | WS_VISIBLE;
  item.x = 8;
  item.y = y;
  item.cx = 120;
  item.cy = 12;
  item.title = title;
  return item;
}

void RegisterTemplates() {
  DLGTEMPLATE rename;
  rename.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
  rename.cx = 180;
  rename.cy = 120;
  rename.title = L"Rename";
  rename.pointsize = 8;
  rename.typeface = L"DejaVu Sans";
  rename.items = {Item(WC_EDITW, kNameEdit, WS_TABSTOP | WS_BORDER, 8),
                  Item(WC_BUTTONW, kCheck, BS_AUTOCHECKBOX | WS_TABSTOP, 24, L"Keep"),
                  Item(WC_COMBOBOXW, kKinds, CBS_DROPDOWNLIST | WS_TABSTOP, 40),
                  Item(WC_EDITW, kCount, WS_TABSTOP | WS_BORDER, 56),
                  // A control of one of the library's own classes must not take over the dialog's object.
                  Item(AfxRegisterWndClass(0), kCustom, 0, 72),
                  Item(WC_BUTTONW, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 88, L"OK"),
                  Item(WC_BUTTONW, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 104, L"Cancel")};
  RegisterDialogTemplate(kRenameDialog, rename);

  DLGTEMPLATE page;
  page.style = WS_CHILD | WS_VISIBLE | DS_CONTROL;
  page.x = 4;
  page.y = 4;
  page.cx = 100;
  page.cy = 60;
  page.items = {Item(WC_STATICW, 0xFFFF, SS_LEFT, 4, L"Label"), Item(WC_BUTTONW, kPageButton, BS_PUSHBUTTON, 20, L"Go")};
  RegisterDialogTemplate(kPage, page);
}

class RenameDialog : public CDialogEx {
 public:
  explicit RenameDialog(CWnd* parent) : CDialogEx(kRenameDialog, parent) {}

  std::wstring name = L"Box";
  int count = 3;
  int keep = BST_CHECKED;
  int kind = 1;
  CEdit nameEdit;
  CComboBox kinds;
  bool initialised = false;
  CWnd* objectAtInit = nullptr;

  BOOL OnInitDialog() override {
    CDialogEx::OnInitDialog();
    initialised = true;
    objectAtInit = CWnd::FromHandlePermanent(m_hWnd);
    for (const wchar_t* text : {L"Box", L"Sphere", L"Torus"}) kinds.AddString(text);
    kinds.SetCurSel(kind);
    return TRUE;
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, kNameEdit, nameEdit);
    DDX_Control(pDX, kKinds, kinds);
    DDX_Text(pDX, kNameEdit, name);
    DDX_Text(pDX, kCount, count);
    DDX_Check(pDX, kCheck, keep);
    if (pDX->m_bSaveAndValidate) DDX_CBIndex(pDX, kKinds, kind);
  }
};

void PressButton(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring ItemText(HWND dialog, int id) {
  wchar_t buffer[64] = {};
  GetDlgItemTextW(dialog, id, buffer, 64);
  return buffer;
}

TEST_F(DialogTest, ModalDialogExchangesDataThroughTheResponder) {
  RegisterTemplates();
  CWnd owner;
  ASSERT_TRUE(mfctest::CreatePopup(owner));
  owner.ShowWindow(SW_SHOW);
  RenameDialog dialog(&owner);
  bool answered = false;
  winsim::AnswerModalDialog(kRenameDialog, [&](HWND hDlg) {
    answered = true;
    // OnInitDialog has filled the controls; the DDX_Control'd members are the controls' objects.
    EXPECT_EQ(CWnd::FromHandlePermanent(hDlg), &dialog);
    EXPECT_EQ(CWnd::FromHandle(GetDlgItem(hDlg, kNameEdit)), &dialog.nameEdit);
    EXPECT_EQ(CWnd::FromHandle(GetDlgItem(hDlg, kKinds)), &dialog.kinds);
    EXPECT_EQ(ItemText(hDlg, kNameEdit), L"Box");
    EXPECT_EQ(ItemText(hDlg, kCount), L"3");
    EXPECT_EQ(IsDlgButtonChecked(hDlg, kCheck), static_cast<UINT>(BST_CHECKED));
    EXPECT_FALSE(owner.IsWindowEnabled());
    SetDlgItemTextW(hDlg, kNameEdit, L"Sphere01");
    SetDlgItemTextW(hDlg, kCount, L" 12 ");
    CheckDlgButton(hDlg, kCheck, BST_UNCHECKED);
    SendDlgItemMessageW(hDlg, kKinds, CB_SETCURSEL, 2, 0);
    PressButton(hDlg, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(answered);
  EXPECT_TRUE(dialog.initialised);
  EXPECT_EQ(dialog.objectAtInit, &dialog);
  EXPECT_EQ(dialog.name, L"Sphere01");
  EXPECT_EQ(dialog.count, 12);
  EXPECT_EQ(dialog.keep, BST_UNCHECKED);
  EXPECT_EQ(dialog.kind, 2);
  // The window and its subclassed controls are gone and the objects let go of them.
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.nameEdit.m_hWnd, nullptr);
  EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(DialogTest, RejectedNumberKeepsTheDialogOpenAndCancelKeepsTheMembers) {
  RegisterTemplates();
  RenameDialog dialog(nullptr);
  int okPresses = 0;
  winsim::AnswerMessageBox(IDOK, winsim::ModalMatch::Text(L"Please enter an integer."));
  winsim::AnswerModalDialog(kRenameDialog, [&](HWND hDlg) {
    SetDlgItemTextW(hDlg, kCount, L"twelve");
    PressButton(hDlg, IDOK);
    ++okPresses;
    // Still open, with the focus on the rejected field; the members kept their values.
    EXPECT_TRUE(IsWindowVisible(hDlg));
    EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, kCount));
    EXPECT_EQ(dialog.count, 3);
    SetDlgItemTextW(hDlg, kNameEdit, L"Changed");
    PressButton(hDlg, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(okPresses, 1);
  EXPECT_EQ(winsim::PendingModalAnswers(), 0u);
  EXPECT_EQ(dialog.name, L"Box");
  EXPECT_EQ(dialog.count, 3);

  CDialog unknown(4242);
  EXPECT_EQ(unknown.DoModal(), -1);
  EXPECT_FALSE(unknown.Create(4242, nullptr));
}

class Page : public CDialogEx {
 public:
  Page() : CDialogEx(kPage) {}
  int clicks = 0;
  bool initialised = false;
  BOOL OnInitDialog() override {
    initialised = true;
    return CDialogEx::OnInitDialog();
  }

 protected:
  void OnGo() { ++clicks; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Page, CDialogEx)
  ON_BN_CLICKED(kPageButton, &Page::OnGo)
END_MESSAGE_MAP()

TEST_F(DialogTest, ModelessChildPageFromATemplate) {
  RegisterTemplates();
  CWnd host;
  ASSERT_TRUE(mfctest::CreatePopup(host, 300, 200));
  host.ShowWindow(SW_SHOW);
  Page page;
  ASSERT_TRUE(page.Create(kPage, &host));
  EXPECT_TRUE(page.initialised);
  EXPECT_EQ(page.GetParent(), &host);
  EXPECT_TRUE(page.GetStyle() & WS_CHILD);
  EXPECT_TRUE(page.IsWindowVisible());
  EXPECT_EQ(CWnd::FromHandlePermanent(page.m_hWnd), &page);

  // The page's message map handles its controls' notifications.
  page.GetDlgItem(kPageButton)->SendMessage(BM_CLICK);
  EXPECT_EQ(page.clicks, 1);

  // A page paints the colour it was given, and its labels match it.
  page.SetBackgroundColor(RGB(10, 20, 30));
  CRect client;
  page.GetClientRect(&client);
  const winsim::Image image = winsim::CaptureWindow(page.m_hWnd);
  EXPECT_EQ(image.Pixel(client.right - 2, client.bottom - 2), RGB(10, 20, 30));
  HDC hdc = ::GetDC(page.m_hWnd);
  const LRESULT brush = page.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
                                         reinterpret_cast<LPARAM>(page.GetDlgItem(kPageButton)->m_hWnd));
  EXPECT_NE(brush, 0);
  EXPECT_EQ(::GetBkColor(hdc), RGB(10, 20, 30));
  ::ReleaseDC(page.m_hWnd, hdc);

  EXPECT_TRUE(page.DestroyWindow());
  EXPECT_EQ(page.m_hWnd, nullptr);
  EXPECT_FALSE(page.Create(4242, &host));
}

}  // namespace
