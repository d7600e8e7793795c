#include "html/PageBalance.h"

#include <algorithm>
#include <array>

#include "html/HtmlScan.h"

namespace vane::html {

namespace {

constexpr std::array<std::string_view, 16> kVoid = {"area", "base", "br",    "col",   "embed", "hr",
                                                    "img",  "input", "link", "meta",  "param", "source",
                                                    "track", "wbr", "basefont", "frame"};

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ':';
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return out;
}

bool is_list(const std::string& name) { return name == "ol" || name == "ul" || name == "li"; }

bool is_heading(const std::string& name) {
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
}

// End of a tag starting at `lt`: just after its '>', quoted values skipped;
// kNotFound when the text ends first.
std::size_t tag_end(std::string_view text, std::size_t lt) {
    char quote = 0;
    for (std::size_t i = lt + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return kNotFound;
}

}  // namespace

std::string PageBalance::settle(std::string_view body) {
    for (Element& element : open_) element.offset = element.end = kNowhere;
    std::string out;
    out.reserve(body.size());
    std::size_t i = 0;
    while (i < body.size()) {
        const std::size_t lt = body.find('<', i);
        if (lt == kNotFound) {
            out.append(body.substr(i));
            break;
        }
        out.append(body.substr(i, lt - i));
        if (body.compare(lt, 4, "<!--") == 0) {
            const std::size_t close = body.find("-->", lt + 4);
            const std::size_t end = close == kNotFound ? body.size() : close + 3;
            out.append(body.substr(lt, end - lt));
            i = end;
            continue;
        }
        const bool closing = lt + 1 < body.size() && body[lt + 1] == '/';
        const std::size_t nameAt = lt + (closing ? 2 : 1);
        std::size_t nameEnd = nameAt;
        while (nameEnd < body.size() && is_name_char(body[nameEnd])) ++nameEnd;
        const std::size_t end = nameEnd == nameAt ? kNotFound : tag_end(body, lt);
        if (end == kNotFound) {  // not a tag ("<" as text, "<!DOCTYPE", "<?"), or cut short
            out += '<';
            i = lt + 1;
            continue;
        }
        const std::string_view tag = body.substr(lt, end - lt);
        if (closing) {
            endTag(lower(body.substr(nameAt, nameEnd - nameAt)), tag, out);
        } else {
            startTag(tag, out);
            // The text of script and style is no markup.
            const std::string name = open_.empty() ? std::string() : open_.back().name;
            if ((name == "script" || name == "style") && open_.back().end == out.size()) {
                const std::size_t close = find_nocase(body, "</" + name, end);
                const std::size_t stop = close == kNotFound ? body.size() : close;
                out.append(body.substr(end, stop - end));
                i = stop;
                continue;
            }
        }
        i = end;
    }
    return out;
}

void PageBalance::startTag(std::string_view tag, std::string& out) {
    std::size_t nameEnd = 1;
    while (nameEnd < tag.size() && is_name_char(tag[nameEnd])) ++nameEnd;
    const std::string name = lower(tag.substr(1, nameEnd - 1));
    if (is_heading(name)) dropTrailingLists(out);

    // The end tags that HTML lets a writer leave out: a new paragraph, item
    // or cell ends the one before it.
    const auto closeOpen = [&](std::initializer_list<std::string_view> names) {
        while (!open_.empty() && std::find(names.begin(), names.end(), open_.back().name) != names.end() &&
               !open_.back().dropped) {
            out += "</" + open_.back().name + ">";
            open_.pop_back();
        }
    };
    if (name == "p" || name == "li" || name == "tr" || name == "td" || name == "th") closeOpen({"p"});
    if (name == "li") closeOpen({"li", "p"});
    if (name == "td" || name == "th") closeOpen({"td", "th", "p"});
    if (name == "tr") closeOpen({"td", "th", "tr", "p"});

    const std::size_t at = out.size();
    out.append(tag);
    const bool selfClosing = tag.size() >= 2 && tag[tag.size() - 2] == '/';
    if (selfClosing || std::find(kVoid.begin(), kVoid.end(), name) != kVoid.end()) return;
    open_.push_back({name, std::string(tag), at, out.size(), false});
}

void PageBalance::endTag(std::string_view name, std::string_view tag, std::string& out) {
    auto hit = std::find_if(open_.rbegin(), open_.rend(), [&](const Element& e) { return e.name == name; });
    if (hit == open_.rend()) {
        // Nothing to close here: the body and html end tags, or a stray one.
        out.append(tag);
        return;
    }
    const std::size_t keep = static_cast<std::size_t>(open_.rend() - hit) - 1;
    // Elements left open inside it end with it.
    for (std::size_t k = open_.size(); k-- > keep + 1;) {
        if (!open_[k].dropped) out += "</" + open_[k].name + ">";
    }
    if (!open_[keep].dropped) out.append(tag);
    open_.resize(keep);
}

void PageBalance::dropTrailingLists(std::string& body) {
    for (std::size_t k = open_.size(); k-- > 0;) {
        Element& element = open_[k];
        if (element.dropped) continue;
        if (!is_list(element.name) || element.offset == kNowhere || element.end > body.size()) return;
        if (!std::all_of(body.begin() + static_cast<std::ptrdiff_t>(element.end), body.end(), is_blank)) return;
        body.resize(element.offset);
        while (!body.empty() && is_blank(body.back()) && body.back() != '\n') body.pop_back();
        element.dropped = true;
        element.offset = element.end = kNowhere;
    }
}

std::string PageBalance::closing() const {
    std::string text;
    for (std::size_t k = open_.size(); k-- > 0;)
        if (!open_[k].dropped) text += "</" + open_[k].name + ">";
    return text;
}

std::string PageBalance::reopening() const {
    std::string text;
    for (const Element& element : open_)
        if (!element.dropped) text += element.tag;
    return text;
}

bool PageBalance::anyOpen() const {
    return std::any_of(open_.begin(), open_.end(), [](const Element& e) { return !e.dropped; });
}

}  // namespace vane::html
