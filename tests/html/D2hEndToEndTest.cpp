// "vane d2h" on real documents with the real office. The headings a site must
// have come from the office itself: one batch "soffice --convert-to html" of
// every document gives its h1..h6 elements, the same headings the published
// export carries. Each site is then checked for one page per heading down to
// -d, page and index titles, the index nesting and the internal links.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "frame/TextUtil.h"

namespace vane {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::TempDir;
using test::write_text;

struct ShellRun {
    int status = -1;
    std::string out;
};

ShellRun shell(const std::string& command) {
    ShellRun r;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr ? std::string() : std::string(v);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool at_nocase(const std::string& text, std::size_t at, const std::string& word) {
    if (at + word.size() > text.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower(text[at + i]) != word[i]) return false;
    return true;
}

std::size_t find_nocase(const std::string& text, const std::string& word, std::size_t from) {
    for (std::size_t i = from; i + word.size() <= text.size(); ++i)
        if (at_nocase(text, i, word)) return i;
    return std::string::npos;
}

// The text a reader sees, for comparing: tags dropped, character references
// decoded, and every blank (ASCII or no-break space) removed, so that the way
// the text pieces of an element are joined does not matter.
std::string visible_text(const std::string& html) {
    std::string decoded;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const std::size_t gt = html.find('>', i);
            i = gt == std::string::npos ? html.size() : gt + 1;
            continue;
        }
        if (html[i] == '&') {
            const std::size_t semi = html.find(';', i);
            if (semi != std::string::npos && semi - i <= 10) {
                const std::string name = html.substr(i + 1, semi - i - 1);
                static const std::map<std::string, unsigned long> kNamed = {
                    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
                unsigned long cp = 0;
                bool known = false;
                if (!name.empty() && name[0] == '#') {
                    const bool hex = name.size() > 1 && lower(name[1]) == 'x';
                    char* end = nullptr;
                    cp = std::strtoul(name.c_str() + (hex ? 2 : 1), &end, hex ? 16 : 10);
                    known = end != nullptr && *end == '\0';
                } else if (kNamed.count(name) != 0) {
                    cp = kNamed.at(name);
                    known = true;
                }
                if (known) {
                    append_utf8(decoded, cp);
                    i = semi + 1;
                    continue;
                }
            }
        }
        decoded += html[i++];
    }
    std::string text;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(decoded[i]);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        if (c == 0xC2 && i + 1 < decoded.size() && static_cast<unsigned char>(decoded[i + 1]) == 0xA0) {
            ++i;
            continue;
        }
        text += decoded[i];
    }
    return text;
}

struct Heading {
    int level = 0;
    std::string text;  // visible_text of the element
};

// Every h1..h6 element of an HTML text, in order.
std::vector<Heading> headings_of(const std::string& html) {
    std::vector<Heading> found;
    for (std::size_t at = find_nocase(html, "<h", 0); at != std::string::npos;
         at = find_nocase(html, "<h", at + 2)) {
        if (at + 3 >= html.size()) break;
        const char digit = html[at + 2];
        const char after = html[at + 3];
        if (digit < '1' || digit > '6' || !(after == '>' || after == ' ' || after == '\n' || after == '\r' ||
                                             after == '\t'))
            continue;
        const std::size_t close = find_nocase(html, std::string("</h") + digit, at);
        if (close == std::string::npos) break;
        found.push_back({digit - '0', visible_text(html.substr(at, close - at))});
        at = close;
    }
    return found;
}

// Value of attribute `name` (e.g. "href") in a tag's text, quoted or not.
bool attribute(const std::string& tag, const std::string& name, std::string& value) {
    for (std::size_t at = find_nocase(tag, name + "=", 0); at != std::string::npos;
         at = find_nocase(tag, name + "=", at + 1)) {
        const char before = at == 0 ? ' ' : tag[at - 1];
        if (before != ' ' && before != '\n' && before != '\r' && before != '\t') continue;
        std::size_t v = at + name.size() + 1;
        if (v < tag.size() && (tag[v] == '"' || tag[v] == '\'')) {
            const std::size_t end = tag.find(tag[v], v + 1);
            if (end == std::string::npos) return false;
            value = tag.substr(v + 1, end - v - 1);
        } else {
            std::size_t end = v;
            while (end < tag.size() && tag[end] != ' ' && tag[end] != '>') ++end;
            value = tag.substr(v, end - v);
        }
        return true;
    }
    return false;
}

