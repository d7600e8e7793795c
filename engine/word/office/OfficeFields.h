// The fields of the main text as the word processor reports them, in
// document order. The office keeps a table of contents as an index whose
// entries link to their headings and whose page numbers are plain text; it
// is shown as a TOC field holding, per entry, a HYPERLINK field (when the
// entries are links) and a PAGEREF field over the page number. Reference
// fields stay REF, PAGEREF or NOTEREF fields.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "word/Fields.h"
#include "word/office/OfficeSession.h"
#include "word/office/OfficeStory.h"

namespace vane {

struct FieldInfo {
    int type = 0;
    std::string code;
    int start = 0;  // the shown result, main-text positions
    int end = 0;
    int rank = 0;  // order among fields starting at the same position
};

class OfficeFields final : public word::Fields {
public:
    OfficeFields(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document);
    // The fields inside [start, end) of `story`, or of the main text when it is null.
    OfficeFields(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                 std::shared_ptr<OfficeStory> story, int start, int end);

    int count() override { return static_cast<int>(fields_->size()); }
    std::unique_ptr<word::Field> item(int index) override;

    // Table-of-contents entries whose bookmark name was found again / given
    // a bookmark of its own / lost.
    int recoveredNames = 0;
    int createdNames = 0;
    int lostNames = 0;
    int figureNames = 0;

private:
    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<OfficeStory> story_;  // null: the main text
    std::shared_ptr<std::vector<FieldInfo>> fields_;
};

// Reads the fields of a document's main text, sorted.
struct TocNameCounts {
    int recovered = 0;
    int created = 0;
    int lost = 0;
    int figures = 0;  // entries of tables of figures given a caption's name
};
std::vector<FieldInfo> read_fields(DocumentSession& document, TocNameCounts* names = nullptr);

}  // namespace vane
