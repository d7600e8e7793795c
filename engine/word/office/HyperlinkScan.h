// Finds the hyperlinks of a text: runs of text portions that carry the same
// link address, as positions of that text.
#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <memory>
#include <string>
#include <vector>

#include "word/WordConstants.h"
#include "word/office/OfficeStory.h"
#include "word/office/ParagraphMap.h"

namespace vane {

struct FoundLink {
    std::string address;     // the address as written, without a "#name" target
    std::string subAddress;  // the target name after "#", possibly empty
    int start = 0;
    int end = 0;
    // kHyperlinkRange for text; kHyperlinkShape for a floating shape (its
    // anchor at `start`), kHyperlinkInlineShape for a picture in the line
    // (its character [start, end)).
    int kind = word::kHyperlinkRange;
    css::uno::Reference<css::beans::XPropertySet> shape;
    int shapeType = 0;
    std::shared_ptr<OfficeStory> shapeStory;  // the text of a linked text box
};

// Splits a link URL the way the word processor shows it: "#name" is a place
// inside the document (empty address); "http://x/#part" keeps its whole
// address, with the part after "#" as the sub-address too.
FoundLink split_link_url(const std::string& url);

// Links of the paragraphs [first, last) of `map` (all when last < 0), in order.
std::vector<FoundLink> scan_links(ParagraphMap& map, int first = 0, int last = -1);

}  // namespace vane
