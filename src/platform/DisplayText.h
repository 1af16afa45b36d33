#pragma once

#include <QString>
#include <string>

namespace tavrelion::platform {

// A text of the program as shown on screen. File names are kept as the file system gives them
// (UTF-8), and so are the texts built around them; the program's own texts and the files it
// reads are single-byte Latin-1. A text that reads as UTF-8 is therefore taken as such, any other
// as Latin-1, so that "Prüfung" is shown as it is named and "deg.cm²" as it is written.
QString DisplayText(const std::string& text);

}  // namespace tavrelion::platform
