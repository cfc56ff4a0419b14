#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::forms::testing {

// One row of a published table: its line in the file and its cells by column name.
struct TableRow {
    int line = 0;
    std::map<std::string, std::string, std::less<>> cells;

    // The cell's text; empty where the row leaves the column out.
    std::string_view text(std::string_view column) const;
};

// Reads a CSV file of tests/core/forms/data: lines starting with '#' name the standard,
// table and page the rows come from; the first other line names the columns. A cell may
// be quoted ("M24x1,5") to hold a comma. An unreadable file gives no rows.
std::vector<TableRow> readPublishedTable(std::string_view fileName);

} // namespace quillmar::forms::testing
