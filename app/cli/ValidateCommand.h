#pragma once

#include <ostream>

#include "CliArguments.h"

// corvel-cli validate: runs the verification cases and the validation against the published
// laminae compiled into the program, and prints the report in the chosen form. Unlike the other
// commands it prints its report also when it fails: the exit status is 1 when a verification
// check lies outside its tolerance (the failing checks are named on `err`), 0 otherwise.
int RunValidate(const ValidateCommand& command, std::ostream& out, std::ostream& err);
