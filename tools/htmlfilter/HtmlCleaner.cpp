#include "HtmlCleaner.h"

#include <tidy.h>
#include <tidybuffio.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <vector>

namespace vane::filter {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool starts_with_nocase(const std::string& text, std::size_t at, const char* prefix) {
    const std::size_t n = std::strlen(prefix);
    if (at + n > text.size()) return false;
    for (std::size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != prefix[i]) return false;
    }
    return true;
}

// Tidy's name for the encoding the document declares: UTF-8 is decoded, any
// other encoding passes through byte for byte so that the declaration stays true.
const char* tidy_encoding(const std::string& html) {
    const std::string head = lower(html.substr(0, std::min<std::size_t>(html.size(), 8192)));
    const std::size_t at = head.find("charset=");
    if (at == std::string::npos) return "utf8";
    std::size_t v = at + 8;
    while (v < head.size() && (head[v] == '"' || head[v] == '\'' || head[v] == ' ')) ++v;
    return head.compare(v, 5, "utf-8") == 0 || head.compare(v, 4, "utf8") == 0 ? "utf8" : "raw";
}

struct DocDeleter {
    void operator()(TidyDoc* doc) const {
        tidyRelease(*doc);
        delete doc;
    }
};

bool is_office_name(ctmbstr name) {
    return name != nullptr && std::strchr(name, ':') != nullptr;
}

bool keep_meta(TidyNode node) {
    for (TidyAttr a = tidyAttrFirst(node); a != nullptr; a = tidyAttrNext(a)) {
        // Stray markup in a tag ("<meta <%p") gives an attribute without a name.
        if (tidyAttrName(a) == nullptr) continue;
        const std::string name = lower(tidyAttrName(a));
        if (name == "charset") return true;
        if (name == "http-equiv" && tidyAttrValue(a) != nullptr && lower(tidyAttrValue(a)) == "content-type")
            return true;
    }
    return false;
}

bool is_stylesheet_link(TidyNode node) {
    for (TidyAttr a = tidyAttrFirst(node); a != nullptr; a = tidyAttrNext(a)) {
        if (tidyAttrName(a) != nullptr && lower(tidyAttrName(a)) == "rel" && tidyAttrValue(a) != nullptr &&
            lower(tidyAttrValue(a)).find("stylesheet") != std::string::npos)
            return true;
    }
    return false;
}

bool drop_node(TidyNode node, const FilterOptions& options) {
    const TidyNodeType type = tidyNodeGetType(node);
    if (options.officeMarkup) {
        if (type == TidyNode_Comment || type == TidyNode_Section || type == TidyNode_ProcIns ||
            type == TidyNode_XmlDecl)
            return true;
        const ctmbstr name = tidyNodeGetName(node);
        if (is_office_name(name)) return true;
        if (name != nullptr && lower(name) == "xml") return true;
        if (tidyNodeGetId(node) == TidyTag_META && !keep_meta(node)) return true;
    }
    if (options.formatting) {
        if (tidyNodeGetId(node) == TidyTag_STYLE) return true;
        if (tidyNodeGetId(node) == TidyTag_LINK && is_stylesheet_link(node)) return true;
    }
    return false;
}

bool drop_attribute(ctmbstr name, const FilterOptions& options) {
    if (name == nullptr) return false;
    const std::string n = lower(name);
    if (options.officeMarkup && (is_office_name(name) || n == "xmlns")) return true;
    if (options.formatting && (n == "style" || n == "class" || n == "lang")) return true;
    return false;
}

void clean_attributes(TidyDoc doc, TidyNode node, const FilterOptions& options) {
    std::vector<TidyAttr> doomed;
    for (TidyAttr a = tidyAttrFirst(node); a != nullptr; a = tidyAttrNext(a)) {
        if (drop_attribute(tidyAttrName(a), options)) doomed.push_back(a);
    }
    for (TidyAttr a : doomed) tidyAttrDiscard(doc, node, a);
}

void clean_tree(TidyDoc doc, TidyNode parent, const FilterOptions& options) {
    TidyNode child = tidyGetChild(parent);
    while (child != nullptr) {
        if (drop_node(child, options)) {
            child = tidyDiscardElement(doc, child);
            continue;
        }
        clean_attributes(doc, child, options);
        clean_tree(doc, child, options);
        child = tidyGetNext(child);
    }
}

