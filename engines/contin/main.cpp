// CONTIN.EXE: reads CONTIN.IN from the working folder and SP175.REF from its own folder, and writes
// CONTIN.CNT in the working folder. The main program starts it with no argument (or "CON"); it
// needs no console input. "--leave-out CODE" leaves a reference protein out (checks only).
#include <exception>
#include <iostream>

#include "common/ProgramFolders.h"
#include "contin/ContinProgram.h"

int main(int argc, char* argv[]) {
    using namespace tavrelion::engines;
    try {
        contin::ProgramOptions options;
        options.leaveOut =
            ReadProgramArguments({argv + 1, argv + argc}, std::cerr, "CONTIN").leaveOut;
        return contin::RunContinProgram(FoldersOfThisProgram(argv[0]), options, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "CONTIN: " << error.what() << "\n";
        return 1;
    }
}
