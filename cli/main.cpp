// trendkurve-cli: the calculation of data files, without windows.

#include "cli/Ausfuehren.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    return tk::cli::ausfuehren(argumente, std::cout, std::cerr, std::cin);
}
