#pragma once

// Starts the program: answers --help and --version, or opens the main window and
// runs until it is closed. Returns the process's exit code.
int runStylomat(int argc, char *argv[]);
