#include "CSetting.h"

namespace vane {

CSetting::~CSetting() = default;

void CSetting::CopyValues(const CSetting& other) {
    HeadingLevel = other.HeadingLevel;
    HeadingLevelPdf = other.HeadingLevelPdf;
    IndexWidth = other.IndexWidth;
    InternalLinks = other.InternalLinks;
    OpenBookmarks = other.OpenBookmarks;
    SkipHeadings = other.SkipHeadings;
    UseHome = other.UseHome;
    AllHeadingsHtml = other.AllHeadingsHtml;
    AllHeadingsPdf = other.AllHeadingsPdf;
    CrossReferences = other.CrossReferences;
}

bool CSetting::SameValues(const CSetting& other) const {
    return HeadingLevel == other.HeadingLevel && HeadingLevelPdf == other.HeadingLevelPdf &&
           IndexWidth == other.IndexWidth && InternalLinks == other.InternalLinks &&
           OpenBookmarks == other.OpenBookmarks && SkipHeadings == other.SkipHeadings &&
           UseHome == other.UseHome && AllHeadingsHtml == other.AllHeadingsHtml &&
           AllHeadingsPdf == other.AllHeadingsPdf && CrossReferences == other.CrossReferences;
}

}  // namespace vane
