// The form reader: nesting, property order, bindings, values, pictures, and clear errors.
#include <gtest/gtest.h>

#include <fstream>

#include "base/strings.h"
#include "gui/ext_ctrls.h"
#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui/timer.h"
#include "gui_test_support.h"

namespace {
// Records the order in which its properties arrive and what it saw at Loaded().
class TRecorder : public TComponent {
  QS_CLASS(TRecorder)

 public:
  explicit TRecorder(TComponent* owner) : TComponent(owner) {}
  int First() const { return first_; }
  void SetFirst(int v) {
    first_ = v;
    log.push_back(L"First");
  }
  int Second() const { return second_; }
  void SetSecond(int v) {
    second_ = v;
    log.push_back(L"Second");
  }
  TControl* Buddy() const { return buddy_; }
  void SetBuddy(TControl* v) { buddy_ = v; }
  const std::vector<std::wstring>& Lines() const { return lines_; }
  void SetLines(const std::vector<std::wstring>& v) { lines_ = v; }
  void Loaded() override {
    TComponent::Loaded();
    // Loaded runs after the whole form: the label that comes later in the file is there.
    std::wstring caption = Owner() ? static_cast<TLabel*>(Owner()->FindComponent(L"lblLast"))->Caption() : L"";
    log.push_back(L"Loaded:" + caption);
  }
  std::vector<std::wstring> log;

 private:
  int first_ = 0, second_ = 0;
  TControl* buddy_ = nullptr;
  std::vector<std::wstring> lines_;
};

const TClassInfo& TRecorder::StaticClass() {
  static const TClassInfo info(L"TRecorder", &TComponent::StaticClass(), &CreateInstance<TRecorder>,
                               {props::Int(L"First", &TRecorder::First, &TRecorder::SetFirst),
                                props::Int(L"Second", &TRecorder::Second, &TRecorder::SetSecond),
                                props::Ref(L"Buddy", &TRecorder::Buddy, &TRecorder::SetBuddy),
                                props::Lines(L"Lines", &TRecorder::Lines, &TRecorder::SetLines)});
  return info;
}

class TfrmSample : public TForm {
  QS_FORM(TfrmSample)

 public:
  explicit TfrmSample(TComponent* owner) : TForm(owner) {}
  TPanel* pnlMain = nullptr;
  TLabel* lblTitle = nullptr;
  TRecorder* rec = nullptr;
  void lblTitleClick(TObject* Sender) { clicks.push_back(static_cast<TComponent*>(Sender)->Name()); }
  void pnlMainMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) { clicks.push_back(L"down"); }
  void FormClose(TObject*, TCloseAction& Action) { Action = TCloseAction::caNone; }
  std::vector<std::wstring> clicks;
};

QS_FORM_IMPL(TfrmSample, TForm, QS_FIELD(pnlMain), QS_FIELD(lblTitle), QS_FIELD(rec), QS_HANDLER(lblTitleClick),
             QS_HANDLER(pnlMainMouseDown), QS_HANDLER(FormClose))

class TfrmResource : public TForm {
  QS_FORM(TfrmResource)

 public:
  explicit TfrmResource(TComponent* owner) : TForm(owner) { LoadForm(); }
  TImage* imgLogo = nullptr;
  TImage* imgIcon = nullptr;
};

QS_FORM_IMPL(TfrmResource, TForm, QS_FIELD(imgLogo), QS_FIELD(imgIcon))

const TFormFileSource kNoFiles = [](const std::wstring& path) -> TBytes {
  throw Exception(L"no file " + path);
};

