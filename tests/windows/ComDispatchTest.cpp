// The COM backend against a recording IDispatch: every member of the
// automation index is called with its DISPID, its kind (get, put, method)
// and its arguments in order, omitted optional ones passed as missing;
// answers are converted, no object reference is leaked, and failures come
// back as WordError with the object's own description.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "RecordingDispatch.h"
#include "word/WordConstants.h"
#include "word/WordError.h"
#include "word/com/ComApplication.h"
#include "word/com/ComDocument.h"
#include "word/com/ComDocumentProperties.h"
#include "word/com/ComDocuments.h"
#include "word/com/ComField.h"
#include "word/com/ComFields.h"
#include "word/com/ComFont.h"
#include "word/com/ComFootnote.h"
#include "word/com/ComFootnotes.h"
#include "word/com/ComHeaderFooter.h"
#include "word/com/ComHeadersFooters.h"
#include "word/com/ComHyperlink.h"
#include "word/com/ComHyperlinks.h"
#include "word/com/ComPageSetup.h"
#include "word/com/ComPane.h"
#include "word/com/ComParagraph.h"
#include "word/com/ComParagraphFormat.h"
#include "word/com/ComParagraphs.h"
#include "word/com/ComRange.h"
#include "word/com/ComSection.h"
#include "word/com/ComSections.h"
#include "word/com/ComSelection.h"
#include "word/com/ComShape.h"
#include "word/com/ComShapes.h"
#include "word/com/ComStyle.h"
#include "word/com/ComStyles.h"
#include "word/com/ComTextFrame.h"
#include "word/com/ComView.h"
#include "word/com/ComWindow.h"

