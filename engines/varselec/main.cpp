// varslc1: the Varselec analysis program. The main program writes s.dta, n.dta, b.dta and
// comctl.dta into the program folder, starts this program there with the argument "CON" and
// copies the COMB2.OP it writes. Nothing is read from the console.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "varselec/VarselecRun.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) != "CON" && std::string(argv[i]) != "con") {
            std::cerr << "varslc1: the argument \"" << argv[i] << "\" is not used\n";
        }
    }
    try {
        return tavrelion::engines::varselec::RunVarselec(std::filesystem::current_path(),
                                                         std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "varslc1: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "varslc1: unexpected failure\n";
    }
    return 3;
}
