// A page declares its tree in a form file: columns, header, options, colours and handlers.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "gui/form_reader.h"
#include "gui/form_table.h"
#include "gui/properties.h"
#include "gui_test_support.h"
#include "tree_fixture.h"

namespace {
class TfrmTreePage : public TForm {
  QS_FORM(TfrmTreePage)

 public:
  explicit TfrmTreePage(TComponent* owner) : TForm(owner) {}
  TVirtualStringTree* vst = nullptr;
  void vstGetText(TBaseVirtualTree* Sender, PVirtualNode Node, TColumnIndex Column, TVSTTextType TextType,
                  std::wstring& CellText) {
    CellText = L"text";
  }
  void vstInitNode(TBaseVirtualTree* Sender, PVirtualNode ParentNode, PVirtualNode Node,
                   TVirtualNodeInitStates& InitialStates) {
    Node->CheckType = TCheckType::ctTriStateCheckBox;
  }
  void vstChecked(TBaseVirtualTree* Sender, PVirtualNode Node) { ++checks; }
  int checks = 0;
};

QS_FORM_IMPL(TfrmTreePage, TForm, QS_FIELD(vst), QS_HANDLER(vstGetText), QS_HANDLER(vstInitNode),
             QS_HANDLER(vstChecked))

const TFormFileSource kNoFiles = [](const std::wstring& path) -> TBytes { throw Exception(L"no file " + path); };
}  // namespace

TEST(TreeForm, AFormFileDescribesTheTreeWithItsColumnsAndHandlers) {
  TfrmTreePage form(nullptr);
  ReadForm(&form,
           L"object frmTreePage: TfrmTreePage\n"
           L"  object vst: TVirtualStringTree\n"
           L"    Width = 564\n"
           L"    DefaultNodeHeight = 21\n"
           L"    DrawSelectionMode = smBlendedRectangle\n"
           L"    Colors.FocusedSelectionColor = 14932172\n"
           L"    Header.Options = [hoVisible, hoColumnResize]\n"
           L"    Header.MainColumn = 0\n"
           L"    Header.Columns = <\n"
           L"      item\n"
           L"        Text = 'Category'\n"
           L"        Width = 312\n"
           L"      end\n"
           L"      item\n"
           L"        Alignment = taCenter\n"
           L"        Text = 'Problems'\n"
           L"        Width = 120\n"
           L"      end\n"
           L"      item\n"
           L"        Options = [coVisible]\n"
           L"        Text = 'Cleaned'\n"
           L"        Width = 120\n"
           L"      end>\n"
           L"    TreeOptions.PaintOptions = [toShowHorzGridLines, toShowVertGridLines]\n"
           L"    TreeOptions.SelectionOptions = [toFullRowSelect]\n"
           L"    OnGetText = vstGetText\n"
           L"    OnInitNode = vstInitNode\n"
           L"    OnChecked = vstChecked\n"
           L"  end\n"
           L"end\n",
           L"tree.dfm", kNoFiles);
  ASSERT_NE(form.vst, nullptr);
  TVirtualTreeColumns* columns = form.vst->Header()->Columns();
  ASSERT_EQ(columns->Count(), 3);
  EXPECT_EQ(columns->Items(0)->Text(), L"Category");
  EXPECT_EQ(columns->Items(1)->Alignment(), TAlignment::taCenter);
  EXPECT_EQ(columns->Items(2)->Width(), 120);
  EXPECT_FALSE(columns->Items(2)->Options().Contains(TVTColumnOption::coResizable));
  EXPECT_EQ(columns->TotalWidth(), 552);
  EXPECT_TRUE(form.vst->Header()->Visible());
  EXPECT_EQ(form.vst->DefaultNodeHeight(), 21);
  EXPECT_EQ(form.vst->Colors()->FocusedSelectionColor(), 14932172);
  EXPECT_TRUE(form.vst->TreeOptions()->Has(TVTSelectionOption::toFullRowSelect));
  EXPECT_FALSE(form.vst->TreeOptions()->Has(TVTPaintOption::toShowRoot));
  form.vst->SetRootNodeCount(16);
  EXPECT_EQ(form.vst->Text(form.vst->GetFirst(), 1), L"text");
  form.vst->SetCheckState(form.vst->GetFirst(), TCheckState::csCheckedNormal);
  EXPECT_EQ(form.checks, 1);
}

TEST(TreeForm, ThePropertiesTheSkinEngineReadsArePublished) {
  TreeFixture f;
  EXPECT_EQ(f.tree->ClassName(), L"TVirtualStringTree");
  wchar_t cls[64] = {};
  GetClassNameW(f.tree->Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TVirtualStringTree");
  EXPECT_TRUE(f.tree->InheritsFrom(L"TBaseVirtualTree"));
  EXPECT_EQ(GetEnumProp(f.tree, L"BorderStyle"), std::optional<std::wstring>(L"bsNone"));
  EXPECT_TRUE(SetEnumProp(f.tree, L"BorderStyle", L"bsSingle"));
  EXPECT_TRUE(GetWindowLongPtrW(f.tree->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetOrdProp(f.tree, L"Color"), std::optional<int64_t>(clWindow));
  EXPECT_EQ(IsEventBound(f.tree, L"OnGetText"), std::optional<bool>(false));
  EXPECT_NE(FindClass(L"TVirtualDrawTree"), nullptr);
}
