#include "SiteCheck.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace vane::test {

namespace {

constexpr std::array<std::string_view, 16> kVoid = {"area", "base",  "br",    "col",    "embed", "hr",
                                                    "img",  "input", "link",  "meta",   "param", "source",
                                                    "track", "wbr",  "basefont", "frame"};

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ':';
}

struct Tag {
    std::string name;  // lower case
    bool closing = false;
    bool selfClosing = false;
    std::string_view text;  // the whole tag
};

// Calls `visit` for every tag of the text, comments and script text skipped.
template <typename Visit>
void for_each_tag(std::string_view html, Visit visit) {
    std::size_t i = 0;
    while ((i = html.find('<', i)) != std::string_view::npos) {
        if (html.compare(i, 4, "<!--") == 0) {
            const std::size_t end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        Tag tag;
        tag.closing = i + 1 < html.size() && html[i + 1] == '/';
        std::size_t at = i + (tag.closing ? 2 : 1);
        std::size_t end = at;
        while (end < html.size() && is_name_char(html[end])) ++end;
        if (end == at) {
            ++i;
            continue;
        }
        tag.name = lower(html.substr(at, end - at));
        char quote = 0;
        while (end < html.size() && (quote != 0 || html[end] != '>')) {
            if (quote != 0 && html[end] == quote) quote = 0;
            else if (quote == 0 && (html[end] == '"' || html[end] == '\'')) quote = html[end];
            ++end;
        }
        if (end >= html.size()) return;
        tag.text = html.substr(i, end + 1 - i);
        tag.selfClosing = html[end - 1] == '/';
        visit(tag);
        i = end + 1;
        if (!tag.closing && (tag.name == "script" || tag.name == "style")) {
            const std::size_t close = lower(html.substr(i)).find("</" + tag.name);
            i = close == std::string::npos ? html.size() : i + close;
        }
    }
}

// The value of an attribute in a tag, or nothing.
bool attribute(std::string_view tag, std::string_view name, std::string& value) {
    const std::string text = lower(tag);
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const char before = at == 0 ? ' ' : text[at - 1];
        if (before != ' ' && before != '\t' && before != '\n') continue;
        std::size_t p = at + name.size();
        while (p < text.size() && text[p] == ' ') ++p;
        if (p >= text.size() || text[p] != '=') continue;
        ++p;
        while (p < text.size() && text[p] == ' ') ++p;
        if (p < text.size() && (text[p] == '"' || text[p] == '\'')) {
            const std::size_t close = text.find(text[p], p + 1);
            if (close == std::string::npos) return false;
            value = std::string(tag.substr(p + 1, close - p - 1));
        } else {
            std::size_t e = p;
            while (e < text.size() && text[e] != ' ' && text[e] != '>') ++e;
            value = std::string(tag.substr(p, e - p));
        }
        return true;
    }
    return false;
}

std::string read_whole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::vector<std::string> unbalanced_elements(std::string_view html) {
    std::vector<std::string> problems;
    std::vector<std::string> open;
    for_each_tag(html, [&](const Tag& tag) {
        if (std::find(kVoid.begin(), kVoid.end(), tag.name) != kVoid.end()) {
            if (tag.closing && tag.name != "img" && tag.name != "link") problems.push_back("end tag of a void " + tag.name);
            return;
        }
        if (!tag.closing) {
            if (!tag.selfClosing) open.push_back(tag.name);
            return;
        }
        if (open.empty() || open.back() != tag.name) {
            problems.push_back("</" + tag.name + "> while " + (open.empty() ? "nothing" : "<" + open.back() + ">") +
                               " is open");
            return;
        }
        open.pop_back();
    });
    for (const std::string& name : open) problems.push_back("<" + name + "> never closed");
    return problems;
}

std::set<std::string> page_anchors(std::string_view html) {
    std::set<std::string> names;
    for_each_tag(html, [&](const Tag& tag) {
        if (tag.closing) return;
        std::string value;
        if (tag.name == "a" && attribute(tag.text, "name", value) && !value.empty()) names.insert(value);
        if (attribute(tag.text, "id", value) && !value.empty()) names.insert(value);
    });
    return names;
}

std::vector<std::string> page_links(std::string_view html) {
    std::vector<std::string> links;
    for_each_tag(html, [&](const Tag& tag) {
        std::string value;
        if (!tag.closing && (tag.name == "a" || tag.name == "link") && attribute(tag.text, "href", value))
            links.push_back(value);
    });
    return links;
}

bool links_style_sheet(std::string_view html, const std::string& styleSheet) {
    bool found = false;
    for_each_tag(html, [&](const Tag& tag) {
        std::string rel;
        std::string href;
        if (!tag.closing && tag.name == "link" && attribute(tag.text, "rel", rel) &&
            lower(rel) == "stylesheet" && attribute(tag.text, "href", href) && href == styleSheet)
            found = true;
    });
    return found;
}

SiteReport check_site(const std::string& directory, const std::string& baseName) {
    SiteReport report;
    std::map<std::string, std::string> pages;  // file name -> text
    const std::string prefix = baseName + "_";
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(".html")) continue;
        const std::string number = name.substr(prefix.size(), name.size() - prefix.size() - 5);
        if (number.empty() || !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        pages[name] = read_whole(entry.path().string());
    }
    report.pages = static_cast<int>(pages.size());
    std::map<std::string, std::set<std::string>> anchors;
    for (const auto& [name, text] : pages) anchors[name] = page_anchors(text);

    for (const auto& [name, text] : pages) {
        for (const std::string& problem : unbalanced_elements(text)) report.unbalanced.push_back(name + ": " + problem);
        if (!links_style_sheet(text, baseName + ".css")) report.noStyleSheet.push_back(name);
        for (const std::string& anchor : anchors[name])
            if (anchor.starts_with("__RefHeading__")) report.hiddenNames.push_back(name + ": " + anchor);
        for (const std::string& href : page_links(text)) {
            const std::size_t hash = href.find('#');
            const std::string file = href.substr(0, hash);
            if (!file.empty() && !pages.contains(file) && !(file.starts_with(prefix) && file.ends_with(".html")))
                continue;  // not a link inside the site
            ++report.internalLinks;
            const std::string page = file.empty() ? name : file;
            const std::string target = hash == std::string::npos ? std::string() : href.substr(hash + 1);
            if (target.starts_with("__RefHeading__")) report.hiddenNames.push_back(name + ": " + href);
            const auto hit = anchors.find(page);
            if (hit == anchors.end() || (!target.empty() && !hit->second.contains(target)))
                report.brokenLinks.push_back(name + " -> " + href);
        }
    }
    return report;
}

}  // namespace vane::test
