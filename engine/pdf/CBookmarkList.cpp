#include "pdf/CBookmarkList.h"

#include <cstdio>

#include "frame/File.h"
#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "pdf/Destination.h"
#include "pdf/OutlineText.h"
#include "pdf/PageBox.h"
#include "pdf/PageOrientation.h"
#include "word/BookmarkNames.h"
#include "word/CDocinfo.h"
#include "word/Word.h"

namespace vane {

namespace {

constexpr std::int32_t kDefaultMaxLevel = 6;
constexpr std::int32_t kHeadingLevels = 6;

// The title as the reader sees the heading: its list number first (without
// the blanks that may end it). A label without a letter or digit (a bullet)
// is left out.
std::string numbered_title(const std::string& label, const std::string& title) {
    std::string number = clean_title(label);
    while (!number.empty() && number.back() == ' ') number.pop_back();
    bool shown = false;
    for (const char c : number) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) shown = true;
    }
    return shown ? number + " " + title : title;
}

}  // namespace

CBookmarkList::CBookmarkList(CDocinfo* docinfo) : docinfo(docinfo) {
    reset();
}

CBookmarkList::~CBookmarkList() = default;

void CBookmarkList::reset() {
    entries.clear();
    maxLevel = kDefaultMaxLevel;
    allHeadings = false;
}

std::size_t CBookmarkList::writableCount() const {
    std::size_t n = 0;
    for (const auto& entry : entries) n += isWritable(*entry) ? 1 : 0;
    return n;
}

bool CBookmarkList::isWritable(const CBookmark& entry) const {
    return !entry.value.empty() && docinfo != nullptr && entry.page >= 1 &&
           entry.page <= docinfo->pageCount && !isOffPage(entry, 0, false);
}

bool CBookmarkList::isOffPage(const CBookmark& entry, std::size_t number, bool report) const {
    if (entry.value.empty() || docinfo == nullptr || entry.page < 1 || entry.page > docinfo->pageCount) {
        return false;
    }
    const PageBox box(*docinfo, entry.page);
    if (!box.known()) {
        if (report) print_verbose(msg::kBookmarkPageSizeUnknown, static_cast<int>(number), entry.page);
        return true;
    }
    if (!box.holdsY(entry.y)) {
        if (report) {
            print_verbose(msg::kBookmarkOffPage, static_cast<int>(number), entry.y, entry.page, box.height());
        }
        return true;
    }
    return false;
}

void CBookmarkList::dropOffPage() {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (isOffPage(*entries[i], i + 1, true)) entries[i]->value.clear();
    }
}

void CBookmarkList::advancePage(std::int32_t& page, std::int32_t start) const {
    const std::int32_t pageCount = docinfo->pageCount;
    while (page < pageCount &&
           static_cast<std::int64_t>(start) >=
               static_cast<std::int64_t>(docinfo->pageStarts[static_cast<std::size_t>(page)])) {
        ++page;
    }
}

std::int32_t CBookmarkList::destinationOf(word::Selection& selection, std::int32_t page) const {
    return destination_y(selection_vertical_position(selection), docinfo->pageHeight(page));
}

bool CBookmarkList::keepLevel(std::int32_t level, std::int32_t& topLevel) const {
    if (allHeadings) return level <= maxLevel;
    if (topLevel == -1) {
        topLevel = level;
    } else if (level < topLevel) {
        return false;
    }
    return level <= maxLevel;
}

void CBookmarkList::extractFromHeadings(word::Document& document, word::Application& application) {
    print_verbose(msg::kBookmarksFromHeadings);
    // Without pages there is nowhere to point an entry to.
    const bool hasPages = docinfo != nullptr && docinfo->pageCount > 0 &&
                          docinfo->pageStarts.size() >= static_cast<std::size_t>(docinfo->pageCount);
    if (hasPages) {
        std::unique_ptr<word::Selection> selection = application.selection();
        std::unique_ptr<word::Range> range = selection->goToFirst(word::kGoToHeading);
        std::int32_t lastStart = -1;
        std::int32_t topLevel = -1;
        std::int32_t page = 1;
        std::int32_t headingStart = -1;
        while (range) {
            selection->startOf(word::kUnitParagraph, word::kMove);
            selection->endOf(word::kUnitParagraph, word::kExtend);
            const std::int32_t start = range->start();
            // Past the last heading the go-to lands on the last one again. A
            // page break moves last-start past the heading's own start, so a
            // walk that does not move forward ends too.
            if (start == lastStart || start <= headingStart) break;
            advancePage(page, start);
            lastStart = start;
            headingStart = start;
            readHeading(*selection, *range, page, lastStart, topLevel);
            range = selection->goToNext(word::kGoToHeading);
        }
    }
    if (entries.empty()) {
        print_verbose(msg::kBookmarksTryToc);
        if (hasPages) extractFromToc(application, document);
    }
    dropOffPage();
    if (!entries.empty()) {
        print_verbose(msg::kAdjustingBookmarks);
        adjustLevels();
    } else {
        print_verbose(msg::kNoBookmarks);
    }
}

