#pragma once

#include "core/program_output.h"
#include "core/text_panes.h"
#include "core/thread_job.h"
#include "ui/dialog/data_input_dialog.h"
#include "ui/dialog/dialog_host.h"
#include "ui/seams/message_boxes.h"

#include <QLineEdit>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace quillmar::testing {

class RecordingHost : public DialogHost {
public:
    OutputPanes& outputPanes() override { return panes; }
    void redrawPointGraphic() override { ++pointRedraws; }
    void redrawCuttingGraphic() override { ++cuttingRedraws; }
    std::optional<GrooveShapeChoice> askGrooveShape(QWidget*, const DialogSnapshot&,
                                                    const QString&) override {
        return grooveAnswer;
    }
    void showGrooveRefusal(const QString& why) override { grooveRefusal = why; }
    MachineProfile machineProfile() const override { return machine; }

    TextPanes panes;
    std::optional<GrooveShapeChoice> grooveAnswer;
    QString grooveRefusal;
    MachineProfile machine;
    int pointRedraws = 0;
    int cuttingRedraws = 0;
};

class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString title;
        QString text;
        MessageIcon icon = MessageIcon::None;
        bool parentVisible = false;
    };
    void show(QWidget* parent, const QString& title, const QString& text,
              MessageIcon icon) override {
        shown.push_back({title, text, icon, parent != nullptr && parent->isVisible()});
    }
    // Answers the question before unsaved text is thrown away with saveAnswer.
    SaveAnswer askToSave(QWidget*, const SaveQuestion& question) override {
        asked.push_back(question);
        return saveAnswer;
    }

    std::vector<Shown> shown;
    std::vector<SaveQuestion> asked;
    SaveAnswer saveAnswer{SaveChoice::Discard, false};
};

// The worked example: an inner thread of pitch 6 with 60 degree flanks, every corner
// 0.5, every Z step 0.25. Field name and typed text, in the form's order.
std::vector<std::pair<const char*, const char*>> workedExampleTyping();

// A dialog over a fresh job, shown and active, so that focus and key events behave as
// they do for a user.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QLineEdit* field(const char* name) const;
    template <typename Widget> Widget* control(const char* name) const {
        auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString focusName() const;
    void showActive();
    void typeIntoFocus(const QString& text);
    void pressKeyInFocus(Qt::Key key);
    void clickInto(const char* name);                     // a user's click into a field
    void typeInto(const char* name, const QString& text); // click, then type over
    void typeWorkedExample();
    void clickButton(const char* name);
    // The data input command: runs whileOpen inside the modal loop, once the dialog is
    // shown and active, and returns what openModal returned. A dialog still open after
    // whileOpen is hidden, so that a failing test cannot hang.
    int openModalAndRun(const std::function<void()>& whileOpen);

    ThreadJob job;
    RecordingHost host;
    RecordingMessageBoxes messages;
    DataInputDialog* dialog = nullptr;
};

} // namespace quillmar::testing
