#include "pdf/LigatureTextRepair.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

#include "frame/FileUtil.h"
#include "platform/Env.h"

#ifdef VANE_HAVE_QPDF
// Without PointerHolder (qpdf 11 uses std::shared_ptr).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#endif

namespace vane {

namespace {

// One hex string "<...>" of a map section: where it stands and its digits.
struct HexToken {
    std::size_t begin = 0;  // at '<'
    std::size_t end = 0;    // past '>'
    std::string digits;     // whitespace dropped, case kept
    bool destination = false;
};

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool multi_unit(const std::string& digits) {
    return digits.size() >= 8 && digits.size() % 4 == 0;
}

// The hex strings between "begin<kind>" and "end<kind>" of every section of
// `kind` ("bfchar", "bfrange"), with the destinations flagged: the second of
// each bfchar pair; the third item of each bfrange triple, or every string of
// an array in its place.
std::vector<HexToken> section_tokens(const std::string& cmap, const std::string& kind) {
    std::vector<HexToken> tokens;
    const std::string open = "begin" + kind;
    const std::string close = "end" + kind;
    const bool ranges = kind == "bfrange";
    for (std::size_t at = cmap.find(open); at != std::string::npos; at = cmap.find(open, at)) {
        at += open.size();
        const std::size_t stop = cmap.find(close, at);
        if (stop == std::string::npos) break;
        int item = 0;  // position within the pair or triple
        bool inArray = false;
        for (std::size_t i = at; i < stop; ++i) {
            const char c = cmap[i];
            if (c == '[') {
                inArray = true;
            } else if (c == ']') {
                inArray = false;
                item = 0;
            } else if (c == '<') {
                const std::size_t end = cmap.find('>', i);
                if (end == std::string::npos || end > stop) break;
                HexToken token;
                token.begin = i;
                token.end = end + 1;
                for (std::size_t k = i + 1; k < end; ++k)
                    if (!std::isspace(static_cast<unsigned char>(cmap[k]))) token.digits += cmap[k];
                if (inArray) {
                    token.destination = true;
                } else {
                    token.destination = ranges ? item == 2 : item == 1;
                    item = (item + 1) % (ranges ? 3 : 2);
                }
                tokens.push_back(std::move(token));
                i = end;
            }
        }
        at = stop + close.size();
    }
    return tokens;
}

std::vector<HexToken> destinations(const std::string& cmap) {
    std::vector<HexToken> found;
    for (const char* kind : {"bfchar", "bfrange"})
        for (HexToken& token : section_tokens(cmap, kind))
            if (token.destination) found.push_back(std::move(token));
    return found;
}

}  // namespace

std::string unit_swapped(const std::string& hex) {
    if (hex.empty() || hex.size() % 4 != 0) return {};
    std::string swapped = hex;
    for (std::size_t i = 0; i < hex.size(); i += 4) {
        swapped[i] = hex[i + 2];
        swapped[i + 1] = hex[i + 3];
        swapped[i + 2] = hex[i];
        swapped[i + 3] = hex[i + 1];
    }
    return swapped;
}

std::set<std::string> multi_unit_destinations(const std::string& cmap) {
    std::set<std::string> found;
    for (const HexToken& token : destinations(cmap))
        if (multi_unit(token.digits)) found.insert(lower(token.digits));
    return found;
}

std::string repair_cmap(const std::string& cmap, const std::set<std::string>& known) {
    std::vector<HexToken> tokens = destinations(cmap);
    std::erase_if(tokens, [&](const HexToken& token) {
        const std::string own = lower(token.digits);
        return !multi_unit(own) || known.contains(own) || !known.contains(unit_swapped(own));
    });
    if (tokens.empty()) return cmap;
    std::sort(tokens.begin(), tokens.end(),
              [](const HexToken& a, const HexToken& b) { return a.begin < b.begin; });
    std::string repaired;
    repaired.reserve(cmap.size());
    std::size_t from = 0;
    for (const HexToken& token : tokens) {
        repaired.append(cmap, from, token.begin - from);
        repaired += '<' + unit_swapped(token.digits) + '>';
        from = token.end;
    }
    repaired.append(cmap, from);
    return repaired;
}

#ifdef VANE_HAVE_QPDF

namespace {

std::string stream_text(QPDFObjectHandle stream) {
    const auto data = stream.getStreamData(qpdf_dl_generalized);
    return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
}

// Every ToUnicode stream of `pdf`, each once.
std::vector<QPDFObjectHandle> to_unicode_maps(QPDF& pdf) {
    std::vector<QPDFObjectHandle> maps;
    std::set<QPDFObjGen> seen;
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
        if (!object.isDictionary()) continue;
        QPDFObjectHandle map = object.getKey("/ToUnicode");
        if (map.isStream() && seen.insert(map.getObjGen()).second) maps.push_back(map);
    }
    return maps;
}

}  // namespace

bool repair_ligature_text(const std::string& producedPath, const std::string& printedPath) {
    std::set<std::string> known;
    try {
        QPDF printed;
        printed.processFile(printedPath.c_str());
        for (QPDFObjectHandle map : to_unicode_maps(printed))
            known.merge(multi_unit_destinations(stream_text(map)));
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot read the printed PDF: " + std::string(e.what()));
    }
    if (known.empty()) return false;

    const std::string repairedPath = producedPath + ".repaired";
    std::shared_ptr<Buffer> repairedPdf;
    try {
        QPDF produced;
        produced.processFile(producedPath.c_str());
        bool changed = false;
        for (QPDFObjectHandle map : to_unicode_maps(produced)) {
            const std::string text = stream_text(map);
            const std::string repaired = repair_cmap(text, known);
            if (repaired == text) continue;
            map.replaceStreamData(repaired, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
            changed = true;
        }
        if (!changed) return false;
        // Written in memory first: the writer does not report a file it could
        // not finish (a full disk), and a truncated PDF must never replace the
        // producer's.
        QPDFWriter writer(produced);
        writer.setOutputMemory();
        writer.write();
        repairedPdf = writer.getBufferSharedPointer();
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot repair the PDF's text: " + std::string(e.what()));
    }
    if (!write_file(repairedPath.c_str(), repairedPdf->getSize(), repairedPdf->getBuffer()))
        throw std::runtime_error("cannot write " + repairedPath);
    if (!env().renameFile(repairedPath, producedPath)) {
        env().removeFile(repairedPath);
        throw std::runtime_error("cannot replace " + producedPath);
    }
    return true;
}

#else

bool repair_ligature_text(const std::string&, const std::string&) {
    return false;
}

#endif

}  // namespace vane
