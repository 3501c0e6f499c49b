#pragma once
// Names each instantiated test after its row's `name`, in gtest and ctest
// output alike.

#include <string>

inline constexpr auto rowname = [](const auto& info) { return std::string(info.param.name); };
