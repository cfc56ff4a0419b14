#include "cli/job_file.h"

#include "cli/join_text.h"
#include "core/controls/control_registry.h"
#include "core/machine/machine_keys.h"
#include "core/quoted_text.h"

#include <cstdint>

namespace quillmar {
namespace {

enum class KeyKind {
    Side,
    Control,
    SequenceNumbers,
    Modin,
    Form,
    Cusp,
    MaxChipArea,
    ZStartFromRunIn,
    Profile,
    Layer,
    StartShift
};

struct ChoiceKey {
    std::string_view name;
    KeyKind kind;
};

// The keys of the dialog's choices, of the thread form, the drawn groove, the roughing
// plan's limit, the Z start from the run-in and how the starts are set apart; the
// machine's figures have their own table; every other key names a field of the field table.
constexpr std::array<ChoiceKey, 11> kChoiceKeys{{
    {"side", KeyKind::Side},
    {"control", KeyKind::Control},
    {"sequenceNumbers", KeyKind::SequenceNumbers},
    {"modin", KeyKind::Modin},
    {"form", KeyKind::Form},
    {"cusp", KeyKind::Cusp},
    {"maxChipArea", KeyKind::MaxChipArea},
    {"zStartFromRunIn", KeyKind::ZStartFromRunIn},
    {"profile", KeyKind::Profile},
    {"layer", KeyKind::Layer},
    {"startShift", KeyKind::StartShift},
}};

const ChoiceKey* findChoiceKey(std::string_view name) {
    for (const ChoiceKey& key : kChoiceKeys) {
        if (key.name == name) {
            return &key;
        }
    }
    return nullptr;
}

std::string_view trimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF. A job file
// saved in a legacy code page is refused rather than read as something else.
bool isUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        int length = 0;
        std::uint32_t min = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, min = 0x80, code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, min = 0x800, code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, min = 0x10000, code = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < static_cast<std::size_t>(length)) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

struct ChoiceValue {
    std::string_view word;
    bool flag;
};

// Looks a choice word up in a two-word table; nullopt when it is neither.
std::optional<bool> chooseWord(std::string_view value, ChoiceValue yes, ChoiceValue no) {
    if (value == yes.word) {
        return yes.flag;
    }
    if (value == no.word) {
        return no.flag;
    }
    return std::nullopt;
}

std::string choiceError(std::string_view key, std::string_view value, std::string_view a,
                        std::string_view b) {
    return joinText(
        {"unknown value ", quotedText(value), " for ", key, " (use ", a, " or ", b, ")"});
}

// The controls' values as a list: "a or b", "a, b or c".
std::string controlValues() {
    std::string list;
    const auto rows = controlRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) {
            list += i + 1 == rows.size() ? " or " : ", ";
        }
        list += rows[i].jobValue;
    }
    return list;
}

// Stores one choice into the run; returns a message when the value is refused.
std::optional<std::string> applyChoice(JobRun& run, const ChoiceKey& key, std::string_view value,
                                       int line) {
    std::optional<bool> flag;
    switch (key.kind) {
    case KeyKind::Form:
        if (value.empty()) {
            return std::string("form needs a thread designation, e.g. form = Tr40x7");
        }
        run.form = std::string(value);
        run.formLine = line;
        return std::nullopt;
    case KeyKind::Profile:
        if (value.empty()) {
            return std::string("profile needs a .groove or .dxf file, or segments such as "
                               "profile = line 1 1; line 2 0");
        }
        run.profile = std::string(value);
        run.profileLine = line;
        return std::nullopt;
    case KeyKind::Layer:
        run.layer = std::string(value);
        return std::nullopt;
    case KeyKind::Cusp:
        run.cusp = std::string(value);
        run.cuspLine = line;
        return std::nullopt;
    case KeyKind::Side:
        if (!(flag = chooseWord(value, {"outer", true}, {"inner", false}))) {
            return choiceError(key.name, value, "outer", "inner");
        }
        run.side = *flag ? Side::Outer : Side::Inner;
        return std::nullopt;
    case KeyKind::Control:
        if (const ControlRow* row = findControl(value)) {
            run.control = row->jobValue;
            return std::nullopt;
        }
        return joinText({"unknown value ", quotedText(value), " for ", key.name, " (use ",
                         controlValues(), ")"});
    case KeyKind::StartShift:
        if (!(flag = chooseWord(value, {"angle", true}, {"z", false}))) {
            return choiceError(key.name, value, "z", "angle");
        }
        run.startShift = *flag ? StartShift::Angle : StartShift::Z;
        return std::nullopt;
    case KeyKind::SequenceNumbers:
    case KeyKind::Modin:
    case KeyKind::ZStartFromRunIn:
        if (!(flag = chooseWord(value, {"on", true}, {"off", false}))) {
            return choiceError(key.name, value, "on", "off");
        }
        (key.kind == KeyKind::Modin             ? run.modin
         : key.kind == KeyKind::ZStartFromRunIn ? run.zStartFromRunIn
                                                : run.sequenceNumbers) = flag;
        return std::nullopt;
    case KeyKind::MaxChipArea:
        run.maxChipArea = std::string(value);
        run.maxChipAreaLine = line;
        return std::nullopt;
    }
    return std::nullopt;
}

