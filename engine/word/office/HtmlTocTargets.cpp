#include "word/office/HtmlTocTargets.h"

#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/XDocumentIndexesSupplier.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "word/office/HyperlinkScan.h"
#include "word/office/TocBookmarks.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace {

// The office's hidden bookmark names begin so.
constexpr std::string_view kHiddenPrefix = "__RefHeading__";

bool is_content_index(const Reference<css::text::XTextContent>& index) {
    const Reference<css::lang::XServiceInfo> info(index, UNO_QUERY);
    return info.is() && (info->supportsService("com.sun.star.text.ContentIndex") ||
                         info->supportsService("com.sun.star.text.IllustrationsIndex") ||
                         info->supportsService("com.sun.star.text.TableIndex"));
}

// The "#name" targets of every href in the text.
std::set<std::string> link_targets(const std::string& html) {
    std::set<std::string> targets;
    for (std::size_t at = html.find("href=\"#"); at != std::string::npos; at = html.find("href=\"#", at + 1)) {
        const std::size_t start = at + 7;
        const std::size_t end = html.find('"', start);
        if (end == std::string::npos) break;
        targets.insert(html.substr(start, end - start));
    }
    return targets;
}

}  // namespace

HtmlTocTargets::HtmlTocTargets(DocumentSession& document) {
    try {
        const Reference<css::text::XDocumentIndexesSupplier> indexes(document.document(), UNO_QUERY);
        if (!indexes.is()) return;
        TocBookmarks bookmarks(document);
        ParagraphMap& map = document.map();
        const auto list = indexes->getDocumentIndexes();
        for (sal_Int32 i = 0; i < list->getCount(); ++i) {
            const Reference<css::text::XTextContent> index(list->getByIndex(i), UNO_QUERY);
            if (!index.is() || !is_content_index(index)) continue;
            const auto start = map.findPosition(index->getAnchor());
            const auto end = map.findPosition(index->getAnchor(), true);
            if (!start || !end) continue;
            for (int entry = map.entryAt(*start); entry < static_cast<int>(map.entries().size()); ++entry) {
                const auto& paragraph = map.entries()[static_cast<std::size_t>(entry)];
                if (paragraph.start >= *end) break;
                for (const FoundLink& link : scan_links(map, entry, entry + 1)) {
                    if (!link.address.empty() || link.subAddress.empty()) continue;
                    // The scan gives the target without the office's prefix.
                    std::string hidden = link.subAddress.starts_with(kHiddenPrefix)
                                             ? link.subAddress
                                             : std::string(kHiddenPrefix) + link.subAddress;
                    // A figure-table entry's sequence target, as the export writes it.
                    if (sequence_target(link.subAddress))
                        hidden = link.subAddress.substr(0, link.subAddress.find('|')) + "%7Csequence";
                    const std::string text = utf8(paragraph.paragraph->getString());
                    const std::string name = bookmarks.nameFor(link.subAddress, text.substr(0, text.find('\t')));
                    if (!name.empty() && name != hidden) names_[hidden] = name;
                    break;
                }
            }
        }
    } catch (const std::exception&) {
        names_.clear();
    } catch (const css::uno::Exception&) {
        names_.clear();
    }
}

std::string HtmlTocTargets::rewrite(const std::string& html, const std::map<std::string, std::string>& names) {
    std::string out;
    out.reserve(html.size());
    std::size_t from = 0;
    for (std::size_t at = html.find("href=\"#"); at != std::string::npos; at = html.find("href=\"#", at + 1)) {
        const std::size_t start = at + 7;
        const std::size_t end = html.find('"', start);
        if (end == std::string::npos) break;
        const auto hit = names.find(html.substr(start, end - start));
        if (hit == names.end()) continue;
        out.append(html, from, start - from);
        out += hit->second;
        from = end;
    }
    out.append(html, from);

    // The hidden anchors, as the export writes them: <a name="__RefHeading__..."></a>.
    const std::set<std::string> targets = link_targets(out);
    const std::string open = "<a name=\"" + std::string(kHiddenPrefix);
    std::string kept;
    kept.reserve(out.size());
    from = 0;
    for (std::size_t at = out.find(open); at != std::string::npos; at = out.find(open, at + 1)) {
        const std::size_t start = at + 9;
        const std::size_t end = out.find('"', start);
        if (end == std::string::npos) break;
        if (out.compare(end, 6, "\"></a>") != 0 || targets.contains(out.substr(start, end - start))) continue;
        kept.append(out, from, at - from);
        from = end + 6;
    }
    kept.append(out, from);
    return kept;
}

void HtmlTocTargets::apply(const std::string& htmlPath) const {
    std::ifstream in(htmlPath, std::ios::binary);
    if (!in) return;
    std::ostringstream text;
    text << in.rdbuf();
    in.close();
    const std::string html = text.str();
    const std::string rewritten = rewrite(html, names_);
    if (rewritten == html) return;
    // Written beside it and renamed over it, so that a failed write leaves
    // the export whole.
    const std::string work = htmlPath + ".links";
    std::ofstream out(work, std::ios::binary | std::ios::trunc);
    out << rewritten;
    out.close();
    std::error_code error;
    if (out) std::filesystem::rename(work, htmlPath, error);
    if (!out || error) std::filesystem::remove(work, error);
}

}  // namespace vane