void CBookmarkList::readHeading(word::Selection& selection, word::Range& range, std::int32_t& page,
                                std::int32_t& lastStart, std::int32_t& topLevel) {
    std::unique_ptr<word::Paragraphs> paragraphs = range.paragraphs();
    std::unique_ptr<word::Paragraph> paragraph = paragraphs ? paragraphs->first() : nullptr;
    if (!paragraph) return;
    std::string text = paragraph->range()->text();

    // A manual page break before the heading's text: the heading lies on the
    // next page, and its text (and destination) starts after the break.
    while (!text.empty() && text[0] == '\f') {
        const std::int32_t before = selection.start();
        selection.moveStart(word::kUnitCharacter, 1);
        const std::int32_t moved = selection.start();
        selection.goToNext(word::kGoToLine);
        if (selection.start() != moved) selection.goToPrevious(word::kGoToLine);
        selection.endOf(word::kUnitParagraph, word::kExtend);
        lastStart = selection.start();
        if (page < docinfo->pageCount) ++page;
        std::unique_ptr<word::Range> selected = selection.range();
        std::string selectedText = selected->text();
        if (selectedText != text) text = std::move(selectedText);
        std::unique_ptr<word::Paragraphs> selectedParagraphs = selected->paragraphs();
        paragraph = selectedParagraphs ? selectedParagraphs->first() : nullptr;
        if (!paragraph) return;
        // The selection did not get past the break: no title can come of it.
        if (lastStart <= before) return;
    }

    const std::int32_t y = destinationOf(selection, page);

    const std::int32_t level = headingLevel(*paragraph);
    if (level == 0) return;

    std::string title = clean_title(text);
    if (title.empty()) return;
    if (!keepLevel(level, topLevel)) return;
    if (allHeadings) title = numbered_title(paragraph->listString(), title);
    print_verbose(msg::kBookmarkEntry, static_cast<int>(entries.size() + 1), page, level, y, title.c_str());
    entries.push_back(std::make_unique<CBookmark>(std::move(title), level, page, y));
}

std::int32_t CBookmarkList::headingLevel(word::Paragraph& paragraph) const {
    if (allHeadings) {
        const int level = paragraph.outlineLevel();
        return level >= 1 && level <= 9 ? level : 0;
    }
    std::unique_ptr<word::Style> style = paragraph.style();
    if (!style) return 0;
    const std::string name = style->nameLocal();
    // Only the word processor's own heading styles count on this path.
    if (!style->builtIn() || name.empty()) return 0;
    for (std::int32_t i = 0; i < kHeadingLevels; ++i) {
        if (name == docinfo->headingStyles[i]) return i + 1;
    }
    return 0;
}

std::map<std::string, std::int32_t> CBookmarkList::styleLevels(word::Document& document) {
    std::map<std::string, std::int32_t> levels;
    std::unique_ptr<word::Styles> styles = document.styles();
    if (!styles) return levels;
    const int count = styles->count();
    for (int i = 1; i <= count; ++i) {
        std::unique_ptr<word::Style> style = styles->item(i);
        if (!style) continue;
        const std::string name = style->nameLocal();
        int level = 0;
        try {
            std::unique_ptr<word::ParagraphFormat> format = style->paragraphFormat();
            if (!format) continue;
            level = format->outlineLevel();
        } catch (const word::WordError&) {
            continue;  // character styles have no paragraph format
        }
        if (level >= 1 && level <= 9) levels.emplace(name, level);
    }
    return levels;
}

