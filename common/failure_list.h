#pragma once
// The text of a box that says what failed: a heading, then one line per failure. Long lists are
// cut after kFailureLinesShown lines with a count of the rest, so the box still fits the screen.
#include <string>
#include <vector>

constexpr size_t kFailureLinesShown = 15;

std::wstring FailureListText(const std::wstring& Heading, const std::vector<std::wstring>& Failures);
