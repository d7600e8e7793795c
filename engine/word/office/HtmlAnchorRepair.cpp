#include "word/office/HtmlAnchorRepair.h"

#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <tuple>

#include "frame/TextUtil.h"
#include "word/office/UnoProps.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace {

// The longest word a list label starts with ("Chapter", "Appendix").
constexpr std::size_t kLabelWordMax = 12;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// The lower-case name of the tag opening at `at` ('<'), "/name" for an end tag.
std::string tag_name(std::string_view html, std::size_t at) {
    std::string name;
    for (std::size_t i = at + 1; i < html.size(); ++i) {
        const char c = html[i];
        if (is_space(c) || c == '>' || (c == '/' && !name.empty())) break;
        name += lower(c);
    }
    return name;
}

// The value of attribute `name` (lower case) in a tag's text, if present.
std::optional<std::string> attribute(std::string_view tag, std::string_view name) {
    for (std::size_t at = 1; at + name.size() + 2 <= tag.size(); ++at) {
        if (!is_space(tag[at - 1])) continue;
        bool same = true;
        for (std::size_t k = 0; k < name.size() && same; ++k) same = lower(tag[at + k]) == name[k];
        if (!same || tag[at + name.size()] != '=') continue;
        const std::size_t open = at + name.size() + 1;
        const char quote = tag[open];
        if (quote != '"' && quote != '\'') continue;
        const std::size_t close = tag.find(quote, open + 1);
        if (close == std::string_view::npos) return std::nullopt;
        return std::string(tag.substr(open + 1, close - open - 1));
    }
    return std::nullopt;
}

// The character reference at `at` ('&') decoded onto `out`; its length, 0
// when it is none this knows (the '&' then stays as it is).
std::size_t decode_reference(std::string_view html, std::size_t at, std::string& out) {
    const std::size_t end = html.find(';', at);
    if (end == std::string_view::npos || end - at > 10) return 0;
    const std::string_view body = html.substr(at + 1, end - at - 1);
    static const std::map<std::string_view, std::uint32_t> kNamed = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}, {"shy", 0xAD}};
    std::uint32_t code = 0;
    if (body.size() >= 2 && body[0] == '#') {
        const bool hex = body[1] == 'x' || body[1] == 'X';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty()) return 0;
        for (const char c : digits) {
            int value = -1;
            if (c >= '0' && c <= '9') value = c - '0';
            else if (hex && lower(c) >= 'a' && lower(c) <= 'f') value = lower(c) - 'a' + 10;
            if (value < 0) return 0;
            code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
            if (code > 0x10FFFF) return 0;
        }
    } else {
        const auto named = kNamed.find(body);
        if (named == kNamed.end()) return 0;
        code = named->second;
    }
    append_utf8(out, code);
    return end - at + 1;
}

// The end tag closing an element of `name` opened before `from`.
std::size_t find_end_tag(std::string_view html, const std::string& name, std::size_t from) {
    for (std::size_t at = html.find("</", from); at != std::string_view::npos; at = html.find("</", at + 2))
        if (tag_name(html, at) == "/" + name) return at;
    return std::string_view::npos;
}

// The text without a leading list label of digits, dots and brackets, the
// label's word before them included ("Chapter 5.").
std::string without_label(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && at <= kLabelWordMax && std::isalpha(static_cast<unsigned char>(text[at])) != 0)
        ++at;
    if (at == 0 || at + 1 >= text.size() || text[at] != ' ' ||
        std::isdigit(static_cast<unsigned char>(text[at + 1])) == 0)
        at = 0;
    while (at < text.size() && (std::isdigit(static_cast<unsigned char>(text[at])) != 0 || text[at] == '.' ||
                                text[at] == '(' || text[at] == ')' || text[at] == ' '))
        ++at;
    return text.substr(at);
}

bool is_heading_tag(const std::string& name) {
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
}

std::string read_whole(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    std::ostringstream text;
    if (ok) text << in.rdbuf();
    return text.str();
}

}  // namespace

HtmlAnchorRepair::HtmlAnchorRepair(DocumentSession& document) : document_(document) {}

std::string HtmlAnchorRepair::normalized(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool space = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        // U+00A0 (no-break space) and U+2028 / U+2029 count as spaces; U+00AD is dropped.
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xAD) {
            ++i;
            continue;
        }
        const bool nbsp = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0;
        const bool separator = byte == 0xE2 && i + 2 < text.size() &&
                               static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                               (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
                                static_cast<unsigned char>(text[i + 2]) == 0xA9);
        if (is_space(c) || c == '\v' || nbsp || separator) {
            i += nbsp ? 1 : separator ? 2 : 0;
            space = !out.empty();
            continue;
        }
        // Other control characters draw nothing: the export writes "\a\x03\b"
        // where an empty field lies, before a title the document holds without.
        if (byte < 0x20) continue;
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::string HtmlAnchorRepair::elementText(std::string_view content) {
    std::string text;
    text.reserve(content.size());
    for (std::size_t i = 0; i < content.size();) {
        if (content[i] == '<') {
            const std::size_t end = content.find('>', i);
            if (end == std::string_view::npos) break;
            if (tag_name(content, i) == "br") text += ' ';
            i = end + 1;
        } else if (content[i] == '&') {
            const std::size_t used = decode_reference(content, i, text);
            if (used == 0) text += content[i++];
            else i += used;
        } else {
            text += content[i++];
        }
    }
    return normalized(text);
}

