// CONTIN.EXE: reads CONTIN.IN and SP175.REF from the working folder and writes CONTIN.CNT there.
// The main program starts it with no argument (or "CON"); it needs no console input.
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "contin/ContinProgram.h"

int main() {
    using namespace tavrelion::engines::contin;
    ProgramOptions options;
    if (const char* leaveOut = std::getenv(LeaveOutVariable)) {
        options.leaveOut = leaveOut;
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        std::cerr << "CONTIN: the working folder cannot be read: " << error.message() << "\n";
        return 1;
    }
    return RunContinProgram(folder, options, std::cerr);
}
