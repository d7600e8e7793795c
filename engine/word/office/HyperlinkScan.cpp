#include "word/office/HyperlinkScan.h"

#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <rtl/uri.hxx>

#include "word/office/UnoProps.h"

namespace vane {

namespace {

// "%5F" and the like in a target name, as links written by the office may carry.
std::string decode_name(const std::string& name) {
    if (name.find('%') == std::string::npos) return name;
    return utf8(rtl::Uri::decode(ou(name), rtl_UriDecodeWithCharset, RTL_TEXTENCODING_UTF8));
}

// Whether two text portions carry the same character formatting. Portions
// of one link differ in formatting, or the office would not have split them;
// two links written side by side with the same address (an address broken
// into pieces, one link each) are split with nothing else changing.
bool same_formatting(const css::uno::Reference<css::beans::XPropertySet>& a,
                     const css::uno::Reference<css::beans::XPropertySet>& b) {
    const auto info = a->getPropertySetInfo();
    if (!info.is()) return false;
    for (const css::beans::Property& property : info->getProperties()) {
        if (!property.Name.startsWith("Char")) continue;
        try {
            if (a->getPropertyValue(property.Name) != b->getPropertyValue(property.Name)) return false;
        } catch (const css::uno::Exception&) {
            return false;
        }
    }
    return true;
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
        css::uno::Reference<css::beans::XPropertySet> last;  // its last portion
        bool markBetween = false;  // a mark since that portion
        bool lastField = false;    // that portion is a field
        for (const auto& portion : map.paragraphPortions(i)) {
            if (portion.length == 0) {  // bookmarks and other marks inside a link
                markBetween = true;
                continue;
            }
            std::string url;
            bool field = false;
            css::uno::Reference<css::beans::XPropertySet> set;
            try {
                set = props(portion.range);
                url = prop_text(set, "HyperLinkURL");
                field = !portion.text && prop_text(set, "TextPortionType") == "TextField";
            } catch (const css::uno::Exception&) {
            }
            const int start = entry.start + portion.offset;
            // A field inside a link's text (a date in a title) splits the
            // link's portions as a change of formatting does.
            const bool split = markBetween || field || lastField;
            markBetween = false;
            lastField = field;
            if (!url.empty() && url == open && (split || !last.is() || !set.is() || !same_formatting(last, set))) {
                links.back().end = start + portion.length;
                last = set;
                continue;
            }
            last = set;
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
