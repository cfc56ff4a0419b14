#pragma once

#include "core/program_output.h"

namespace quillmar {

class OutputPane;

// The two panes as the program output command sees them: UTF-8 program text with
// CR LF line ends. Setting a text redraws its graphic before it returns.
class PaneTexts final : public OutputPanes {
public:
    PaneTexts(OutputPane& macro, OutputPane& standard) : macro_(macro), standard_(standard) {}

    std::string paneText(Pane pane) const override;
    void setPaneText(Pane pane, const std::string& text) override;
    void appendToPane(Pane pane, std::string_view block) override;

private:
    OutputPane& paneFor(Pane pane) const { return pane == Pane::Macro ? macro_ : standard_; }

    OutputPane& macro_;
    OutputPane& standard_;
};

} // namespace quillmar
