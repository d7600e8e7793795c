#include "word/office/LigatureGlyphNames.h"

// Without PointerHolder (qpdf 11 uses std::shared_ptr).
#define POINTERHOLDER_TRANSITION 4
#include <cctype>
#include <cstdint>
#include <optional>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <set>
#include <string_view>
#include <vector>

namespace vane {

namespace {

std::uint32_t be(const std::string& data, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        if (at + i >= data.size()) return 0;
        value = value << 8 | static_cast<unsigned char>(data[at + i]);
    }
    return value;
}

// The parts of a TrueType font needed to find a glyph's outline.
class Sfnt {
public:
    explicit Sfnt(std::string data) : data_(std::move(data)) {
        const std::uint32_t tables = be(data_, 4, 2);
        for (std::uint32_t i = 0; i < tables; ++i) {
            const std::size_t entry = 12 + 16 * i;
            if (entry + 16 > data_.size()) break;
            const std::uint32_t offset = be(data_, entry + 8, 4);
            const std::uint32_t length = be(data_, entry + 12, 4);
            if (offset > data_.size() || length > data_.size() - offset) continue;
            tables_[data_.substr(entry, 4)] = {offset, length};
        }
    }

    // A font with the tables an outline lookup needs and a valid 'head'.
    bool valid() const {
        return has("glyf") && has("loca") && has("head") && has("maxp") &&
               be(data_, tables_.at("head").first + 12, 4) == 0x5F0F3CF5;
    }

    // Outline data of glyph `gid`; composite glyphs name their parts by
    // their own outline, since subsets number glyphs differently.
    std::string outline(std::uint32_t gid, int depth = 0) const {
        if (!valid() || depth > 8 || gid >= be(data_, tables_.at("maxp").first + 4, 2)) return {};
        const auto [locaAt, locaLength] = tables_.at("loca");
        const bool longOffsets = be(data_, tables_.at("head").first + 50, 2) != 0;
        const int width = longOffsets ? 4 : 2;
        if ((gid + 2) * width > locaLength) return {};
        const std::uint32_t scale = longOffsets ? 1 : 2;
        const std::uint32_t from = be(data_, locaAt + gid * width, width) * scale;
        const std::uint32_t to = be(data_, locaAt + (gid + 1) * width, width) * scale;
        const auto [glyfAt, glyfLength] = tables_.at("glyf");
        if (to <= from || to > glyfLength) return "empty";
        const std::string glyph = data_.substr(glyfAt + from, to - from);
        if (glyph.size() < 10 || static_cast<std::int16_t>(be(glyph, 0, 2)) >= 0)
            return "S" + unpadded(glyph);
        std::string key = "C" + glyph.substr(0, 10);
        std::size_t at = 10;
        for (;;) {
            if (at + 4 > glyph.size()) return {};
            const std::uint32_t flags = be(glyph, at, 2);
            const std::string part = outline(be(glyph, at + 2, 2), depth + 1);
            if (part.empty()) return {};
            std::size_t size = 4 + ((flags & 0x1) ? 4 : 2);
            if (flags & 0x8)
                size += 2;
            else if (flags & 0x40)
                size += 4;
            else if (flags & 0x80)
                size += 8;
            if (at + size > glyph.size()) return {};
            key += glyph.substr(at, 2) + glyph.substr(at + 4, size - 4) + "(" + std::to_string(part.size()) +
                   ":" + part + ")";
            at += size;
            if (!(flags & 0x20)) break;
        }
        return key + unpadded(glyph.substr(at));
    }

