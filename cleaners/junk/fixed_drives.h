// The fixed drives the junk cleaner offers for scanning.
#pragma once

// DiskDrivers := every fixed drive in letter order, selected, captioned with its volume label (or
// "本地磁盘") and its letter, with its total size and the bytes free to the user (0 when unknown).
// Removable, network, CD and RAM drives are never listed.
void LoadFixedDrives();
