// CONTIN.EXE: reads CONTIN.IN from the working folder and SP175.REF (IDP175.REF with "--reference
// idp175") from its own folder, and writes
// CONTIN.CNT in the working folder. The main program starts it with no argument (or "CON"); it
// needs no console input. "--leave-out CODE" leaves a reference protein out (checks only).
#include <exception>
#include <iostream>

#include "common/ProgramFolders.h"
#include "contin/ContinProgram.h"

int main(int argc, char* argv[]) {
    using namespace tavrelion::engines;
    try {
        const ProgramArguments arguments =
            ReadProgramArguments({argv + 1, argv + argc}, std::cerr, "CONTIN");
        contin::ProgramOptions options;
        options.leaveOut = arguments.leaveOut;
        return contin::RunContinProgram(FoldersOfThisProgram(argv[0], arguments.referenceSet),
                                        options, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "CONTIN: " << error.what() << "\n";
        return 1;
    }
}
