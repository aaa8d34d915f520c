#include "name_list.h"

#include <algorithm>

std::string FoldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

std::vector<std::string> SortedNames(std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return FoldedName(a) < FoldedName(b); });
  return names;
}

bool SameNames(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  if (a.size() != b.size()) return false;
  std::vector<std::string> folded_a, folded_b;
  for (const std::string& name : a) folded_a.push_back(FoldedName(name));
  for (const std::string& name : b) folded_b.push_back(FoldedName(name));
  std::sort(folded_a.begin(), folded_a.end());
  std::sort(folded_b.begin(), folded_b.end());
  return folded_a == folded_b;
}

std::string JoinNames(const std::vector<std::string>& names) {
  if (names.empty()) return "nothing";
  std::string text;
  for (const std::string& name : names) {
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}
