#pragma once

#include "core/program_output.h"

#include <string>
#include <string_view>

namespace quillmar {

// The two panes held as plain text, for work without a window: quillmar-gen, the
// tests and the benchmarks. Counts every change, so
// that a caller can tell whether a press wrote anything.
class TextPanes : public OutputPanes {
public:
    std::string paneText(Pane pane) const override { return textOf(pane); }
    void setPaneText(Pane pane, const std::string& text) override {
        textOf(pane) = text;
        ++changes;
        changed(pane);
    }
    void appendToPane(Pane pane, std::string_view block) override {
        textOf(pane) += block;
        ++changes;
        changed(pane);
    }

    std::string& textOf(Pane pane) { return pane == Pane::Macro ? macro : standard; }
    const std::string& textOf(Pane pane) const { return pane == Pane::Macro ? macro : standard; }

    std::string macro;
    std::string standard;
    int changes = 0;

protected:
    // Called after each change, for a holder that someone watches.
    virtual void changed(Pane) {}
};

} // namespace quillmar
