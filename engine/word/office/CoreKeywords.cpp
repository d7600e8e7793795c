#include "word/office/CoreKeywords.h"

#include <cstdlib>

#include "frame/TextUtil.h"

namespace vane {

namespace {

// Character data with its entity and character references decoded.
std::string decode_text(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t amp = text.find('&', i);
        const std::size_t semi = amp == std::string::npos ? std::string::npos : text.find(';', amp);
        if (semi == std::string::npos) {
            out.append(text, i, std::string::npos);
            break;
        }
        out.append(text, i, amp - i);
        const std::string name = text.substr(amp + 1, semi - amp - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const unsigned long code = std::strtoul(name.c_str() + (hex ? 2 : 1), nullptr, hex ? 16 : 10);
            if (code != 0) append_utf8(out, code);  // a NUL reference adds nothing
        } else {
            out.append(text, amp, semi - amp + 1);  // unknown: kept as written
        }
        i = semi + 1;
    }
    return out;
}

// The qualified name of the tag starting at xml[lt] ('<'), and where it ends.
std::string tag_name(const std::string& xml, std::size_t lt) {
    std::size_t end = lt + 1;
    while (end < xml.size() && xml[end] != '>' && xml[end] != '/' && xml[end] != ' ' && xml[end] != '\t' &&
           xml[end] != '\r' && xml[end] != '\n')
        ++end;
    return xml.substr(lt + 1, end - lt - 1);
}

bool is_keywords(const std::string& name) {
    if (name.empty() || name[0] == '/' || name[0] == '?' || name[0] == '!') return false;
    const std::size_t colon = name.find(':');
    return (colon == std::string::npos ? name : name.substr(colon + 1)) == "keywords";
}

}  // namespace

std::optional<std::string> core_keywords(const std::string& coreXml) {
    for (std::size_t lt = coreXml.find('<'); lt != std::string::npos; lt = coreXml.find('<', lt + 1)) {
        const std::string name = tag_name(coreXml, lt);
        if (!is_keywords(name)) continue;
        const std::size_t gt = coreXml.find('>', lt);
        if (gt == std::string::npos) return std::nullopt;
        if (coreXml[gt - 1] == '/') return std::string();
        const std::size_t close = coreXml.find("</" + name, gt);
        if (close == std::string::npos) return std::nullopt;
        // Character data only: markup inside (a language-tagged value) is left out.
        std::string text;
        std::size_t at = gt + 1;
        while (at < close) {
            const std::size_t inner = coreXml.find('<', at);
            const std::size_t stop = inner < close ? inner : close;
            text.append(coreXml, at, stop - at);
            if (stop == close) break;
            const std::size_t innerEnd = coreXml.find('>', inner);
            if (innerEnd == std::string::npos || innerEnd > close) break;
            at = innerEnd + 1;
        }
        return decode_text(text);
    }
    return std::nullopt;
}

}  // namespace vane
