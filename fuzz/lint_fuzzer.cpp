// Lint target: any bytes as an XML document through xmlattr lint, which must
// neither crash nor read outside its buffers (the start-tag scanner walks
// libexpat's buffer to place attributes), and must exit 0, 1 or 2: 2 exactly
// when the document could not be read.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/Modes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::string_view> args = {"lint", "-"};
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const int status = xmlattr_tool::runTool(args, {in, out, err});
    const bool unread = !err.str().empty();
    if (status < 0 || status > 2 || (status == 2) != unread) {
        std::fprintf(stderr, "lint exited %d; standard error: %s\n", status, err.str().c_str());
        std::abort();
    }
    return 0;
}
