// Published properties by name: every kind, and missing names as answers.
#include <gtest/gtest.h>

#include "gui/ext_ctrls.h"
#include "gui/forms.h"
#include "gui/properties.h"
#include "gui/std_ctrls.h"
#include "gui_test_support.h"

namespace {
// A component with the kinds the framework's controls do not all use yet.
class TSample : public TComponent {
  QS_CLASS(TSample)

 public:
  explicit TSample(TComponent* owner) : TComponent(owner) {}
  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& v) { text_ = v; }
  const std::vector<std::wstring>& Lines() const { return lines_; }
  void SetLines(const std::vector<std::wstring>& v) { lines_ = v; }
  TControl* Buddy() const { return buddy_; }
  void SetBuddy(TControl* v) { buddy_ = v; }

 private:
  std::wstring text_;
  std::vector<std::wstring> lines_;
  TControl* buddy_ = nullptr;
};

const TClassInfo& TSample::StaticClass() {
  static const TClassInfo info(L"TSample", &TComponent::StaticClass(), &CreateInstance<TSample>,
                               {props::Str(L"Text", &TSample::Text, &TSample::SetText, TTypeKind::WString),
                                props::Lines(L"Lines", &TSample::Lines, &TSample::SetLines),
                                props::Ref(L"Buddy", &TSample::Buddy, &TSample::SetBuddy)});
  return info;
}
}  // namespace

TEST(Properties, IntegerAndColourByName) {
  TPanel panel(nullptr);
  ASSERT_TRUE(SetOrdProp(&panel, L"Left", 17));
  EXPECT_EQ(panel.Left(), 17);
  EXPECT_EQ(GetOrdProp(&panel, L"left"), 17);  // names ignore letter case
  ASSERT_TRUE(SetPropValue(&panel, L"Color", L"clWhite"));
  EXPECT_EQ(panel.Color(), clWhite);
  ASSERT_TRUE(SetPropValue(&panel, L"Color", L"$00F4F4F4"));
  EXPECT_EQ(panel.Color(), 0xF4F4F4);
  EXPECT_FALSE(SetPropValue(&panel, L"Color", L"clNoSuchColour"));
}

TEST(Properties, EnumerationByMemberName) {
  TPanel panel(nullptr);
  ASSERT_TRUE(SetEnumProp(&panel, L"Align", L"alTop"));
  EXPECT_EQ(panel.Align(), TAlign::alTop);
  EXPECT_EQ(GetEnumProp(&panel, L"Align"), L"alTop");
  // Boolean is an enumeration of False and True.
  ASSERT_TRUE(SetEnumProp(&panel, L"Visible", L"false"));
  EXPECT_FALSE(panel.Visible());
  EXPECT_EQ(GetEnumProp(&panel, L"Visible"), L"False");
  EXPECT_FALSE(SetEnumProp(&panel, L"Align", L"alMiddle"));
  EXPECT_EQ(panel.Align(), TAlign::alTop);
  // An enumeration read as an ordinal is its index.
  EXPECT_EQ(GetOrdProp(&panel, L"Align"), 1);
}

TEST(Properties, SetByMemberNames) {
  TLabel label(nullptr);
  TObject* font = GetObjectProp(&label, L"Font");
  ASSERT_EQ(font, label.Font());
  ASSERT_TRUE(SetSetProp(font, L"Style", L"[fsBold, fsUnderline]"));
  EXPECT_TRUE(label.Font()->Style().Contains(TFontStyle::fsBold));
  EXPECT_TRUE(label.Font()->Style().Contains(TFontStyle::fsUnderline));
  EXPECT_EQ(GetSetProp(font, L"Style"), L"fsBold,fsUnderline");
  ASSERT_TRUE(SetSetProp(font, L"Style", L""));
  EXPECT_TRUE(label.Font()->Style().Empty());
  EXPECT_FALSE(SetSetProp(font, L"Style", L"[fsBold,fsShiny]"));
  EXPECT_TRUE(label.Font()->Style().Empty());
}

