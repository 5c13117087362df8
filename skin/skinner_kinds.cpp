#include "skin/skinner_kinds.h"

#include "skin/skin_control.h"

namespace {

using TSkinnerFactory = TSkinControl* (*)(TComponent* owner, const TSkinDecision& decision);

struct TKindEntry {
  TSkinnerKind Kind;
  TSkinnerFactory Make;
};

// One line per built skinner class. Every kind missing here is still to be built: its
// controls stay native (the discovery's decision is kept, nothing pretends to draw).
const TKindEntry kBuiltKinds[] = {
    {TSkinnerKind::None, nullptr},
};

const TKindEntry* Find(TSkinnerKind kind) {
  for (const TKindEntry& e : kBuiltKinds)
    if (e.Kind == kind && e.Make) return &e;
  return nullptr;
}

}  // namespace

TSkinControl* MakeSkinner(TSkinnerKind kind, TComponent* owner, const TSkinDecision& decision) {
  const TKindEntry* entry = Find(kind);
  if (!entry) return nullptr;
  TSkinControl* skinner = entry->Make(owner, decision);
  skinner->Mode = decision.Mode;
  return skinner;
}

bool SkinnerKindBuilt(TSkinnerKind kind) { return Find(kind) != nullptr; }
