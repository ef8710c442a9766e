// Label: a static that paints its own text in the host's colours. A positive height gives it a bold
// header font of that pixel height (a page's level or subcategory title); otherwise it uses the host's
// interface font. SS_RIGHT and SS_CENTER align the text; a disabled label paints it fainter.
#pragma once

#include <afxwin.h>

#include <string>

namespace Talvo {

class Label : public CStatic {
  DECLARE_DYNAMIC(Label)
 public:
  Label();
  ~Label() override;

  // Stores the text (also as the window text) and repaints.
  void SetText(const std::wstring& text);
  // Paints no text until the next SetText; the stored text stays.
  void EraseText();
  const std::wstring& GetText() const { return text_; }

  // The header font height in pixels; 0 for the host font.
  int height = 0;

 protected:
  void PreSubclassWindow() override;
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  std::wstring text_;
  bool erased_ = false;
  CFont headerFont_;
  int headerFontHeight_ = 0;
};

}  // namespace Talvo
