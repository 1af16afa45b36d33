#pragma once

#include <ostream>
#include <string>

#include "platform/MessageService.h"
#include "store/SpectrumStore.h"

namespace tavrelion::batch {

// Writes the loaded spectrum beside its file as format ("tvr": NAME.TVR, "csv": NAME.csv, or
// NAME_MRE.TVR / NAME_MRE.csv when that is the file itself) and prints the path on out; a failure
// is told through messages. Returns whether it was written.
bool ConvertLoaded(const store::SpectrumStore& store, const std::string& format,
                   platform::MessageService& messages, std::ostream& out);

}  // namespace tavrelion::batch
