// Ids of the catalogue messages: every numbered text that vanecore prints and
// that vanedesk shows. The catalogue tables in desk/resources are keyed by them.
#pragma once

namespace vane::msg {

// Unscoped, so that an id passes where the message functions take an int.
// The comment is the English text, without its leading line break.
enum Id : int {
    kAbout = 101,                    // &About Folivane...
    kBanner = 102,                   // %s version %s\r\n%s %s
    kOleInitFailed = 103,            // Error initializing OLE
    kSecurityInitFailed = 104,       // Error initializing security
    kNoPrinterName = 113,            // No printer name given
    kNoDriverName = 114,             // No driver name given
    kCannotRemovePrinter = 115,      // Cannot remove printer %s
    kCannotInstallPrinter = 116,     // Cannot install printer %s, %s
    kBookmarksFromHeadings = 117,    // Extract bookmarks from headings...
    kBookmarkEntry = 118,            // Bookmark %d: Page=%d Level=%d Y=%d Value=%s
    kBookmarksTryToc = 119,          // No bookmarks found from headings.\r\nTrying from table of ...
    kNoBookmarks = 120,              // No bookmarks found
    kAdjustingBookmarks = 121,       // Adjusting bookmark levels...
    kBookmarksFromToc = 122,         // Extract bookmarks from table of contents...
    kBookmarkTocEntry = 123,         // Bookmark %d: Toc=%s
    kSuccess = 124,                  // Process terminated successfully
    kFailure = 125,                  // *** Process terminated with error ***
    kMultipleInstances = 127,        // Multiple instances not supported
    kBadLevel = 128,                 // Heading level must be between 0 and 6
    kLevelTrace = 129,               // Heading level: %d
    kNoFileName = 130,               // No file name given
    kDocFile = 131,                  // Doc file: %s
    kOutputDirectory = 132,          // Output directory: %s
    kGhostscriptNotFound = 133,      // Ghostscript not found
    kGhostscriptPath = 134,          // Ghostscript path: %s
    kCannotCopy = 135,               // Cannot copy word file
    kOpening = 136,                  // Opening document...
    kStartWord = 137,                // Start MS WinWord
    kCannotStartWord = 138,          // Cannot open or connect MS WinWord
    kPdfFile = 139,                  // Pdf file: %s
    kJobFile = 140,                  // Job file: %s
    kCannotOpenPrinter = 141,        // Cannot open postscript printer
    kOpenDocument = 142,             // Open document
    kCannotOpenDocument = 143,       // Cannot open document
    kRemoveRevisions = 144,          // Remove revison marks
    kPageView = 145,                 // Set page mode view
    kChangePrinter = 146,            // Change current printer
    kActivate = 147,                 // Activate document
    kInitDocument = 148,             // Initialize document
    kNoDocumentInfo = 149,           // Cannot get document information
    kInitBookmarks = 152,            // Initialize bookmark checking
    kExtractingBookmarks = 153,      // Extracting bookmarks...
    kBookmarkTotal = 154,            // Total number of bookmarks: %d
    kInitLinks = 155,                // Initialize link checking
    kExtractingLinks = 156,          // Extracting links...
    kLinkTotal = 157,                // Total number of links: %d
    kAddingBookmarks = 158,          // Adding bookmarks...
    kAddingLinks = 159,              // Adding links...
    kPrinting = 160,                 // Printing to postscript printer...
    kSavingHtml = 161,               // Saving document as html...
    kClosingDocument = 162,          // Closing document
    kWordError = 163,                // Error processing document, %s
    kProcessingError = 164,          // Error processing document
    kClosingWord = 165,              // Closing MS WinWord
    kRestorePrinter = 166,           // Restoring previous active printer
    kFiltering = 167,                // Filtering document...
    kCreatingPdf = 168,              // Creating PDF file...
    kGhostscriptFailed = 169,        // Error running ghostscript
    kSplitting = 170,                // Splitting document...
    kSplitError = 171,               // Error in splitting
    kBuildingIndex = 172,            // Building index...
    kIndexError = 173,               // Error building index
    kCannotOpenFile = 174,           // Error opening file %s
    kCannotWriteFile = 175,          // Error writting file %s
    kDistillerCommandLine = 176,     // Distiller command line: %s
    kDistillerWaiting = 177,         // Waiting for distiller to end...
    kDistillerFinished = 178,        // Distiller has finished
    kGhostscriptCommandLine = 179,   // GhostScript command line: %s
    kGhostscriptWaiting = 180,       // Waiting for GhostScript to end...
    kGhostscriptFinished = 181,      // GhostScript has finished
    kHeadingStyles = 182,            // Get heading styles
    kHeadingStyle = 183,             // Heading %d style: %s
    kRepaginate = 184,               // Repaginate document
    kPagePositions = 185,            // Get page positions
    kNoTitle = 186,                  // *** Warning: No document title defined in word document
    kDocumentTitle = 187,            // Document Title: %s
    kPageCount = 188,                // Number of pages: %d
    kGetPageSetup = 189,             // Get document information
    kPageSetupFailed = 190,          // Error getting document information
    kPageSetupTitle = 191,           // Document information:
    kOrientationLabel = 192,         // Orientation:
    kPortrait = 193,                 // portrait
    kLandscape = 194,                // landscape
    kOrientationUnknown = 195,       // unknown
    kPageHeight = 196,               // Page height: %f
    kPageWidth = 197,                // Page width: %f
    kFirstPageHeaderFooter = 198,    // Document has specific first page header and footer
    kOddEvenHeaderFooter = 199,      // Document has specific odd and even page header and footer
    kTocLinks = 200,                 // Extract links from table of contents
    kTocLinkEntry = 201,             // Link %d: Type=Toc Page=%d Y=%d X=%d Dest=%s
    kNoTocLinks = 202,               // No links found from table of contents
    kOtherLinks = 203,               // Get other links
    kDocumentLinks = 204,            // Get links from document
    kInternalLinkEntry = 205,        // Link %d: Type=Internal Page=%d Y=%d X=%d Dest=%s
    kUrlLinkEntry = 206,             // Link %d: Type=Url Page=%d Y=%d X=%d Dest=%s
    kShapeLinks = 207,               // Get links from shapes
    kFootnoteLinks = 208,            // Get links from footnotes
    kHeaderFooterLinks = 209,        // Get links from headers and footers
    kFirstPageHeaderLinks = 210,     // Get links from first page header
    kEvenPageHeaderLinks = 211,      // Get links from even page header
    kPrimaryHeaderLinks = 212,       // Get links from primary header
    kFirstPageFooterLinks = 213,     // Get links from first page footer
    kEvenPageFooterLinks = 214,      // Get links from even page footer
    kPrimaryFooterLinks = 215,       // Get links from primary footer
    kLinkDestinations = 216,         // Get internal and Toc link destinations
    kLinkDestinationEntry = 217,     // Link %d destination: Page=%d Y=%d
    kChooseFile = 219,               // Please choose a Winword file
    kWordMissing = 220,              // MS WinWord not found or version is not compatible. \r\nYou must ...
    kNoProducer = 221,               // Ghostscript or Acrobat Distiller not found. You should have one ...
    kProfileExists = 222,            // This profile already exists.\r\nDo you want to overwrite it ?
    kCheckWord = 224,                // Check Winword...
    kCheckGhostscript = 225,         // Check Ghostscript...
    kFileNotFound = 226,             // File not found: %s
    kCheckDistiller = 227,           // Check if Acrobat Distiller installed...
    kDistillerNotFound = 228,        // Distiller not found.
    kDistillerPath = 229,            // Distiller path: %s
    kDistillerFailed = 230,          // Error running distiller
    kDistillerFound = 231,           // Distiller has been found.
    kEraseSkipped = 232,             // Output directory kept (not erased): %s
    kLinkRectOffPage = 240,          // Link %d dropped: its rectangle Left=%d Bottom=%d Right=%d ...
    kLinkDestinationOffPage = 241,   // Link %d dropped: its destination Y=%d lies outside page %d (%d ...
    kBookmarkOffPage = 242,          // Bookmark %d dropped: its destination Y=%d lies outside page %d ...
    kLinkPageSizeUnknown = 243,      // Link %d dropped: page %d has no known size
    kBookmarkPageSizeUnknown = 244,  // Bookmark %d dropped: page %d has no known size
    kLinkPartStopped = 245,          // This part stopped at an error: %s
};

// Every id above, ascending.
inline constexpr Id kAll[] = {
    kAbout,
    kBanner,
    kOleInitFailed,
    kSecurityInitFailed,
    kNoPrinterName,
    kNoDriverName,
    kCannotRemovePrinter,
    kCannotInstallPrinter,
    kBookmarksFromHeadings,
    kBookmarkEntry,
    kBookmarksTryToc,
    kNoBookmarks,
    kAdjustingBookmarks,
    kBookmarksFromToc,
    kBookmarkTocEntry,
    kSuccess,
    kFailure,
    kMultipleInstances,
    kBadLevel,
    kLevelTrace,
    kNoFileName,
    kDocFile,
    kOutputDirectory,
    kGhostscriptNotFound,
    kGhostscriptPath,
    kCannotCopy,
    kOpening,
    kStartWord,
    kCannotStartWord,
    kPdfFile,
    kJobFile,
    kCannotOpenPrinter,
    kOpenDocument,
    kCannotOpenDocument,
    kRemoveRevisions,
    kPageView,
    kChangePrinter,
    kActivate,
    kInitDocument,
    kNoDocumentInfo,
    kInitBookmarks,
    kExtractingBookmarks,
    kBookmarkTotal,
    kInitLinks,
    kExtractingLinks,
    kLinkTotal,
    kAddingBookmarks,
    kAddingLinks,
    kPrinting,
    kSavingHtml,
    kClosingDocument,
    kWordError,
    kProcessingError,
    kClosingWord,
    kRestorePrinter,
    kFiltering,
    kCreatingPdf,
    kGhostscriptFailed,
    kSplitting,
    kSplitError,
    kBuildingIndex,
    kIndexError,
    kCannotOpenFile,
    kCannotWriteFile,
    kDistillerCommandLine,
    kDistillerWaiting,
    kDistillerFinished,
    kGhostscriptCommandLine,
    kGhostscriptWaiting,
    kGhostscriptFinished,
    kHeadingStyles,
    kHeadingStyle,
    kRepaginate,
    kPagePositions,
    kNoTitle,
    kDocumentTitle,
    kPageCount,
    kGetPageSetup,
    kPageSetupFailed,
    kPageSetupTitle,
    kOrientationLabel,
    kPortrait,
    kLandscape,
    kOrientationUnknown,
    kPageHeight,
    kPageWidth,
    kFirstPageHeaderFooter,
    kOddEvenHeaderFooter,
    kTocLinks,
    kTocLinkEntry,
    kNoTocLinks,
    kOtherLinks,
    kDocumentLinks,
    kInternalLinkEntry,
    kUrlLinkEntry,
    kShapeLinks,
    kFootnoteLinks,
    kHeaderFooterLinks,
    kFirstPageHeaderLinks,
    kEvenPageHeaderLinks,
    kPrimaryHeaderLinks,
    kFirstPageFooterLinks,
    kEvenPageFooterLinks,
    kPrimaryFooterLinks,
    kLinkDestinations,
    kLinkDestinationEntry,
    kChooseFile,
    kWordMissing,
    kNoProducer,
    kProfileExists,
    kCheckWord,
    kCheckGhostscript,
    kFileNotFound,
    kCheckDistiller,
    kDistillerNotFound,
    kDistillerPath,
    kDistillerFailed,
    kDistillerFound,
    kEraseSkipped,
    kLinkRectOffPage,
    kLinkDestinationOffPage,
    kBookmarkOffPage,
    kLinkPageSizeUnknown,
    kBookmarkPageSizeUnknown,
    kLinkPartStopped,
};

constexpr bool ascending_ids() {
    for (unsigned i = 1; i < sizeof kAll / sizeof kAll[0]; ++i)
        if (kAll[i - 1] >= kAll[i]) return false;
    return true;
}
static_assert(ascending_ids(), "kAll lists each id once, in ascending order");

}  // namespace vane::msg
