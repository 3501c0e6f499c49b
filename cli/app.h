#pragma once
// velkor-cli as a function of its arguments, so that tests run it in-process.

#include <iosfwd>
#include <string>
#include <vector>

namespace velkor::cli {

/// Exit statuses.
enum Status : int {
    ok = 0,
    nodesign = 1,   ///< a value has no design, or its design leaves the range of a double
    usage = 2,      ///< an unknown option, a value that is not a number, a bad range
    unwritten = 3,  ///< the results could not be written, in whole or in part
};

/// Runs the command line on `args` (without the program name): writes the
/// results to `out`, or a message naming the argument to `err` and nothing
/// to `out`. Returns the exit status; `out` failing to take the results,
/// or to flush them, is `unwritten`, with the reason on `err`.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace velkor::cli
