#include "word/office/HyperlinkScan.h"

#include <rtl/uri.hxx>

#include "word/office/UnoProps.h"

namespace vane {

namespace {

// "%5F" and the like in a target name, as links written by the office may carry.
std::string decode_name(const std::string& name) {
    if (name.find('%') == std::string::npos) return name;
    return utf8(rtl::Uri::decode(ou(name), rtl_UriDecodeWithCharset, RTL_TEXTENCODING_UTF8));
}

}  // namespace

FoundLink split_link_url(const std::string& url) {
    FoundLink link;
    const auto hash = url.find('#');
    if (hash == 0) {
        link.subAddress = decode_name(url.substr(1));
        // The office's own hidden name for a table-of-contents target.
        const std::string hidden = "__RefHeading__";
        if (link.subAddress.rfind(hidden + "_Toc", 0) == 0) link.subAddress.erase(0, hidden.size());
    } else {
        link.address = url;
        if (hash != std::string::npos) link.subAddress = url.substr(hash + 1);
    }
    return link;
}

std::vector<FoundLink> scan_links(ParagraphMap& map, int first, int last) {
    std::vector<FoundLink> links;
    const int count = static_cast<int>(map.entries().size());
    if (last < 0 || last > count) last = count;
    for (int i = first; i < last; ++i) {
        const auto& entry = map.entries()[static_cast<std::size_t>(i)];
        std::string open;  // URL of the run being read
        for (const auto& portion : map.paragraphPortions(i)) {
            if (portion.length == 0) continue;  // bookmarks and other marks inside a link
            std::string url;
            try {
                url = prop_text(props(portion.range), "HyperLinkURL");
            } catch (const css::uno::Exception&) {
            }
            const int start = entry.start + portion.offset;
            if (!url.empty() && url == open) {
                links.back().end = start + portion.length;
                continue;
            }
            open = url;
            if (url.empty()) continue;
            FoundLink link = split_link_url(url);
            link.start = start;
            link.end = start + portion.length;
            links.push_back(link);
        }
    }
    return links;
}

}  // namespace vane
