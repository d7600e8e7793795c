#include "word/office/OfficeParagraphFormat.h"

#include "word/WordConstants.h"

namespace vane {

int OfficeParagraphFormat::outlineLevel() {
    return level_ >= 1 && level_ <= 9 ? level_ : word::kOutlineBodyText;
}

}  // namespace vane
