#include "common/failure_list.h"

std::wstring FailureListText(const std::wstring& Heading, const std::vector<std::wstring>& Failures) {
  std::wstring text = Heading;
  for (size_t i = 0; i < Failures.size() && i < kFailureLinesShown; ++i) text += L"\r\n" + Failures[i];
  if (Failures.size() > kFailureLinesShown)
    text += L"\r\n... and " + std::to_wstring(Failures.size() - kFailureLinesShown) + L" more.";
  return text;
}