const wchar_t kSample[] =
    L"object frmSample: TfrmSample\n"                                 // 1
    L"  Caption = 'It''s ' + #$4E2D'x'#13#10\n"                       // 2
    L"  Color = $00F4F4F4\n"                                          // 3
    L"  Font.Name = 'Tahoma'\n"                                       // 4
    L"  Font.Style = [fsBold, fsUnderline]\n"                         // 5
    L"  OnClose = FormClose\n"                                        // 6
    L"  object pnlMain: TPanel\n"                                     // 7
    L"    Left = 10\n"                                                // 8
    L"    Width = 300\n"                                              // 9
    L"    Color = clWhite\n"                                          // 10
    L"    BevelOuter = bvNone\n"                                      // 11
    L"    OnMouseDown = pnlMainMouseDown\n"                           // 12
    L"    object lblTitle: TLabel\n"                                  // 13
    L"      Left = 4\n"                                               // 14
    L"      Caption = 'Scan'\n"                                       // 15
    L"      Cursor = crHandPoint\n"                                   // 16
    L"      Transparent = True\n"                                     // 17
    L"      OnClick = lblTitleClick\n"                                // 18
    L"    end\n"                                                      // 19
    L"  end\n"                                                        // 20
    L"  object rec: TRecorder\n"                                      // 21
    L"    Second = 2\n"                                               // 22
    L"    First = -1\n"                                               // 23
    L"    Buddy = lblLast\n"                                          // 24
    L"    Lines.Strings = (\n"                                        // 25
    L"      'one'\n"                                                  // 26
    L"      'two' + ' halves')\n"                                     // 27
    L"  end\n"                                                        // 28
    L"  object lblLast: TLabel\n"                                     // 29
    L"    Caption = 'last'\n"                                         // 30
    L"    OnClick = lblTitleClick\n"                                  // 31
    L"  end\n"                                                        // 32
    L"end\n";
}  // namespace

TEST(FormReader, BuildsTheNestedComponentsInFileOrder) {
  TfrmSample form(nullptr);
  ReadForm(&form, kSample, L"sample.dfm", kNoFiles);
  EXPECT_EQ(form.Name(), L"frmSample");
  EXPECT_EQ(form.Caption(), L"It's \u4E2Dx\r\n");
  EXPECT_EQ(form.Color(), 0xF4F4F4);
  ASSERT_NE(form.pnlMain, nullptr);
  ASSERT_NE(form.lblTitle, nullptr);
  EXPECT_EQ(form.pnlMain->Parent(), &form);
  EXPECT_EQ(form.lblTitle->Parent(), form.pnlMain);
  EXPECT_EQ(form.lblTitle->Owner(), &form);  // the form owns everything in its file
  EXPECT_EQ(form.pnlMain->Color(), clWhite);
  EXPECT_EQ(form.pnlMain->BevelOuter(), TBevelCut::bvNone);
  EXPECT_EQ(form.lblTitle->Cursor(), crHandPoint);
  EXPECT_TRUE(form.lblTitle->Transparent());
  // The form's font is set before the children come, and they take it.
  EXPECT_EQ(form.lblTitle->Font()->Name(), L"Tahoma");
  EXPECT_TRUE(form.lblTitle->Font()->Style().Contains(TFontStyle::fsUnderline));
  ASSERT_EQ(form.ComponentCount(), 4);
  EXPECT_EQ(form.Components(0), form.pnlMain);
  EXPECT_EQ(form.Components(3)->Name(), L"lblLast");
}

TEST(FormReader, PropertiesArriveInFileOrderAndLoadedComesLast) {
  TfrmSample form(nullptr);
  ReadForm(&form, kSample, L"sample.dfm", kNoFiles);
  ASSERT_NE(form.rec, nullptr);
  EXPECT_EQ(form.rec->log, (std::vector<std::wstring>{L"Second", L"First", L"Loaded:last"}));
  EXPECT_EQ(form.rec->First(), -1);
  EXPECT_FALSE(form.rec->IsLoading());
  EXPECT_FALSE(form.IsLoading());
  EXPECT_EQ(form.rec->Lines(), (std::vector<std::wstring>{L"one", L"two halves"}));
  // A reference to a component further down the file is resolved once all are read.
  EXPECT_EQ(form.rec->Buddy(), form.FindComponent(L"lblLast"));
}

