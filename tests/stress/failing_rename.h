#pragma once

namespace quillmar::testing {

// While set, every rename in this process fails as an interrupted one would (EIO),
// so that a save fails between writing its temporary file and renaming it into place.
void setRenamesFail(bool fail);

} // namespace quillmar::testing
