#pragma once
// Names each instantiated test after its row's `name`, in gtest and ctest
// output alike, and prints a row as its name where gtest would otherwise
// dump its bytes.

#include <ostream>
#include <string>

inline constexpr auto rowname = [](const auto& info) { return std::string(info.param.name); };

namespace {   // the rows' own namespace in each test file, where gtest looks

template <class Row>
    requires requires(const Row& r) { r.name; }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace
