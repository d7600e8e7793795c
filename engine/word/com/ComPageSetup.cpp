#include "word/com/ComPageSetup.h"

namespace vane::word {

int ComPageSetup::orientation() {
    return object_.get(0x6B).toInteger();
}

float ComPageSetup::pageHeight() {
    return object_.get(0x6A).toFloat();
}

float ComPageSetup::pageWidth() {
    return object_.get(0x69).toFloat();
}

float ComPageSetup::topMargin() {
    return object_.get(0x64).toFloat();
}

float ComPageSetup::bottomMargin() {
    return object_.get(0x65).toFloat();
}

float ComPageSetup::leftMargin() {
    return object_.get(0x66).toFloat();
}

float ComPageSetup::rightMargin() {
    return object_.get(0x67).toFloat();
}

bool ComPageSetup::differentFirstPageHeaderFooter() {
    return object_.get(0x74).toInteger() != 0;
}

bool ComPageSetup::oddAndEvenPagesHeaderFooter() {
    return object_.get(0x73).toInteger() != 0;
}

}  // namespace vane::word
