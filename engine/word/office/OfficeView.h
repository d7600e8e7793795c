// The view of a document window. The office lays out every page the way the
// print layout shows it, and the header/footer seek does not change what the
// backend reads: both settings are kept and have no further effect.
#pragma once

#include "word/View.h"

namespace vane {

class OfficeView final : public word::View {
public:
    void setType(int type) override { type_ = type; }
    void setSeekView(int seek) override { seek_ = seek; }

private:
    int type_ = 0;
    int seek_ = 0;
};

}  // namespace vane
