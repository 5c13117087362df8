// Sending files to the Recycle Bin through the shell.
#pragma once

#include <string>
#include <vector>

// Moves the named files (never folders) into the Recycle Bin in one shell operation, without
// asking, showing progress or the shell's error box; their attributes go with them. True when the
// shell reports success and was not aborted; an empty list does nothing and succeeds.
bool RecycleFiles(const std::vector<std::wstring>& Files);
