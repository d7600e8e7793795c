#include "word/com/ComSelection.h"

#include <utility>

#include "word/com/ComPageSetup.h"
#include "word/com/ComRange.h"

namespace vane::word {

std::unique_ptr<Range> ComSelection::goTo(int what, int which, std::optional<int> count,
                                          const std::string& name) {
    Dispatch range = Dispatch(object_
                                  .call(0xAD, {ComVariant::integer(what), ComVariant::integer(which),
                                               count ? ComVariant::integer(*count) : ComVariant::missing(),
                                               name.empty() ? ComVariant::missing() : ComVariant::text(name)})
                                  .toDispatch());
    if (!range) return nullptr;
    return std::make_unique<ComRange>(std::move(range));
}

int ComSelection::startOf(int unit, int extend) {
    return object_.call(0x6B, {ComVariant::integer(unit), ComVariant::integer(extend)}).toInteger();
}

int ComSelection::endOf(int unit, int extend) {
    return object_.call(0x6C, {ComVariant::integer(unit), ComVariant::integer(extend)}).toInteger();
}

int ComSelection::move(int unit, int count) {
    return object_.call(0x6D, {ComVariant::integer(unit), ComVariant::integer(count)}).toInteger();
}

int ComSelection::moveStart(int unit, int count) {
    return object_.call(0x6E, {ComVariant::integer(unit), ComVariant::integer(count)}).toInteger();
}

int ComSelection::moveEnd(int unit, int count) {
    return object_.call(0x6F, {ComVariant::integer(unit), ComVariant::integer(count)}).toInteger();
}

void ComSelection::collapse(int direction) {
    object_.call(0x65, {ComVariant::integer(direction)});
}

int ComSelection::homeKey(int unit, int extend) {
    return object_.call(0x1F8, {ComVariant::integer(unit), ComVariant::integer(extend)}).toInteger();
}

int ComSelection::endKey(int unit, int extend) {
    return object_.call(0x1F9, {ComVariant::integer(unit), ComVariant::integer(extend)}).toInteger();
}

double ComSelection::information(int code) {
    return object_.get(0x191, {ComVariant::integer(code)}).toDouble();
}

std::unique_ptr<Range> ComSelection::range() {
    return std::make_unique<ComRange>(object_.getObject(0x190));
}

int ComSelection::start() {
    return object_.get(0x3).toInteger();
}

std::unique_ptr<PageSetup> ComSelection::pageSetup() {
    return std::make_unique<ComPageSetup>(object_.getObject(0x44D));
}

}  // namespace vane::word
