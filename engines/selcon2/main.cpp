// selcon2.exe: run in the main program's work folder, with or without the argument "CON"; it
// reads SP175.REF (IDP175.REF with "--reference idp175") from its own folder and needs no
// console input. "--leave-out CODE" leaves a reference protein out (checks only).
#include <exception>
#include <iostream>

#include "common/ProgramFolders.h"
#include "selcon2/Selcon2Program.h"

int main(int argc, char* argv[]) {
    using namespace tavrelion::engines;
    try {
        const ProgramArguments arguments =
            ReadProgramArguments({argv + 1, argv + argc}, std::cerr, "selcon2");
        return selcon::RunSelcon2(FoldersOfThisProgram(argv[0], arguments.referenceSet),
                                  arguments.leaveOut, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "selcon2: " << error.what() << "\n";
        return 1;
    }
}
