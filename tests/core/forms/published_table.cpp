#include "published_table.h"

#include <fstream>

namespace quillmar::forms::testing {

namespace {

std::vector<std::string> splitCells(std::string_view line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            cells.back().push_back('"');
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.emplace_back();
        } else if (c != '\r') {
            cells.back().push_back(c);
        }
    }
    return cells;
}

} // namespace

std::string_view TableRow::text(std::string_view column) const {
    const auto found = cells.find(column);
    return found == cells.end() ? std::string_view() : std::string_view(found->second);
}

std::vector<TableRow> readPublishedTable(std::string_view fileName) {
    std::ifstream in(std::string(QUILLMAR_TEST_DATA_DIR) + "/" + std::string(fileName));
    std::vector<std::string> columns;
    std::vector<TableRow> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line.front() == '#' || line == "\r") {
            continue;
        }
        std::vector<std::string> cells = splitCells(line);
        if (columns.empty()) {
            columns = std::move(cells);
            continue;
        }
        TableRow row{number, {}};
        for (std::size_t k = 0; k < cells.size() && k < columns.size(); ++k) {
            if (!cells[k].empty()) {
                row.cells[columns[k]] = cells[k];
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace quillmar::forms::testing
