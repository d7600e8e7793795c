#include "html/OutlineHeadings.h"

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

#include "frame/TextUtil.h"
#include "platform/Env.h"
#include "word/Word.h"

namespace vane {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The lower-case name of the tag opening at `at` ('<'), "/name" for an end tag.
std::string tag_name(std::string_view html, std::size_t at) {
    std::string name;
    for (std::size_t i = at + 1; i < html.size(); ++i) {
        const char c = html[i];
        if (is_blank(c) || c == '>' || (c == '/' && !name.empty())) break;
        name += lower(c);
    }
    return name;
}

bool is_heading(const std::string& name) {
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
}

// The text of an element's content: tags dropped (a <br> is a space),
// character references decoded, normalised.
std::string element_text(std::string_view content) {
    static const std::map<std::string_view, std::uint32_t> kNamed = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}, {"shy", 0}};
    std::string out;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '<') {
            const std::size_t close = content.find('>', i);
            if (tag_name(content, i) == "br") out += ' ';
            if (close == std::string_view::npos) break;
            i = close;
            continue;
        }
        if (c == '&') {
            const std::size_t end = content.find(';', i);
            if (end != std::string_view::npos && end - i <= 10) {
                const std::string_view body = content.substr(i + 1, end - i - 1);
                std::uint32_t code = 0;
                bool known = false;
                if (body.size() >= 2 && body[0] == '#') {
                    const bool hex = body[1] == 'x' || body[1] == 'X';
                    known = body.size() > (hex ? 2u : 1u);
                    for (const char d : body.substr(hex ? 2 : 1)) {
                        int value = -1;
                        if (d >= '0' && d <= '9') value = d - '0';
                        else if (hex && lower(d) >= 'a' && lower(d) <= 'f') value = lower(d) - 'a' + 10;
                        if (value < 0 || code > 0x10FFFF) known = false;
                        if (!known) break;
                        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
                    }
                    if (code == 0xA0) code = ' ';
                } else if (const auto named = kNamed.find(body); named != kNamed.end()) {
                    known = true;
                    code = named->second;
                }
                if (known) {
                    if (code != 0 && code != 0xAD) append_utf8(out, code);
                    i = end;
                    continue;
                }
            }
        }
        out += c;
    }
    return OutlineHeadings::normalized(out);
}

struct Element {
    std::size_t open = 0;      // '<' of the start tag
    std::size_t nameEnd = 0;   // after the tag's name
    std::size_t close = 0;     // '<' of the end tag
    std::string name;
    std::string text;
};

// The <p> and <h1>..<h6> elements of `html`, in order.
std::vector<Element> elements_of(std::string_view html) {
    std::vector<Element> found;
    for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        const std::string name = tag_name(html, at);
        if (name != "p" && !is_heading(name)) continue;
        const std::size_t startEnd = html.find('>', at);
        if (startEnd == std::string_view::npos) break;
        // A paragraph ends at its end tag or where the next one starts.
        std::size_t close = startEnd;
        for (close = html.find('<', startEnd); close != std::string_view::npos; close = html.find('<', close + 1)) {
            const std::string next = tag_name(html, close);
            if (next == "/" + name || (name == "p" && (next == "p" || is_heading(next)))) break;
        }
        if (close == std::string_view::npos) break;
        Element element;
        element.open = at;
        element.nameEnd = at + 1 + name.size();
        element.close = tag_name(html, close) == "/" + name ? close : std::string_view::npos;
        element.name = name;
        element.text = element_text(html.substr(startEnd + 1, close - startEnd - 1));
        found.push_back(std::move(element));
        at = startEnd;
    }
    return found;
}

}  // namespace

std::string OutlineHeadings::normalized(std::string_view text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        if (is_blank(c) || (static_cast<unsigned char>(c) < 0x20)) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

void OutlineHeadings::collect(word::Application& application) {
    paragraphs.clear();
    std::unique_ptr<word::Selection> selection = application.selection();
    selection->homeKey(word::kUnitStory, word::kMove);
    selection->endKey(word::kUnitStory, word::kExtend);
    std::unique_ptr<word::Range> story = selection->range();
    std::unique_ptr<word::Paragraphs> all = story ? story->paragraphs() : nullptr;
    selection->homeKey(word::kUnitStory, word::kMove);
    if (!all) return;
    const int count = all->count();
    paragraphs.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 1; i <= count; ++i) {
        std::unique_ptr<word::Paragraph> paragraph = all->item(i);
        Paragraph entry;
        entry.text = normalized(paragraph->range()->text());
        const int level = paragraph->outlineLevel();
        if (level >= 1 && level <= 9) {
            entry.level = level;
            entry.label = normalized(paragraph->listString());
        }
        paragraphs.push_back(std::move(entry));
    }
}

std::string OutlineHeadings::apply(std::string_view html, const std::vector<Paragraph>& paragraphs,
                                   int* changed) {
    const std::vector<Element> elements = elements_of(html);
    // Elements by text, in order.
    std::map<std::string, std::vector<std::size_t>> byText;
    for (std::size_t i = 0; i < elements.size(); ++i) byText[elements[i].text].push_back(i);

    // The element of each paragraph to change: its text (with its number
    // first, or alone) and which paragraph with that text it is.
    std::map<std::size_t, int> levels;  // element -> heading level
    std::map<std::string, int> seen;
    for (const Paragraph& paragraph : paragraphs) {
        if (paragraph.text.empty()) continue;
        const int occurrence = seen[paragraph.label + '\n' + paragraph.text]++;
        if (paragraph.level < 1 || paragraph.level > 6) continue;
        std::vector<std::string> keys;
        if (!paragraph.label.empty()) {
            keys.push_back(paragraph.label + " " + paragraph.text);
            keys.push_back(paragraph.label + paragraph.text);
        }
        keys.push_back(paragraph.text);
        for (const std::string& key : keys) {
            const auto found = byText.find(key);
            if (found == byText.end() || static_cast<std::size_t>(occurrence) >= found->second.size()) continue;
            const std::size_t element = found->second[static_cast<std::size_t>(occurrence)];
            if (elements[element].name == "p") levels.emplace(element, paragraph.level);
            break;
        }
    }

    std::string out;
    out.reserve(html.size() + levels.size() * 4);
    std::size_t copied = 0;
    for (const auto& [index, level] : levels) {
        const Element& element = elements[index];
        const std::string tag = "h" + std::to_string(level);
        out.append(html.substr(copied, element.open + 1 - copied));
        out += tag;
        copied = element.nameEnd;
        if (element.close != std::string_view::npos) {
            out.append(html.substr(copied, element.close + 2 - copied));
            out += tag;
            copied = element.close + 2 + element.name.size();
        } else {
            // A paragraph without end tag: the heading ends where it does.
            const std::size_t next = index + 1 < elements.size() ? elements[index + 1].open : html.size();
            out.append(html.substr(copied, next - copied));
            out += "</" + tag + ">";
            copied = next;
        }
    }
    out.append(html.substr(copied));
    if (changed != nullptr) *changed = static_cast<int>(levels.size());
    return out;
}

int OutlineHeadings::applyTo(const std::string& path) const {
    std::string read;
    if (!env().readFile(path, read)) return 0;
    int changed = 0;
    const std::string html = apply(read, paragraphs, &changed);
    if (changed == 0) return 0;
    return env().writeFile(path, html.data(), html.size()) ? changed : 0;
}

}  // namespace vane