    // Glyph for a character code of a simple TrueType font in a PDF: the
    // (3,0) subtable at 0xF000 + code or code, else the (1,0) subtable.
    std::optional<std::uint32_t> glyphForCode(std::uint32_t code) const {
        if (!has("cmap")) return std::nullopt;
        const std::uint32_t cmap = tables_.at("cmap").first;
        const std::uint32_t count = be(data_, cmap + 2, 2);
        std::optional<std::uint32_t> mac;
        std::optional<std::uint32_t> symbol;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t entry = cmap + 4 + 8 * i;
            const std::uint32_t platform = be(data_, entry, 2), encoding = be(data_, entry + 2, 2);
            if (platform == 3 && encoding == 0) symbol = cmap + be(data_, entry + 4, 4);
            if (platform == 1 && encoding == 0) mac = cmap + be(data_, entry + 4, 4);
        }
        if (symbol) {
            for (std::uint32_t c : {0xF000 | code, code})
                if (auto gid = lookup(*symbol, c); gid && *gid != 0) return gid;
        }
        if (mac) return lookup(*mac, code);
        return std::nullopt;
    }

private:
    // Subsetters pad glyphs to different boundaries: trailing zeros do not count.
    static std::string unpadded(std::string data) {
        while (!data.empty() && data.back() == '\0') data.pop_back();
        return data;
    }

    bool has(const char* tag) const { return tables_.count(tag) != 0; }

    std::optional<std::uint32_t> lookup(std::uint32_t at, std::uint32_t code) const {
        switch (be(data_, at, 2)) {
            case 0:
                if (code < 256) return be(data_, at + 6 + code, 1);
                return std::nullopt;
            case 6: {
                const std::uint32_t first = be(data_, at + 6, 2), count = be(data_, at + 8, 2);
                if (code >= first && code < first + count) return be(data_, at + 10 + 2 * (code - first), 2);
                return std::nullopt;
            }
            case 4: {
                const std::uint32_t segments = be(data_, at + 6, 2) / 2;
                const std::size_t ends = at + 14, starts = ends + 2 * segments + 2;
                const std::size_t deltas = starts + 2 * segments, ranges = deltas + 2 * segments;
                for (std::uint32_t s = 0; s < segments; ++s) {
                    if (code > be(data_, ends + 2 * s, 2)) continue;
                    const std::uint32_t start = be(data_, starts + 2 * s, 2);
                    if (code < start) return std::nullopt;
                    const std::uint32_t delta = be(data_, deltas + 2 * s, 2);
                    const std::uint32_t range = be(data_, ranges + 2 * s, 2);
                    if (range == 0) return (code + delta) & 0xFFFF;
                    const std::uint32_t gid = be(data_, ranges + 2 * s + range + 2 * (code - start), 2);
                    return gid == 0 ? 0 : (gid + delta) & 0xFFFF;
                }
                return std::nullopt;
            }
            default:
                return std::nullopt;
        }
    }

    std::string data_;
    std::map<std::string, std::pair<std::uint32_t, std::uint32_t>> tables_;
};

std::string stream_data(QPDFObjectHandle stream) {
    if (!stream.isStream()) return {};
    const auto buffer = stream.getStreamData(qpdf_dl_generalized);
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

std::string hex_bytes(std::string_view hex) {
    std::string bytes;
    int high = -1;
    for (char c : hex) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) continue;
        const int nibble = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
        if (high < 0) {
            high = nibble;
        } else {
            bytes += static_cast<char>(high << 4 | nibble);
            high = -1;
        }
    }
    if (high >= 0) bytes += static_cast<char>(high << 4);
    return bytes;
}

