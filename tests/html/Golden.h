// Golden-file checks for generated text. With VANE_UPDATE_GOLDEN=1 in the
// environment the expected files are (re)written from the actual output
// instead; review the difference before keeping it.
#pragma once

#include <set>
#include <string>

namespace vane::test {

// tests/data/html/<relative> in the source tree.
std::string golden_path(const std::string& relative);

bool updating_goldens();

// Compares bytes with the golden file (or writes it when updating).
void expect_golden(const std::string& actual, const std::string& goldenFile);

// Compares every regular file of `actualDir` whose name is not in `ignored`
// with the file of the same name in `goldenDir`, and checks that the two
// directories hold the same names.
void expect_golden_dir(const std::string& actualDir, const std::string& goldenDir,
                       const std::set<std::string>& ignored);

}  // namespace vane::test
