// selcon3_mod.exe: run in the program folder, with or without the argument "CON"; it needs no
// console input.
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "selcon3/Selcon3Program.h"

int main() {
    using namespace tavrelion::engines::selcon;
    const char* leaveOut = std::getenv(LeaveOutVariable);
    std::error_code ignored;
    return RunSelcon3(std::filesystem::current_path(ignored), leaveOut ? leaveOut : "", std::cerr);
}
