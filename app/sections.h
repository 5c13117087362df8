#pragma once
// The eight navigation sections of the main window and what selecting each one does to the
// collapsible button groups of the navigation column.
#include <array>

constexpr int kSectionCount = 8;
constexpr int kGroupCount = 4;
constexpr int kCollapsedGroupHeight = 32;  // a collapsed group shows only its header button
constexpr int kKeepHeight = -1;            // the group keeps the height it has

struct TSectionInfo {
    const wchar_t* Name;          // shown in the banner
    const wchar_t* HeaderButton;  // the navigation button that stays down while selected
    int Group;                    // index into kGroupPanels, or -1 for a section without a group
};

// Component names of the group panels, top to bottom.
extern const std::array<const wchar_t*, kGroupCount> kGroupPanels;

// Section 0..kSectionCount-1.
const TSectionInfo& SectionInfo(int section);

// Heights the group panels get when `section` is selected (kKeepHeight: left as it is;
// the previous group has been collapsed already).
const std::array<int, kGroupCount>& GroupHeightsFor(int section);
