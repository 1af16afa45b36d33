// varslc1: the Varselec analysis program. The main program writes s.dta, n.dta, b.dta and
// comctl.dta into its work folder, starts this program there with the argument "CON" (and
// "--reference idp175" when the basis was taken from IDP175) and copies the COMB2.OP it writes.
// The set's reference file beside the program serves the near-duplicate check. Nothing is read
// from the console.
#include <exception>
#include <iostream>
#include <optional>

#include "common/ProgramFolders.h"
#include "common/ReferenceSet.h"
#include "varselec/VarselecRun.h"

int main(int argc, char** argv) {
    using namespace tavrelion::engines;
    try {
        const ProgramArguments arguments =
            ReadProgramArguments({argv + 1, argv + argc}, std::cerr, "varslc1");
        const ProgramFolders folders = FoldersOfThisProgram(argv[0], arguments.referenceSet);
        std::optional<ReferenceSet> references;
        try {
            references = LoadReferenceSet(folders.referenceFile());
        } catch (const std::exception&) {
            // Without the reference file the analysis goes on without the check.
        }
        const varselec::BasisOrigin origin{arguments.referenceSet,
                                           references ? &*references : nullptr};
        return varselec::RunVarselec(folders.work, std::cerr, {}, origin);
    } catch (const std::exception& error) {
        std::cerr << "varslc1: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "varslc1: unexpected failure\n";
    }
    return 3;
}
