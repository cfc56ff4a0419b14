#pragma once

#include "cli/command_line.h"
#include "core/program_output.h"
#include "core/thread_job.h"
#include "graphics/recording_surface.h"

#include <array>
#include <cstddef>
#include <string>

namespace quillmar {

// The window's two graphics as they stand after a job's runs. The window draws a
// pane's graphic again each time a run sets its text, from the whole text, with the
// job as it stands then; here each change only notes that text's length and that
// job, and draw() makes the one drawing per picture that the window shows last, so a
// job's time grows with its output and not with the square of its runs.
class PanePictures {
public:
    explicit PanePictures(PictureSize size);

    // A run has set the pane's text (the whole text, CR LF line ends).
    void paneChanged(Pane pane, const std::string& text, const ThreadJob& job);

    // Draws both pictures from the panes' final texts, of which every noted text is
    // the beginning.
    void draw(const std::string& macroText, const std::string& standardText);

    const RecordingSurface& points() const { return points_; }
    const RecordingSurface& cutting() const { return cutting_; }

private:
    // The drawing the window showed last for one pane: nothing before the first one.
    struct LastDrawing {
        bool due = false;
        std::size_t textLength = 0;
        ThreadJob job;
    };

    std::array<LastDrawing, 2> last_;
    RecordingSurface points_;
    RecordingSurface cutting_;
};

} // namespace quillmar
