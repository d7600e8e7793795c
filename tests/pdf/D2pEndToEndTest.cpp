// d2p on real documents, run as a user would: the vane host with the office
// as word processor, Ghostscript as producer and a CUPS queue installed by
// vane itself. Each PDF is read back and compared with the document and with
// the office's own PDF export. Needs cupsd running (tests/printer/start-cupsd.sh);
// skips when no word processor can be started.
#define POINTERHOLDER_TRANSITION 4  // the std::shared_ptr interface only
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <set>
#include <string>
#include <vector>

#include "E2eRun.h"
#include "TempDir.h"

namespace vane {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::TempDir;

using test::quoted;
using test::shell;
using test::ShellRun;
using test::vane;

std::string corpus(const std::string& name) {
    return test::shared_dir() + "/corpus/public/" + name;
}

// Whitespace runs become one blank, so that text extraction's line breaks do not matter.
std::string squeeze(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\v';
        if (space) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

// The words of `text`: runs of letters, any byte of a UTF-8 sequence counting
// as one (a garbled text makes other words).
std::vector<std::string> words_of(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalpha(byte) || byte >= 0x80) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

struct OutlineEntry {
    std::string title;
    int page;  // 1-based; 0 when it leads nowhere
};

struct PdfFacts {
    int pages = 0;
    std::vector<OutlineEntry> outline;  // depth first
    std::vector<std::string> uris;
    int links = 0;
    std::string pageMode;
    std::vector<int> rotations;
};

void collect(QPDFOutlineObjectHelper& item, std::vector<OutlineEntry>& out,
             const std::vector<QPDFObjectHandle>& pages) {
    OutlineEntry e{item.getTitle(), 0};
    QPDFObjectHandle page = item.getDestPage();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (page.isIndirect() && page.getObjGen() == pages[i].getObjGen()) e.page = static_cast<int>(i) + 1;
    }
    out.push_back(e);
    for (QPDFOutlineObjectHelper& kid : item.getKids()) collect(kid, out, pages);
}

PdfFacts read_pdf(const std::string& path) {
    PdfFacts f;
    QPDF pdf;
    pdf.processFile(path.c_str());
    std::vector<QPDFObjectHandle> pageObjects;
    QPDFPageDocumentHelper pages(pdf);
    for (QPDFPageObjectHelper& page : pages.getAllPages()) {
        pageObjects.push_back(page.getObjectHandle());
        QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
        f.rotations.push_back(rotate.isInteger() ? rotate.getIntValueAsInt() : 0);
        for (QPDFAnnotationObjectHelper& annot : page.getAnnotations("/Link")) {
            ++f.links;
            QPDFObjectHandle action = annot.getObjectHandle().getKey("/A");
            if (action.isDictionary() && action.getKey("/URI").isString())
                f.uris.push_back(action.getKey("/URI").getUTF8Value());
        }
    }
    f.pages = static_cast<int>(pageObjects.size());
    QPDFOutlineDocumentHelper outlines(pdf);
    for (QPDFOutlineObjectHelper& top : outlines.getTopLevelOutlines()) collect(top, f.outline, pageObjects);
    QPDFObjectHandle mode = pdf.getRoot().getKey("/PageMode");
    if (mode.isName()) f.pageMode = mode.getName();
    return f;
}

class D2pEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const ShellRun check = vane("check_winword");
        officeVersion_ = check.status;
        if (officeVersion_ == 0) return;
        queue_ = "FolivaneD2p_" + std::to_string(::getpid());
        const ShellRun install = vane("install_printer -p " + queue_ + " -d 'Generic PostScript Printer'");
        installed_ = install.status == 0;
        installOutput_ = install.out;
    }
    static void TearDownTestSuite() {
        if (installed_) vane("uninstall_printer -p " + queue_);
    }
    void SetUp() override {
        if (officeVersion_ == 0)
            GTEST_SKIP()
                << "no word processor: `vane check_winword` returned 0 (the office backend cannot start)";
        ASSERT_NE(shell("lpstat -r").out.find("scheduler is running"), std::string::npos)
            << "cupsd is not running: run tests/printer/start-cupsd.sh as root";
        ASSERT_TRUE(installed_) << installOutput_;
    }

    // Copies the corpus document into the temporary folder (the run works beside it).
    std::string stage(const std::string& name) {
        const std::string copy = dir.file(name);
        fs::copy_file(corpus(name), copy, fs::copy_options::overwrite_existing);
        return copy;
    }
    ShellRun d2p(const std::string& options, const std::string& document, const std::string& pdf) {
        return vane("d2p -p " + queue_ + " " + options + " -o " + quoted(pdf) + " " + quoted(document));
    }
    // Page count of the office's own PDF export of the document.
    int officePages(const std::string& document) {
        const std::string out = dir.file("office");
        const std::string profile = dir.file("profile");
        shell("soffice -env:UserInstallation=file://" + profile + " --headless --convert-to pdf --outdir " +
              quoted(out) + " " + quoted(document));
        const std::string pdf = out + "/" + fs::path(document).stem().string() + ".pdf";
        return fs::exists(pdf) ? read_pdf(pdf).pages : -1;
    }
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path()))
            if (e.is_regular_file()) names.insert(e.path().filename().string());
        return names;
    }

    TempDir dir;
    static inline int officeVersion_ = 0;
    static inline bool installed_ = false;
    static inline std::string queue_;
    static inline std::string installOutput_;
};