struct Anchors {
    std::set<std::string> names;    // <a name="...">
    std::vector<std::string> hrefs;  // <a href="..."> in document order
};

Anchors anchors_of(const std::string& html) {
    Anchors a;
    for (std::size_t at = find_nocase(html, "<a", 0); at != std::string::npos;
         at = find_nocase(html, "<a", at + 2)) {
        if (at + 2 >= html.size()) break;
        const char after = html[at + 2];
        if (after != ' ' && after != '\n' && after != '\r' && after != '\t') continue;
        const std::size_t gt = html.find('>', at);
        if (gt == std::string::npos) break;
        const std::string tag = html.substr(at, gt - at + 1);
        std::string value;
        if (attribute(tag, "name", value) && !value.empty()) a.names.insert(value);
        if (attribute(tag, "href", value)) a.hrefs.push_back(value);
    }
    return a;
}

struct Node {
    int id = -1;
    int parent = -2;
    std::string title;
    std::string page;
};

// Reads the single-quoted dTree argument at `at` (on the opening quote) as
// script reads it: a backslash takes the next character literally. Leaves
// `at` after the closing quote.
bool quoted_argument(const std::string& line, std::size_t& at, std::string& value) {
    if (at >= line.size() || line[at] != '\'') return false;
    value.clear();
    for (++at; at < line.size(); ++at) {
        if (line[at] == '\\' && at + 1 < line.size()) {
            value += line[++at];
        } else if (line[at] == '\'') {
            ++at;
            return true;
        } else {
            value += line[at];
        }
    }
    return false;
}

// The d.add(id,parent,'title'[,'page','title','main']); calls of an index
// page; a call that does not parse gives a node with id -1.
std::vector<Node> index_nodes(const std::string& html) {
    std::vector<Node> nodes;
    std::istringstream lines(html);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("d.add(", 0) != 0) continue;
        Node n;
        char* end = nullptr;
        const long id = std::strtol(line.c_str() + 6, &end, 10);
        if (*end != ',') {
            nodes.push_back(n);
            continue;
        }
        const long parent = std::strtol(end + 1, &end, 10);
        std::size_t at = static_cast<std::size_t>(end - line.c_str());
        std::string title, page, again, target;
        bool ok = line[at] == ',' && quoted_argument(line, ++at, title);
        if (ok && line.compare(at, 2, ",'") == 0) {
            ok = quoted_argument(line, ++at, page) && line[at] == ',' && quoted_argument(line, ++at, again) &&
                 line[at] == ',' && quoted_argument(line, ++at, target) && again == title && target == "main";
        }
        ok = ok && line.compare(at, 2, ");") == 0;
        if (ok) {
            n.id = static_cast<int>(id);
            n.parent = static_cast<int>(parent);
            n.title = title;
            n.page = page;
        }
        nodes.push_back(n);
    }
    return nodes;
}

// Node depths of the index for a list of page levels (entry 0 is page 0): a
// deeper level nests under the previous entry, the same level stays beside
// it, a shallower one goes back to the latest entry of that level.
std::vector<int> expected_parents(const std::vector<int>& levels) {
    std::vector<int> depth(levels.size(), 0), parent(levels.size(), -1);
    for (std::size_t i = 1; i < levels.size(); ++i) {
        if (i == 1 || levels[i] > levels[i - 1]) {
            depth[i] = depth[i - 1] + 1;
        } else if (levels[i] == levels[i - 1]) {
            depth[i] = depth[i - 1];
        } else {
            depth[i] = depth[i - 1];
            for (std::size_t j = i - 1; j >= 1; --j)
                if (levels[j] == levels[i]) {
                    depth[i] = depth[j];
                    break;
                }
        }
        // The parent: the latest earlier entry one level less deep.
        parent[i] = 0;
        for (std::size_t j = i - 1; j >= 1; --j)
            if (depth[j] == depth[i] - 1) {
                parent[i] = static_cast<int>(j);
                break;
            }
    }
    return parent;
}

bool office_available() {
    return shell("command -v soffice").status == 0;
}

