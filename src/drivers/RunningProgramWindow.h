#pragma once

#include <functional>
#include <memory>
#include <string>

#include "drivers/ProgramRunner.h"

class QWidget;

namespace tavrelion::drivers {

// The small window-modal window over parent that names a program running longer than a second
// and offers Cancel, which calls cancel.
std::unique_ptr<RunningNotice> ShowRunningProgram(QWidget* parent, const std::string& programName,
                                                  std::function<void()> cancel);

}  // namespace tavrelion::drivers