struct DocumentCase {
    const char* file;
    bool headings;   // the outline is not empty
    bool urlLinks;   // at least one web link
    bool landscape;  // at least one landscape page
};

TEST_F(D2pEndToEnd, CorpusDocumentsBecomePdfsWithOutlineAndLinks) {
    const DocumentCase cases[] = {
        {"aspose__Formatted_elements.docx", true, true, false},
        {"pandoc__headers.docx", true, false, false},
        {"pandoc__links.docx", true, true, false},
        {"oxsdk__Orientation-landscape.docx", false, false, true},
        {"aspose__Rendering.docx", true, true, true},
    };
    for (const DocumentCase& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string document = stage(c.file);
        const std::string before = read_file(document);
        const std::string pdf = dir.file("out.pdf");
        const ShellRun run = d2p("-d 6", document, pdf);
        ASSERT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(read_file(document), before);
        EXPECT_EQ(files(), (std::set<std::string>{c.file, "out.pdf"}));

        const PdfFacts facts = read_pdf(pdf);
        EXPECT_EQ(facts.pages, officePages(document));
        EXPECT_EQ(!facts.outline.empty(), c.headings);
        const std::string text = squeeze(shell("pdftotext -enc UTF-8 " + quoted(pdf) + " -").out);
        for (const OutlineEntry& e : facts.outline) {
            SCOPED_TRACE(e.title);
            EXPECT_GE(e.page, 1);
            EXPECT_LE(e.page, facts.pages);
            EXPECT_NE(text.find(squeeze(e.title)), std::string::npos) << "title not found in the text";
        }
        EXPECT_EQ(!facts.uris.empty(), c.urlLinks);
        for (const std::string& uri : facts.uris) EXPECT_FALSE(uri.empty());
        fs::remove(pdf);
        fs::remove(document);
        fs::remove_all(dir.file("office"));
    }
}

