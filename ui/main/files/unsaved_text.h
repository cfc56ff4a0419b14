#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace quillmar {

class MessageBoxes;
class OutputPane;

struct NamedPane {
    OutputPane* pane;
    QString name; // as the status bar calls it
};

// What closing needs to keep unsaved programs: the question's seam, whether to ask at
// all (the user may have chosen to stop being asked), and the Save command for one pane,
// which tells its own errors and says whether the pane was saved.
struct ClosingRequest {
    MessageBoxes& messages;
    bool& askToSaveOnClose;
    std::function<bool(OutputPane&)> save;
    QWidget* parent = nullptr;
};

// Asks once whether to save the panes that hold text changed since they were last
// saved, and saves each of them when told to. False when the window must stay open:
// the user cancelled, or a save did not happen.
bool settleUnsavedPanes(const std::vector<NamedPane>& panes, const ClosingRequest& request);

} // namespace quillmar
