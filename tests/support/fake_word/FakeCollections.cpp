// The fake collections and their items: paragraphs, styles, fields,
// hyperlinks, shapes, footnotes, sections with their headers and footers.
#include <string>

#include "FakeObjects.h"

namespace vane::test::fakeword {

namespace {

using word::WordError;

void check_index(int index, int count) {
    if (index < 1 || index > count) throw WordError("The requested member of the collection does not exist.");
}

class FakeParagraphFormat : public word::ParagraphFormat {
public:
    FakeParagraphFormat(SessionPtr s, int level) : s_(std::move(s)), level_(level) {}
    int outlineLevel() override {
        s_->enter("ParagraphFormat.OutlineLevel");
        return level_;
    }

private:
    SessionPtr s_;
    int level_;
};

class FakeStyleObject : public word::Style {
public:
    FakeStyleObject(SessionPtr s, FakeStyle style) : s_(std::move(s)), style_(std::move(style)) {}
    std::string nameLocal() override {
        s_->enter("Style.NameLocal");
        return style_.name;
    }
    bool builtIn() override {
        s_->enter("Style.BuiltIn");
        return style_.builtIn;
    }
    std::unique_ptr<word::ParagraphFormat> paragraphFormat() override {
        s_->enter("Style.ParagraphFormat");
        if (!style_.hasParagraphFormat) throw WordError("The style has no paragraph format.");
        return std::make_unique<FakeParagraphFormat>(s_, style_.outlineLevel);
    }

private:
    SessionPtr s_;
    FakeStyle style_;
};

class FakeStyles : public word::Styles {
public:
    FakeStyles(SessionPtr s, FakeDocument* doc) : s_(std::move(s)), doc_(doc) {}
    int count() override {
        s_->enterDocument(doc_, "Styles.Count");
        return static_cast<int>(doc_->styles().size());
    }
    std::unique_ptr<word::Style> item(int index) override {
        s_->enterDocument(doc_, "Styles.Item");
        const auto& styles = doc_->styles();
        if (index < 0) {
            for (const auto& st : styles) {
                if (st.builtInIndex == index) return std::make_unique<FakeStyleObject>(s_, st);
            }
            throw WordError("The requested member of the collection does not exist.");
        }
        check_index(index, static_cast<int>(styles.size()));
        return std::make_unique<FakeStyleObject>(s_, styles[static_cast<size_t>(index - 1)]);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
};

class FakeParagraphObject : public word::Paragraph {
public:
    FakeParagraphObject(SessionPtr s, FakeDocument* doc, FakeStory* story, int index)
        : s_(std::move(s)), doc_(doc), story_(story), index_(index) {}
    std::unique_ptr<word::Range> range() override {
        s_->enterDocument(doc_, "Paragraph.Range");
        return make_range(s_, doc_, story_, p().start, p().end);
    }
    std::unique_ptr<word::Style> style() override {
        s_->enterDocument(doc_, "Paragraph.Style");
        return make_style(s_, doc_, p().style);
    }
    float leftIndent() override {
        s_->enterDocument(doc_, "Paragraph.LeftIndent");
        return p().leftIndent;
    }
    float rightIndent() override {
        s_->enterDocument(doc_, "Paragraph.RightIndent");
        return p().rightIndent;
    }
    int outlineLevel() override {
        s_->enterDocument(doc_, "Paragraph.OutlineLevel");
        return doc_->outlineLevelOf(p());
    }
    std::string listString() override {
        s_->enterDocument(doc_, "Paragraph.ListString");
        return p().listString;
    }

private:
    const FakeParagraph& p() { return story_->paragraphs()[static_cast<size_t>(index_)]; }
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
    int index_;
};

class FakeParagraphs : public word::Paragraphs {
public:
    FakeParagraphs(SessionPtr s, FakeDocument* doc, FakeStory* story, int first, int last)
        : s_(std::move(s)), doc_(doc), story_(story), first_(first), last_(last) {}
    int count() override {
        s_->enterDocument(doc_, "Paragraphs.Count");
        return last_ - first_ + 1;
    }
    std::unique_ptr<word::Paragraph> first() override {
        s_->enterDocument(doc_, "Paragraphs.First");
        if (last_ < first_) return nullptr;
        return std::make_unique<FakeParagraphObject>(s_, doc_, story_, first_);
    }
    std::unique_ptr<word::Paragraph> item(int index) override {
        s_->enterDocument(doc_, "Paragraphs.Item");
        check_index(index, last_ - first_ + 1);
        return std::make_unique<FakeParagraphObject>(s_, doc_, story_, first_ + index - 1);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
    int first_;
    int last_;
};

class FakeFieldObject : public word::Field {
public:
    FakeFieldObject(SessionPtr s, FakeDocument* doc, FakeStory* story, std::vector<FakeField> fields,
                    int index)
        : s_(std::move(s)), doc_(doc), story_(story), fields_(std::move(fields)), index_(index) {}
    int type() override {
        s_->enterDocument(doc_, "Field.Type");
        return f().type;
    }
    std::unique_ptr<word::Range> code() override {
        s_->enterDocument(doc_, "Field.Code");
        auto story = std::make_unique<FakeStory>(0);
        story->raw(f().code);
        FakeStory* raw = story.get();
        s_->detached.push_back(std::move(story));
        return make_range(s_, doc_, raw, 0, raw->length());
    }
    std::unique_ptr<word::Field> next() override {
        s_->enterDocument(doc_, "Field.Next");
        if (index_ + 1 >= static_cast<int>(fields_.size())) return nullptr;
        return std::make_unique<FakeFieldObject>(s_, doc_, story_, fields_, index_ + 1);
    }
    void select() override {
        s_->enterDocument(doc_, "Field.Select");
        s_->selection = {story_, f().start, f().end, false};
    }

private:
    const FakeField& f() { return fields_[static_cast<size_t>(index_)]; }
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
    std::vector<FakeField> fields_;
    int index_;
};

class FakeFields : public word::Fields {
public:
    FakeFields(SessionPtr s, FakeDocument* doc, FakeStory* story, std::vector<FakeField> fields)
        : s_(std::move(s)), doc_(doc), story_(story), fields_(std::move(fields)) {}
    int count() override {
        s_->enterDocument(doc_, "Fields.Count");
        return static_cast<int>(fields_.size());
    }
    std::unique_ptr<word::Field> item(int index) override {
        s_->enterDocument(doc_, "Fields.Item");
        check_index(index, static_cast<int>(fields_.size()));
        return std::make_unique<FakeFieldObject>(s_, doc_, story_, fields_, index - 1);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
    std::vector<FakeField> fields_;
};

class FakeTextFrame : public word::TextFrame {
public:
    FakeTextFrame(SessionPtr s, FakeDocument* doc, int shape) : s_(std::move(s)), doc_(doc), shape_(shape) {}
    std::unique_ptr<word::Range> textRange() override {
        s_->enterDocument(doc_, "TextFrame.TextRange");
        FakeShape& sh = doc_->shapes()[static_cast<size_t>(shape_ - 1)];
        if (!sh.hasText) throw WordError("This object does not support attached text.");
        return make_range(s_, doc_, sh.story.get(), 0, sh.story->length());
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    int shape_;
};

class FakeShapeObject : public word::Shape {
public:
    FakeShapeObject(SessionPtr s, FakeDocument* doc, int index)
        : s_(std::move(s)), doc_(doc), index_(index) {}
    int type() override { return enter("Shape.Type").type; }
    std::unique_ptr<word::TextFrame> textFrame() override {
        enter("Shape.TextFrame");
        return std::make_unique<FakeTextFrame>(s_, doc_, index_);
    }
    void select() override {
        int anchor = enter("Shape.Select").anchor;
        s_->active = doc_;
        s_->selection = {&doc_->main(), anchor, anchor, false};
    }
    std::unique_ptr<word::Range> anchor() override {
        int anchor = enter("Shape.Anchor").anchor;
        return make_range(s_, doc_, &doc_->main(), anchor, anchor);
    }
    float width() override { return enter("Shape.Width").width; }
    float height() override { return enter("Shape.Height").height; }
    float top() override { return enter("Shape.Top").top; }
    float left() override { return enter("Shape.Left").left; }
    int relativeHorizontalPosition() override {
        return enter("Shape.RelativeHorizontalPosition").relativeHorizontal;
    }
    int relativeVerticalPosition() override {
        return enter("Shape.RelativeVerticalPosition").relativeVertical;
    }

private:
    const FakeShape& enter(const char* name) {
        s_->enterDocument(doc_, name);
        return doc_->shapes()[static_cast<size_t>(index_ - 1)];
    }
    SessionPtr s_;
    FakeDocument* doc_;
    int index_;
};

class FakeShapes : public word::Shapes {
public:
    FakeShapes(SessionPtr s, FakeDocument* doc) : s_(std::move(s)), doc_(doc) {}
    int count() override {
        s_->enterDocument(doc_, "Shapes.Count");
        return static_cast<int>(doc_->shapes().size());
    }
    std::unique_ptr<word::Shape> item(int index) override {
        s_->enterDocument(doc_, "Shapes.Item");
        check_index(index, static_cast<int>(doc_->shapes().size()));
        return std::make_unique<FakeShapeObject>(s_, doc_, index);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
};

class FakeHyperlinkObject : public word::Hyperlink {
public:
    FakeHyperlinkObject(SessionPtr s, FakeDocument* doc, FakeStory* story, int index)
        : s_(std::move(s)), doc_(doc), story_(story), index_(index) {}
    std::string address() override { return enter("Hyperlink.Address").address; }
    std::string subAddress() override { return enter("Hyperlink.SubAddress").subAddress; }
    int type() override {
        return enter("Hyperlink.Type").shape > 0 ? word::kHyperlinkShape : word::kHyperlinkRange;
    }
    std::unique_ptr<word::Range> range() override {
        const FakeHyperlink& h = enter("Hyperlink.Range");
        if (h.shape > 0) throw WordError("This hyperlink is not attached to text.");
        return make_range(s_, doc_, story_, h.start, h.end);
    }
    std::unique_ptr<word::Shape> shape() override {
        const FakeHyperlink& h = enter("Hyperlink.Shape");
        if (h.shape == 0) throw WordError("This hyperlink is not attached to a shape.");
        return make_shape(s_, doc_, h.shape);
    }

private:
    const FakeHyperlink& enter(const char* name) {
        s_->enterDocument(doc_, name);
        return story_->hyperlinks()[static_cast<size_t>(index_)];
    }
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
    int index_;
};

class FakeHyperlinks : public word::Hyperlinks {
public:
    FakeHyperlinks(SessionPtr s, FakeDocument* doc, FakeStory* story, std::vector<int> indexes)
        : s_(std::move(s)), doc_(doc), story_(story), indexes_(std::move(indexes)) {}
    int count() override {
        s_->enterDocument(doc_, "Hyperlinks.Count");
        return static_cast<int>(indexes_.size());
    }
    std::unique_ptr<word::Hyperlink> item(int index) override {
        s_->enterDocument(doc_, "Hyperlinks.Item");
        check_index(index, static_cast<int>(indexes_.size()));
        return std::make_unique<FakeHyperlinkObject>(s_, doc_, story_,
                                                     indexes_[static_cast<size_t>(index - 1)]);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
    std::vector<int> indexes_;
};

class FakeFootnoteObject : public word::Footnote {
public:
    FakeFootnoteObject(SessionPtr s, FakeDocument* doc, FakeStory* story)
        : s_(std::move(s)), doc_(doc), story_(story) {}
    std::unique_ptr<word::Range> range() override {
        s_->enterDocument(doc_, "Footnote.Range");
        return make_range(s_, doc_, story_, 0, story_->length());
    }
    std::unique_ptr<word::Range> reference() override {
        s_->enterDocument(doc_, "Footnote.Reference");
        const auto* mark = doc_->noteReferenceOf(story_);
        if (mark == nullptr) throw word::WordError("the note has no reference mark");
        return make_range(s_, doc_, &doc_->main(), mark->first, mark->second);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
};

class FakeFootnotes : public word::Footnotes {
public:
    FakeFootnotes(SessionPtr s, FakeDocument* doc, bool endnotes)
        : s_(std::move(s)), doc_(doc), endnotes_(endnotes) {}
    int count() override {
        s_->enterDocument(doc_, endnotes_ ? "Endnotes.Count" : "Footnotes.Count");
        return static_cast<int>(notes().size());
    }
    std::unique_ptr<word::Footnote> item(int index) override {
        s_->enterDocument(doc_, endnotes_ ? "Endnotes.Item" : "Footnotes.Item");
        check_index(index, static_cast<int>(notes().size()));
        return std::make_unique<FakeFootnoteObject>(s_, doc_, notes()[static_cast<size_t>(index - 1)].get());
    }

private:
    std::vector<std::unique_ptr<FakeStory>>& notes() {
        return endnotes_ ? doc_->endnotes() : doc_->footnotes();
    }

