// The seeded problems of the whole-road tests (scan, back up, clean, restore) and the snapshot
// of the registry branches they live in. The seeds carry what real registries hold: shared-DLL
// value names that are long paths, key paths beyond 255 characters, Chinese names and data, and
// RunOnceEx entries of both roots, beside data of every type that must come back exactly.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "registry/scan/reg_scan_engine.h"
#include "scan_fixture.h"

// Every key (as "path\") and value (as "path\:name" = type and bytes) of a subtree.
using TRegSnapshot = std::map<std::wstring, std::pair<DWORD, std::vector<BYTE>>>;
void SnapshotKey(HKEY Root, const std::wstring& Path, TRegSnapshot& Out);

// The categories whose scanners find the seeds.
extern const int32_t kRoadCategories[3];
// How many records the seeds give.
constexpr size_t kRoadProblemCount = 11;

// Seeds the problems (and a present program that must stay) through Fx.
void SeedRoadProblems(TScanFixture& Fx);
// The branches the seeds live in, as they are now.
TRegSnapshot RoadBranches();
// The records of Items that are seeds of Fx.
std::vector<TRegItem*> RoadRecords(const TRegItemList& Items, const std::wstring& Tag);
