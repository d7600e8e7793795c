// A d2p run in a temporary folder: the document "docs/manual.docx" (bytes
// that must never change), a Ghostscript installation folder holding a
// program stand-in, the printer "Folivane", the fake word processor with a
// small document (two headings, one web link) and the recorded producer.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "D2pTestEnv.h"
#include "TempDir.h"
#include "TestHost.h"
#include "fake_word/FakeWord.h"
#include "vanecore/vanecore.h"

namespace vane::test {

inline const std::string kD2pDocumentBytes = std::string("DOC\0\x01\x02 user's document\r\n", 27);
inline const std::string kPrintedPostScript =
    "%!PS-Adobe-3.0\n%%Title: Microsoft Word - manual_fv.docx\n%%Pages: 1\n%%Page: 1 1\nshowpage\n%%EOF\n";

class D2pFixture : public ::testing::Test {
protected:
    D2pFixture() {
        namespace fs = std::filesystem;
        env.cwd = tmp.path();
        fs::create_directories(tmp.file("docs"));
        document = tmp.file("docs/manual.docx");
        write_text(document, kD2pDocumentBytes);
        fs::create_directories(tmp.file("gs/bin"));
        write_text(tmp.file("gs/bin/gs"), "#!/bin/sh\nexit 0\n");
        fs::permissions(tmp.file("gs/bin/gs"), fs::perms::owner_all);
        env.printers.names = {"Folivane"};
        env.markFile = docs("manual.pdf.ps_2.ps");
        word.printers = {"Folivane", "Adobe PDF", "Default Printer"};

        FakeDocument& doc = word.document();
        doc.title = "Manual";
        doc.page();
        doc.paragraph("Heading 1").line("Introduction", 100);
        doc.paragraph().line("See the site for news.", 130);
        doc.hyperlinkOn("site", "http://example.org/news");
        doc.paragraph("Heading 2").line("Details", 200);
        doc.postScript = kPrintedPostScript;
    }
    void TearDown() override { EXPECT_EQ(read_file(document), kD2pDocumentBytes) << "the document changed"; }

    // d2p -p Folivane -c <gs folder> <extra...> <document>
    int run(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args = {"-p", "Folivane", "-c", tmp.file("gs")};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(document);
        return runRaw(args);
    }
    int runRaw(const std::vector<std::string>& args) {
        std::vector<std::string> all = {"d2p"};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        host.clear();
        return d2p(static_cast<int>(all.size()), argv.data());
    }

    std::string docs(const std::string& name) const { return tmp.file("docs/" + name); }
    // The names of the files in docs/.
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(tmp.file("docs")))
            names.insert(entry.path().filename().string());
        return names;
    }
    bool printed(const std::string& text) const { return host.output().find(text) != std::string::npos; }
    std::string markFileRead() const { return env.starts.empty() ? std::string() : env.starts[0].markFile; }
    std::string commandLine() const { return env.starts.empty() ? std::string() : env.starts[0].commandLine; }

    TempDir tmp;
    TestHost host;
    D2pTestEnv env;
    FakeWord word;
    std::string document;
};

}  // namespace vane::test
