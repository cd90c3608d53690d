#include "SubtitleListModel.h"

#include "ListHost.h"
#include "subtitle/LineTable.h"
#include "subtitle/TimeText.h"
#include "texts/UiTexts.h"

#include <QBrush>
#include <QColor>

namespace kw::ui {
namespace {

const QColor kCurrentSentenceColor(200, 255, 150);

} // namespace

SubtitleListModel::SubtitleListModel(const ListHost& host, QObject* parent)
    : QAbstractTableModel(parent), host_(host) {}

int SubtitleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !table_ ? 0 : table_->count();
}

int SubtitleListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

Grouping SubtitleListModel::grouping() const {
    return Grouping{host_.lrcMode(), table_ ? table_->count() : 0};
}

bool SubtitleListModel::inCurrentSentence(int row) const {
    const Grouping g = grouping();
    return g.sentenceOfLine(row) == g.sentenceOfLine(host_.curLine());
}

QVariant SubtitleListModel::data(const QModelIndex& index, int role) const {
    if (!table_ || !index.isValid() || index.row() >= table_->count())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case kTimeColumn:
            return formatTime(table_->line(row).startMs);
        case kPointerColumn:
            return row == pointerRow_ ? text::kPointerMark.toString() : QString();
        case kSentenceColumn: {
            bool head = false;
            const int sentence = grouping().sentenceOfLine(row, &head);
            return head ? QString::number(sentence) : QString();
        }
        case kTextColumn:
            return table_->line(row).text;
        }
        return {};
    case Qt::TextAlignmentRole:
        return headerData(index.column(), Qt::Horizontal, role);
    case Qt::BackgroundRole:
        return QBrush(inCurrentSentence(row) ? kCurrentSentenceColor : QColor(Qt::white));
    }
    return {};
}

QVariant SubtitleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole) {
        const bool centred = section == kPointerColumn || section == kSentenceColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kTimeColumn:
        return text::kColTime.toString();
    case kPointerColumn:
        return text::kColPointer.toString();
    case kSentenceColumn:
        return text::kColSentenceNo.toString();
    case kTextColumn:
        return text::kColText.toString();
    }
    return {};
}

void SubtitleListModel::fill(const LineTable& table) {
    beginResetModel();
    table_ = &table;
    pointerRow_ = -1;
    endResetModel();
}

void SubtitleListModel::clear() {
    beginResetModel();
    table_ = nullptr;
    pointerRow_ = -1;
    endResetModel();
}

void SubtitleListModel::setPointerRow(int row) {
    const int old = pointerRow_;
    pointerRow_ = row;
    for (const int changed : {old, row}) {
        if (changed >= 0 && changed < rowCount()) {
            const QModelIndex cell = index(changed, kPointerColumn);
            emit dataChanged(cell, cell, {Qt::DisplayRole});
        }
    }
}

void SubtitleListModel::repaintRows(LineRange lines) {
    if (lines.first < 0 || lines.last >= rowCount())
        return;
    emit dataChanged(index(lines.first, 0), index(lines.last, kColumnCount - 1),
                     {Qt::BackgroundRole});
}

void SubtitleListModel::columnChanged(Column column) {
    if (rowCount() == 0)
        return;
    emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}

void SubtitleListModel::lineChanged(int row) {
    if (row < 0 || row >= rowCount())
        return;
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1), {Qt::DisplayRole});
}

} // namespace kw::ui
