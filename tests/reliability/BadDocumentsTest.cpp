// d2h and d2p with the real office, Ghostscript and a CUPS queue on documents
// that cannot be published and on paths that are awkward to pass around. Each
// run must end in time (no prompt of the office may block it) with its message
// and result, leave the document byte for byte as it was, and leave nothing
// behind: no office process, profile, working copy, mark file or printed file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "MessageCatalog.h"
#include "ReliabilityFixture.h"

namespace vane::test {
namespace {

namespace fs = std::filesystem;

constexpr double kFailureLimit = 90;   // seconds: a refused document ends long before
constexpr double kSuccessLimit = 240;  // seconds: a short document published end to end

// The catalogue text of `id` as the console shows it (without its leading line break).
std::string message(int id) {
    std::string text = catalog::text(id, catalog::Language::English);
    while (!text.empty() && (text[0] == '\r' || text[0] == '\n')) text.erase(0, 1);
    return text;
}

std::string stem(const std::string& file) {
    return fs::path(file).stem().string();
}

// The stored HTML filter as written out for a run: process id, "_", base name.
bool filter_program(const std::string& name, const std::string& base) {
    std::size_t digits = 0;
    while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) ++digits;
    return digits > 0 && name.substr(digits) == "_" + base;
}

std::string truncated_docx() {
    const std::string whole = read_file(source_dir() + "/samples/folivane-guide.docx");
    return whole.substr(0, whole.size() / 2);
}
std::string not_a_document() {
    return read_file(fixture("not-a-document.zip"));
}
std::string picture() {
    return read_file(fixture("picture.png"));
}
std::string empty() {
    return {};
}
std::string password_doc() {
    return read_file(fixture("password.doc"));
}

struct BadDocument {
    const char* what;
    const char* file;  // its name in the documents folder
    std::string (*bytes)();
};

const BadDocument kBadDocuments[] = {
    {"truncated .docx", "truncated.docx", truncated_docx},
    {"zip archive that is no document", "archive.docx", not_a_document},
    {"PNG image named .docx", "picture.docx", picture},
    {"password-protected document", "password.doc", password_doc},
};

class BadDocuments : public ReliabilityTest {
protected:
    // Runs `command` on each bad document: message 143, result -8, in time,
    // the document unchanged, nothing left.
    template <std::size_t N>
    void refuseAll(const std::string& command, const BadDocument (&cases)[N]) {
        for (const BadDocument& c : cases) {
            SCOPED_TRACE(command + " on " + c.what);
            RunPlace place;
            const std::string doc = place.docs() + "/" + c.file;
            const std::string bytes = c.bytes();
            ASSERT_FALSE(c.bytes != empty && bytes.empty()) << "fixture missing";
            write_text(doc, bytes);
            std::vector<std::string> args = command == "d2p" ? printerOptions() : std::vector<std::string>{};
            args.push_back(doc);
            const RunResult r = runCommand(place, command, args, place.docs(), kFailureLimit);
            ASSERT_TRUE(r.finished) << "no end after " << kFailureLimit << " s (a prompt of the office?)\n"
                                    << r.output;
            EXPECT_FALSE(r.signalled) << r.output;
            EXPECT_EQ(r.status, 8) << "result -8 expected\n" << r.output;
            if (r.status == 0) {
                expectNoOfficeLeft(place);
                continue;  // published: the checks below would only repeat it
            }
            EXPECT_NE(r.output.find(message(143)), std::string::npos) << r.output;
            EXPECT_NE(r.output.find(kErrorLine), std::string::npos) << r.output;
            EXPECT_EQ(read_file(doc), bytes) << "the document changed";
            // Beside the document: nothing; d2h may leave its (empty) output directory.
            for (const std::string& name : tree(place.docs())) {
                if (name == c.file) continue;
                if (command == "d2h" && name == stem(c.file) && fs::is_empty(place.docs() + "/" + name))
                    continue;
                ADD_FAILURE() << "left beside the document: " << name;
            }
            expectNoOfficeLeft(place);
        }
    }
};

TEST_F(BadDocuments, D2pRefusesEachWithMessage143) {
    refuseAll("d2p", kBadDocuments);
}
TEST_F(BadDocuments, D2hRefusesEachWithMessage143) {
    refuseAll("d2h", kBadDocuments);
}

// A file of no bytes is no document, whatever its extension: the office must
// not turn it into a new empty document that gets published.
const BadDocument kEmpty[] = {{"empty file", "empty.docx", empty}};
TEST_F(BadDocuments, EmptyFileIsRefused) {
    refuseAll("d2p", kEmpty);
    refuseAll("d2h", kEmpty);
}

struct AwkwardPath {
    const char* what;
    const char* folder;  // below the documents folder, "" for none
    const char* file;
    bool relative;  // passed as the bare file name, run in its folder
};

const AwkwardPath kAwkwardPaths[] = {
    {"spaces", "two words", "my report.docx", false},
    {"spaces, relative", "two words", "my report.docx", true},
    {"quotes", "it's", "say \"hi\" it's.docx", false},
    {"non-ASCII", "Résumés", "élève – ünïcödé 文書.docx", false},
    {"leading dash", "-dir", "-dash.docx", false},
    {"percent signs", "100%", "100% done %d.docx", false},
    {"backslashes", "back\\slash", "a\\b\\\"c.docx", false},
};

class AwkwardPaths : public ReliabilityTest {
protected:
    void publishAll(const std::string& command) {
        const std::string source = shared_dir() + "/corpus/public/pandoc__headers.docx";
        const std::string bytes = read_file(source);
        ASSERT_FALSE(bytes.empty()) << source;
        for (const AwkwardPath& c : kAwkwardPaths) {
            SCOPED_TRACE(command + " with " + c.what);
            RunPlace place;
            const std::string folder = place.docs() + (c.folder[0] != 0 ? "/" + std::string(c.folder) : "");
            fs::create_directories(folder);
            const std::string doc = folder + "/" + c.file;
            write_text(doc, bytes);
            std::vector<std::string> args = command == "d2p" ? printerOptions() : std::vector<std::string>{};
            args.push_back(c.relative ? c.file : doc);
            const RunResult r = runCommand(place, command, args, folder, kSuccessLimit);
            ASSERT_TRUE(r.finished) << "no end after " << kSuccessLimit << " s\n" << r.output;
            EXPECT_EQ(r.status, 0) << r.output;
            EXPECT_NE(r.output.find(kSuccessLine), std::string::npos) << r.output;
            EXPECT_EQ(read_file(doc), bytes) << "the document changed";
            const std::string base = stem(c.file);
            std::set<std::string> beside;
            for (const auto& e : fs::directory_iterator(folder)) beside.insert(e.path().filename().string());
            if (command == "d2p") {
                const std::string pdf = read_file(folder + "/" + base + ".pdf");
                EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u) << "no PDF";
                EXPECT_NE(pdf.find("/Outlines"), std::string::npos) << "no outline in the PDF";
                EXPECT_EQ(beside, (std::set<std::string>{c.file, base + ".pdf"}));
            } else {
                const std::string site = folder + "/" + base;
                EXPECT_NE(read_file(site + "/index.html").find("<frameset"), std::string::npos);
                EXPECT_EQ(read_file(site + "/index.html"), read_file(site + "/" + base + ".html"));
                EXPECT_TRUE(fs::is_regular_file(site + "/" + base + "_index.html"));
                // The HTML filter ran: it removes the office's generator line.
                const std::string page = read_file(site + "/" + base + "_1.html");
                EXPECT_FALSE(page.empty());
                EXPECT_EQ(page.find("name=\"generator\""), std::string::npos) << "page not filtered";
                EXPECT_EQ(beside, (std::set<std::string>{c.file, base}));
                for (const std::string& name : tree(site)) {
                    const bool temporary = name == base + ".doc" || name == base + "_full.html" ||
                                           name.find(".filtered") != std::string::npos ||
                                           name.find(".~lock") != std::string::npos ||
                                           filter_program(name, base);
                    EXPECT_FALSE(temporary) << "left in the site: " << name;
                }
            }
            expectNoOfficeLeft(place);
        }
    }
};

