// After an import: what the file says the registry holds, read back from the registry.
#pragma once

#include "registry/reg_editor.h"
#include "registry/reg_file.h"

// Reads every key File leaves and, in each, every value it writes, in one pass: fills Keys,
// Values, MissingKeys and WrongValues of Result. A value is right when it has the file's type
// and data; text kinds may differ only in NULs at their end, which the editor adds.
void CheckImportedRegFile(const TRegFile& File, TRegImportResult& Result);
