// Edits, memos and combo boxes: text and lines kept in step with the window both ways, limits,
// and which user actions fire OnChange and OnSelect.
#include <gtest/gtest.h>

#include "gui/edits.h"
#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui_test_support.h"

namespace {

void Type(HWND wnd, const std::wstring& text) {
  for (wchar_t c : text) SendMessageW(wnd, WM_CHAR, c, 1);
}

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.SetBounds(0, 0, 400, 300);
    form_.Show();
  }
  template <class T>
  T* Place() {
    T* c = new T(&form_);
    c->SetParent(&form_);
    return c;
  }
  TForm form_{nullptr};
};

}  // namespace

TEST_F(EditTest, TypingAndCodeKeepTheTextInStep) {
  struct Case {
    const char* name;
    std::function<void(TEdit*)> setup;
    const wchar_t* typed;
    const wchar_t* text;
    int changes;
  };
  const Case cases[] = {
      {"plain", [](TEdit*) {}, L"abc", L"abc", 3},
      {"limited", [](TEdit* e) { e->SetMaxLength(2); }, L"abc", L"ab", 2},
      {"read-only", [](TEdit* e) { e->SetReadOnly(true); }, L"abc", L"", 0},
      {"password", [](TEdit* e) { e->SetPasswordChar(L'*'); }, L"pw", L"pw", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEdit* edit = Place<TEdit>();
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    c.setup(edit);
    Type(edit->Handle(), c.typed);
    EXPECT_EQ(edit->Text(), c.text);
    EXPECT_EQ(changes, c.changes);
    edit->SetText(L"set in code");
    EXPECT_EQ(WindowText(edit->Handle()), L"set in code");
    EXPECT_EQ(changes, c.changes + 1);
  }
  TEdit* hidden = Place<TEdit>();
  hidden->SetPasswordChar(L'#');
  EXPECT_EQ(SendMessageW(hidden->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'#');
}

TEST_F(EditTest, MemoLinesFollowTheWindowBothWays) {
  TMemo* memo = Place<TMemo>();
  memo->Lines().Add(L"first");
  memo->Lines().Add(L"second");
  EXPECT_EQ(WindowText(memo->Handle()), L"first\r\nsecond");
  // Typing at the end: a line break and a third line.
  SendMessageW(memo->Handle(), EM_SETSEL, 100, 100);
  Type(memo->Handle(), L"\rthird");
  ASSERT_EQ(memo->Lines().Count(), 3);
  EXPECT_EQ(memo->Lines()[2], L"third");
  memo->Lines().Delete(0);
  memo->Lines().Put(0, L"2nd");
  memo->Lines().Insert(2, L"last");
  EXPECT_EQ(WindowText(memo->Handle()), L"2nd\r\nthird\r\nlast");
  EXPECT_EQ(memo->Text(), L"2nd\r\nthird\r\nlast");
  memo->SetText(L"one\r\ntwo");
  EXPECT_EQ(memo->LinesList(), (std::vector<std::wstring>{L"one", L"two"}));
  memo->Lines().Clear();
  EXPECT_EQ(WindowText(memo->Handle()), L"");
  EXPECT_THROW(memo->Lines().Delete(0), Exception);
}

TEST_F(EditTest, MemoStylesFollowScrollBarsAndWordWrap) {
  TMemo* memo = Place<TMemo>();
  memo->Lines().Add(L"kept across new windows");
  struct Case {
    TScrollStyle bars;
    bool wrap;
    LONG_PTR on, off;
  };
  const Case cases[] = {{TScrollStyle::ssNone, true, ES_MULTILINE, WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL},
                        {TScrollStyle::ssVertical, true, WS_VSCROLL, WS_HSCROLL},
                        {TScrollStyle::ssBoth, false, WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL, 0},
                        {TScrollStyle::ssHorizontal, true, 0, WS_HSCROLL | WS_VSCROLL}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.bars));
    memo->SetScrollBars(c.bars);
    memo->SetWordWrap(c.wrap);
    LONG_PTR style = GetWindowLongPtrW(memo->Handle(), GWL_STYLE);
    EXPECT_EQ(style & c.on, c.on);
    EXPECT_EQ(style & c.off, 0);
    EXPECT_EQ(WindowText(memo->Handle()), L"kept across new windows");
  }
}

