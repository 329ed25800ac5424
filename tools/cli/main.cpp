// xmlattr: parse attribute texts as the library's attribute types. The modes
// live in the xmlattr_cli library (Dispatch.cpp picks one); see
// 'xmlattr --help'.
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/cli/Modes.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return xmlattr_tool::runTool(args, {std::cin, std::cout, std::cerr});
}
