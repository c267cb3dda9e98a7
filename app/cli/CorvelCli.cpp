// corvel-cli: the calculator from the command line. Lists the catalogue and the user's
// materials, shows weaves, and computes UD plies, random mats and woven fabrics, singly or in
// sweeps, as tables, JSON or CSV or as material cards for finite-element solvers, appending the
// calculator's reports on request.
#include <unistd.h>

#include <csignal>
#include <iostream>

#include "Commands.h"

int main(int argc, char** argv) {
    // A file-size limit fails the write of a report, which is then taken back, rather than
    // ending the program half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    return RunCorvelCli(argc, argv, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
