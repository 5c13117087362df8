#include "gui/form_reader.h"

#include <cwctype>
#include <fstream>
#include <vector>

#include "base/strings.h"
#include "gui/controls.h"
#include "gui/forms.h"
#include "gui/properties.h"

namespace {

enum class Tok { Ident, String, Integer, Float, Symbol, End };

struct Token {
  Tok kind = Tok::End;
  std::wstring text;  // identifier, string value or symbol
  long long value = 0;
  int line = 1;
};

class Lexer {
 public:
  Lexer(const std::wstring& text, const std::wstring& source) : s_(text), source_(source) {}

  [[noreturn]] void Fail(int line, const std::wstring& message) const {
    throw EFormError(source_ + L"(" + IntToStr(line) + L"): " + message);
  }

  Token Next() {
    SkipBlanks();
    Token t;
    t.line = line_;
    if (pos_ >= s_.size()) return t;
    wchar_t c = s_[pos_];
    if (std::iswalpha(c) || c == L'_') {
      size_t start = pos_;
      while (pos_ < s_.size() && (std::iswalnum(s_[pos_]) || s_[pos_] == L'_')) ++pos_;
      t.kind = Tok::Ident;
      t.text = s_.substr(start, pos_ - start);
      return t;
    }
    if (c == L'\'' || c == L'#') return ReadString(t);
    if (std::iswdigit(c) || c == L'$') return ReadNumber(t);
    t.kind = Tok::Symbol;
    t.text = std::wstring(1, c);
    ++pos_;
    return t;
  }

 private:
  void SkipBlanks() {
    while (pos_ < s_.size()) {
      wchar_t c = s_[pos_];
      if (c == L'\n') {
        ++line_;
        ++pos_;
      } else if (c <= L' ' || c == 0xFEFF) {
        ++pos_;
      } else if (c == L'/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == L'/') {
        while (pos_ < s_.size() && s_[pos_] != L'\n') ++pos_;
      } else {
        break;
      }
    }
  }

  // 'text' with '' for a quote, and #nnn (or #$hex) character codes, joined without blanks.
  Token ReadString(Token& t) {
    t.kind = Tok::String;
    while (pos_ < s_.size() && (s_[pos_] == L'\'' || s_[pos_] == L'#')) {
      if (s_[pos_] == L'\'') {
        ++pos_;
        for (;;) {
          if (pos_ >= s_.size() || s_[pos_] == L'\n') Fail(t.line, L"unterminated string");
          if (s_[pos_] == L'\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == L'\'') {
              t.text += L'\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          t.text += s_[pos_++];
        }
      } else {
        ++pos_;
        bool hex = pos_ < s_.size() && s_[pos_] == L'$';
        if (hex) ++pos_;
        size_t start = pos_;
        unsigned long code = 0;
        while (pos_ < s_.size() && (hex ? std::iswxdigit(s_[pos_]) : std::iswdigit(s_[pos_]))) {
          code = code * (hex ? 16 : 10) + (std::iswdigit(s_[pos_]) ? s_[pos_] - L'0' : (std::towupper(s_[pos_]) - L'A' + 10));
          if (code > 0x10FFFF) Fail(t.line, L"character code out of range");
          ++pos_;
        }
        if (pos_ == start) Fail(t.line, L"'#' without a character code");
        if (code > 0xFFFF) {
          code -= 0x10000;
          t.text += static_cast<wchar_t>(0xD800 + (code >> 10));
          t.text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        } else {
          t.text += static_cast<wchar_t>(code);
        }
      }
    }
    return t;
  }

  Token ReadNumber(Token& t) {
    size_t start = pos_;
    t.kind = Tok::Integer;
    if (s_[pos_] == L'$') {
      ++pos_;
      while (pos_ < s_.size() && std::iswxdigit(s_[pos_])) ++pos_;
      if (pos_ == start + 1 || pos_ - start > 9) Fail(t.line, L"invalid hexadecimal number");
      t.value = static_cast<long long>(std::stoull(s_.substr(start + 1, pos_ - start - 1), nullptr, 16));
      return t;
    }
    while (pos_ < s_.size() && std::iswdigit(s_[pos_])) ++pos_;
    if (pos_ < s_.size() && s_[pos_] == L'.' && pos_ + 1 < s_.size() && std::iswdigit(s_[pos_ + 1])) {
      ++pos_;
      while (pos_ < s_.size() && std::iswdigit(s_[pos_])) ++pos_;
      t.kind = Tok::Float;
      t.text = s_.substr(start, pos_ - start);
      return t;
    }
    if (pos_ - start > 10) Fail(t.line, L"number too large");
    t.value = std::stoll(s_.substr(start, pos_ - start));
    return t;
  }

  const std::wstring& s_;
  std::wstring source_;
  size_t pos_ = 0;
  int line_ = 1;
};

class Reader {
 public:
  Reader(TCustomForm* root, const std::wstring& text, const std::wstring& source, const TFormFileSource& files)
      : root_(root), lex_(text, source), files_(files) {
    Advance();
  }