TEST_F(D2pEndToEnd, OptionsShapeTheOutlineAndLinks) {
    const std::string document = stage("aspose__Formatted_elements.docx");
    const std::string pdf = dir.file("out.pdf");

    ASSERT_EQ(d2p("-k", document, pdf).status, 0);
    PdfFacts facts = read_pdf(pdf);
    EXPECT_FALSE(facts.outline.empty());
    EXPECT_GT(facts.links, 0);
    EXPECT_EQ(facts.pageMode, "/UseOutlines");

    ASSERT_EQ(d2p("-d 0 -k", document, pdf).status, 0);
    facts = read_pdf(pdf);
    EXPECT_TRUE(facts.outline.empty());
    EXPECT_GT(facts.links, 0);
    EXPECT_NE(facts.pageMode, "/UseOutlines");

    ASSERT_EQ(d2p("-l", document, pdf).status, 0);
    facts = read_pdf(pdf);
    EXPECT_FALSE(facts.outline.empty());
    EXPECT_EQ(facts.links, 0);
    EXPECT_EQ(files(), (std::set<std::string>{"aspose__Formatted_elements.docx", "out.pdf"}));
}

TEST_F(D2pEndToEnd, CorruptDocumentFailsAndLeavesNothing) {
    const std::string document = dir.file("broken.docx");
    test::write_text(document, "PK\x03\x04 this is not a document");
    const ShellRun run = d2p("", document, dir.file("broken.pdf"));
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_TRUE(run.out.find("Cannot open document") != std::string::npos ||
                run.out.find("Error processing document") != std::string::npos)
        << run.out;
    EXPECT_EQ(files(), (std::set<std::string>{"broken.docx"}));
}