bool configure(TidyDoc doc, const FilterOptions& options, const char* encoding) {
    bool ok = tidyOptSetInt(doc, TidyWrapLen, 0) && tidyOptSetBool(doc, TidyMark, no) &&
              tidyOptSetBool(doc, TidyForceOutput, yes) && tidyOptSetBool(doc, TidyQuiet, yes) &&
              tidyOptSetBool(doc, TidyShowWarnings, no) && tidyOptSetValue(doc, TidyIndentContent, "no") &&
              tidyOptSetValue(doc, TidyInCharEncoding, encoding) &&
              tidyOptSetValue(doc, TidyOutCharEncoding, encoding) &&
              tidyOptSetBool(doc, TidyPreserveEntities, yes) && tidyOptSetValue(doc, TidyNewline, "LF");
    if (options.anchors) {
        // Bookmark targets are empty anchors: tidy would drop them otherwise.
        ok = ok && tidyOptSetBool(doc, TidyDropEmptyElems, no) && tidyOptSetBool(doc, TidyAnchorAsName, yes);
    }
    return ok;
}

}  // namespace

std::string strip_conditionals(const std::string& html) {
    std::string out;
    out.reserve(html.size());
    std::size_t i = 0;
    while (i < html.size()) {
        if (starts_with_nocase(html, i, "<!--[if")) {
            const std::size_t end = lower(html.substr(i)).find("<![endif]-->");
            if (end == std::string::npos) {
                const std::size_t close = html.find("-->", i);
                i = close == std::string::npos ? html.size() : close + 3;
            } else {
                i += end + std::strlen("<![endif]-->");
            }
            continue;
        }
        if (starts_with_nocase(html, i, "<![if") || starts_with_nocase(html, i, "<![endif")) {
            const std::size_t close = html.find('>', i);
            i = close == std::string::npos ? html.size() : close + 1;
            continue;
        }
        out += html[i++];
    }
    return out;
}

std::string unwrap_element(const std::string& html, const std::string& name) {
    const std::string open = "<" + lower(name);
    const std::string close = "</" + lower(name);
    std::string out;
    out.reserve(html.size());
    std::size_t i = 0;
    while (i < html.size()) {
        for (const std::string* tag : {&open, &close}) {
            if (!starts_with_nocase(html, i, tag->c_str())) continue;
            const std::size_t after = i + tag->size();
            const char next = after < html.size() ? html[after] : '>';
            if (next != '>' && next != '/' && !std::isspace(static_cast<unsigned char>(next))) continue;
            const std::size_t end = html.find('>', after);
            if (end == std::string::npos) continue;
            i = end + 1;
            goto next_char;
        }
        out += html[i++];
    next_char:;
    }
    return out;
}

std::string break_long_lines(const std::string& html, std::size_t limit) {
    std::string out;
    out.reserve(html.size() + html.size() / limit + 1);
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '\n') {
            lineStart = i + 1;
        } else if (i - lineStart >= limit && html[i] == '<' && i >= 4 &&
                   starts_with_nocase(html, i - 4, "</a>") && i + 2 < html.size() &&
                   std::tolower(static_cast<unsigned char>(html[i + 1])) == 'a' &&
                   (html[i + 2] == ' ' || html[i + 2] == '>')) {
            // The first place past the limit between two anchors.
            out += '\n';
            lineStart = i;
        }
        out += html[i];
    }
    return out;
}

bool clean_html(const std::string& input, const FilterOptions& options, std::string& output) {
    if (input.find('\0') != std::string::npos) return false;
    if (input.find('<') == std::string::npos) return false;
    std::string text = input;
    if (options.officeMarkup) text = strip_conditionals(text);
    if (options.formatting) text = unwrap_element(unwrap_element(text, "font"), "span");

    std::unique_ptr<TidyDoc, DocDeleter> doc(new TidyDoc(tidyCreate()));
    TidyBuffer errors;
    tidyBufInit(&errors);
    TidyBuffer result;
    tidyBufInit(&result);
    bool ok = configure(*doc, options, tidy_encoding(text)) && tidySetErrorBuffer(*doc, &errors) >= 0;
    ok = ok && tidyParseString(*doc, text.c_str()) >= 0;
    ok = ok && tidyCleanAndRepair(*doc) >= 0;
    if (ok) {
        clean_tree(*doc, tidyGetRoot(*doc), options);
        ok = tidySaveBuffer(*doc, &result) >= 0 && result.bp != nullptr;
    }
    if (ok)
        output =
            break_long_lines(std::string(reinterpret_cast<const char*>(result.bp), result.size), kLineLimit);
    tidyBufFree(&result);
    tidyBufFree(&errors);
    return ok && tidyGetBody(*doc) != nullptr;
}

}  // namespace vane::filter
