// One-click maintenance's areas reach each other's things: the registry area's MRU records lie in
// keys an evidence item empties, the evidence item for prefetch files empties a folder the junk
// area lists. What the user left unticked in any area stays, whichever area reaches it.
#pragma once

#include <vector>

#include "cleaners/evidence/history_handlers.h"
#include "cleaners/fixes/fix_lists.h"
#include "cleaners/junk/waste_lists.h"
#include "common/kept_items.h"
#include "registry/scan/reg_scan_engine.h"

// The unticked rows of one run: registry records that are not selected (excluded ones too), junk
// files not selected, evidence items not checked (what their handlers clear, folders found
// through Sink) and file associations not ticked (FileSelected, one per row of FileItems).
TKeptItems UntickedRows(const TRegItemList& RegItems, const TWasteFileList& JunkFiles, const THistorySink& Sink,
                        const std::vector<TFileItem>& FileRows, const std::vector<bool>& FileSelected);

// Unticks the registry records and junk files whose deletion would take something kept. Gives
// how many it unticked.
int UntickKeptRows(const TKeptItems& Kept, TRegItemList& RegItems, TWasteFileList& JunkFiles);