// Codes of a ToUnicode CMap whose text is more than one UTF-16 unit.
std::map<std::uint32_t, std::string> multi_unit_texts(const std::string& cmap) {
    std::vector<std::string> tokens;
    for (std::size_t at = 0; at < cmap.size();) {
        const char c = cmap[at];
        if (c == '<' || c == '[' || c == ']') {
            if (c == '<' && at + 1 < cmap.size() && cmap[at + 1] == '<') {
                at += 2;
                continue;
            }
            const std::size_t end = c == '<' ? cmap.find('>', at) : at;
            if (end == std::string::npos) break;
            tokens.push_back(cmap.substr(at, end - at + 1));
            at = end + 1;
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            std::size_t end = at;
            while (end < cmap.size() && std::isalnum(static_cast<unsigned char>(cmap[end]))) ++end;
            tokens.push_back(cmap.substr(at, end - at));
            at = end;
        } else {
            ++at;
        }
    }
    std::map<std::uint32_t, std::string> texts;
    auto code = [](const std::string& token) {
        return be(hex_bytes(token), 0, static_cast<int>(hex_bytes(token).size()));
    };
    auto keep = [&](std::uint32_t c, const std::string& text) {
        if (text.size() >= 4 && text.size() % 2 == 0) texts[c] = text;
    };
    std::string section;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        if (t == "beginbfchar" || t == "beginbfrange") {
            section = t;
        } else if (t == "endbfchar" || t == "endbfrange") {
            section.clear();
        } else if (section == "beginbfchar" && t[0] == '<' && i + 1 < tokens.size() &&
                   tokens[i + 1][0] == '<') {
            keep(code(t), hex_bytes(tokens[i + 1]));
            ++i;
        } else if (section == "beginbfrange" && t[0] == '<' && i + 2 < tokens.size() &&
                   tokens[i + 1][0] == '<') {
            const std::uint32_t low = code(t), high = code(tokens[i + 1]);
            if (high < low || high - low > 0xFFFF) return texts;
            if (tokens[i + 2] == "[") {
                std::size_t j = i + 3;
                for (std::uint32_t c = low; c <= high && j < tokens.size() && tokens[j][0] == '<'; ++c, ++j)
                    keep(c, hex_bytes(tokens[j]));
                while (j < tokens.size() && tokens[j] != "]") ++j;
                i = j;
            } else if (tokens[i + 2][0] == '<') {
                std::string text = hex_bytes(tokens[i + 2]);
                for (std::uint32_t c = low; c <= high && !text.empty(); ++c) {
                    keep(c, text);
                    text.back() = static_cast<char>(text.back() + 1);
                }
                i += 2;
            }
        }
    }
    return texts;
}

void add_font(QPDFObjectHandle font, LigatureTexts& texts, std::set<std::string>& ambiguous) {
    const std::string subtype = font.getKey("/Subtype").isName() ? font.getKey("/Subtype").getName() : "";
    QPDFObjectHandle descendant;
    if (subtype == "/Type0") {
        QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
        if (!descendants.isArray() || descendants.getArrayNItems() != 1) return;
        descendant = descendants.getArrayItem(0);
        if (!descendant.isDictionary() || !descendant.getKey("/Subtype").isNameAndEquals("/CIDFontType2"))
            return;
    } else if (subtype != "/TrueType") {
        return;
    }
    const std::map<std::uint32_t, std::string> codes =
        multi_unit_texts(stream_data(font.getKey("/ToUnicode")));
    if (codes.empty()) return;
    QPDFObjectHandle descriptor = (descendant.isDictionary() ? descendant : font).getKey("/FontDescriptor");
    if (!descriptor.isDictionary()) return;
    const Sfnt sfnt(stream_data(descriptor.getKey("/FontFile2")));
    if (!sfnt.valid()) return;
    std::string cidToGid;
    if (descendant.isDictionary()) {
        QPDFObjectHandle map = descendant.getKey("/CIDToGIDMap");
        if (map.isStream())
            cidToGid = stream_data(map);
        else if (!map.isNull() && !map.isNameAndEquals("/Identity"))
            return;
    }
    for (const auto& [code, text] : codes) {
        std::optional<std::uint32_t> gid;
        if (!descendant.isDictionary())
            gid = sfnt.glyphForCode(code);
        else if (cidToGid.empty())
            gid = code;
        else if (2 * code + 2 <= cidToGid.size())
            gid = be(cidToGid, 2 * code, 2);
        if (!gid || *gid == 0) continue;
        const std::string key = sfnt.outline(*gid);
        if (key.empty() || key == "empty" || ambiguous.count(key)) continue;
        const auto [it, added] = texts.emplace(key, text);
        if (!added && it->second != text) {
            texts.erase(it);
            ambiguous.insert(key);
        }
    }
}

