#include "word/office/TableCells.h"

#include <com/sun/star/table/XTableRows.hpp>
#include <map>
#include <set>

#include "word/office/UnoProps.h"

namespace vane {

std::string TableCells::columnName(int column) {
    std::string name;
    for (;;) {
        const int digit = column % 52;
        name.insert(name.begin(), static_cast<char>(digit < 26 ? 'A' + digit : 'a' + digit - 26));
        column -= digit;
        if (column == 0) break;
        column = column / 52 - 1;
    }
    return name;
}

std::vector<std::string> TableCells::inOrder(const std::vector<std::string>& listed, int rows,
                                             const std::function<bool(const std::string&)>& exists) {
    std::set<std::string> plain;
    std::map<std::string, std::vector<std::string>> split;  // "B2" -> "B2.1.1", "B2.1.2", ...
    for (const std::string& name : listed) {
        const auto dot = name.find('.');
        if (dot == std::string::npos) {
            plain.insert(name);
        } else {
            split[name.substr(0, dot)].push_back(name);
        }
    }
    std::vector<std::string> ordered;
    std::set<std::string> placed;
    auto place = [&](const std::string& name) {
        if (placed.insert(name).second) ordered.push_back(name);
    };
    for (int row = 1; row <= rows; ++row) {
        for (int column = 0;; ++column) {
            const std::string name = columnName(column) + std::to_string(row);
            if (plain.count(name) != 0) {
                place(name);
            } else if (const auto parts = split.find(name); parts != split.end()) {
                for (const std::string& part : parts->second) place(part);
            } else if (exists(name)) {
                place(name);
            } else {
                break;  // past the row's last cell
            }
        }
    }
    // Names of another form, should there be any, keep their listed order.
    for (const std::string& name : listed) place(name);
    return ordered;
}

std::vector<std::string> TableCells::of(const css::uno::Reference<css::text::XTextTable>& table) {
    std::vector<std::string> listed;
    for (const auto& name : table->getCellNames()) listed.push_back(utf8(name));
    const auto rows = table->getRows();
    const int count = rows.is() ? static_cast<int>(rows->getCount()) : 0;
    return inOrder(listed, count, [&](const std::string& name) { return table->getCellByName(ou(name)).is(); });
}

}  // namespace vane