TEST_F(EditTest, FormFilesFillLinesAndItems) {
  ReadForm(&form_,
           L"object Form1: TForm\n"
           L"  object mmo: TMemo\n"
           L"    Lines.Strings = (\n"
           L"      'one'\n"
           L"      'two')\n"
           L"  end\n"
           L"  object cbo: TComboBox\n"
           L"    Style = csDropDownList\n"
           L"    Items.Strings = (\n"
           L"      'red'\n"
           L"      'green')\n"
           L"    ItemIndex = 1\n"
           L"  end\n"
           L"end\n",
           L"edits.dfm", nullptr);
  auto* memo = dynamic_cast<TMemo*>(form_.FindComponent(L"mmo"));
  auto* combo = dynamic_cast<TComboBox*>(form_.FindComponent(L"cbo"));
  ASSERT_TRUE(memo && combo);
  EXPECT_EQ(WindowText(memo->Handle()), L"one\r\ntwo");
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), L"green");
}

TEST_F(EditTest, ComboBoxEventsComeFromTheUserOnly) {
  for (bool withSelect : {true, false}) {
    SCOPED_TRACE(withSelect);
    TComboBox* combo = Place<TComboBox>();
    combo->Items().Assign({L"alpha", L"beta", L"gamma"});
    std::string events;
    combo->OnChange = [&](TObject*) { events += "C"; };
    if (withSelect) combo->OnSelect = [&](TObject*) { events += "S"; };
    HWND edit = FindWindowExW(combo->Handle(), nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    struct Step {
      const char* what;
      std::function<void()> act;
      int index;
      const wchar_t* text;
      const char* events;  // with OnSelect set; without it every S is a C
    };
    const Step steps[] = {
        {"index in code", [&] { combo->SetItemIndex(1); }, 1, L"beta", ""},
        {"key down", [&] { SendMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0); }, 2, L"gamma", "S"},
        {"text in code", [&] { combo->SetText(L"free"); }, -1, L"free", "S"},
        {"typed", [&] { Type(edit, L"!"); }, -1, nullptr, "SC"},
        {"items cleared", [&] { combo->Items().Clear(); }, -1, nullptr, "SC"},
    };
    std::string expected;
    for (const Step& s : steps) {
      SCOPED_TRACE(s.what);
      s.act();
      if (s.index >= 0 || s.text) {
        EXPECT_EQ(combo->ItemIndex(), s.index);
      }
      if (s.text) {
        EXPECT_EQ(combo->Text(), s.text);
        EXPECT_EQ(WindowText(combo->Handle()), s.text);
      }
      std::string want = s.events;
      if (!withSelect)
        for (char& e : want)
          if (e == 'S') e = 'C';
      EXPECT_EQ(events, want);
    }
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 0);
  }
}

TEST_F(EditTest, DropDownListTextChoosesAnItemAndTheListHasRoom) {
  TComboBox* combo = Place<TComboBox>();
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  combo->Items().Assign({L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h", L"i", L"j", L"k", L"l"});
  combo->SetText(L"C");
  EXPECT_EQ(combo->ItemIndex(), 2);
  auto droppedHeight = [&] {
    RECT r = {};
    SendMessageW(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r.bottom - r.top;
  };
  combo->SetDropDownCount(4);
  int four = droppedHeight();
  combo->SetDropDownCount(10);
  int ten = droppedHeight();
  int item = static_cast<int>(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(ten - four, 6 * item);
  EXPECT_LT(combo->Height(), four);  // the control itself keeps its closed height
}
