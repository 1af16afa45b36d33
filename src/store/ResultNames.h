#pragma once

#include <string>
#include <string_view>

namespace tavrelion::store {

// The name of a result file beside the spectrum file: the spectrum file's name less its dot and
// three-letter extension, followed by extension (C:\DATA\LYSO.ASC and ".SCM" give
// C:\DATA\LYSO.SCM). A name with another extension loses that extension; a name without one is
// kept whole, so that a result never lands beside another file or in the parent folder. An empty
// name gives an empty result.
std::string ResultFileName(std::string_view spectrumFileName, std::string_view extension);

}  // namespace tavrelion::store
