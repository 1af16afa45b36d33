// K2D.EXE: secondary structure of a protein from its CD spectrum at 200-240 nm, read on a
// self-organising map. Started by the main program in its work folder, with or without the
// argument "CON"; it reads GD.DAT there and weights.dat from its own folder (the map trained on
// IDP175 from its idp175 folder with "--reference idp175"), and writes TAUX.TXT in the work
// folder. It asks nothing on the console.
#include <exception>
#include <iostream>

#include "common/ProgramFolders.h"
#include "k2d/K2dProgram.h"

int main(int argc, char* argv[]) {
    using namespace tavrelion::engines;
    try {
        const ProgramArguments arguments =
            ReadProgramArguments({argv + 1, argv + argc}, std::cerr, "K2D");
        return k2d::RunK2d(FoldersOfThisProgram(argv[0], arguments.referenceSet), std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "K2D: " << error.what() << '\n';
        return 1;
    }
}
