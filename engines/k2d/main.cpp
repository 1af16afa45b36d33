// K2D.EXE: secondary structure of a protein from its CD spectrum at 200-240 nm, read on a
// self-organising map. Started by the main program in the program folder, with or without the
// argument "CON"; it reads GD.DAT and weights.dat there and writes TAUX.TXT there. It asks
// nothing on the console.
#include <exception>
#include <filesystem>
#include <iostream>

#include "k2d/K2dProgram.h"

int main() {
    try {
        return tavrelion::engines::k2d::RunK2d(std::filesystem::current_path(), std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "K2D: " << error.what() << '\n';
        return 1;
    }
}
