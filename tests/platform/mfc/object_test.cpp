#include <gtest/gtest.h>

#include <memory>

#include "afxwin.h"

namespace {

// A small hierarchy like the program's pages: a dialog-like base, two kinds of page.
class PageBase : public CWnd {
  DECLARE_DYNAMIC(PageBase)
};
class EditorPage : public PageBase {
  DECLARE_DYNCREATE(EditorPage)
};
class ViewerPage : public PageBase {
  DECLARE_DYNCREATE(ViewerPage)
};

IMPLEMENT_DYNAMIC(PageBase, CWnd)
IMPLEMENT_DYNCREATE(EditorPage, PageBase)
IMPLEMENT_DYNCREATE(ViewerPage, PageBase)

TEST(RuntimeClass, NamesAndBaseChains) {
  EXPECT_STREQ(RUNTIME_CLASS(EditorPage)->m_lpszClassName, "EditorPage");
  EXPECT_TRUE(RUNTIME_CLASS(EditorPage)->IsDerivedFrom(RUNTIME_CLASS(PageBase)));
  EXPECT_TRUE(RUNTIME_CLASS(EditorPage)->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
  EXPECT_TRUE(RUNTIME_CLASS(EditorPage)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(RUNTIME_CLASS(EditorPage)->IsDerivedFrom(RUNTIME_CLASS(ViewerPage)));
  EXPECT_FALSE(RUNTIME_CLASS(PageBase)->IsDerivedFrom(RUNTIME_CLASS(EditorPage)));
  EXPECT_EQ(RUNTIME_CLASS(CFrameWnd)->m_pBaseClass, RUNTIME_CLASS(CWnd));
}

TEST(RuntimeClass, KindChecksThroughABasePointer) {
  EditorPage editor;
  ViewerPage viewer;
  CWnd* pages[] = {&editor, &viewer};
  EXPECT_TRUE(pages[0]->IsKindOf(RUNTIME_CLASS(EditorPage)));
  EXPECT_TRUE(pages[0]->IsKindOf(RUNTIME_CLASS(PageBase)));
  EXPECT_FALSE(pages[1]->IsKindOf(RUNTIME_CLASS(EditorPage)));
  EXPECT_EQ(DYNAMIC_DOWNCAST(EditorPage, pages[0]), &editor);
  EXPECT_EQ(DYNAMIC_DOWNCAST(EditorPage, pages[1]), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(EditorPage, static_cast<CWnd*>(nullptr)), nullptr);
}

TEST(RuntimeClass, DynamicCreationByClassAndByName) {
  std::unique_ptr<CObject> made(RUNTIME_CLASS(ViewerPage)->CreateObject());
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(ViewerPage)));

  std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject(L"EditorPage"));
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(byName->GetRuntimeClass(), RUNTIME_CLASS(EditorPage));

  // Only DYNCREATE classes can be made; unknown names make nothing.
  EXPECT_EQ(RUNTIME_CLASS(PageBase)->CreateObject(), nullptr);
  EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
}

TEST(Exceptions, ThrownAsPointers) {
  try {
    AfxThrowInvalidArgException();
    FAIL() << "nothing thrown";
  } catch (CException* e) {
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
    e->Delete();
  }
}

}  // namespace