void CBookmarkList::collectTocReferences(word::Document& document) {
    std::unique_ptr<word::Fields> fields = document.fields();
    if (!fields) return;
    const int count = fields->count();
    if (count < 1) return;
    std::unique_ptr<word::Field> field = fields->item(1);
    int tocFields = 0;
    for (int i = 0; i < count && field; ++i) {
        const int type = field->type();
        if (type == word::kFieldToc) {
            // Only the first table of contents is used.
            if (++tocFields == 2) break;
        } else if (type == word::kFieldPageRef) {
            std::unique_ptr<word::Range> code = field->code();
            const std::string name = code ? reference_field_bookmark(code->text()) : std::string();
            if (is_toc_bookmark(name)) {
                print_verbose(msg::kBookmarkTocEntry, static_cast<int>(entries.size() + 1), name.c_str());
                entries.push_back(std::make_unique<CBookmark>(name, 0, 0, 0));
            }
        }
        if (i + 1 < count) field = field->next();
    }
}

void CBookmarkList::extractFromToc(word::Application& application, word::Document& document) {
    print_verbose(msg::kBookmarksFromToc);
    if (docinfo == nullptr || docinfo->pageCount < 1) return;
    const std::map<std::string, std::int32_t> levels = styleLevels(document);
    collectTocReferences(document);
    if (entries.empty()) return;

    std::unique_ptr<word::Selection> selection = application.selection();
    std::int32_t page = 1;
    std::int32_t topLevel = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        CBookmark& entry = *entries[i];
        std::unique_ptr<word::Range> range;
        try {
            range = selection->goToBookmark(entry.value);
        } catch (const word::WordError&) {
            // A bookmark that no longer exists: the entry stays without a title.
        }
        entry.value.clear();
        if (!range) continue;
        const std::string text = range->text();
        std::unique_ptr<word::Style> style = range->style();
        if (!style) continue;
        const std::string name = style->nameLocal();
        advancePage(page, range->start());
        const std::int32_t y = destinationOf(*selection, page);

        const auto found = levels.find(name);
        if (found == levels.end() || found->second == 0) continue;
        const std::int32_t level = found->second;
        // As in the heading walk: an entry without a title sets no top level.
        std::string title = clean_title(text);
        if (title.empty()) continue;
        if (!keepLevel(level, topLevel)) continue;
        entry.value = std::move(title);
        entry.level = level;
        entry.page = page;
        entry.y = y;
        print_verbose(msg::kBookmarkEntry, static_cast<int>(i + 1), page, level, y, entry.value.c_str());
    }
}

void CBookmarkList::adjustLevels() {
    // Entries that will not be written take no part in the nesting: counting
    // them would give a parent children that never appear in the outline.
    std::vector<CBookmark*> shown;
    for (const auto& entry : entries) {
        entry->depth = 1;
        entry->count = 0;
        if (!entry->value.empty()) shown.push_back(entry.get());
    }
    for (std::size_t i = 1; i < shown.size(); ++i) {
        CBookmark& current = *shown[i];
        const CBookmark& previous = *shown[i - 1];
        if (current.level > previous.level) {
            current.depth = previous.depth + 1;
        } else if (current.level < previous.level) {
            current.depth = previous.depth;
            for (std::size_t k = i; k-- > 0;) {
                if (shown[k]->level == current.level) {
                    current.depth = shown[k]->depth;
                    break;
                }
            }
        } else {
            current.depth = previous.depth;
        }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        std::int32_t children = 0;
        for (std::size_t k = i + 1; k < shown.size() && shown[k]->depth > shown[i]->depth; ++k) {
            if (shown[k]->depth == shown[i]->depth + 1) ++children;
        }
        shown[i]->count = -children;
    }
}

bool CBookmarkList::writeOutline(const std::string& path) const {
    if (entries.empty()) return true;
    File file = File::open(path.c_str(), "ab");
    if (!file.isOpen()) return false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& entry = entries[i];
        if (isOffPage(*entry, i + 1, true)) continue;
        if (!isWritable(*entry)) continue;
        std::string line = "[ /Title <" + utf16_hex(entry->value) + ">";
        char number[48];
        if (entry->count != 0) {
            std::snprintf(number, sizeof number, " /Count %d", entry->count);
            line += number;
        }
        std::snprintf(number, sizeof number, " /Page %d", entry->page);
        line += number;
        line += destination_view(is_landscape_page(docinfo->pageOrientations, entry->page), entry->y);
        line += " /OUT pdfmark\r\n";
        std::fwrite(line.data(), 1, line.size(), file.get());
    }
    return true;
}

}  // namespace vane
