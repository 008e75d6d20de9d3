#pragma once
// The program's command line: an optional switch and a vocabulary file name.

#include <string>
#include <vector>

enum TStartAction : int {
    saShow = 0, // show the list
    saTest = 1, // "/t": start a test
    saPrint = 2, // "/p": print the list, then end
    saReset = 3, // "/r": reset the statistics, save, then end
    saReview = 4, // "--review": start Review Due Words (the reminder's Review action)
};

struct TCommandLine {
    TStartAction Action = saShow;
    std::string FileName; // empty: no file given
};

// args are the arguments after the program name. The switch is compared without regard to case;
// a switch given alone is taken as the file name.
TCommandLine ParseCommandLine(const std::vector<std::string>& args);
