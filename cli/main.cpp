// trendkurve-cli: the calculation of data files, without windows.

#include "cli/Ausfuehren.h"

#include <iostream>
#include <malloc.h>

int main(int argc, char** argv) {
    // Many series in a row allocate and free the same few hundred kilobytes again and
    // again; by default glibc hands them back to the system each time and takes them
    // anew, which costs more than the fits of a short series.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 4 << 20);
    // Standard input and output through the library's own buffers, not character by
    // character through C's: a long table on standard input is read a line at a time.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    return tk::cli::ausfuehren(argumente, std::cout, std::cerr, std::cin);
}
