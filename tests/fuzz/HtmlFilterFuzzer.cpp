// The HTML filter's cleaning on arbitrary bytes; the first byte picks the
// switches.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FilterOptions.h"
#include "FuzzSupport.h"
#include "HtmlCleaner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    vane::fuzz::Bytes in(data, size);
    const uint8_t flags = in.take();
    vane::filter::FilterOptions options;
    options.officeMarkup = (flags & 1) != 0;
    options.formatting = (flags & 2) != 0;
    options.anchors = (flags & 4) != 0;
    const std::string input = in.rest();
    std::string output;
    vane::filter::clean_html(input, options, output);
    (void)vane::filter::strip_conditionals(input);
    (void)vane::filter::unwrap_element(input, (flags & 8) != 0 ? "span" : "font");
    return 0;
}