TEST(FormReader, EventsAreBoundByNameToTheFormsHandlers) {
  TfrmSample form(nullptr);
  ReadForm(&form, kSample, L"sample.dfm", kNoFiles);
  form.lblTitle->Click();
  static_cast<TLabel*>(form.FindComponent(L"lblLast"))->Click();
  form.pnlMain->MouseDown(TMouseButton::mbLeft, {}, 1, 1);
  EXPECT_EQ(form.clicks, (std::vector<std::wstring>{L"lblTitle", L"lblLast", L"down"}));
  TCloseAction action = TCloseAction::caHide;
  ASSERT_TRUE(form.OnClose);
  form.OnClose(&form, action);
  EXPECT_EQ(action, TCloseAction::caNone);
}

TEST(FormReader, PicturesComeFromReferencedFiles) {
  TBytes png = LoadResourceData(L"pics/dot.png");
  TBytes bmp = LoadResourceData(L"PICS/BOX.BMP");  // resource names ignore letter case
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"qs_form_reader_test";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\main").c_str(), nullptr);
  for (auto& [name, data] : {std::pair<std::wstring, TBytes>{L"\\main\\dot.png", png}, {L"\\main\\box.bmp", bmp}}) {
    std::ofstream out((folder + name).c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  }
  TfrmSample form(nullptr);
  ReadForm(&form,
           L"object frmSample: TfrmSample\n"
           L"  object img1: TImage\n"
           L"    AutoSize = True\n"
           L"    Picture.File = 'main/dot.png'\n"
           L"  end\n"
           L"  object img2: TImage\n"
           L"    Stretch = True\n"
           L"    Picture.File = 'main/box.bmp'\n"
           L"  end\n"
           L"end\n",
           L"pictures.dfm", FolderFileSource(folder));
  auto* img1 = static_cast<TImage*>(form.FindComponent(L"img1"));
  auto* img2 = static_cast<TImage*>(form.FindComponent(L"img2"));
  ASSERT_TRUE(img1 && img2);
  EXPECT_TRUE(img1->Picture()->Graphic()->InheritsFrom(L"TPngImage"));
  EXPECT_EQ(img1->Width(), 3);  // AutoSize
  EXPECT_EQ(img1->Height(), 2);
  EXPECT_TRUE(img2->Picture()->Graphic()->InheritsFrom(L"TBitmap"));
  EXPECT_EQ(img2->Width(), 105);  // stretched, not resized
  DeleteFileW((folder + L"\\main\\dot.png").c_str());
  DeleteFileW((folder + L"\\main\\box.bmp").c_str());
  RemoveDirectoryW((folder + L"\\main").c_str());
  RemoveDirectoryW(folder.c_str());
}

TEST(FormReader, APictureMissingFromTheResourcesIsAnErrorNamingTheLine) {
  TfrmSample form(nullptr);
  try {
    ReadForm(&form, L"object f: TfrmSample\n  object i: TImage\n    Picture.File = 'pics/none.png'\n  end\nend\n",
             L"res.dfm", ResourceFileSource());
    ADD_FAILURE() << "no error";
  } catch (const EFormError& e) {
    EXPECT_EQ(e.Message(), L"res.dfm(3): pics/none.png: Resource pics/none.png not found");
  }
}

TEST(FormReader, FormClassesLoadTheirCompiledResource) {
  TfrmResource form(nullptr);
  EXPECT_EQ(form.Name(), L"frmResource");
  EXPECT_EQ(form.Caption(), L"From the resources");
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsSingle);
  // ClientWidth is applied after the border style, whatever the order in the file.
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.ClientHeight(), 200);
  form.Handle();
  RECT r;
  GetClientRect(form.Handle(), &r);
  EXPECT_EQ(r.right, 300);
  EXPECT_EQ(r.bottom, 200);
  ASSERT_NE(form.imgLogo, nullptr);
  EXPECT_EQ(form.imgLogo->Width(), 3);
  EXPECT_TRUE(form.imgIcon->Picture()->Graphic()->InheritsFrom(L"TIcon"));
}

