#pragma once

#include <string>
#include <vector>

#include "batch/BatchOptions.h"

namespace tavrelion::batch {

// Reads the arguments (without the program name) with Qt's command-line parser: --name value or
// --name=value, -h, and -- ending the options. A mistake gives std::invalid_argument with a
// message that names the option.
BatchOptions ParseBatchOptions(const std::vector<std::string>& arguments);

}  // namespace tavrelion::batch
