// Writes the Varselec basis s.ori from the engines' reference file:
//   make_varselec_basis <SP175.REF> <s.ori>
// The committed data/s.ori is exactly what this writes from data/SP175.REF.
#include <exception>
#include <fstream>
#include <iostream>

#include "VarselecBasis.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_varselec_basis <SP175.REF> <s.ori>\n";
        return 2;
    }
    try {
        const auto set = tavrelion::engines::LoadReferenceSet(argv[1]);
        const auto proteins = tavrelion::tools::ChooseVarselecBasis(set);
        const std::string text = tavrelion::tools::VarselecBasisText(set, proteins);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out) {
            std::cerr << "cannot write " << argv[2] << "\n";
            return 1;
        }
        for (const int p : proteins) {
            std::cout << set.codes[static_cast<std::size_t>(p)] << ' ';
        }
        std::cout << "\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
