// The skinner classes the engine has, by kind. The discovery decides a kind for each control
// (control_discovery.h); this table makes the skinner. A kind whose skinner is not built yet has
// no entry here: such a control is decided and then attached nothing, and MakeSkinner says so.
#pragma once

#include "skin/control_discovery.h"

class TComponent;
class TSkinControl;

// A new skinner of that kind owned by owner (the control, or the window skinner for a plain
// window), set up as the decision says; nullptr for a kind that is not built yet.
TSkinControl* MakeSkinner(TSkinnerKind kind, TComponent* owner, const TSkinDecision& decision);
// Whether MakeSkinner makes that kind.
bool SkinnerKindBuilt(TSkinnerKind kind);