namespace vane::word {
namespace {

using Answer = std::optional<ComVariant>;

template <class T>
std::string text_of(const std::unique_ptr<T>& object) {
    return object ? "object" : "null";
}
std::string text_of(bool value) {
    return value ? "true" : "false";
}
std::string text_of(const std::string& value) {
    return value;
}
template <class T>
std::string text_of(T value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

ComVariant single(float value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_R4;
    v.fltVal = value;
    return ComVariant::adopt(v);
}

const Answer kObject = std::nullopt;
const Answer kNothing = ComVariant();

struct Case {
    const char* member;
    std::function<std::string(const Dispatch&)> run;
    std::vector<std::string> calls;
    std::vector<Answer> answers;
    std::string result;
};

// Wraps a call whose result is not read.
template <class F>
std::function<std::string(const Dispatch&)> act(F f) {
    return [f](const Dispatch& d) {
        f(d);
        return std::string();
    };
}

#define ASK(Class, expression) [](const Dispatch& d) { return text_of(Class(d).expression); }
#define DO(Class, expression) act([](const Dispatch& d) { Class(d).expression; })

const std::string M = "missing";

std::vector<Case> cases() {
    const std::string six = M + "," + M + "," + M + "," + M + "," + M + "," + M;
    const std::string seven = six + "," + M;
    return {
        // Application
        {"Application.Documents", ASK(ComApplication, documents()), {"get 6()"}, {}, "object"},
        {"Application.Documents none", ASK(ComApplication, documents()), {"get 6()"}, {kNothing}, "null"},
        {"Application.Selection", ASK(ComApplication, selection()), {"get 5()"}, {}, "object"},
        {"Application.Visible", DO(ComApplication, setVisible(true)), {"put 17(bool:true)"}, {}, ""},
        {"Application.ActivePrinter get",
         ASK(ComApplication, activePrinter()),
         {"get 42()"},
         {ComVariant::text("PS on FILE:")},
         "PS on FILE:"},
        {"Application.ActivePrinter put",
         DO(ComApplication, setActivePrinter("Folivane")),
         {"put 42(str:Folivane)"},
         {},
         ""},
        {"Application.Version",
         ASK(ComApplication, version()),
         {"get 18()"},
         {ComVariant::text("12.0")},
         "12.0"},
        {"Application.Quit", DO(ComApplication, quit()), {"method 451(missing,missing,missing)"}, {}, ""},
        // Documents
        {"Documents.Open",
         ASK(ComDocuments, open("C:\\docs\\a b.doc", OpenOptions{})),
         {"method F(str:C:\\docs\\a "
          "b.doc,bool:false,bool:false,bool:false,missing,missing,bool:false,missing,"
          "missing,missing,bool:false,bool:true)"},
         {},
         "object"},
        {"Documents.Open no document",
         ASK(ComDocuments, open("x.doc", OpenOptions{})),
         {"method "
          "F(str:x.doc,bool:false,bool:false,bool:false,missing,missing,bool:false,missing,missing,missing,"
          "bool:false,bool:true)"},
         {kNothing},
         "null"},
        // Document
        {"Document.Activate", DO(ComDocument, activate()), {"method 71()"}, {}, ""},
        {"Document.Close", DO(ComDocument, close(false)), {"method 451(bool:false,missing,missing)"}, {}, ""},
        {"Document.SaveAs",
         DO(ComDocument, saveAs("C:\\out\\manual.html", kFormatFilteredHtml, true)),
         {"method "
          "66(str:C:\\out\\manual.html,i4:10,bool:false,str:,bool:true,str:,bool:false,missing,missing,"
          "missing,missing)"},
         {},
         ""},
        {"Document.PrintOut",
         DO(ComDocument, printOut(PrintOptions{"C:\\out\\m.ps", false, false, true})),
         {"method 1BC(bool:false,bool:false,missing,str:C:\\out\\m.ps," + six + ",bool:true," + seven + ")"},
         {},
         ""},
        {"Document.Repaginate", DO(ComDocument, repaginate()), {"method 67()"}, {}, ""},
        {"Document accept revisions", DO(ComDocument, acceptAllRevisions()), {"method 13D()"}, {}, ""},
        {"Document method 79", DO(ComDocument, unprotect("")), {"method 79(str:)"}, {}, ""},
        {"Document.Fields", ASK(ComDocument, fields()), {"get 14()"}, {}, "object"},
        {"Document.Hyperlinks", ASK(ComDocument, hyperlinks()), {"get 3D()"}, {}, "object"},
        {"Document.Shapes", ASK(ComDocument, shapes()), {"get 3E()"}, {}, "object"},
        {"Document.Footnotes", ASK(ComDocument, footnotes()), {"get 7()"}, {}, "object"},
        {"Document.Endnotes", ASK(ComDocument, endnotes()), {"get 8()"}, {}, "object"},
        {"Document.Sections", ASK(ComDocument, sections()), {"get F()"}, {}, "object"},
        {"Document.ActiveWindow", ASK(ComDocument, activeWindow()), {"get 2A()"}, {}, "object"},
        {"Document.Styles", ASK(ComDocument, styles()), {"get 16()"}, {}, "object"},
        {"Document.PageSetup", ASK(ComDocument, pageSetup()), {"get 44D()"}, {}, "object"},
        {"Document.BuiltInDocumentProperties",
         ASK(ComDocument, builtInDocumentProperties()),
         {"get 3E8()"},
         {},
         "object"},
        {"DocumentProperties Title",
         ASK(ComDocumentProperties, value("Title")),
         {"get 0(str:Title)", "get 0()"},
         {kObject, ComVariant::text("Annual report")},
         "Annual report"},
        {"DocumentProperties empty value",
         ASK(ComDocumentProperties, value("Title")),
         {"get 0(str:Title)", "get 0()"},
         {kObject, kNothing},
         ""},
        // Window, pane, view
        {"Window active pane", ASK(ComWindow, activePane()), {"get 1()"}, {}, "object"},
        {"Pane view", ASK(ComPane, view()), {"get A()"}, {}, "object"},
        {"View type", DO(ComView, setType(kViewPrintLayout)), {"put 0(i4:3)"}, {}, ""},
        {"View seek", DO(ComView, setSeekView(kSeekPrimaryHeader)), {"put 1C(i4:1)"}, {}, ""},
        // Selection
        {"Selection.GoTo page",
         ASK(ComSelection, goToPage(4)),
         {"method AD(i4:1,i4:1,i4:4,missing)"},
         {},
         "object"},
        {"Selection.GoTo next heading",
         ASK(ComSelection, goToNext(kGoToHeading)),
         {"method AD(i4:11,i4:2,missing,missing)"},
         {},
         "object"},
        {"Selection.GoTo bookmark",
         ASK(ComSelection, goToBookmark("_Ref12")),
         {"method AD(i4:-1,i4:1,missing,str:_Ref12)"},
         {},
         "object"},
        {"Selection.GoTo nothing",
         ASK(ComSelection, goToPage(2)),
         {"method AD(i4:1,i4:1,i4:2,missing)"},
         {kNothing},
         "null"},
        {"Selection.StartOf",
         ASK(ComSelection, startOf(kUnitParagraph, kMove)),
         {"method 6B(i4:4,i4:0)"},
         {ComVariant::integer(-3)},
         "-3"},
        {"Selection.EndOf",
         ASK(ComSelection, endOf(kUnitLine, kExtend)),
         {"method 6C(i4:5,i4:1)"},
         {ComVariant::integer(8)},
         "8"},
        {"Selection.Move",
         ASK(ComSelection, move(kUnitCharacter, -2)),
         {"method 6D(i4:1,i4:-2)"},
         {ComVariant::integer(-2)},
         "-2"},
        {"Selection.MoveStart",
         ASK(ComSelection, moveStart(kUnitCharacter, 3)),
         {"method 6E(i4:1,i4:3)"},
         {ComVariant::integer(3)},
         "3"},
        {"Selection.MoveEnd",
         ASK(ComSelection, moveEnd(kUnitStory, 1)),
         {"method 6F(i4:6,i4:1)"},
         {ComVariant::integer(0)},
         "0"},
        {"Selection.Collapse", DO(ComSelection, collapse(kCollapseEnd)), {"method 65(i4:0)"}, {}, ""},
        {"Selection.HomeKey",
         ASK(ComSelection, homeKey(kUnitLine, kExtend)),
         {"method 1F8(i4:5,i4:1)"},
         {ComVariant::integer(1)},
         "1"},
        {"Selection.EndKey",
         ASK(ComSelection, endKey(kUnitStory, kMove)),
         {"method 1F9(i4:6,i4:0)"},
         {ComVariant::integer(1)},
         "1"},
        {"Selection.Information page",
         ASK(ComSelection, information(kInfoActiveEndPageNumber)),
         {"get 191(i4:3)"},
         {ComVariant::integer(12)},
         "12"},
        {"Selection.Information position",
         ASK(ComSelection, information(kInfoVerticalPosition)),
         {"get 191(i4:6)"},
         {single(72.5f)},
         "72.5"},
        {"Selection.Information in table",
         ASK(ComSelection, information(kInfoWithInTable)),
         {"get 191(i4:12)"},
         {ComVariant::boolean(true)},
         "-1"},
        {"Selection.Range", ASK(ComSelection, range()), {"get 190()"}, {}, "object"},
        {"Selection.Start", ASK(ComSelection, start()), {"get 3()"}, {ComVariant::integer(17)}, "17"},
        {"Selection page setup", ASK(ComSelection, pageSetup()), {"get 44D()"}, {}, "object"},
        // Range
        {"Range.Text",
         ASK(ComRange, text()),
         {"get 0()"},
         {ComVariant::text("Caf\xC3\xA9 \xE2\x82\xAC\r")},
         "Caf\xC3\xA9 \xE2\x82\xAC\r"},
        {"Range.Start", ASK(ComRange, start()), {"get 3()"}, {ComVariant::integer(5)}, "5"},
        {"Range.End", ASK(ComRange, end()), {"get 4()"}, {ComVariant::integer(9)}, "9"},
        {"Range.Font", ASK(ComRange, font()), {"get 5()"}, {}, "object"},
        {"Range.Paragraphs", ASK(ComRange, paragraphs()), {"get 3B()"}, {}, "object"},
        {"Range.Sections", ASK(ComRange, sections()), {"get 3A()"}, {}, "object"},
        {"Range.Hyperlinks", ASK(ComRange, hyperlinks()), {"get 9C()"}, {}, "object"},
        {"Range.Fields", ASK(ComRange, fields()), {"get 40()"}, {}, "object"},
        {"Range style", ASK(ComRange, style()), {"get 97()"}, {}, "object"},
        {"Range style mixed", ASK(ComRange, style()), {"get 97()"}, {kNothing}, "null"},
        {"Range page setup", ASK(ComRange, pageSetup()), {"get 44D()"}, {}, "object"},
        {"Range select", DO(ComRange, select()), {"method FFFF()"}, {}, ""},
        // Paragraphs, paragraph
        {"Paragraphs.Count", ASK(ComParagraphs, count()), {"get 2()"}, {ComVariant::integer(40)}, "40"},
        {"Paragraphs.First", ASK(ComParagraphs, first()), {"get 3()"}, {}, "object"},
        {"Paragraphs.First none", ASK(ComParagraphs, first()), {"get 3()"}, {kNothing}, "null"},
        {"Paragraphs.Item", ASK(ComParagraphs, item(2)), {"method 0(i4:2)"}, {}, "object"},
        {"Paragraph.Range", ASK(ComParagraph, range()), {"get 0()"}, {}, "object"},
        {"Paragraph style", ASK(ComParagraph, style()), {"get 64()"}, {}, "object"},
        {"Paragraph left indent", ASK(ComParagraph, leftIndent()), {"get 6B()"}, {single(36.f)}, "36"},
        {"Paragraph right indent", ASK(ComParagraph, rightIndent()), {"get 6A()"}, {single(1.5f)}, "1.5"},
        // Styles, style, paragraph format
        {"Styles.Count", ASK(ComStyles, count()), {"get 1()"}, {ComVariant::integer(160)}, "160"},
        {"Styles.Item built-in heading",
         ASK(ComStyles, item(heading_style_index(1))),
         {"method 0(i2:-2)"},
         {},
         "object"},
        {"Styles.Item Heading 6",
         ASK(ComStyles, item(heading_style_index(6))),
         {"method 0(i2:-7)"},
         {},
         "object"},
        {"Styles.Item by index", ASK(ComStyles, item(5)), {"method 0(i4:5)"}, {}, "object"},
        {"Style.NameLocal",
         ASK(ComStyle, nameLocal()),
         {"get 0()"},
         {ComVariant::text("Titre 1")},
         "Titre 1"},
        {"Style flag 4", ASK(ComStyle, builtIn()), {"get 4()"}, {ComVariant::boolean(true)}, "true"},
        {"Style.ParagraphFormat", ASK(ComStyle, paragraphFormat()), {"get 9()"}, {}, "object"},
        {"ParagraphFormat.OutlineLevel",
         ASK(ComParagraphFormat, outlineLevel()),
         {"get CA()"},
         {ComVariant::integer(2)},
         "2"},
        // Fields, field
        {"Fields.Count", ASK(ComFields, count()), {"get 1()"}, {ComVariant::integer(3)}, "3"},
        {"Fields.Item", ASK(ComFields, item(1)), {"method 0(i4:1)"}, {}, "object"},
        {"Field.Type", ASK(ComField, type()), {"get 1()"}, {ComVariant::integer(kFieldPageRef)}, "37"},
        {"Field.Code", ASK(ComField, code()), {"get 0()"}, {}, "object"},
        {"Field.Next", ASK(ComField, next()), {"get 6()"}, {}, "object"},
        {"Field.Next last", ASK(ComField, next()), {"get 6()"}, {kNothing}, "null"},
        {"Field select", DO(ComField, select()), {"method FFFF()"}, {}, ""},
        // Hyperlinks, hyperlink
        {"Hyperlinks.Count", ASK(ComHyperlinks, count()), {"get 1()"}, {ComVariant::integer(2)}, "2"},
        {"Hyperlinks.Item", ASK(ComHyperlinks, item(2)), {"method 0(i4:2)"}, {}, "object"},
        {"Hyperlink.Address",
         ASK(ComHyperlink, address()),
         {"get 44C()"},
         {ComVariant::text("https://example.org/")},
         "https://example.org/"},
        {"Hyperlink target name",
         ASK(ComHyperlink, subAddress()),
         {"get 3EB()"},
         {ComVariant::text("_Toc1")},
         "_Toc1"},
        {"Hyperlink kind",
         ASK(ComHyperlink, type()),
         {"get 3ED()"},
         {ComVariant::integer(kHyperlinkShape)},
         "1"},
        {"Hyperlink.Range", ASK(ComHyperlink, range()), {"get 3EE()"}, {}, "object"},
        {"Hyperlink.Shape", ASK(ComHyperlink, shape()), {"get 3EF()"}, {}, "object"},
        // Shapes, shape, text frame
        {"Shapes.Count", ASK(ComShapes, count()), {"get 2()"}, {ComVariant::integer(1)}, "1"},
        {"Shapes.Item", ASK(ComShapes, item(3)), {"method 0(i4:3)"}, {}, "object"},
        {"Shape.Type", ASK(ComShape, type()), {"get 7C()"}, {ComVariant::integer(kShapeTextBox)}, "17"},
        {"Shape text frame", ASK(ComShape, textFrame()), {"get 79()"}, {}, "object"},
        {"Shape select", DO(ComShape, select()), {"method 15(missing)"}, {}, ""},
        {"Shape anchor", ASK(ComShape, anchor()), {"get 1F5()"}, {}, "object"},
        {"Shape.Width", ASK(ComShape, width()), {"get 80()"}, {single(144.f)}, "144"},
        {"Shape.Height", ASK(ComShape, height()), {"get 6D()"}, {single(72.f)}, "72"},
        {"Shape.Top", ASK(ComShape, top()), {"get 7B()"}, {single(-999999.f)}, "-999999"},
        {"Shape.Left", ASK(ComShape, left()), {"get 6F()"}, {single(10.25f)}, "10.25"},
        {"Shape horizontal reference",
         ASK(ComShape, relativeHorizontalPosition()),
         {"get 12C()"},
         {ComVariant::integer(kRelativePage)},
         "1"},
        {"Shape vertical reference",
         ASK(ComShape, relativeVerticalPosition()),
         {"get 12D()"},
         {ComVariant::integer(kRelativeParagraph)},
         "2"},
        {"TextFrame text range", ASK(ComTextFrame, textRange()), {"get 3E9()"}, {}, "object"},
        // Footnotes, footnote
        {"Footnotes.Count", ASK(ComFootnotes, count()), {"get 2()"}, {ComVariant::integer(4)}, "4"},
        {"Footnotes.Item", ASK(ComFootnotes, item(1)), {"method 0(i4:1)"}, {}, "object"},
        {"Footnote.Range", ASK(ComFootnote, range()), {"get 4()"}, {}, "object"},
        {"Footnote.Reference", ASK(ComFootnote, reference()), {"get 5()"}, {}, "object"},
        // Sections, section, headers and footers
        {"Sections.Count", ASK(ComSections, count()), {"get 2()"}, {ComVariant::integer(2)}, "2"},
        {"Sections.Item", ASK(ComSections, item(2)), {"method 0(i4:2)"}, {}, "object"},
        {"Sections.First", ASK(ComSections, first()), {"get 3()"}, {}, "object"},
        {"Section headers", ASK(ComSection, headers()), {"get 79()"}, {}, "object"},
        {"Section footers", ASK(ComSection, footers()), {"get 7A()"}, {}, "object"},
        {"Section page setup", ASK(ComSection, pageSetup()), {"get 44D()"}, {}, "object"},
        {"HeadersFooters.Item",
         ASK(ComHeadersFooters, item(kHeaderFooterFirstPage)),
         {"method 0(i4:2)"},
         {},
         "object"},
        {"HeaderFooter.Range", ASK(ComHeaderFooter, range()), {"get 0()"}, {}, "object"},
        // Font, page setup
        {"Font.Size", ASK(ComFont, size()), {"get 8D()"}, {single(10.5f)}, "10.5"},
        {"PageSetup.Orientation",
         ASK(ComPageSetup, orientation()),
         {"get 6B()"},
         {ComVariant::integer(kLandscape)},
         "1"},
        {"PageSetup.PageHeight", ASK(ComPageSetup, pageHeight()), {"get 6A()"}, {single(841.9f)}, "841.9"},
        {"PageSetup.PageWidth", ASK(ComPageSetup, pageWidth()), {"get 69()"}, {single(595.3f)}, "595.3"},
        {"PageSetup.TopMargin", ASK(ComPageSetup, topMargin()), {"get 64()"}, {single(72.f)}, "72"},
        {"PageSetup.BottomMargin", ASK(ComPageSetup, bottomMargin()), {"get 65()"}, {single(70.f)}, "70"},
        {"PageSetup.LeftMargin", ASK(ComPageSetup, leftMargin()), {"get 66()"}, {single(90.f)}, "90"},
        {"PageSetup.RightMargin", ASK(ComPageSetup, rightMargin()), {"get 67()"}, {single(88.f)}, "88"},
        {"PageSetup first-page header flag",
         ASK(ComPageSetup, differentFirstPageHeaderFooter()),
         {"get 74()"},
         {ComVariant::integer(-1)},
         "true"},
        {"PageSetup odd/even header flag",
         ASK(ComPageSetup, oddAndEvenPagesHeaderFooter()),
         {"get 73()"},
         {ComVariant::integer(0)},
         "false"},
    };
}

TEST(ComDispatch, EveryMemberGoesByItsDispidKindAndArguments) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.member);
        auto script = std::make_shared<test::DispatchScript>();
        for (const Answer& answer : c.answers) script->answers.push_back(answer);
        {
            IDispatch* root = test::RecordingDispatch::create(script);
            const Dispatch object(root);
            root->Release();
            EXPECT_EQ(c.run(object), c.result);
        }
        EXPECT_EQ(script->calls, c.calls);
        EXPECT_EQ(script->namesAsked, 0);
        EXPECT_TRUE(script->answers.empty()) << "answers left over";
        EXPECT_EQ(script->alive, 0) << "object references leaked";
    }
}

