// Form files the build stores packed: a name that ends in ".lzh" names a file packed as the
// stored skin is (its unpacked size, then the LZHUF stream), so a large picture costs the
// program's image and memory a fraction of its size until a form reads it.
#pragma once

#include "gui/form_reader.h"

// What files gives, with every ".lzh" file unpacked; a damaged one raises Exception.
TFormFileSource UnpackingFileSource(TFormFileSource files);
