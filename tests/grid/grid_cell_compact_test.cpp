// What cells keep in their compact form: the text copy, the own font with the font object made from it, and
// the tree part's owner, which is the cell itself.
#include <memory>
#include <string>

#include "grid/owned_text.h"
#include "grid/tree_grid_ctrl.h"
#include "grid_fixture.h"

namespace Talvo::testing {
namespace {

struct TextCase {
  const char* name;
  const wchar_t* text;  // null: no text given
  std::wstring shown;
};

class CellTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CellTextTest, ACellShowsACopyOfWhatItWasGiven) {
  const TextCase& sample = GetParam();
  std::wstring given = sample.text != nullptr ? sample.text : L"";
  CGridCell cell;
  cell.SetText(L"an earlier text");
  cell.SetText(sample.text != nullptr ? given.c_str() : nullptr);
  given.assign(given.size(), L'#');  // the caller's buffer changes; the cell keeps its copy
  ASSERT_NE(cell.GetText(), nullptr);
  EXPECT_EQ(std::wstring(cell.GetText()), sample.shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, CellTextTest,
                         ::testing::Values(TextCase{"Short", L"Poly", L"Poly"},
                                           TextCase{"Longer", L"Editable Poly and more", L"Editable Poly and more"},
                                           TextCase{"OtherScripts", L"Ред Δ 編集", L"Ред Δ 編集"},
                                           TextCase{"Empty", L"", L""}, TextCase{"Null", nullptr, L""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OwnedTextTest, ATextCopiedFromItselfStaysAndClearingEmptiesIt) {
  OwnedText text;
  text.Assign(L"Editable Poly");
  text.Assign(text.Get());
  EXPECT_STREQ(text.Get(), L"Editable Poly");
  text.Assign(text.Get() + 9);  // a tail of its own text
  EXPECT_STREQ(text.Get(), L"Poly");
  text.Clear();
  EXPECT_STREQ(text.Get(), L"");
}

using CellFontTest = GridTest;

// The font a GDI font object was made from.
LOGFONTW FontOf(CFont* font) {
  LOGFONTW made{};
  if (font != nullptr) ::GetObjectW(font->GetSafeHandle(), sizeof(made), &made);
  return made;
}

TEST_F(CellFontTest, AnOwnFontIsACopyAndItsFontObjectFollowsIt) {
  CGridCtrl grid;
  CGridCell cell;
  cell.SetGrid(&grid);
  LOGFONTW font = *grid.GetDefaultCell(FALSE, FALSE)->GetFont();
  font.lfHeight = -30;
  cell.SetFont(&font);
  font.lfHeight = -5;  // the caller's structure changes; the cell keeps its copy
  ASSERT_FALSE(cell.IsDefaultFont());
  EXPECT_EQ(cell.GetFont()->lfHeight, -30);
  EXPECT_EQ(FontOf(cell.GetFontObject()).lfHeight, -30);

  cell.SetFont(cell.GetFont());  // given its own font back
  EXPECT_EQ(cell.GetFont()->lfHeight, -30);
  font.lfHeight = -18;
  cell.SetFont(&font);
  EXPECT_EQ(FontOf(cell.GetFontObject()).lfHeight, -18);

  cell.SetFont(nullptr);
  EXPECT_TRUE(cell.IsDefaultFont());
  EXPECT_EQ(cell.GetFontObject(), grid.GetDefaultCell(FALSE, FALSE)->GetFontObject());
}

TEST_F(CellFontTest, ACopiedCellKeepsTheOwnFontAndTextAfterTheSourceGoes) {
  CGridCtrl grid;
  auto source = std::make_unique<CGridCell>();
  source->SetGrid(&grid);
  source->SetText(L"Editable Poly");
  LOGFONTW font = *grid.GetDefaultCell(FALSE, FALSE)->GetFont();
  font.lfWeight = FW_BOLD;
  source->SetFont(&font);
  CGridCell copy;
  copy = *source;
  source.reset();
  EXPECT_STREQ(copy.GetText(), L"Editable Poly");
  ASSERT_FALSE(copy.IsDefaultFont());
  EXPECT_EQ(copy.GetFont()->lfWeight, FW_BOLD);
  EXPECT_EQ(FontOf(copy.GetFontObject()).lfWeight, FW_BOLD);
}

TEST(TreeCellOwnerTest, TheTreePartOfEitherTreeCellBelongsToThatCell) {
  CTreeGridCell plain;
  CTreeGridCellCheck check;
  for (CGridCellBase* cell : {static_cast<CGridCellBase*>(&plain), static_cast<CGridCellBase*>(&check)}) {
    CTreeCell* tree = AsTreeCell(cell);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetOwnerCell(), cell);
  }
}

}  // namespace
}  // namespace Talvo::testing
