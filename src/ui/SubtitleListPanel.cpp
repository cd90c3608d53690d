#include "SubtitleListPanel.h"

#include "AdjustTimeDialog.h"
#include "EditTextDialog.h"
#include "ListHost.h"
#include "SubtitleListModel.h"
#include "subtitle/LineTable.h"
#include "texts/UiTexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace kw::ui {
namespace {

constexpr int kRowHeight = 35;
// The clipboard gets at most this many characters of a line.
constexpr int kMaxCopiedLength = 510;

} // namespace

SubtitleListPanel::SubtitleListPanel(ListHost& host, ColumnWidths widths,
                                     std::function<void()> warn, QWidget* parent)
    : QWidget(parent), host_(host), warn_(std::move(warn)),
      model_(new SubtitleListModel(host, this)), view_(new QTableView(this)),
      menu_(new QMenu(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    view_->setModel(model_);
    view_->setFont(QFont(QStringLiteral("Arial"), 14));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setShowGrid(true);
    view_->setWordWrap(false);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = view_->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->resizeSection(SubtitleListModel::kTimeColumn, widths.msx);
    header->resizeSection(SubtitleListModel::kPointerColumn, widths.pointer);
    header->resizeSection(SubtitleListModel::kSentenceColumn, widths.senno);
    header->resizeSection(SubtitleListModel::kTextColumn, widths.text);
    // The selection stays visible while the list has no focus.
    QPalette palette = view_->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view_->setPalette(palette);

    menu_->addAction(text::kMenuCopy.toString(), this, &SubtitleListPanel::copySelected);
    menu_->addAction(text::kMenuJump.toString(), this, &SubtitleListPanel::jumpToSelected);
    menu_->addSeparator();
    menu_->addAction(text::kMenuEdit.toString(), this,
                     [this] { openLineDialog(LineDialog::kEditText); });
    menu_->addAction(text::kMenuAdjustTime.toString(), this,
                     [this] { openLineDialog(LineDialog::kAdjustTime); });

    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { showMenu(view_->viewport()->mapToGlobal(pos)); });
    connect(view_, &QAbstractItemView::doubleClicked, this, &SubtitleListPanel::jumpToSelected);
    view_->installEventFilter(this);
    setFocusProxy(view_);
}

void SubtitleListPanel::fill() {
    if (const LineTable* table = host_.lineTable())
        model_->fill(*table);
}

void SubtitleListPanel::clear() {
    model_->clear();
}

void SubtitleListPanel::posRefresh() {
    if (model_->rowCount() == 0)
        return;
    const Grouping grouping = model_->grouping();
    const LineRange previous =
        grouping.linesOfSentence(grouping.sentenceOfLine(std::max(model_->pointerRow(), 0)));
    const LineRange current = grouping.linesOfSentence(grouping.sentenceOfLine(host_.curLine()));
    model_->setPointerRow(current.first);
    model_->repaintRows(previous);
    model_->repaintRows(current);
    keepInView(current.first, current.last);
}

// A sentence above the view comes in at the bottom, with the lines before it in view; one below
// the view comes in at the top, with the lines after it in view.
void SubtitleListPanel::keepInView(int first, int last) {
    const int rowsPerPage = view_->viewport()->height() / kRowHeight;
    if (rowsPerPage <= 1) {
        view_->scrollTo(model_->index(first, 0));
        return;
    }
    // Scrolled to the very end, the view may show part of a row above the first whole one.
    int top = view_->rowAt(0);
    if (view_->rowViewportPosition(top) < 0)
        ++top;
    if (first < top) {
        view_->scrollToTop();
        view_->scrollTo(model_->index(last, 0));
    } else if (last >= top + rowsPerPage) {
        view_->scrollToBottom();
        view_->scrollTo(model_->index(first, 0));
    }
}

ColumnWidths SubtitleListPanel::getColsWidth() const {
    const QHeaderView* header = view_->horizontalHeader();
    return {header->sectionSize(SubtitleListModel::kTimeColumn),
            header->sectionSize(SubtitleListModel::kPointerColumn),
            header->sectionSize(SubtitleListModel::kSentenceColumn),
            header->sectionSize(SubtitleListModel::kTextColumn)};
}

void SubtitleListPanel::regroup() {
    view_->viewport()->update();
    model_->columnChanged(SubtitleListModel::kSentenceColumn);
}

void SubtitleListPanel::retime() {
    view_->viewport()->update();
    model_->columnChanged(SubtitleListModel::kTimeColumn);
}

bool SubtitleListPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_C && key->modifiers().testFlag(Qt::ControlModifier)) {
            copySelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int SubtitleListPanel::firstSelectedRow() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    return std::min_element(rows.begin(), rows.end(),
                            [](const auto& a, const auto& b) { return a.row() < b.row(); })
        ->row();
}

void SubtitleListPanel::showMenu(QPoint at) {
    const bool selected = firstSelectedRow() >= 0;
    for (QAction* action : menu_->actions())
        action->setEnabled(selected);
    runner_.runMenu(*menu_, at);
}

void SubtitleListPanel::copySelected() {
    const int row = firstSelectedRow();
    if (row < 0)
        return;
    const QString text = model_->table()->line(row).text;
    QGuiApplication::clipboard()->setText(text.left(kMaxCopiedLength));
}

void SubtitleListPanel::jumpToSelected() {
    const int row = firstSelectedRow();
    if (row >= 0)
        host_.jumpToLine(row);
}

void SubtitleListPanel::openLineDialog(LineDialog which) {
    const int row = firstSelectedRow();
    LineTable* table = host_.lineTable();
    if (row < 0 || !table)
        return;
    if (host_.playState() == kPlaying)
        host_.playPause();
    std::unique_ptr<EntryDialog> dialog;
    if (which == LineDialog::kEditText)
        dialog = std::make_unique<EditTextDialog>(*table, row, window());
    else
        dialog = std::make_unique<AdjustTimeDialog>(*table, row, warn_, window());
    if (runner_.runDialog(*dialog) != kAccepted)
        return;
    model_->lineChanged(row);
    if (which == LineDialog::kEditText)
        host_.refreshDisplay();
}

} // namespace kw::ui
