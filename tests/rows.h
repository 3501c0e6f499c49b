#pragma once
// Parameter rows that carry a `name`: that name labels the test in gtest
// and ctest output instead of a dump of the row's bytes.

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>

namespace {

template <class Row>
concept Named = requires(const Row& r) {
    { r.name } -> std::convertible_to<const char*>;
};

template <Named Row>
std::ostream& operator<<(std::ostream& os, const Row& r)
{
    return os << r.name;
}

/// Names each instantiated test after its row.
struct RowName {
    template <Named Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

} // namespace
