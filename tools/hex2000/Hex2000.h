// The converter's command line and its one job: read the object file named
// on the command line and write its S-records into the current folder.
#pragma once

#include <string>
#include <vector>

namespace hex2000 {

enum ExitCode {
    kExitOk = 0,
    kExitUsage = 1,       // bad command line
    kExitInput = 2,       // input missing or unreadable
    kExitMalformed = 3,   // input is not a valid object file
    kExitOutput = 4,      // the output file could not be written
};

struct Options {
    std::wstring input;
    bool motorola = false;
    int romWidth = 0;
};

// args excludes the program name.
bool ParseCommandLine(const std::vector<std::wstring>& args, Options& options, std::string& error);

// The output's name: the input file's name (after its last path separator)
// up to its first '.' (nothing when it has none), with ".m00".
std::wstring OutputNameFor(const std::wstring& inputPath);

// Runs one conversion; message receives what to tell the user.
int Convert(const std::vector<std::wstring>& args, std::string& message);

}  // namespace hex2000
