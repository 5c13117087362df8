// Reads text form files: the components of a form, their properties in file order, event
// bindings through the form's table, pictures and binary data from referenced files.
#pragma once

#include <functional>
#include <string>

#include "base/exception.h"
#include "gui/pictures.h"

class TCustomForm;

// A form file that cannot be read; the message names the file and the line.
class EFormError : public Exception {
 public:
  using Exception::Exception;
};

// Gives the bytes of a file that a form references ("Picture.File = 'main/banner.png'").
using TFormFileSource = std::function<TBytes(const std::wstring& path)>;

// Files compiled into the program's resources by qs_add_forms (RCDATA named after the path:
// 'main/banner.png' is MAIN_BANNER_PNG).
TFormFileSource ResourceFileSource();
// Files below a folder (tests, tools).
TFormFileSource FolderFileSource(const std::wstring& folder);

// Reads form text into `form`: the root object's class must be the form's class. Throws
// EFormError "<sourceName>(<line>): <problem>" on a bad file.
void ReadForm(TCustomForm* form, const std::wstring& text, const std::wstring& sourceName,
              const TFormFileSource& files);
// Reads the RCDATA resource named after the form's class, in UTF-8, with the files it names
// from the resources, or from `files`.
void ReadFormFromResource(TCustomForm* form);
void ReadFormFromResource(TCustomForm* form, const TFormFileSource& files);
// The bytes of the RCDATA resource that qs_add_forms made for a name (a class or a path);
// throws EFormError when it is missing.
TBytes LoadResourceData(const std::wstring& name);