std::string hex_text(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

// Decodes the sfnts strings of a Type 42 font. Each string usually carries
// one padding byte after its table or glyph data; both readings are tried.
Sfnt sfnt_from_strings(const std::vector<std::string>& strings) {
    std::string unpadded, plain;
    for (const std::string& s : strings) {
        plain += s;
        if (!s.empty()) unpadded.append(s, 0, s.size() - 1);
    }
    Sfnt font(unpadded);
    if (font.valid()) return font;
    return Sfnt(plain);
}

// One "%%BeginResource: font" block; returns it unchanged unless it has
// glyphs named g<n> with a known text.
std::string label_font(const std::string& block, const LigatureTexts& texts, int serial) {
    const std::size_t charStrings = block.find("/CharStrings ");
    const std::size_t sfntsAt = block.find("/sfnts [");
    const std::size_t fontName = block.find("/FontName /");
    if (charStrings == std::string::npos || sfntsAt == std::string::npos || fontName == std::string::npos)
        return block;
    const std::size_t charStringsEnd = block.find("end readonly def", charStrings);
    const std::size_t sfntsEnd = block.find("] def", sfntsAt);
    if (charStringsEnd == std::string::npos || sfntsEnd == std::string::npos) return block;

    std::vector<std::pair<std::string, std::uint32_t>> names;
    for (std::size_t at = block.find("\n/g", charStrings); at < charStringsEnd;
         at = block.find("\n/g", at + 1)) {
        std::size_t end = at + 3;
        while (end < block.size() && std::isdigit(static_cast<unsigned char>(block[end]))) ++end;
        if (end == at + 3 || block[end] != ' ') continue;
        std::size_t def = end + 1;
        std::uint32_t gid = 0;
        while (def < block.size() && std::isdigit(static_cast<unsigned char>(block[def])))
            gid = gid * 10 + (block[def++] - '0');
        if (block.compare(def, 4, " def") == 0) names.emplace_back(block.substr(at + 2, end - at - 2), gid);
    }
    if (names.empty()) return block;

    std::vector<std::string> strings;
    for (std::size_t at = block.find('<', sfntsAt); at < sfntsEnd; at = block.find('<', at + 1)) {
        const std::size_t end = block.find('>', at);
        if (end == std::string::npos || end > sfntsEnd) break;
        strings.push_back(hex_bytes(std::string_view(block).substr(at + 1, end - at - 1)));
        at = end;
    }
    const Sfnt sfnt = sfnt_from_strings(strings);
    if (!sfnt.valid()) return block;

    std::string map;
    for (const auto& [name, gid] : names) {
        const auto found = texts.find(sfnt.outline(gid));
        if (found != texts.end()) map += "/" + name + " <" + hex_text(found->second) + "> ";
    }
    if (map.empty()) return block;
    const std::size_t nameEnd = block.find(" def", fontName);
    if (nameEnd == std::string::npos) return block;
    return block.substr(0, nameEnd) + "-L" + std::to_string(serial) +
           " def\n/FontInfo << /GlyphNames2Unicode << " + map + ">> >> def" + block.substr(nameEnd + 4);
}

}  // namespace

LigatureTexts read_ligature_texts(const std::string& pdfPath) {
    QPDF pdf;
    pdf.processFile(pdfPath.c_str());
    LigatureTexts texts;
    std::set<std::string> ambiguous;
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
        if (object.isDictionary() && object.getKey("/Type").isNameAndEquals("/Font"))
            add_font(object, texts, ambiguous);
    }
    return texts;
}

std::string label_ligature_glyphs(const std::string& postScript, const LigatureTexts& texts) {
    if (texts.empty()) return postScript;
    static const std::string kBegin = "%%BeginResource: font ";
    static const std::string kEnd = "%%EndResource";
    std::string out;
    out.reserve(postScript.size() + 1024);
    std::size_t from = 0;
    int serial = 0;
    for (;;) {
        const std::size_t begin = postScript.find(kBegin, from);
        if (begin == std::string::npos) break;
        const std::size_t end = postScript.find(kEnd, begin);
        if (end == std::string::npos) break;
        out.append(postScript, from, begin - from);
        const std::string block = postScript.substr(begin, end - begin);
        const std::string labelled = label_font(block, texts, serial + 1);
        if (labelled != block) ++serial;
        out += labelled;
        from = end;
    }
    out.append(postScript, from);
    return out;
}

}  // namespace vane
