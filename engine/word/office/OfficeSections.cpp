#include "word/office/OfficeSections.h"

#include "word/WordError.h"
#include "word/office/OfficeSection.h"

namespace vane {

std::unique_ptr<word::Section> OfficeSections::item(int index) {
    if (index < 1 || index > count()) throw word::WordError("Sections: the requested member does not exist");
    return std::make_unique<OfficeSection>(session_, document_, styles_[static_cast<std::size_t>(index - 1)]);
}

std::unique_ptr<word::Section> OfficeSections::first() {
    if (styles_.empty()) return nullptr;
    return item(1);
}

}  // namespace vane
