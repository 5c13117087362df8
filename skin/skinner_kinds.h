// The skinner kinds of the engine, one registration row each: the kind's skinner class name, how
// its skinner is made and how it takes part in its control's painting. The discovery decides a
// kind for each control (control_discovery.h); MakeSkinner makes it from the kind's row. A new
// skinner joins the engine with its row here (and its kind in TSkinnerKind).
#pragma once

#include <string>
#include <vector>

#include "skin/control_discovery.h"

class TComponent;
class TSkinControl;

// How a skinner takes part in the painting of its control's window.
enum class TPaintPolicy {
  Instead,  // it paints the window in place of the control (the base answers WM_PAINT with DrawSkin)
  Over,     // the control paints, then the skinner paints over what it drew
  Nothing,  // the control paints itself: the skinner erases, lends pictures or skins other windows
};

using TSkinnerFactory = TSkinControl* (*)(TComponent* owner, const TSkinDecision& decision);

struct TSkinnerRow {
  TSkinnerKind Kind;
  const wchar_t* Name;  // the skinner's class name
  TSkinnerFactory Make;
  TPaintPolicy Paint;
};

// Every kind's row (None has none).
const std::vector<TSkinnerRow>& SkinnerRows();
// The kind's row; nullptr for None.
const TSkinnerRow* FindSkinnerRow(TSkinnerKind kind);
// The row of a skinner class by its class name; nullptr for a skinner that is part of another
// kind's (the list view's header, the combo box's list bars).
const TSkinnerRow* FindSkinnerRowByName(const std::wstring& className);
// A new skinner of that kind owned by owner (the control, or the window skinner for a plain
// window), set up as the decision says; nullptr for None.
TSkinControl* MakeSkinner(TSkinnerKind kind, TComponent* owner, const TSkinDecision& decision);
