// The WMI calls on System Restore (root\default, class SystemRestore). Each connects anew, as the
// page calls them seldom; every failure of COM or WMI is a result, never an exception.
#pragma once

#include <string>
#include <vector>

#include "tools/restore/restore_points.h"

// What a SystemRestore method returned. A call that failed, or that returned no value, did not
// succeed: only a value of 0 is success.
struct TWmiCallResult {
  bool HasValue = false;
  int Value = 0;
  bool Succeeded() const { return HasValue && Value == 0; }
};

// Appends every restore point to Points (rows without a positive sequence number are none); false when the query failed or ended early (the points
// read until then are kept).
bool QueryRestorePoints(std::vector<TSystemRestoreItem>& Points);

// SystemRestore.CreateRestorePoint(Description, 0, 100): a point set before a system change.
TWmiCallResult CreateSystemRestorePoint(const std::wstring& Description);

// SystemRestore.Restore(SequenceNumber): the machine goes back to that point when it restarts.
TWmiCallResult RestoreSystemToPoint(int SequenceNumber);
