#include "FilterOptions.h"

#include <cstring>

namespace vane::filter {

bool parse_arguments(int argc, char* argv[], FilterOptions& options) {
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] != '\0'; ++i) {
        for (const char* c = argv[i] + 1; *c != '\0'; ++c) {
            switch (*c) {
                case 'b':
                    options.officeMarkup = true;
                    break;
                case 'f':
                    options.formatting = true;
                    break;
                case 'a':
                    options.anchors = true;
                    break;
                default:
                    return false;
            }
        }
    }
    if (argc - i != 2) return false;
    options.input = argv[i];
    options.output = argv[i + 1];
    return !options.input.empty() && !options.output.empty();
}

}  // namespace vane::filter