// Processes whose command line mentions `text` (the private temporary
// directory of one run: an office left behind would name its profile there).
std::vector<std::string> processes_mentioning(const std::string& text) {
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::string cmdline = read_file(entry.path().string() + "/cmdline");
        for (char& c : cmdline)
            if (c == '\0') c = ' ';
        if (cmdline.find(text) != std::string::npos) found.push_back(name + ": " + cmdline);
    }
    return found;
}

std::vector<std::string> entries_of(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(directory, ec)) names.push_back(e.path().string());
    return names;
}

// The documents: every corpus file of the manifest, and the bundled guide.
std::vector<std::string> corpus_documents() {
    std::vector<std::string> paths;
    const std::string corpus = env("VANE_SHARED_DIR") + "/corpus/public";
    std::ifstream manifest(corpus + "/MANIFEST.tsv");
    std::string line;
    std::getline(manifest, line);  // column names
    while (std::getline(manifest, line)) {
        const std::string file = line.substr(0, line.find('\t'));
        if (!file.empty()) paths.push_back(corpus + "/" + file);
    }
    paths.push_back(env("VANE_SOURCE_DIR") + "/samples/folivane-guide.docx");
    return paths;
}

std::string stem_of(const std::string& path) {
    return fs::path(path).stem().string();
}

// The office's own HTML export of every document, made by one office run.
// Twins that differ only in their extension get distinct names.
class OfficeExports {
public:
    bool make(const std::vector<std::string>& documents) {
        fs::create_directories(tmp_.file("in"));
        std::string command = "cd " + quoted(tmp_.path()) + " && timeout 300 soffice -env:UserInstallation=file://" +
                              tmp_.path() + "/profile --headless --norestore --nologo --nolockcheck " +
                              "--convert-to html --outdir out";
        for (const std::string& document : documents) {
            const std::string copy = "in/" + exportKey(document) + fs::path(document).extension().string();
            fs::copy_file(document, tmp_.file(copy));
            command += " " + quoted(copy);
        }
        const ShellRun r = shell(command);
        log_ = r.out;
        return r.status == 0;
    }
    const std::string& log() const { return log_; }
    std::string exportOf(const std::string& document) const {
        return read_file(tmp_.file("out/" + exportKey(document) + ".html"));
    }

private:
    static std::string exportKey(const std::string& document) { return fs::path(document).filename().string(); }
    TempDir tmp_;
    std::string log_;
};

struct Publication {
    std::string document;
    int depth;  // -d
    int skip;   // -k
};

class D2hEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!office_available()) GTEST_SKIP() << "soffice is not installed";
    }

    // Runs "vane d2h" on a copy of the document in a fresh directory, with a
    // private temporary directory; checks that the run leaves no office and
    // no profile behind.
    ShellRun publish(const std::string& document, const std::string& options, const TempDir& work) {
        const std::string copy = work.file(fs::path(document).filename().string());
        fs::copy_file(document, copy);
        fs::create_directories(work.file("tmp"));
        // The test program's own runtime directory keeps other runs' instance
        // locks out of the way.
        const ShellRun r = shell("cd " + quoted(work.path()) + " && TMPDIR=" + quoted(work.file("tmp")) + " " +
                                 VANE_EXE + " d2h " + options + " " + quoted(fs::path(copy).filename().string()));
        EXPECT_EQ(entries_of(work.file("tmp")), std::vector<std::string>{}) << "left in the temporary directory";
        // The office's watchdog notices the end of the run within a second.
        std::vector<std::string> left = processes_mentioning(work.file("tmp"));
        for (int i = 0; i < 50 && !left.empty(); ++i) {
            ::usleep(100000);
            left = processes_mentioning(work.file("tmp"));
        }
        EXPECT_EQ(left, std::vector<std::string>{}) << "processes left running";
        EXPECT_EQ(read_file(copy), read_file(document)) << "the document itself was changed";
        return r;
    }
};

