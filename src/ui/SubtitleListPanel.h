#pragma once

// The subtitle list: every line of the open file, the current sentence marked and kept in view,
// and a context menu to copy, jump to, edit and re-time a line.
//
// The main window must:
//  - create it with its AppPanelHost (the ListHost over the application state), the column
//    widths from the settings (w_msx, w_pointer, w_senno, w_text) and the warning sound;
//  - call fill() after a file's lines are loaded and clear() when the file is closed;
//  - call posRefresh() from its RepeatView::posRefresh();
//  - read getColsWidth() into the settings before saving them;
//  - give it the keyboard focus at start-up (it forwards focus to its list).
// The control panel calls regroup() and retime() itself.

#include "ModalRunner.h"

#include <QWidget>
#include <functional>

class QMenu;
class QTableView;

namespace kw::ui {

class ListHost;
class SubtitleListModel;

// Widths in pixels of the four columns: time, pointer, sentence number, text.
struct ColumnWidths {
    int msx = 105;
    int pointer = 60;
    int senno = 65;
    int text = 1000;
    bool operator==(const ColumnWidths&) const = default;
};

class SubtitleListPanel : public QWidget {
    Q_OBJECT
public:
    SubtitleListPanel(ListHost& host, ColumnWidths widths, std::function<void()> warn,
                      QWidget* parent = nullptr);

    // One row per line; only while a file is loaded. The pointer mark starts on no row.
    void fill();
    void clear();
    // Moves the pointer mark and the highlight to the current sentence and scrolls it into view.
    void posRefresh();
    ColumnWidths getColsWidth() const;
    // The grouping mode changed: sentence numbers and highlight follow it (rows stay).
    void regroup();
    // The subtitle offset changed: the time column shows the new start times.
    void retime();

    void setModalRunner(ModalRunner runner) { runner_ = std::move(runner); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class LineDialog { kEditText, kAdjustTime };

    int firstSelectedRow() const;
    void keepInView(int first, int last);
    void showMenu(QPoint at);
    void copySelected();
    void jumpToSelected();
    void openLineDialog(LineDialog which);

    ListHost& host_;
    std::function<void()> warn_;
    ModalRunner runner_;
    SubtitleListModel* model_;
    QTableView* view_;
    QMenu* menu_;
};

} // namespace kw::ui