  void Read() {
    ReadObject(nullptr);
    if (tok_.kind != Tok::End) Fail(L"text after the final 'end'");
    for (const Fixup& f : fixups_) {
      TComponent* target = SameText(f.name, root_->Name()) ? root_ : root_->FindComponent(f.name);
      if (!target) lex_.Fail(f.line, L"no component named " + f.name);
      if (!f.prop->IsA(target)) lex_.Fail(f.line, f.name + L" does not fit property " + f.prop->Name);
      f.prop->SetObj(f.object, target);
    }
    // Every component is complete now; each finishes its own set-up, the form first.
    for (TComponent* c : loaded_) c->Loaded();
  }

 private:
  struct Fixup {
    TObject* object;
    const TPropInfo* prop;
    std::wstring name;
    int line;
  };

  [[noreturn]] void Fail(const std::wstring& message) const { lex_.Fail(tok_.line, message); }

  void Advance() { tok_ = lex_.Next(); }

  bool IsSymbol(const wchar_t* s) const { return tok_.kind == Tok::Symbol && tok_.text == s; }
  bool IsWord(const wchar_t* w) const { return tok_.kind == Tok::Ident && SameText(tok_.text, w); }

  void Expect(const wchar_t* symbol) {
    if (!IsSymbol(symbol)) Fail(std::wstring(L"'") + symbol + L"' expected" + Found());
    Advance();
  }

  std::wstring Found() const {
    switch (tok_.kind) {
      case Tok::End: return L" but the file ends";
      case Tok::Ident: return L" but found " + tok_.text;
      case Tok::Symbol: return L" but found '" + tok_.text + L"'";
      case Tok::Integer: return L" but found " + IntToStr(tok_.value);
      case Tok::String: return L" but found a string";
      default: return L"";
    }
  }

  std::wstring ExpectIdent(const wchar_t* what) {
    if (tok_.kind != Tok::Ident) Fail(std::wstring(what) + L" expected" + Found());
    std::wstring s = tok_.text;
    Advance();
    return s;
  }

  void ReadObject(TComponent* parent) {
    if (!IsWord(L"object")) Fail(L"'object' expected" + Found());
    Advance();
    int line = tok_.line;
    std::wstring name = ExpectIdent(L"component name");
    Expect(L":");
    std::wstring className = ExpectIdent(L"class name");
    TComponent* component = nullptr;
    if (!parent) {
      if (!SameText(className, root_->ClassName()))
        lex_.Fail(line, L"the form is " + root_->ClassName() + L" but the file describes " + className);
      component = root_;
      component->BeginLoading();
      component->SetName(name);
    } else {
      component = Create(parent, name, className, line);
    }
    loaded_.push_back(component);
    while (!IsWord(L"end")) {
      if (tok_.kind == Tok::End) Fail(L"'end' of " + name + L" missing");
      if (IsWord(L"object"))
        ReadObject(component);
      else
        ReadProperty(component, name);
    }
    Advance();
  }

  TComponent* Create(TComponent* parent, const std::wstring& name, const std::wstring& className, int line) {
    const TClassInfo* cls = FindClass(className);
    if (!cls) lex_.Fail(line, L"unknown class " + className);
    if (!cls->Factory()) lex_.Fail(line, L"class " + className + L" cannot be created from a form");
    if (root_->FindComponent(name)) lex_.Fail(line, L"a component named " + name + L" already exists");
    TComponent* c = cls->Factory()(root_);
    c->BeginLoading();
    c->SetName(name);
    if (!c->SetParentComponent(parent)) lex_.Fail(line, className + L" cannot be placed on " + parent->Name());
    if (const TFormTable* table = root_->FormTable())
      if (const TFormEntry* field = table->FindField(name)) {
        if (!cls->InheritsFrom(*field->FieldClass))
          lex_.Fail(line, L"field " + name + L" is a " + field->FieldClass->Name() + L", not a " + className);
        field->SetField(root_, c);
      }
    return c;
  }

