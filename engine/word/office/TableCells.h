// The cells of a table in document order, row by row. The office lists a
// table's cells without those a vertical merge covers, yet its cursors do
// land in them (the view cursor at the start of a page that begins inside a
// merged cell): the covered cells are found by name and put back in place.
#pragma once

#include <com/sun/star/text/XTextTable.hpp>
#include <functional>
#include <string>
#include <vector>

namespace vane {

class TableCells {
public:
    // The column part of a cell name: A..Z, a..z, then AA, AB, ...
    static std::string columnName(int column);
    // `listed`: the names the office lists (a split cell as "B2.1.1" and the
    // like, covered cells left out), `rows`: the table's row count, `exists`:
    // whether a cell of that name is there (covered ones are). Every listed
    // name is kept; a covered cell takes its column's place in its row.
    static std::vector<std::string> inOrder(const std::vector<std::string>& listed, int rows,
                                            const std::function<bool(const std::string&)>& exists);
    // The same for a table of the office.
    static std::vector<std::string> of(const css::uno::Reference<css::text::XTextTable>& table);
};

}  // namespace vane
