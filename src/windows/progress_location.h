#pragma once

#include <QString>

namespace veltrano {

// Where the progress database lives: the data folder Qt gives the
// organisation and application "OrviTest" (on Linux
// ~/.local/share/OrviTest/OrviTest/progress.sqlite).
QString defaultProgressPath();

} // namespace veltrano