void check_site(const Publication& p, const std::string& officeExport, const std::string& site) {
    const std::string base = stem_of(p.document);
    const auto page_file = [&](std::size_t i) { return base + "_" + std::to_string(i) + ".html"; };

    // The pages the site must have: one per heading down to -d with visible
    // text, after the first -k of them.
    const std::vector<Heading> all = headings_of(officeExport);
    std::vector<Heading> expected;
    int skipped = 0;
    for (const Heading& h : all) {
        if (h.level > p.depth || h.text.empty()) continue;
        if (skipped < p.skip) {
            ++skipped;
            continue;
        }
        expected.push_back(h);
    }

    for (std::size_t i = 0; i <= expected.size(); ++i)
        ASSERT_TRUE(fs::is_regular_file(site + "/" + page_file(i))) << page_file(i);
    EXPECT_FALSE(fs::exists(site + "/" + page_file(expected.size() + 1)));
    for (const char* name : {"index.html", "dtree.js", "dtree.css", "previous.png", "next.png"})
        EXPECT_TRUE(fs::is_regular_file(site + "/" + name)) << name;
    EXPECT_TRUE(fs::is_regular_file(site + "/" + base + ".html"));
    EXPECT_FALSE(fs::exists(site + "/" + base + "_full.html"));
    EXPECT_FALSE(fs::exists(site + "/" + base + ".doc") && fs::path(p.document).extension() != ".doc");

    // Every page starts with its heading; no heading of the export is lost.
    std::size_t headingsInSite = 0;
    std::map<std::string, Anchors> anchors;
    for (std::size_t i = 0; i <= expected.size(); ++i) {
        const std::string html = read_file(site + "/" + page_file(i));
        const std::vector<Heading> onPage = headings_of(html);
        for (const Heading& h : onPage) headingsInSite += h.text.empty() ? 0 : 1;
        anchors[page_file(i)] = anchors_of(html);
        if (i == 0) continue;
        SCOPED_TRACE("page " + std::to_string(i));
        ASSERT_FALSE(onPage.empty());
        EXPECT_EQ(onPage.front().level, expected[i - 1].level);
        EXPECT_EQ(onPage.front().text, expected[i - 1].text);
    }
    std::size_t withText = 0;
    for (const Heading& h : all) withText += h.text.empty() ? 0 : 1;
    EXPECT_EQ(headingsInSite, withText);

    // The index: the root, then one node per page with its title, nested.
    const std::vector<Node> nodes = index_nodes(read_file(site + "/" + base + "_index.html"));
    ASSERT_EQ(nodes.size(), expected.size() + 1);
    EXPECT_EQ(nodes[0].id, 0);
    EXPECT_EQ(nodes[0].parent, -1);
    EXPECT_EQ(nodes[0].page, page_file(0));
    std::vector<int> levels{0};
    for (const Heading& h : expected) levels.push_back(h.level);
    const std::vector<int> parents = expected_parents(levels);
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        SCOPED_TRACE("node " + std::to_string(i));
        EXPECT_EQ(nodes[i].id, static_cast<int>(i));
        EXPECT_EQ(nodes[i].page, page_file(i));
        EXPECT_EQ(visible_text(nodes[i].title), expected[i - 1].text);
        EXPECT_EQ(nodes[i].parent, parents[i]);
    }

    // Internal links: an anchor found anywhere in the site is reached through
    // its page; a link left as "#name" has no target in the site.
    std::set<std::string> allNames;
    for (const auto& [page, a] : anchors) allNames.insert(a.names.begin(), a.names.end());
    std::size_t redirected = 0;
    for (const auto& [page, a] : anchors) {
        for (const std::string& href : a.hrefs) {
            SCOPED_TRACE(page + ": " + href);
            if (href.rfind("#", 0) == 0) {
                EXPECT_EQ(allNames.count(href.substr(1)), 0u) << "a reachable anchor was not redirected";
                continue;
            }
            const std::size_t hash = href.find('#');
            const std::string target = href.substr(0, hash);
            if (target.rfind(base + "_", 0) != 0 || href.find('/') != std::string::npos) continue;
            ASSERT_EQ(anchors.count(target), 1u) << "link to a page that is not in the site";
            if (hash == std::string::npos) continue;
            ++redirected;
            EXPECT_EQ(anchors[target].names.count(href.substr(hash + 1)), 1u) << "the page lacks the anchor";
        }
    }
    if (!anchors_of(officeExport).names.empty() && !allNames.empty()) {
        // Some link of the document reached its target unless it has none.
        const Anchors whole = anchors_of(officeExport);
        bool linked = false;
        for (const std::string& href : whole.hrefs)
            linked = linked || (href.size() > 1 && href[0] == '#' && allNames.count(href.substr(1)) != 0);
        if (linked) {
            EXPECT_GT(redirected, 0u);
        }
    }
}