TEST_F(AwkwardPaths, D2pPublishes) {
    publishAll("d2p");
}
TEST_F(AwkwardPaths, D2hPublishes) {
    publishAll("d2h");
}

// A heading of 10,000 characters: published whole in both forms.
class LongHeading : public ReliabilityTest {};

TEST_F(LongHeading, PublishedByBothCommands) {
    const std::string bytes = read_file(fixture("long-heading.docx"));
    ASSERT_FALSE(bytes.empty());
    for (const std::string command : {"d2p", "d2h"}) {
        SCOPED_TRACE(command);
        RunPlace place;
        const std::string doc = place.docs() + "/long.docx";
        write_text(doc, bytes);
        std::vector<std::string> args = command == "d2p" ? printerOptions() : std::vector<std::string>{};
        args.push_back(doc);
        const RunResult r = runCommand(place, command, args, place.docs(), kSuccessLimit);
        ASSERT_TRUE(r.finished) << r.output;
        EXPECT_EQ(r.status, 0) << r.output;
        EXPECT_EQ(read_file(doc), bytes);
        if (command == "d2p") {
            const std::string pdf = place.docs() + "/long.pdf";
            const RunResult text = run_program({"/usr/bin/pdftotext", pdf, "-"}, {}, "", 60);
            EXPECT_NE(text.output.find("word1200"), std::string::npos) << "heading text missing";
            EXPECT_NE(read_file(pdf).find("/Outlines"), std::string::npos);
        } else {
            // The long heading starts page 2 (after "Introduction"); the index names it.
            const std::string page = read_file(place.docs() + "/long/long_2.html");
            EXPECT_NE(page.find("word1200"), std::string::npos);
            const std::string index = read_file(place.docs() + "/long/long_index.html");
            EXPECT_NE(index.find("word0 word1 word2"), std::string::npos);
            EXPECT_NE(index.find("long_2.html"), std::string::npos);
        }
        expectNoOfficeLeft(place);
    }
}

}  // namespace
}  // namespace vane::test
