#include "app/sections.h"

namespace {
constexpr int C = kCollapsedGroupHeight;
constexpr int K = kKeepHeight;

const std::array<TSectionInfo, kSectionCount> kSections = {{
    {L"Home", L"btnHome", -1},
    {L"Clean Center", L"btnClean", 0},
    {L"Optimizer Center", L"btnOptimizer", 1},
    {L"Advanced Tools", L"btnTools", 2},
    {L"Backup Center", L"btnBack", 3},
    {L"Settings", L"btnSettings", -1},
    {L"Results", L"btnResults", -1},
    {L"1-Click Maintenance", L"btnOneClick", -1},
}};

// Expanded heights: the header (32) plus 28 per feature button that is meant to show.
const std::array<std::array<int, kGroupCount>, kSectionCount> kGroupHeights = {{
    {C, C, C, C},
    {144, C, C, C},
    {C, 144, C, C},
    {C, C, 200, C},
    {C, C, K, 144},
    {K, K, K, K},
    {K, K, K, K},
    {C, C, C, C},
}};
}  // namespace

const std::array<const wchar_t*, kGroupCount> kGroupPanels = {L"p_Clean", L"p_optimizer", L"p_tools",
                                                              L"p_back"};

const TSectionInfo& SectionInfo(int section) { return kSections.at(section); }

const std::array<int, kGroupCount>& GroupHeightsFor(int section) { return kGroupHeights.at(section); }
