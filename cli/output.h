#pragma once
// The command line's output formats. Text repeats the window's captions;
// CSV and JSON carry the numbers themselves, each written as the shortest
// text that reads back as the same double.

#include "calc.h"
#include "summary.h"

#include <string>

namespace velkor::cli {

enum class Format { text, csv, json };

/// One evaluated value: its inputs and everything worked out from them.
struct Row {
    Inputs in;
    Evaluation e;
};

/// The CSV header line, column names joining the JSON keys with underscores
/// and numbering array elements from 1 ("pi_theoretical_ohm_1").
void csvheader(std::string& out);
/// One CSV line per row.
void csvrow(std::string& out, const Row& r);

/// One JSON object on one line, without a line feed.
void jsonobject(std::string& out, const Row& r);

} // namespace velkor::cli
