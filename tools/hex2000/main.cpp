// hex2000: converts an object file into Motorola S-records (.m00).
#include "Hex2000.h"

#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::wstring> args(argv + 1, argv + argc);
    std::string message;
    const int code = hex2000::Convert(args, message);
    std::fprintf(code == hex2000::kExitOk ? stdout : stderr, "%s\n", message.c_str());
    return code;
}
