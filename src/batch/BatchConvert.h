#pragma once

#include <optional>
#include <string>

#include "platform/MessageService.h"
#include "store/SpectrumStore.h"

namespace tavrelion::batch {

// Writes the loaded spectrum beside its file as format ("tvr": NAME.TVR, "csv": NAME.csv, or
// NAME_MRE.TVR / NAME_MRE.csv when that is the file itself). Returns the path written, or nothing
// after telling the failure through messages.
std::optional<std::string> ConvertLoaded(const store::SpectrumStore& store,
                                         const std::string& format,
                                         platform::MessageService& messages);

}  // namespace tavrelion::batch