std::vector<std::string> HtmlAnchorRepair::missingTargets(std::string_view html) {
    std::set<std::string> anchors;
    std::vector<std::string> targets;
    for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        const std::size_t end = html.find('>', at);
        if (end == std::string_view::npos) break;
        const std::string_view tag = html.substr(at, end - at + 1);
        const std::string name = tag_name(html, at);
        if (const auto id = attribute(tag, "id")) anchors.insert(*id);
        if (name != "a") continue;
        if (const auto anchor = attribute(tag, "name")) anchors.insert(*anchor);
        const auto href = attribute(tag, "href");
        if (href && href->size() > 1 && (*href)[0] == '#') targets.push_back(href->substr(1));
    }
    std::vector<std::string> missing;
    std::set<std::string> seen;
    for (const std::string& target : targets)
        if (!anchors.contains(target) && seen.insert(target).second) missing.push_back(target);
    return missing;
}

std::string HtmlAnchorRepair::insertAnchors(std::string_view html, const std::map<std::string, Place>& places,
                                            int* placed) {
    // The names wanted by kind (none: either), text and occurrence; those of
    // either kind only when their own kind has no such element.
    using Key = std::tuple<int, std::string, int>;
    std::map<Key, std::vector<std::string>> wanted;
    std::map<Key, std::vector<std::string>> fallback;
    std::string atEnd;
    for (const auto& [name, place] : places) {
        if (place.atEnd) atEnd += "<a name=\"" + name + "\"></a>";
        if (place.text.empty()) continue;
        wanted[{place.heading ? 1 : 0, place.text, place.occurrence}].push_back(name);
        fallback[{-1, place.text, place.anyOccurrence}].push_back(name);
    }
    struct Element {
        std::size_t after;  // the byte after its opening tag
        bool heading;
        std::string text;
    };
    std::vector<Element> elements;
    for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        const std::string name = tag_name(html, at);
        const bool heading = is_heading_tag(name);
        if (!heading && name != "p") continue;
        const std::size_t open = html.find('>', at);
        if (open == std::string_view::npos) break;
        const std::size_t close = find_end_tag(html, name, open + 1);
        if (close == std::string_view::npos) continue;
        elements.push_back({open + 1, heading, elementText(html.substr(open + 1, close - open - 1))});
    }

    std::map<std::size_t, std::string> inserts;  // after this byte, these anchors
    std::set<std::string> done;
    const auto place = [&](std::map<Key, std::vector<std::string>>& names, bool byKind, bool unnumbered) {
        std::map<Key, int> seen;
        for (const Element& element : elements) {
            Key key{byKind ? (element.heading ? 1 : 0) : -1, unnumbered ? without_label(element.text) : element.text,
                    0};
            std::get<2>(key) = seen[key]++;
            const auto hit = names.find(key);
            if (hit == names.end()) continue;
            for (const std::string& name : hit->second)
                if (done.insert(name).second) inserts[element.after] += "<a name=\"" + name + "\"></a>";
        }
    };
    place(wanted, true, false);
    place(fallback, false, false);
    // A heading whose list number the export wrote into its text ("1.1Objective").
    place(wanted, true, true);
    if (!atEnd.empty()) {
        std::size_t body = std::string_view::npos;
        for (std::size_t at = html.rfind("</"); at != std::string_view::npos && at > 0; at = html.rfind("</", at - 1))
            if (tag_name(html, at) == "/body") {
                body = at;
                break;
            }
        inserts[body == std::string_view::npos ? html.size() : body] += atEnd;
        for (const auto& [name, place] : places)
            if (place.atEnd) done.insert(name);
    }
    if (placed != nullptr) *placed += static_cast<int>(done.size());

    std::string out;
    out.reserve(html.size() + done.size() * 32);
    std::size_t from = 0;
    for (const auto& [after, text] : inserts) {
        out.append(html.substr(from, after - from));
        out += text;
        from = after;
    }
    out.append(html.substr(from));
    return out;
}