TEST(FormReader, BadFilesGiveAnErrorNamingTheLine) {
  struct Case {
    const wchar_t* text;
    const wchar_t* expected;  // the start of the message
  } cases[] = {
      {L"object f: TfrmSample\n  Width = 10\n  Nonsense = 3\nend\n", L"bad.dfm(3): unknown property Nonsense"},
      {L"object f: TfrmOther\nend\n", L"bad.dfm(1): the form is TfrmSample but the file describes TfrmOther"},
      {L"object f: TfrmSample\n  object x: TNoSuchThing\n  end\nend\n", L"bad.dfm(2): unknown class TNoSuchThing"},
      {L"object f: TfrmSample\n\n  Align = alMiddle\nend\n", L"bad.dfm(3): invalid value alMiddle for Align"},
      {L"object f: TfrmSample\n  Caption = 'open\nend\n", L"bad.dfm(2): unterminated string"},
      {L"object f: TfrmSample\n  OnClose = NoSuchHandler\nend\n", L"bad.dfm(2): no handler NoSuchHandler"},
      {L"object f: TfrmSample\n  OnClick = FormClose\nend\n", L"bad.dfm(2): handler FormClose does not fit OnClick"},
      {L"object f: TfrmSample\n  object pnlMain: TLabel\n  end\nend\n", L"bad.dfm(2): field pnlMain is a TPanel"},
      {L"object f: TfrmSample\n  Font.Style = [fsBold, fsShiny]\nend\n", L"bad.dfm(2): invalid member fsShiny"},
      {L"object f: TfrmSample\n  Left = 1\n", L"bad.dfm(3): 'end' of f missing"},
      {L"object f: TfrmSample\n  object t: TTimer\n    object l: TLabel\n    end\n  end\nend\n",
       L"bad.dfm(3): TLabel cannot be placed on t"},
      {L"object f: TfrmSample\n  object r: TRecorder\n    Buddy = nobody\n  end\nend\n",
       L"bad.dfm(3): no component named nobody"},
      {L"object f: TfrmSample\n  Width 10\nend\n", L"bad.dfm(2): '=' expected but found 10"},
      {L"object f: TfrmSample\n  Font = 3\nend\n", L"bad.dfm(2): Font cannot be assigned"},
      {L"object f: TfrmSample\nend\nend\n", L"bad.dfm(3): text after the final 'end'"},
      {L"object f: TfrmSample\n  Caption = #\nend\n", L"bad.dfm(2): '#' without a character code"},
      {L"object f: TfrmSample\n  object i: TImage\n    Picture.File = 'x.png'\n  end\nend\n",
       L"bad.dfm(3): x.png: no file x.png"},
      // Collections: items of the right form only, each property known to the item's class.
      {L"object f: TfrmSample\n  object lv: TListView\n    Columns = <\n      item\n        Wide = 3\n      end>\n"
       L"  end\nend\n",
       L"bad.dfm(5): unknown property Wide of Columns[0]"},
      {L"object f: TfrmSample\n  object lv: TListView\n    Columns = <\n      column\n      end>\n  end\nend\n",
       L"bad.dfm(4): 'item' or '>' expected but found column"},
      {L"object f: TfrmSample\n  object lv: TListView\n    Columns = <\n      item\n        Width = 3\n",
       L"bad.dfm(6): 'end' of Columns[0] missing"},
  };
  for (const Case& c : cases) {
    TfrmSample form(nullptr);
    try {
      ReadForm(&form, c.text, L"bad.dfm", kNoFiles);
      ADD_FAILURE() << "no error for: " << WideToUtf8(c.text);
    } catch (const EFormError& e) {
      EXPECT_EQ(e.Message().rfind(c.expected, 0), 0u) << WideToUtf8(e.Message());
    }
  }
}
