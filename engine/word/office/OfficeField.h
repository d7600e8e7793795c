// One field of the main text or of a story, kept by its place in its field list.
#pragma once

#include <memory>
#include <vector>

#include "word/Field.h"
#include "word/office/OfficeFields.h"

namespace vane {

class OfficeField final : public word::Field {
public:
    OfficeField(std::shared_ptr<OfficeSession> session, std::shared_ptr<DocumentSession> document,
                std::shared_ptr<std::vector<FieldInfo>> fields, std::size_t index,
                std::shared_ptr<OfficeStory> story = nullptr)
        : session_(std::move(session)),
          document_(std::move(document)),
          fields_(std::move(fields)),
          index_(index),
          story_(std::move(story)) {}

    int type() override { return info().type; }
    std::unique_ptr<word::Range> code() override;
    std::unique_ptr<word::Field> next() override;
    void select() override;

private:
    const FieldInfo& info() const { return fields_->at(index_); }

    std::shared_ptr<OfficeSession> session_;
    std::shared_ptr<DocumentSession> document_;
    std::shared_ptr<std::vector<FieldInfo>> fields_;
    std::size_t index_;
    std::shared_ptr<OfficeStory> story_;  // null: the main text
};

}  // namespace vane
