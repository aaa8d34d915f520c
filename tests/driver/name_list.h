#pragma once

#include <string>
#include <string_view>
#include <vector>

// Windows compares file names without regard to case; folding ASCII letters covers the names tests use.
std::string FoldedName(std::string_view name);

// Sorted by folded name, so two lists read alike in a message.
std::vector<std::string> SortedNames(std::vector<std::string> names);

// The same names, whatever their order and case.
bool SameNames(const std::vector<std::string>& a, const std::vector<std::string>& b);

// `a, b, c`, or `nothing` for an empty list.
std::string JoinNames(const std::vector<std::string>& names);