  // One "Name = value" line of an object (a component or a collection item called `owner`).
  void ReadProperty(TObject* object, const std::wstring& owner) {
    int line = tok_.line;
    std::vector<std::wstring> path{ExpectIdent(L"property name")};
    while (IsSymbol(L".")) {
      Advance();
      path.push_back(ExpectIdent(L"property name"));
    }
    Expect(L"=");
    if (path.size() == 2 && SameText(path[1], L"Strings")) {
      // "Lines.Strings = (...)" fills the string-list property Lines.
      const TPropInfo* p = GetPropInfo(object, path[0]);
      if (p && p->Kind == TTypeKind::Strings) {
        p->SetLines(object, ReadLines());
        return;
      }
    }
    // Walk to the object that holds the last name ("Font.Style" sets Style on the font).
    TObject* holder = object;
    std::wstring shown = path[0];
    for (size_t i = 0; i + 1 < path.size(); ++i) {
      const TPropInfo* p = GetPropInfo(holder, path[i]);
      if (!p) lex_.Fail(line, L"unknown property " + shown + L" of " + owner);
      if (i + 2 == path.size() && SameText(path[i + 1], L"File")) {
        ReadFile(holder, p, line);
        return;
      }
      if (p->Kind != TTypeKind::Class || p->SetObj) lex_.Fail(line, shown + L" has no properties of its own");
      holder = p->GetObj(holder);
      shown += L"." + path[i + 1];
    }
    const TPropInfo* p = GetPropInfo(holder, path.back());
    if (!p) lex_.Fail(line, L"unknown property " + shown + L" of " + owner);
    ReadValue(holder, p, shown, line);
  }

  // "<Picture>.File = 'path'": the bytes of a file go into a binary property, or into the
  // "Data" of an object property (a picture).
  void ReadFile(TObject* holder, const TPropInfo* p, int line) {
    if (tok_.kind != Tok::String) Fail(L"file name expected");
    std::wstring path = ReadString();
    const TPropInfo* target = p;
    TObject* object = holder;
    if (p->Kind == TTypeKind::Class && !p->SetObj) {
      object = p->GetObj(holder);
      target = GetPropInfo(object, L"Data");
    }
    if (!target || target->Kind != TTypeKind::Binary) lex_.Fail(line, p->Name + L" cannot be read from a file");
    try {
      target->SetData(object, files_(path));
    } catch (const Exception& e) {
      lex_.Fail(line, path + L": " + e.Message());
    }
  }

  std::wstring ReadString() {
    if (tok_.kind != Tok::String) Fail(L"string expected" + Found());
    std::wstring s = tok_.text;
    Advance();
    // Parts joined with '+' (long texts wrap over lines); parts written side by side without
    // blanks ('a'#13#10'b') are one token already.
    while (IsSymbol(L"+")) {
      Advance();
      if (tok_.kind != Tok::String) Fail(L"string expected after '+'" + Found());
      s += tok_.text;
      Advance();
    }
    return s;
  }

  std::vector<std::wstring> ReadLines() {
    Expect(L"(");
    std::vector<std::wstring> lines;
    while (!IsSymbol(L")")) lines.push_back(ReadString());
    Advance();
    return lines;
  }

  // "< item Name = value ... end item ... end >": the collection gets exactly these items.
  void ReadCollection(TCollection* collection, const std::wstring& shown) {
    Expect(L"<");
    collection->BeginUpdate();
    collection->Clear();
    while (!IsSymbol(L">")) {
      if (!IsWord(L"item")) Fail(L"'item' or '>' expected" + Found());
      Advance();
      TCollectionItem* item = collection->Add();
      std::wstring owner = shown + L"[" + IntToStr(item->Index()) + L"]";
      while (!IsWord(L"end")) {
        if (tok_.kind == Tok::End) Fail(L"'end' of " + owner + L" missing");
        ReadProperty(item, owner);
      }
      Advance();
    }
    Advance();
    collection->EndUpdate();
  }

  long long ReadInteger() {
    bool negative = false;
    if (IsSymbol(L"-")) {
      negative = true;
      Advance();
    }
    if (tok_.kind != Tok::Integer) Fail(L"integer expected" + Found());
    long long v = tok_.value;
    Advance();
    return negative ? -v : v;
  }

