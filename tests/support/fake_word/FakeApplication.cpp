// The fake application, document collection, document, window/pane/view and
// document properties.
#include <algorithm>
#include <fstream>

#include "FakeObjects.h"

namespace vane::test::fakeword {

namespace {

using word::WordError;

void write_text(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw WordError("Cannot save or create this file. (" + path + ")");
    out << text;
}

std::string default_postscript(int pages) {
    std::string ps = "%!PS-Adobe-3.0\n%%Pages: " + std::to_string(pages) + "\n%%EndComments\n";
    for (int p = 1; p <= pages; ++p) {
        ps += "%%Page: " + std::to_string(p) + " " + std::to_string(p) + "\nshowpage\n";
    }
    return ps + "%%EOF\n";
}

class FakeView : public word::View {
public:
    FakeView(SessionPtr s, FakeDocument* doc) : s_(std::move(s)), doc_(doc) {}
    void setType(int type) override {
        s_->enterDocument(doc_, "View.Type " + std::to_string(type));
        s_->word.viewType = type;
    }
    void setSeekView(int seek) override {
        s_->enterDocument(doc_, "View.SeekView " + std::to_string(seek));
        s_->word.seekView = seek;
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
};

class FakePane : public word::Pane {
public:
    FakePane(SessionPtr s, FakeDocument* doc) : s_(std::move(s)), doc_(doc) {}
    std::unique_ptr<word::View> view() override {
        s_->enterDocument(doc_, "Pane.View");
        return std::make_unique<FakeView>(s_, doc_);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
};

class FakeWindow : public word::Window {
public:
    FakeWindow(SessionPtr s, FakeDocument* doc) : s_(std::move(s)), doc_(doc) {}
    std::unique_ptr<word::Pane> activePane() override {
        s_->enterDocument(doc_, "Window.ActivePane");
        return std::make_unique<FakePane>(s_, doc_);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
};

class FakeProperties : public word::DocumentProperties {
public:
    FakeProperties(SessionPtr s, FakeDocument* doc) : s_(std::move(s)), doc_(doc) {}
    std::string value(const std::string& name) override {
        s_->enterDocument(doc_, "DocumentProperties.Value " + name);
        if (name == "Title") return doc_->title;
        if (name == "Author") return doc_->author;
        if (name == "Subject") return doc_->subject;
        if (name == "Keywords") return doc_->keywords;
        if (name == "Comments") return {};
        throw WordError("Invalid procedure call or argument");
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
};

class FakeOpenDocument : public word::Document {
public:
    FakeOpenDocument(SessionPtr s, FakeDocument* doc) : s_(std::move(s)), doc_(doc) {}

