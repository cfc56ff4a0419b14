#include "cli/report_json.h"

#include "core/plain_number_text.h"

namespace quillmar {

namespace {

std::string inlineText(const ReportJson& value) {
    if (value.is_number_float()) {
        return plainNumberText(value.get<double>());
    }
    if (value.is_object()) {
        std::string text = "{";
        for (auto member = value.begin(); member != value.end(); ++member) {
            text += (member == value.begin() ? "" : ", ") + ReportJson(member.key()).dump() + ": " +
                    inlineText(member.value());
        }
        return text + "}";
    }
    if (value.is_array()) {
        std::string text = "[";
        for (std::size_t i = 0; i < value.size(); ++i) {
            text += (i == 0 ? "" : ", ") + inlineText(value[i]);
        }
        return text + "]";
    }
    return value.dump();
}

// A member of the top object: a list or an object opens one line per element.
std::string memberText(const ReportJson& value) {
    if (value.empty() || !(value.is_array() || value.is_object())) {
        return inlineText(value);
    }
    std::string text = value.is_array() ? "[" : "{";
    bool first = true;
    for (auto element = value.begin(); element != value.end(); ++element) {
        text += first ? "\n    " : ",\n    ";
        if (value.is_object()) {
            text += ReportJson(element.key()).dump() + ": ";
        }
        text += inlineText(*element);
        first = false;
    }
    return text + (value.is_array() ? "\n  ]" : "\n  }");
}

} // namespace

std::string reportJsonText(const ReportJson& report) {
    std::string text = "{";
    bool first = true;
    for (auto member = report.begin(); member != report.end(); ++member) {
        text += first ? "\n  " : ",\n  ";
        text += ReportJson(member.key()).dump() + ": " + memberText(member.value());
        first = false;
    }
    return text + "\n}\n";
}

} // namespace quillmar