TEST(Properties, StringsWideStringsAndLists) {
  TLabel label(nullptr);
  ASSERT_TRUE(SetStrProp(&label, L"Caption", L"Scan"));
  EXPECT_EQ(label.Caption(), L"Scan");
  EXPECT_EQ(GetStrProp(&label, L"Caption"), L"Scan");
  EXPECT_EQ(GetPropInfo(&label, L"Caption")->Kind, TTypeKind::String);

  TSample sample(nullptr);
  EXPECT_EQ(GetPropInfo(&sample, L"Text")->Kind, TTypeKind::WString);
  ASSERT_TRUE(SetStrProp(&sample, L"Text", L"\u6E05\u7406"));
  EXPECT_EQ(GetStrProp(&sample, L"Text"), L"\u6E05\u7406");
  ASSERT_TRUE(SetStringsProp(&sample, L"Lines", {L"a", L"b"}));
  EXPECT_EQ(GetStringsProp(&sample, L"Lines"), (std::vector<std::wstring>{L"a", L"b"}));
}

TEST(Properties, ObjectReferencesOnlyTakeFittingObjects) {
  TSample sample(nullptr);
  TLabel label(nullptr);
  ASSERT_TRUE(SetObjectProp(&sample, L"Buddy", &label));
  EXPECT_EQ(GetObjectProp(&sample, L"Buddy"), &label);
  TSample other(nullptr);
  EXPECT_FALSE(SetObjectProp(&sample, L"Buddy", &other));  // not a control
  EXPECT_EQ(sample.Buddy(), &label);
  ASSERT_TRUE(SetObjectProp(&sample, L"Buddy", nullptr));
  EXPECT_EQ(sample.Buddy(), nullptr);
  // Owned sub-objects are read, not replaced.
  EXPECT_FALSE(SetObjectProp(&label, L"Font", label.Font()));
}

TEST(Properties, WhetherAnEventIsBound) {
  TPanel panel(nullptr);
  EXPECT_EQ(IsEventBound(&panel, L"OnClick"), false);
  panel.OnClick = [](TObject*) {};
  EXPECT_EQ(IsEventBound(&panel, L"OnClick"), true);
  EXPECT_FALSE(IsEventBound(&panel, L"OnSparkle").has_value());
}

TEST(Properties, MissingPropertiesAreAnswersNotErrors) {
  TPanel panel(nullptr);
  EXPECT_FALSE(IsPublishedProp(&panel, L"Glyph"));
  EXPECT_EQ(GetPropInfo(&panel, L"Glyph"), nullptr);
  EXPECT_FALSE(GetOrdProp(&panel, L"Glyph").has_value());
  EXPECT_FALSE(GetEnumProp(&panel, L"Glyph").has_value());
  EXPECT_FALSE(GetStrProp(&panel, L"Glyph").has_value());
  EXPECT_EQ(GetObjectProp(&panel, L"Glyph"), nullptr);
  EXPECT_FALSE(SetPropValue(&panel, L"Glyph", L"1"));
  // Asking for the wrong kind is an answer too.
  EXPECT_FALSE(GetStrProp(&panel, L"Left").has_value());
  EXPECT_FALSE(GetEnumProp(&panel, L"Left").has_value());
  EXPECT_FALSE(GetOrdProp(nullptr, L"Left").has_value());
}

TEST(Properties, ClassNamesAndIsA) {
  TPanel panel(nullptr);
  TImage image(nullptr);
  EXPECT_EQ(panel.ClassName(), L"TPanel");
  EXPECT_TRUE(panel.InheritsFrom(L"TCustomPanel"));
  EXPECT_TRUE(panel.InheritsFrom(L"twincontrol"));
  EXPECT_TRUE(image.InheritsFrom(L"TGraphicControl"));
  EXPECT_FALSE(image.InheritsFrom(L"TWinControl"));
  EXPECT_EQ(FindClass(L"tbevel"), &TBevel::StaticClass());
  EXPECT_EQ(FindClass(L"TNoSuchControl"), nullptr);
}

TEST(Properties, DescendantPropertiesHideAncestorsInTheFullList) {
  auto all = TLabel::StaticClass().AllProps();
  int tags = 0;
  for (const TPropInfo* p : all) tags += p->Name == L"Tag";
  EXPECT_EQ(tags, 1);
  EXPECT_NE(TLabel::StaticClass().FindProp(L"Transparent"), nullptr);
}
