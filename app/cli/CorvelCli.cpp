// corvel-cli: the calculator from the command line. Lists the catalogue and the user's
// materials, shows weaves, and computes UD plies, random mats and woven fabrics, singly or in
// sweeps, as tables, JSON or CSV or as material cards for finite-element solvers, appending the
// calculator's reports on request.
#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) {
    const int status = RunCorvelCli(argc, argv, std::cout, std::cerr);
    // Output that did not reach its destination (a full disk, a closed pipe) is a failed command.
    std::cout.flush();
    if (status == 0 && !std::cout) {
        std::cerr << "corvel-cli: the output could not be written\n";
        return 1;
    }
    return status;
}
