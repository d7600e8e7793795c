#include "html/StoredBlock.h"

namespace vane {

// Defined in the sources generated at build time.
extern const StoredBlock kSiteBlocks[];
extern const std::size_t kSiteBlocksCount;
extern const StoredBlock kFilterBlocks[];
extern const std::size_t kFilterBlocksCount;

const StoredBlock* find_site_block(std::string_view name) {
    for (std::size_t i = 0; i < kSiteBlocksCount; ++i) {
        if (name == kSiteBlocks[i].name) return &kSiteBlocks[i];
    }
    return nullptr;
}

const StoredBlock& stored_filter_program() {
    return kFilterBlocks[0];
}

}  // namespace vane