    void activate() override {
        enter("Document.Activate");
        if (s_->active != doc_) {
            s_->active = doc_;
            s_->selection = {&doc_->main(), 0, 0, false};
        }
    }
    void close(bool saveChanges) override {
        enter(saveChanges ? "Document.Close save" : "Document.Close nosave");
        s_->open.erase(doc_);
        if (s_->active == doc_) {
            s_->active = nullptr;
            s_->selection = {};
        }
    }
    void saveAs(const std::string& path, int fileFormat, bool /*addToRecentFiles*/) override {
        enter("Document.SaveAs " + path + " " + std::to_string(fileFormat));
        if (fileFormat != word::kFormatFilteredHtml) throw WordError("The fake saves only filtered HTML.");
        write_text(path, doc_->html);
    }
    void printOut(const word::PrintOptions& options) override {
        enter("Document.PrintOut " + options.outputFileName);
        s_->word.printedWith = s_->word.activePrinter;
        s_->word.printedThrough = options.pdfFileName;
        if (options.printToFile && !options.pdfFileName.empty() && !doc_->printedPdf.empty())
            write_text(options.pdfFileName, doc_->printedPdf);
        if (options.printToFile) {
            write_text(options.outputFileName,
                       doc_->postScript.empty() ? default_postscript(doc_->pageCount()) : doc_->postScript);
        }
    }
    void repaginate() override { enter("Document.Repaginate"); }
    void acceptAllRevisions() override {
        enter("Document.AcceptAllRevisions");
        doc_->hasRevisions = false;
    }
    void unprotect(const std::string& password) override {
        enter("Document.Unprotect");
        if (!doc_->isProtected) {
            throw WordError(
                "The Unprotect method or property is not available because the document is not protected.");
        }
        if (password != doc_->password) throw WordError("The password is incorrect.");
        doc_->isProtected = false;
    }
    std::unique_ptr<word::Fields> fields() override {
        enter("Document.Fields");
        return make_fields(s_, doc_);
    }
    std::unique_ptr<word::Hyperlinks> hyperlinks() override {
        enter("Document.Hyperlinks");
        // In document order, whatever order the test wrote them in.
        const auto& links = doc_->main().hyperlinks();
        std::vector<int> all;
        for (size_t i = 0; i < links.size(); ++i) all.push_back(static_cast<int>(i));
        std::stable_sort(all.begin(), all.end(), [&links](int a, int b) {
            return links[static_cast<size_t>(a)].start < links[static_cast<size_t>(b)].start;
        });
        return make_hyperlinks(s_, doc_, &doc_->main(), all);
    }
    std::unique_ptr<word::Shapes> shapes() override {
        enter("Document.Shapes");
        return make_shapes(s_, doc_);
    }
    std::unique_ptr<word::Footnotes> footnotes() override {
        enter("Document.Footnotes");
        return make_footnotes(s_, doc_, false);
    }
    std::unique_ptr<word::Footnotes> endnotes() override {
        enter("Document.Endnotes");
        return make_footnotes(s_, doc_, true);
    }
    std::unique_ptr<word::Sections> sections() override {
        enter("Document.Sections");
        std::vector<int> all;
        for (size_t i = 1; i <= doc_->sections().size(); ++i) all.push_back(static_cast<int>(i));
        return make_sections(s_, doc_, all);
    }
    std::unique_ptr<word::Window> activeWindow() override {
        enter("Document.ActiveWindow");
        return std::make_unique<FakeWindow>(s_, doc_);
    }
    std::unique_ptr<word::Styles> styles() override {
        enter("Document.Styles");
        return make_styles(s_, doc_);
    }
    std::unique_ptr<word::PageSetup> pageSetup() override {
        enter("Document.PageSetup");
        std::vector<FakePageSetup> setups;
        for (const auto& section : doc_->sections()) setups.push_back(section.setup);
        return make_page_setup(s_, setups);
    }
    std::unique_ptr<word::DocumentProperties> builtInDocumentProperties() override {
        enter("Document.BuiltInDocumentProperties");
        return std::make_unique<FakeProperties>(s_, doc_);
    }

private:
    void enter(const std::string& entry) { s_->enterDocument(doc_, entry); }
    SessionPtr s_;
    FakeDocument* doc_;
};

class FakeDocuments : public word::Documents {
public:
    explicit FakeDocuments(SessionPtr s) : s_(std::move(s)) {}
    std::unique_ptr<word::Document> open(const std::string& path, const word::OpenOptions&) override {
        s_->enter("Documents.Open " + path);
        FakeDocument* doc = s_->word.documentFor(path);
        if (doc == nullptr) throw WordError("Sorry, we couldn't find your file. (" + path + ")");
        if (s_->word.openReturnsNothing) return nullptr;
        doc->completeEmpty();
        s_->open.insert(doc);
        s_->active = doc;
        s_->selection = {&doc->main(), 0, 0, false};
        return make_document(s_, doc);
    }

private:
    SessionPtr s_;
};

class FakeApplication : public word::Application {
public:
    explicit FakeApplication(SessionPtr s) : s_(std::move(s)) {}
    std::unique_ptr<word::Documents> documents() override {
        s_->enter("Application.Documents");
        if (s_->word.noDocumentCollection) return nullptr;
        return std::make_unique<FakeDocuments>(s_);
    }
    std::unique_ptr<word::Selection> selection() override {
        s_->enter("Application.Selection");
        if (s_->active == nullptr)
            throw WordError("This command is not available because no document is open.");
        return make_selection(s_);
    }
    void setVisible(bool visible) override {
        s_->enter(visible ? "Application.Visible true" : "Application.Visible false");
        s_->word.visible = visible;
    }
    std::string activePrinter() override {
        s_->enter("Application.ActivePrinter");
        return s_->word.activePrinter;
    }
    void setActivePrinter(const std::string& name) override {
        s_->enter("Application.ActivePrinter " + name);
        const auto& known = s_->word.printers;
        if (!known.empty() && std::find(known.begin(), known.end(), name) == known.end()) {
            throw WordError("There is a printer error.");
        }
        s_->word.activePrinter = name;
    }
    std::string version() override {
        s_->enter("Application.Version");
        return s_->word.version;
    }
    void quit() override {
        s_->enter("Application.Quit");
        s_->quit = true;
        s_->open.clear();
        s_->active = nullptr;
    }

private:
    SessionPtr s_;
};

}  // namespace

std::unique_ptr<word::Document> make_document(const SessionPtr& s, FakeDocument* doc) {
    return std::make_unique<FakeOpenDocument>(s, doc);
}

std::unique_ptr<word::Application> make_application(const SessionPtr& s) {
    return std::make_unique<FakeApplication>(s);
}

}  // namespace vane::test::fakeword
