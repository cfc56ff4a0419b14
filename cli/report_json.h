#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace quillmar {

// The report's JSON as values, members in the order they were added.
using ReportJson = nlohmann::ordered_json;

// The report's layout, for people and diff tools alike: the top object's members one a
// line, an array of the top object one element a line, an object of the top object
// one member a line, everything deeper on one line ({"a": 1, "b": [2, 3]}). Numbers as
// plain number text (17, not 17.0); texts escaped by the library.
std::string reportJsonText(const ReportJson& report);

} // namespace quillmar
