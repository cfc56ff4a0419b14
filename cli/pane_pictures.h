#pragma once

#include "cli/command_line.h"
#include "core/program_output.h"
#include "core/thread_job.h"
#include "graphics/recording_surface.h"
#include "nc/nc_line_reader.h"

#include <string>

namespace quillmar {

// The window's two graphics, drawn the way the window draws them: each time a run sets
// a pane's text, that pane's graphic is drawn again from the whole text, with the job
// as it stands then and one reader shared by both graphics. What the recordings hold
// after the runs is what the two picture boxes show.
class PanePictures {
public:
    explicit PanePictures(PictureSize size);

    void paneChanged(Pane pane, const std::string& text, const ThreadJob& job);

    const RecordingSurface& points() const { return points_; }
    const RecordingSurface& cutting() const { return cutting_; }

private:
    NcLineReader reader_;
    RecordingSurface points_;
    RecordingSurface cutting_;
};

} // namespace quillmar