TEST(ComDispatch, FailuresCarryTheObjectsDescription) {
    auto script = std::make_shared<test::DispatchScript>();
    IDispatch* root = test::RecordingDispatch::create(script);
    const Dispatch object(root);
    root->Release();
    ComDocument document(object);

    script->failure = L"This document is locked for editing";
    try {
        document.saveAs("C:\\x.html", kFormatFilteredHtml, true);
        ADD_FAILURE() << "no error";
    } catch (const WordError& error) {
        EXPECT_STREQ(error.what(), "This document is locked for editing");
    }

    // Without exception information the code is named.
    script->failure = L"";
    try {
        document.repaginate();
        ADD_FAILURE() << "no error";
    } catch (const WordError& error) {
        EXPECT_NE(std::string(error.what()).find("80004005"), std::string::npos) << error.what();
    }
}

TEST(ComDispatch, AnswersOfTheWrongKindAreErrors) {
    const struct {
        const char* name;
        std::function<void(const Dispatch&)> run;
        Answer answer;
    } cases[] = {
        {"object where a number is expected", [](const Dispatch& d) { ComFields(d).count(); }, kObject},
        {"number where an object is expected", [](const Dispatch& d) { ComDocument(d).fields(); },
         ComVariant::integer(3)},
        {"no object where one is required", [](const Dispatch& d) { ComDocument(d).sections(); }, kNothing},
        {"text that is no number", [](const Dispatch& d) { ComRange(d).start(); }, ComVariant::text("abc")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto script = std::make_shared<test::DispatchScript>();
        script->answers.push_back(c.answer);
        {
            IDispatch* root = test::RecordingDispatch::create(script);
            const Dispatch object(root);
            root->Release();
            EXPECT_THROW(c.run(object), WordError);
        }
        EXPECT_EQ(script->alive, 0);
    }
}

TEST(ComDispatch, CallsOnNoObjectAreErrors) {
    EXPECT_THROW(ComApplication(Dispatch()).version(), WordError);
}

}  // namespace
}  // namespace vane::word
