// corvel-cli: the calculator from the command line. Lists the catalogue and the user's
// materials, shows weaves, and computes UD plies, random mats and woven fabrics, singly or in
// sweeps, as tables, JSON or CSV, appending the calculator's reports on request.
#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) {
    return RunCorvelCli(argc, argv, std::cout, std::cerr);
}
