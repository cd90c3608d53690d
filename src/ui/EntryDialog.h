#pragma once

#include <QDialog>
#include <QStringView>

class QVBoxLayout;

namespace kw::ui {

// Results of the editing dialogs.
enum DialogResult { kAccepted = 1, kCancelled = 2 };

// Frame of the small modal entry dialogs: a column of texts and an entry above OK and Cancel.
// OK calls accept(), which each dialog overrides to check and store the entry; Cancel and
// closing the window end with kCancelled.
class EntryDialog : public QDialog {
    Q_OBJECT
public:
    EntryDialog(QStringView title, QWidget* parent);

    void reject() override { done(kCancelled); }

protected:
    void addText(QStringView text);
    void addWidget(QWidget* widget);

private:
    QVBoxLayout* body_;
};

} // namespace kw::ui
