#include "word/com/ComRange.h"

#include <utility>

#include "word/com/ComFields.h"
#include "word/com/ComFont.h"
#include "word/com/ComHyperlinks.h"
#include "word/com/ComPageSetup.h"
#include "word/com/ComParagraphs.h"
#include "word/com/ComSections.h"
#include "word/com/ComStyle.h"

namespace vane::word {

std::string ComRange::text() {
    return object_.get(0x0).toText();
}

int ComRange::start() {
    return object_.get(0x3).toInteger();
}

int ComRange::end() {
    return object_.get(0x4).toInteger();
}

int ComRange::storyType() {
    return object_.get(0x7).toInteger();
}

std::unique_ptr<Font> ComRange::font() {
    return std::make_unique<ComFont>(object_.getObject(0x5));
}

std::unique_ptr<Paragraphs> ComRange::paragraphs() {
    return std::make_unique<ComParagraphs>(object_.getObject(0x3B));
}

std::unique_ptr<Sections> ComRange::sections() {
    return std::make_unique<ComSections>(object_.getObject(0x3A));
}

std::unique_ptr<Hyperlinks> ComRange::hyperlinks() {
    return std::make_unique<ComHyperlinks>(object_.getObject(0x9C));
}

std::unique_ptr<Fields> ComRange::fields() {
    return std::make_unique<ComFields>(object_.getObject(0x40));
}

std::unique_ptr<Style> ComRange::style() {
    Dispatch answer = object_.getOptionalObject(0x97);
    if (!answer) return nullptr;
    return std::make_unique<ComStyle>(std::move(answer));
}

std::unique_ptr<PageSetup> ComRange::pageSetup() {
    return std::make_unique<ComPageSetup>(object_.getObject(0x44D));
}

void ComRange::select() {
    object_.call(0xFFFF);
}

}  // namespace vane::word
