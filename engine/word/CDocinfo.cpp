#include "word/CDocinfo.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "frame/MessageIds.h"
#include "frame/Messages.h"
#include "word/Word.h"

namespace vane {

namespace {

constexpr int kMixedOrientation = 1001;

// The document's page setup answers "undefined" where its sections differ.
bool undefined_size(float points) {
    return points >= static_cast<float>(word::kUndefined);
}

std::uint32_t hundredths(float points) {
    const double v = std::trunc(static_cast<double>(points) * 100.0);
    return v <= 0 ? 0u : static_cast<std::uint32_t>(v);
}

// A property that only the PDF's document information uses: its absence is no error.
std::string optional_property(word::DocumentProperties& properties, const char* name) {
    try {
        return properties.value(name);
    } catch (const word::WordError&) {
        return {};
    }
}

}  // namespace

CDocinfo::CDocinfo() {
    clear();
}

void CDocinfo::clear() {
    pageStarts.clear();
    pageOrientations.clear();
    pageWidths.clear();
    pageHeights.clear();
    for (std::string& name : headingStyles) name.clear();
    pageCount = 0;
    orientation = 0;
    loaded = false;
    title.clear();
    author.clear();
    subject.clear();
    keywords.clear();
}

bool CDocinfo::fetchPageSetup(const std::function<std::unique_ptr<word::PageSetup>()>& target) {
    if (loaded) return true;
    print_verbose(msg::kGetPageSetup);
    try {
        std::unique_ptr<word::PageSetup> setup = target();
        if (!setup) throw word::WordError("no page setup");
        orientation = setup->orientation();
        docPageHeight = setup->pageHeight();
        docPageWidth = setup->pageWidth();
        differentFirstPage = setup->differentFirstPageHeaderFooter() ? 1 : 0;
        oddAndEvenPages = setup->oddAndEvenPagesHeaderFooter() ? 1 : 0;
    } catch (const word::WordError&) {
        print_verbose(msg::kPageSetupFailed);
        return false;
    }
    print_verbose(msg::kPageSetupTitle);
    print_verbose(msg::kOrientationLabel);
    print_verbose(orientation == 0                  ? msg::kPortrait
                  : orientation < kMixedOrientation ? msg::kLandscape
                                                    : msg::kOrientationUnknown);
    print_verbose(msg::kPageHeight, static_cast<double>(docPageHeight));
    print_verbose(msg::kPageWidth, static_cast<double>(docPageWidth));
    if (differentFirstPage != 0) print_verbose(msg::kFirstPageHeaderFooter);
    if (oddAndEvenPages != 0) print_verbose(msg::kOddEvenHeaderFooter);
    loaded = true;
    return true;
}

std::int32_t CDocinfo::load(word::Application& application, word::Document& document) {
    clear();
    auto documentSetup = [&document] { return document.pageSetup(); };
    fetchPageSetup(documentSetup);

    print_verbose(msg::kHeadingStyles);
    {
        std::unique_ptr<word::Styles> styles = document.styles();
        for (int level = 1; level <= 6 && styles; ++level) {
            try {
                std::unique_ptr<word::Style> style = styles->item(word::heading_style_index(level));
                if (style) headingStyles[level - 1] = style->nameLocal();
            } catch (const word::WordError&) {
                // A missing style leaves its name empty.
            }
            if (!headingStyles[level - 1].empty())
                print_verbose(msg::kHeadingStyle, level, headingStyles[level - 1].c_str());
        }
    }

    print_verbose(msg::kRepaginate);
    document.repaginate();

    print_verbose(msg::kPagePositions);
    std::unique_ptr<word::Selection> selection = application.selection();
    std::unique_ptr<word::Range> range =
        selection ? selection->goTo(word::kGoToPage, word::kGoToFirst, 1, {}) : nullptr;
    long long lastStart = -1;
    int n = 1;
    while (range) {
        fetchPageSetup(documentSetup);
        ++n;
        word::Range* pageRange = range.get();
        fetchPageSetup([pageRange] { return pageRange->pageSetup(); });

        const int start = range->start();
        if (start == lastStart) break;
        lastStart = start;
        pageStarts.push_back(static_cast<std::uint32_t>(start));

        int pageOrientation = orientation;
        float width = docPageWidth;
        float height = docPageHeight;
        if (orientation >= kMixedOrientation || undefined_size(docPageHeight) ||
            undefined_size(docPageWidth)) {
            // Sections differ in orientation or size: the page takes those of its own first section.
            try {
                std::unique_ptr<word::Sections> sections = range->sections();
                std::unique_ptr<word::Section> first = sections ? sections->first() : nullptr;
                std::unique_ptr<word::PageSetup> setup = first ? first->pageSetup() : nullptr;
                if (setup) {
                    const int o = setup->orientation();
                    const float h = setup->pageHeight();
                    const float w = setup->pageWidth();
                    pageOrientation = o;
                    height = h;
                    width = w;
                }
            } catch (const word::WordError&) {
                // The document's values stay.
            }
        }
        pageOrientations.push_back(static_cast<std::uint32_t>(pageOrientation));
        pageWidths.push_back(hundredths(width));
        pageHeights.push_back(hundredths(height));

        range = selection->goTo(word::kGoToPage, word::kGoToAbsolute, n, {});
    }
    pageCount = static_cast<std::int32_t>(pageStarts.size());

    {
        std::unique_ptr<word::DocumentProperties> properties = document.builtInDocumentProperties();
        title = properties ? properties->value("Title") : std::string();
        if (properties) {
            author = optional_property(*properties, "Author");
            subject = optional_property(*properties, "Subject");
            keywords = optional_property(*properties, "Keywords");
        }
    }
    if (title.empty())
        print_message(msg::kNoTitle);
    else
        print_verbose(msg::kDocumentTitle, title.c_str());
    print_verbose(msg::kPageCount, pageCount);
    return loaded ? pageCount : -1;
}

float CDocinfo::pageWidth(std::int32_t page) const {
    if (page < 1 || page > pageCount) throw std::invalid_argument("page outside the document");
    return static_cast<float>(pageWidths[static_cast<std::size_t>(page - 1)]) / 100.0f;
}

float CDocinfo::pageHeight(std::int32_t page) const {
    if (page < 1 || page > pageCount) throw std::invalid_argument("page outside the document");
    return static_cast<float>(pageHeights[static_cast<std::size_t>(page - 1)]) / 100.0f;
}

std::int32_t CDocinfo::pageIndexOf(std::int32_t startIndex, std::int32_t position) const {
    if (startIndex < 0) startIndex = 0;
    if (pageStarts.empty()) return -1;
    const auto at = [this](std::int32_t i) {
        return static_cast<std::int64_t>(pageStarts[static_cast<std::size_t>(i)]);
    };
    const std::int64_t pos = position;
    for (std::int32_t i = startIndex; i <= pageCount - 2; ++i)
        if (at(i) <= pos && pos < at(i + 1)) return i;
    if (startIndex > pageCount - 1) throw std::invalid_argument("page hint past the last page");
    const std::int32_t last = std::max(startIndex, pageCount - 1);
    if (pos >= at(last)) return last;
    for (std::int32_t j = 0; j <= startIndex - 1; ++j)
        if (at(j) <= pos && pos < at(j + 1)) return j;
    return -1;
}

}  // namespace vane