class Parser {
public:
    JobFile result;

    // Returns false when the line is refused; result.error then says why.
    bool line(std::string_view text, int number) {
        if (!isUtf8(text)) {
            return fail(number, "not UTF-8 text (save the job file as UTF-8)");
        }
        const std::string_view content = trimBlanks(text);
        if (content.empty() || content.front() == '#') {
            return true;
        }
        if (content == "[run]") {
            // Key lines before the first [run] already form a run of their own, so every
            // [run] starts a new one, even when no key line follows it.
            openRun(number);
            return true;
        }
        return keyLine(content, number);
    }

    void finish() {
        if (!result.error && result.runs.empty()) {
            result.error = JobFileError{0, "holds no run: no key line and no [run] line"};
        }
    }

private:
    void openRun(int number) {
        result.runs.emplace_back();
        result.runs.back().firstLine = number;
    }

    bool keyLine(std::string_view content, int number) {
        const auto equals = content.find('=');
        if (equals == std::string_view::npos) {
            return fail(number, "line without \"=\": expected \"key = value\" or \"[run]\"");
        }
        const std::string_view name = trimBlanks(content.substr(0, equals));
        if (name.empty()) {
            return fail(number, "no key before \"=\"");
        }
        const std::optional<JobField> field = fieldForKey(name);
        const ChoiceKey* choice = findChoiceKey(name);
        const bool machine = isMachineKey(name);
        if (!field && choice == nullptr && !machine) {
            return fail(number, joinText({"unknown key ", quotedText(name)}));
        }
        if (result.runs.empty()) {
            openRun(number);
        }
        const std::string_view value = trimBlanks(content.substr(equals + 1));
        if (machine) {
            MachineProfile scratch;
            if (auto refused = setMachineFigure(scratch, name, value)) {
                return fail(number, *refused);
            }
            result.runs.back().machine.emplace_back(name, value);
            return true;
        }
        if (field) {
            result.runs.back().texts[*field] = std::string(value);
            if (*field == JobField::Starts) {
                result.runs.back().startsLine = number;
            }
            return true;
        }
        const auto refused = applyChoice(result.runs.back(), *choice, value, number);
        if (refused) {
            return fail(number, *refused);
        }
        return true;
    }

    bool fail(int number, std::string message) {
        result.error = JobFileError{number, std::move(message)};
        return false;
    }
};

} // namespace

JobFile parseJobFile(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    Parser parser;
    int number = 0;
    while (!text.empty()) {
        ++number;
        // A line ends in LF, CR LF or a lone CR: job files come from every kind of editor.
        const auto end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && next < text.size() &&
            text[next] == '\n') {
            ++next;
        }
        text.remove_prefix(next);
        if (!parser.line(line, number)) {
            return std::move(parser.result);
        }
    }
    parser.finish();
    return std::move(parser.result);
}

std::string describeJobFileError(std::string_view fileName, const JobFileError& error) {
    const std::string line = error.line > 0 ? joinText({":", std::to_string(error.line)}) : "";
    return joinText({fileName, line, ": ", error.message});
}

} // namespace quillmar