TEST_F(D2hEndToEnd, EveryDocumentPublishesOnePagePerHeading) {
    const std::vector<std::string> documents = corpus_documents();
    ASSERT_GT(documents.size(), 1u) << "no corpus manifest under " << env("VANE_SHARED_DIR");
    OfficeExports exports;
    ASSERT_TRUE(exports.make(documents)) << exports.log();

    std::vector<Publication> runs;
    for (const std::string& d : documents) runs.push_back({d, 3, 0});
    const std::string guide = documents.back();
    runs.push_back({guide, 1, 0});
    runs.push_back({guide, 6, 2});
    runs.push_back({guide, 0, 0});

    for (const Publication& p : runs) {
        SCOPED_TRACE(fs::path(p.document).filename().string() + " -d " + std::to_string(p.depth) + " -k " +
                     std::to_string(p.skip));
        const std::string officeExport = exports.exportOf(p.document);
        ASSERT_FALSE(officeExport.empty()) << "the office did not export it: " << exports.log();
        TempDir work;
        const ShellRun r = publish(p.document,
                                   "-s -d " + std::to_string(p.depth) + " -k " + std::to_string(p.skip), work);
        ASSERT_EQ(r.status, 0) << r.out;
        check_site(p, officeExport, work.file(stem_of(p.document)));
    }
}

// -a: the appendix in a style of its own and the paragraph given an outline
// level of its own start pages and are in the index, numbered as the reader
// sees them; without -a they are neither.
TEST_F(D2hEndToEnd, AllHeadingsGivesOutlineParagraphsTheirPages) {
    const std::string document = env("VANE_SOURCE_DIR") + "/tests/data/docs/outline-levels.docx";
    const struct {
        const char* options;
        std::vector<std::pair<std::string, int>> nodes;  // title, parent
    } cases[] = {
        {"-s -d 3", {{"2 History", 0}, {"2.1 Origins", 1}, {"2.2 Growth", 1}, {"3 Accounts", 0}}},
        {"-s -a -d 3",
         {{"2 History", 0},
          {"2.1 Origins", 1},
          {"2.2 Growth", 1},
          {"3 Accounts", 0},
          {"4 Appendix", 0},
          {"4.1 Method note", 5}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        TempDir work;
        const ShellRun r = publish(document, c.options, work);
        ASSERT_EQ(r.status, 0) << r.out;
        const std::vector<Node> nodes =
            index_nodes(read_file(work.file("outline-levels/outline-levels_index.html")));
        ASSERT_EQ(nodes.size(), c.nodes.size() + 1);
        for (std::size_t i = 0; i < c.nodes.size(); ++i) {
            SCOPED_TRACE(c.nodes[i].first);
            // Compared as visible_text gives them: without blanks.
            const std::string title = visible_text(c.nodes[i].first);
            EXPECT_EQ(visible_text(nodes[i + 1].title), title);
            EXPECT_EQ(nodes[i + 1].parent, c.nodes[i].second);
            const std::string page = read_file(work.file("outline-levels/" + nodes[i + 1].page));
            ASSERT_FALSE(headings_of(page).empty());
            EXPECT_EQ(headings_of(page).front().text, title);
        }
    }
}

// Files the office cannot load: the run ends with "Cannot open document",
// and with -e nothing of it stays.
TEST_F(D2hEndToEnd, UnloadableDocumentFailsCleanly) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string noise;
    for (int i = 0; i < 600; ++i) noise += static_cast<char>((i * 7919 + 13) % 251);
    const Case cases[] = {
        {"broken.docx", std::string("PK\x03\x04", 4) + "not a package at all"},
        {"noise.doc", noise},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir source;
        write_text(source.file(c.name), c.bytes);
        TempDir work;
        const ShellRun r = publish(source.file(c.name), "-e", work);
        EXPECT_EQ(r.status, 1) << r.out;
        EXPECT_NE(r.out.find("Cannot open document"), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("Error processing document"), std::string::npos) << r.out;
        EXPECT_FALSE(fs::exists(work.file(stem_of(c.name)))) << "the output directory stayed";
    }
}

}  // namespace
}  // namespace vane