  void ReadValue(TObject* holder, const TPropInfo* p, const std::wstring& shown, int line) {
    switch (p->Kind) {
      case TTypeKind::Integer: {
        if (tok_.kind == Tok::Ident) {
          int v = 0;
          if (!p->Idents || !p->Idents->ToInt(tok_.text, v)) Fail(L"invalid value " + tok_.text + L" for " + shown);
          Advance();
          p->SetOrd(holder, v);
        } else {
          long long v = ReadInteger();
          if (v < INT32_MIN || v > UINT32_MAX) lex_.Fail(line, L"value out of range for " + shown);
          p->SetOrd(holder, static_cast<int32_t>(static_cast<uint32_t>(v)));  // $FF000000 colours wrap
        }
        return;
      }
      case TTypeKind::Enumeration: {
        std::wstring member = ExpectIdent(L"value");
        int index = p->Enum->IndexOf(member);
        if (index < 0) lex_.Fail(line, L"invalid value " + member + L" for " + shown);
        p->SetOrd(holder, index);
        return;
      }
      case TTypeKind::Set: {
        Expect(L"[");
        uint32_t bits = 0;
        while (!IsSymbol(L"]")) {
          std::wstring member = ExpectIdent(L"set member");
          int index = p->Enum->IndexOf(member);
          if (index < 0 || index >= 32) lex_.Fail(line, L"invalid member " + member + L" for " + shown);
          bits |= 1u << index;
          if (IsSymbol(L",")) Advance();
          else if (!IsSymbol(L"]")) Fail(L"',' or ']' expected" + Found());
        }
        Advance();
        p->SetOrd(holder, bits);
        return;
      }
      case TTypeKind::String:
      case TTypeKind::WString:
        p->SetStr(holder, ReadString());
        return;
      case TTypeKind::Strings:
        p->SetLines(holder, ReadLines());
        return;
      case TTypeKind::Class: {
        if (!p->SetObj) {
          auto* collection = dynamic_cast<TCollection*>(p->GetObj(holder));
          if (collection && IsSymbol(L"<")) {
            ReadCollection(collection, shown);
            return;
          }
          lex_.Fail(line, shown + L" cannot be assigned; set its properties");
        }
        std::wstring name = ExpectIdent(L"component name");
        fixups_.push_back(Fixup{holder, p, name, line});
        return;
      }
      case TTypeKind::Method: {
        std::wstring name = ExpectIdent(L"handler name");
        const TFormTable* table = root_->FormTable();
        const TFormEntry* handler = table ? table->FindHandler(name) : nullptr;
        if (!handler) lex_.Fail(line, L"no handler " + name + L" in " + root_->ClassName());
        if (*handler->EventType != *p->EventType) lex_.Fail(line, L"handler " + name + L" does not fit " + shown);
        p->Bind(holder, handler->MakeHandler(root_));
        return;
      }
      case TTypeKind::Binary:
        lex_.Fail(line, shown + L" is read from a file: write " + shown + L".File = '...'");
    }
  }

  TCustomForm* root_;
  Lexer lex_;
  const TFormFileSource& files_;
  Token tok_;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

// The name qs_add_forms gives a resource: upper case, everything but A-Z and 0-9 made '_'.
std::wstring ResourceName(const std::wstring& name) {
  std::wstring r = UpperCase(name);
  for (auto& c : r)
    if (!((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9'))) c = L'_';
  return r;
}

}  // namespace

void ReadForm(TCustomForm* form, const std::wstring& text, const std::wstring& sourceName,
              const TFormFileSource& files) {
  Reader(form, text, sourceName, files).Read();
}

TBytes LoadResourceData(const std::wstring& name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC res = FindResourceW(module, ResourceName(name).c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = res ? LoadResource(module, res) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw EFormError(L"Resource " + name + L" not found");
  const auto* p = static_cast<const uint8_t*>(bytes);
  return TBytes(p, p + SizeofResource(module, res));
}

TFormFileSource ResourceFileSource() {
  return [](const std::wstring& path) { return LoadResourceData(path); };
}

TFormFileSource FolderFileSource(const std::wstring& folder) {
  return [folder](const std::wstring& path) {
    std::wstring full = folder + L"\\" + path;
    for (auto& c : full)
      if (c == L'/') c = L'\\';
    std::ifstream in(full.c_str(), std::ios::binary);
    if (!in) throw Exception(L"cannot open " + full);
    return TBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
}

void ReadFormFromResource(TCustomForm* form) { ReadFormFromResource(form, ResourceFileSource()); }

void ReadFormFromResource(TCustomForm* form, const TFormFileSource& files) {
  TBytes data = LoadResourceData(form->ClassName());
  std::wstring text = Utf8ToWide(std::string(data.begin(), data.end()));
  ReadForm(form, text, form->ClassName(), files);
}
