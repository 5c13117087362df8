// The browser's own history and cache.
#pragma once

#include <functional>

// Clears the browser's URL history through its history object. Raises Exception when the object
// cannot be created; false when it refuses to clear (Wine's object does not implement it).
bool ClearUrlHistory();

// Deletes every entry of the current user's URL cache.
void PurgeUrlCache();

// Seam for tests: what the handler of the browser history calls instead of ClearUrlHistory.
// nullptr restores it.
void SetUrlHistoryClearerForTesting(std::function<bool()> clearer);
// The clearer the handler calls (ClearUrlHistory unless a test replaced it).
bool ClearUrlHistoryThroughSeam();