    SessionPtr s_;
    FakeDocument* doc_;
    bool endnotes_;
};

class FakeHeaderFooter : public word::HeaderFooter {
public:
    FakeHeaderFooter(SessionPtr s, FakeDocument* doc, FakeStory* story)
        : s_(std::move(s)), doc_(doc), story_(story) {}
    std::unique_ptr<word::Range> range() override {
        s_->enterDocument(doc_, "HeaderFooter.Range");
        return make_range(s_, doc_, story_, 0, story_->length());
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    FakeStory* story_;
};

class FakeHeadersFooters : public word::HeadersFooters {
public:
    FakeHeadersFooters(SessionPtr s, FakeDocument* doc, int section, bool headers)
        : s_(std::move(s)), doc_(doc), section_(section), headers_(headers) {}
    std::unique_ptr<word::HeaderFooter> item(int index) override {
        s_->enterDocument(doc_, "HeadersFooters.Item");
        check_index(index, 3);
        // A header or footer the document never wrote is an empty story.
        FakeStory& story = doc_->headerFooter(section_, headers_, index);
        if (story.length() == 0) story.paragraph();
        return std::make_unique<FakeHeaderFooter>(s_, doc_, &story);
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    int section_;
    bool headers_;
};

class FakeSectionObject : public word::Section {
public:
    FakeSectionObject(SessionPtr s, FakeDocument* doc, int index)
        : s_(std::move(s)), doc_(doc), index_(index) {}
    std::unique_ptr<word::HeadersFooters> headers() override {
        s_->enterDocument(doc_, "Section.Headers");
        return std::make_unique<FakeHeadersFooters>(s_, doc_, index_, true);
    }
    std::unique_ptr<word::HeadersFooters> footers() override {
        s_->enterDocument(doc_, "Section.Footers");
        return std::make_unique<FakeHeadersFooters>(s_, doc_, index_, false);
    }
    std::unique_ptr<word::PageSetup> pageSetup() override {
        s_->enterDocument(doc_, "Section.PageSetup");
        return make_page_setup(s_, {doc_->sectionAt(index_).setup});
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    int index_;
};

class FakeSections : public word::Sections {
public:
    FakeSections(SessionPtr s, FakeDocument* doc, std::vector<int> indexes)
        : s_(std::move(s)), doc_(doc), indexes_(std::move(indexes)) {}
    int count() override {
        s_->enterDocument(doc_, "Sections.Count");
        return static_cast<int>(indexes_.size());
    }
    std::unique_ptr<word::Section> item(int index) override {
        s_->enterDocument(doc_, "Sections.Item");
        check_index(index, static_cast<int>(indexes_.size()));
        return std::make_unique<FakeSectionObject>(s_, doc_, indexes_[static_cast<size_t>(index - 1)]);
    }
    std::unique_ptr<word::Section> first() override {
        s_->enterDocument(doc_, "Sections.First");
        if (indexes_.empty()) return nullptr;
        return std::make_unique<FakeSectionObject>(s_, doc_, indexes_.front());
    }

private:
    SessionPtr s_;
    FakeDocument* doc_;
    std::vector<int> indexes_;
};

}  // namespace

std::unique_ptr<word::Style> make_style(const SessionPtr& s, FakeDocument* doc, const std::string& name) {
    const FakeStyle* known = doc->findStyle(name);
    // A paragraph style the test did not declare is a plain body-text style.
    FakeStyle style = known != nullptr ? *known : FakeStyle{name, false, word::kOutlineBodyText, 0, true};
    return std::make_unique<FakeStyleObject>(s, style);
}

std::unique_ptr<word::Styles> make_styles(const SessionPtr& s, FakeDocument* doc) {
    return std::make_unique<FakeStyles>(s, doc);
}

std::unique_ptr<word::Paragraphs> make_paragraphs(const SessionPtr& s, FakeDocument* doc, FakeStory* story,
                                                  int first, int last) {
    return std::make_unique<FakeParagraphs>(s, doc, story, first, last);
}

std::unique_ptr<word::Sections> make_sections(const SessionPtr& s, FakeDocument* doc,
                                              std::vector<int> indexes) {
    return std::make_unique<FakeSections>(s, doc, std::move(indexes));
}

std::unique_ptr<word::Hyperlinks> make_hyperlinks(const SessionPtr& s, FakeDocument* doc, FakeStory* story,
                                                  std::vector<int> indexes) {
    return std::make_unique<FakeHyperlinks>(s, doc, story, std::move(indexes));
}

std::unique_ptr<word::Fields> make_fields(const SessionPtr& s, FakeDocument* doc) {
    return std::make_unique<FakeFields>(s, doc, &doc->main(), doc->fields());
}

std::unique_ptr<word::Fields> make_story_fields(const SessionPtr& s, FakeDocument* doc, FakeStory* story,
                                                int start, int end) {
    std::vector<FakeField> inside;
    for (const FakeField& field : doc->fieldsOf(story)) {
        if (field.start >= start && field.end <= end) inside.push_back(field);
    }
    return std::make_unique<FakeFields>(s, doc, story, inside);
}

std::unique_ptr<word::Shapes> make_shapes(const SessionPtr& s, FakeDocument* doc) {
    return std::make_unique<FakeShapes>(s, doc);
}

std::unique_ptr<word::Shape> make_shape(const SessionPtr& s, FakeDocument* doc, int index) {
    return std::make_unique<FakeShapeObject>(s, doc, index);
}

std::unique_ptr<word::Footnotes> make_footnotes(const SessionPtr& s, FakeDocument* doc, bool endnotes) {
    return std::make_unique<FakeFootnotes>(s, doc, endnotes);
}

}  // namespace vane::test::fakeword