std::string HtmlAnchorRepair::unlinkTargets(std::string_view html, const std::set<std::string>& names,
                                            int* unlinked) {
    if (names.empty()) return std::string(html);
    std::string out;
    out.reserve(html.size());
    std::vector<bool> dropped;  // for each <a> open here: whether its end tag goes too
    std::size_t from = 0;
    for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        const std::string name = tag_name(html, at);
        if (name != "a" && name != "/a") continue;
        const std::size_t end = html.find('>', at);
        if (end == std::string_view::npos) break;
        if (name == "/a") {
            if (dropped.empty()) continue;
            const bool drop = dropped.back();
            dropped.pop_back();
            if (!drop) continue;
            out.append(html.substr(from, at - from));
            from = end + 1;
            continue;
        }
        const std::string_view tag = html.substr(at, end - at + 1);
        const auto href = attribute(tag, "href");
        const bool dead = href && href->size() > 1 && (*href)[0] == '#' && names.contains(href->substr(1));
        const bool anchor = attribute(tag, "name") || attribute(tag, "id");
        dropped.push_back(dead && !anchor);
        if (!dead) continue;
        out.append(html.substr(from, at - from));
        if (anchor) {
            // The tag without its href attribute (and the space before it).
            std::string low(tag);
            for (char& c : low) c = lower(c);
            std::size_t hrefAt = low.find("href=");
            while (hrefAt != std::string::npos &&
                   (!is_space(low[hrefAt - 1]) || (low[hrefAt + 5] != '"' && low[hrefAt + 5] != '\'')))
                hrefAt = low.find("href=", hrefAt + 1);
            const std::size_t valueEnd = tag.find(tag[hrefAt + 5], hrefAt + 6);
            out.append(tag.substr(0, hrefAt - 1));
            out.append(tag.substr(valueEnd + 1));
        }
        from = end + 1;
        if (unlinked != nullptr) ++*unlinked;
    }
    out.append(html.substr(from));
    return out;
}

const std::string& HtmlAnchorRepair::paragraphText(int entry) {
    if (texts_.size() < document_.map().entries().size()) texts_.resize(document_.map().entries().size());
    auto& text = texts_[static_cast<std::size_t>(entry)];
    if (!text) text = normalized(utf8(document_.map().entries()[static_cast<std::size_t>(entry)].paragraph->getString()));
    return *text;
}

std::optional<HtmlAnchorRepair::Place> HtmlAnchorRepair::placeOf(const std::string& name) {
    const Reference<css::text::XBookmarksSupplier> supplier(document_.document(), UNO_QUERY);
    if (!supplier.is() || name.empty()) return std::nullopt;
    const auto bookmarks = supplier->getBookmarks();
    if (!bookmarks->hasByName(ou(name))) {
        absent_.insert(name);
        return std::nullopt;
    }
    const Reference<css::text::XTextContent> bookmark(bookmarks->getByName(ou(name)), UNO_QUERY);
    if (!bookmark.is()) return std::nullopt;
    ParagraphMap& map = document_.map();
    const auto position = map.findPosition(bookmark->getAnchor());
    if (!position) return std::nullopt;
    // A bookmark on an empty paragraph (a section break, a blank line) is
    // reached where the next paragraph with text begins.
    const int count = static_cast<int>(map.entries().size());
    int entry = map.entryAt(*position);
    while (entry >= 0 && entry + 1 < count && paragraphText(entry).empty()) ++entry;
    if (entry < 0) return std::nullopt;
    Place place;
    place.atEnd = paragraphText(entry).empty();
    if (place.atEnd) return place;
    place.heading = map.outlineLevel(entry) > 0;
    place.text = paragraphText(entry);
    if (place.text.empty()) return std::nullopt;
    for (int i = 0; i < entry; ++i) {
        if (paragraphText(i) != place.text) continue;
        ++place.anyOccurrence;
        if ((map.outlineLevel(i) > 0) == place.heading) ++place.occurrence;
    }
    return place;
}

int HtmlAnchorRepair::apply(const std::string& htmlPath) {
    bool ok = false;
    const std::string html = read_whole(htmlPath, ok);
    if (!ok) return 0;
    const std::vector<std::string> missing = missingTargets(html);
    if (missing.empty()) return 0;
    std::map<std::string, Place> places;
    try {
        for (const std::string& name : missing)
            if (auto place = placeOf(name)) places.emplace(name, std::move(*place));
    } catch (const std::exception&) {
        places.clear();
    } catch (const css::uno::Exception&) {
        places.clear();
    }
    // The map read here holds text ranges; none stays behind.
    document_.release();
    int placed = 0;
    int unlinked = 0;
    const std::string repaired = unlinkTargets(insertAnchors(html, places, &placed), absent_, &unlinked);
    if (placed == 0 && unlinked == 0) return 0;
    // Written beside it and renamed over it, so that a failed write leaves
    // the export whole.
    const std::string work = htmlPath + ".anchors";
    std::ofstream out(work, std::ios::binary | std::ios::trunc);
    out << repaired;
    out.close();
    std::error_code error;
    if (out) std::filesystem::rename(work, htmlPath, error);
    if (!out || error) {
        std::filesystem::remove(work, error);
        return 0;
    }
    return placed;
}

}  // namespace vane
