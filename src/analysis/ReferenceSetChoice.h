#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavrelion::analysis {

// The reference set the analysis programs are built on: SP175 (71 proteins of known structure)
// or IDP175 (SP175 with five proteins replaced by intrinsically disordered ones). Chosen under
// Settings > "&Reference set" or with the batch's --reference.
enum class ReferenceSetChoice { Sp175, Idp175 };

// "SP175" or "IDP175", as the reports name the set.
const char* ReferenceSetName(ReferenceSetChoice choice);

// The set a word names (sp175 or idp175, in any letter case), if any.
std::optional<ReferenceSetChoice> ReferenceSetNamed(const std::string& word);

// The programs' arguments that choose the set: nothing for SP175, which every program takes
// without being told (so a program dropped in that does not know the option still runs), and
// "--reference idp175" otherwise. The exchange files stay as they are for every set.
std::vector<std::string> ReferenceArguments(ReferenceSetChoice choice);

// The folder that holds the programs' data derived from the set (s.ori, ssdata.*, weights.dat):
// the program folder itself for SP175, its "idp175" folder for IDP175.
std::string DerivedDataFolder(const std::string& programDir, ReferenceSetChoice choice);

}  // namespace tavrelion::analysis
