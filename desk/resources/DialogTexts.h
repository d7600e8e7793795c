// The texts of the dialog templates (main dialog, Parameters, Save and Load)
// in English and French, with the few positions that differ between the two
// because some French labels are wider. Positions are in dialog units.
#pragma once

#include "MessageCatalog.h"

namespace vane::catalog {

struct DialogTexts {
    // Main dialog (template 102).
    const char* mainTitle;
    const char* browse;
    const char* output;
    const char* html;
    const char* pdf;
    const char* start;
    const char* settings;
    const char* displayResult;
    // Parameters dialog (template 129).
    const char* parametersTitle;
    const char* htmlParameters;
    const char* headingLevel;
    const char* createHomePage;
    const char* headingsToSkip;
    const char* indexFrameWidth;
    const char* pdfParameters;
    const char* pdfHeadingLevel;
    const char* keepInternalLinks;
    const char* openWithBookmarks;
    const char* allHeadingsHtml;
    const char* allHeadingsPdf;
    const char* crossReferences;
    const char* save;
    const char* load;
    const char* ok;
    const char* cancel;
    int useHomeX;        // check box 1009
    int internalLinksX;  // check box 1010
    int openBookmarksX;  // check box 1013
    int allHeadingsHtmlX;  // check box 1020
    int allHeadingsPdfX;   // check box 1021
    int crossReferencesX;  // check box 1022
    // Save dialog (template 131).
    const char* saveTitle;
    const char* saveName;
    int saveNameWidth;  // the label
    int saveEditX;      // edit 1016
    int saveEditWidth;
    // Load dialog (template 132).
    const char* loadTitle;
    // Validation messages of the Parameters dialog ("%1" and "%2" are the bounds).
    const char* enterInteger;
    const char* enterIntegerBetween;
    // Browse control.
    const char* browseTooltip;
    const char* folderPrompt;
};

const DialogTexts& dialog_texts(Language language);

}  // namespace vane::catalog