TEST_F(D2pEndToEnd, LevelSevenFailsBeforeTheOffice) {
    const std::string document = stage("pandoc__headers.docx");
    const ShellRun run = d2p("-d 7", document, dir.file("out.pdf"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Heading level must be between 0 and 6"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("Opening document"), std::string::npos) << run.out;
    EXPECT_EQ(files(), (std::set<std::string>{"pandoc__headers.docx"}));
}

struct DocumentInfo {
    std::string title, author, subject, keywords;  // UTF-8; empty when absent
    bool displayDocTitle = false;
    std::string metadata;  // the XMP stream, empty when there is none
};

DocumentInfo read_info(const std::string& path) {
    QPDF pdf;
    pdf.processFile(path.c_str());
    DocumentInfo info;
    QPDFObjectHandle dictionary = pdf.getTrailer().getKey("/Info");
    const auto text = [&dictionary](const char* key) {
        QPDFObjectHandle value =
            dictionary.isDictionary() ? dictionary.getKey(key) : QPDFObjectHandle::newNull();
        return value.isString() ? value.getUTF8Value() : std::string();
    };
    info.title = text("/Title");
    info.author = text("/Author");
    info.subject = text("/Subject");
    info.keywords = text("/Keywords");
    QPDFObjectHandle preferences = pdf.getRoot().getKey("/ViewerPreferences");
    if (preferences.isDictionary()) {
        QPDFObjectHandle display = preferences.getKey("/DisplayDocTitle");
        info.displayDocTitle = display.isBool() && display.getBoolValue();
    }
    QPDFObjectHandle metadata = pdf.getRoot().getKey("/Metadata");
    if (metadata.isStream()) {
        const auto data = metadata.getStreamData(qpdf_dl_generalized);
        info.metadata.assign(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    }
    return info;
}

// The document's properties reach the PDF's document information, and a PDF
// with a title shows it in the viewer's title bar.
TEST_F(D2pEndToEnd, DocumentPropertiesBecomeTheDocumentInformation) {
    struct Case {
        std::string document;
        DocumentInfo info;
    };
    const std::string fixture = test::source_dir() + "/tests/data/docs/properties.docx";
    const Case cases[] = {
        {fixture,
         {"R\xC3\xA9sum\xC3\xA9 \xE2\x80\x94 \xE5\xA0\xB1\xE5\x91\x8A (draft)", "Zo\xC3\xAB O'Brien",
          "Costs (2024) \\ back\\slash", "annual report; R&D, (draft)", true, {}}},
        {corpus("pandoc__headers.docx"), {"", "Jesse Rosenthal", "", "", false, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        const std::string name = fs::path(c.document).filename().string();
        const std::string document = dir.file(name);
        fs::copy_file(c.document, document, fs::copy_options::overwrite_existing);
        const std::string pdf = dir.file("out.pdf");
        const ShellRun run = d2p("", document, pdf);
        ASSERT_EQ(run.status, 0) << run.out;
        const DocumentInfo info = read_info(pdf);
        EXPECT_EQ(info.title, c.info.title);
        EXPECT_EQ(info.author, c.info.author);
        EXPECT_EQ(info.subject, c.info.subject);
        EXPECT_EQ(info.keywords, c.info.keywords);
        EXPECT_EQ(info.displayDocTitle, c.info.displayDocTitle);
        // Viewers that read the title from the XMP metadata must not find it mangled.
        EXPECT_EQ(info.metadata.find("\xEF\xBF\xBD"), std::string::npos) << info.metadata;
        EXPECT_FALSE(read_pdf(pdf).outline.empty());
        fs::remove(pdf);
        fs::remove(document);
    }
}

// The PDF's text must be searchable also where the fonts draw two letters as
// one glyph ("ft" in "Fifth", "ti" in "section").
TEST_F(D2pEndToEnd, LigatureTitlesAreSearchable) {
    const struct {
        const char* file;
        const char* title;
    } cases[] = {
        {"pandoc__headers.docx", "Fifth level"},
        {"pandoc__links.docx", "A section for testing link targets"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string document = stage(c.file);
        const std::string pdf = dir.file("out.pdf");
        const ShellRun run = d2p("-d 6", document, pdf);
        ASSERT_EQ(run.status, 0) << run.out;
        const std::string text = shell("pdftotext -enc UTF-8 " + quoted(pdf) + " -").out;
        EXPECT_NE(squeeze(text).find(squeeze(c.title)), std::string::npos) << text;
        // No glyph left without its text.
        EXPECT_EQ(std::count_if(text.begin(), text.end(),
                                [](char ch) { return ch > 0 && ch < 32 && ch != '\n' && ch != '\f'; }),
                  0);
        fs::remove(pdf);
        fs::remove(document);
        fs::remove_all(dir.file("office"));
    }
}

// The printed PDF lies in the temporary folder, the only one Ghostscript reads
// under -dSAFER, wherever the output goes, and is gone afterwards. The text of
// glyphs that draw two letters ("ti" in "Beautiful", "tt" in "better") reads
// as in the office's own PDF.
TEST_F(D2pEndToEnd, PrintsThroughTheTemporaryFolderWithTheOfficesText) {
    const char* binary = std::getenv("VANE_BINARY_DIR");
    ASSERT_NE(binary, nullptr);
    const fs::path out = fs::path(binary) / ("d2p-e2e-out-" + std::to_string(::getpid()));
    fs::create_directories(out);
    TempDir temporary;
    const std::string document = stage("d2p__zen_of_python.docx");
    const std::string pdf = (out / "zen.pdf").string();
    const ShellRun run =
        shell("TMPDIR=" + quoted(temporary.path()) + " LANGUAGE= LC_ALL= LANG=C " + VANE_EXE + " d2p -p " +
              queue_ + " -o " + quoted(pdf) + " " + quoted(document));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(fs::is_empty(temporary.path()));
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(out)) left.insert(e.path().filename().string());
    EXPECT_EQ(left, std::set<std::string>{"zen.pdf"});

    ASSERT_GT(officePages(document), 0);
    const std::string office = dir.file("office/d2p__zen_of_python.pdf");
    const std::string ours = shell("pdftotext -enc UTF-8 " + quoted(pdf) + " -").out;
    // Word for word (the dot leaders of the contents differ in length).
    const std::vector<std::string> words = words_of(ours);
    EXPECT_EQ(words, words_of(shell("pdftotext -enc UTF-8 " + quoted(office) + " -").out));
    EXPECT_GT(words.size(), 100u);
    EXPECT_NE(squeeze(ours).find("Beautiful is better than ugly."), std::string::npos) << ours;
    fs::remove_all(out);
}

}  // namespace
}  // namespace vane
