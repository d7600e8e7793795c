#include "LogPrint.h"

#include <cstdarg>

#include "MessageCatalog.h"
#include "OutputCallbacks.h"

namespace vane::desk {

void print_log(const char* format, ...) {
    va_list args;
    va_start(args, format);
    log_output(format, args);
    va_end(args);
}

void print_log_message(int id) {
    const char* text = catalog::text(id, catalog::current_language());
    print_log(text != nullptr ? text : "");
}

}  // namespace vane::desk
