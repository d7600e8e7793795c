// How a pane shows its document.
#pragma once

namespace vane::word {

class View {
public:
    virtual ~View() = default;
    // kViewPrintLayout, ...
    virtual void setType(int type) = 0;
    // kSeekMainDocument, or kSeekPrimaryHeader to work in the headers and footers.
    virtual void setSeekView(int seek) = 0;
};

}  // namespace vane::word
