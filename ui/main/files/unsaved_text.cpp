#include "ui/main/files/unsaved_text.h"

#include "ui/main/editor/output_pane.h"
#include "ui/seams/message_boxes.h"

#include <QStringList>

namespace quillmar {

namespace {

SaveQuestion questionFor(const std::vector<NamedPane>& unsaved) {
    QStringList names;
    for (const NamedPane& named : unsaved) {
        names.append(QStringLiteral("    ") + named.name);
    }
    return {QStringLiteral("Quillmar"),
            QStringLiteral("These programs have not been saved:\n%1\n\nSave them before "
                           "closing?")
                .arg(names.join(u'\n')),
            QStringLiteral("Close without asking from now on")};
}

} // namespace

bool settleUnsavedPanes(const std::vector<NamedPane>& panes, const ClosingRequest& request) {
    std::vector<NamedPane> unsaved;
    for (const NamedPane& named : panes) {
        if (named.pane->holdsUnsavedText()) {
            unsaved.push_back(named);
        }
    }
    if (unsaved.empty() || !request.askToSaveOnClose) {
        return true;
    }
    const SaveAnswer answer = request.messages.askToSave(request.parent, questionFor(unsaved));
    if (answer.choice == SaveChoice::Cancel) {
        return false;
    }
    if (answer.choice == SaveChoice::Save) {
        for (const NamedPane& named : unsaved) {
            if (!request.save(*named.pane)) {
                return false;
            }
        }
    }
    // Only a close that goes ahead settles the choice: after a failed save the window
    // stays open and the next close asks again.
    if (answer.stopAsking) {
        request.askToSaveOnClose = false;
    }
    return true;
}

} // namespace quillmar
