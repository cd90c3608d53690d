#pragma once

#include "subtitle/Sentences.h"

#include <QAbstractTableModel>

namespace kw {

class LineTable;

namespace ui {

class ListHost;

// The rows of the subtitle list: row i shows line i of the table given to fill(), with its time,
// the pointer mark, its sentence number (on head lines only) and its text. Sentence numbers and
// the current-sentence highlight are computed when a cell is drawn, from the host's grouping
// mode and current line, so a mode change needs no new rows.
class SubtitleListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kTimeColumn, kPointerColumn, kSentenceColumn, kTextColumn, kColumnCount };

    explicit SubtitleListModel(const ListHost& host, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // One row per line of `table`, which must outlive the rows (until clear()).
    void fill(const LineTable& table);
    void clear();
    // The table shown; null while there are no rows.
    const LineTable* table() const { return table_; }
    Grouping grouping() const;

    // The row carrying the pointer mark, or -1.
    int pointerRow() const { return pointerRow_; }
    void setPointerRow(int row);
    // Asks the view to redraw the rows of `lines` (their highlight may have changed).
    void repaintRows(LineRange lines);
    // The cells of `column` in every row have new contents.
    void columnChanged(Column column);
    // Line `row` has a new time or text.
    void lineChanged(int row);

private:
    bool inCurrentSentence(int row) const;

    const ListHost& host_;
    const LineTable* table_ = nullptr;
    int pointerRow_ = -1;
};

} // namespace ui
} // namespace kw
