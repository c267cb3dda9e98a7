#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <vector>

#include "Control.h"

// A read-only table as a window shows it: column headers (a unit goes into its header, "E
// [GPa]"), rows of texts and the selected row (-1 for none). A row may be marked as fixed, which
// a view shows subdued: its entry cannot be changed. Rows are 0-based, top to bottom; every row
// has one text per column.
class CTable : public CControl {
public:
    struct Row {
        std::vector<std::string> cells;
        bool fixed = false;
    };

    explicit CTable(std::vector<std::string> headers) : headers_(std::move(headers)) {}

    const std::vector<std::string>& Headers() const { return headers_; }
    int ColumnCount() const { return static_cast<int>(headers_.size()); }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    const Row& RowAt(int row) const {
        assert(row >= 0 && row < RowCount());
        return rows_[row];
    }
    const std::string& Cell(int row, int column) const {
        assert(column >= 0 && column < ColumnCount());
        return RowAt(row).cells[column];
    }

    // Replaces every row; the selection is cleared.
    void SetRows(std::vector<Row> rows) {
        for ([[maybe_unused]] const Row& row : rows) {
            assert(static_cast<int>(row.cells.size()) == ColumnCount());
        }
        rows_ = std::move(rows);
        selection_ = -1;
        ++revision_;
    }
    // Changes whenever the rows do, so that a view can tell whether to show them again.
    unsigned Revision() const { return revision_; }

    int Selection() const { return selection_; }
    // Selects a row; an index outside the table clears the selection.
    void Select(int row) { selection_ = (row >= 0 && row < RowCount()) ? row : -1; }

private:
    std::vector<std::string> headers_;
    std::vector<Row> rows_;
    int selection_ = -1;
    unsigned revision_ = 0;
};
