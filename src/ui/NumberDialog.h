#pragma once

#include "EntryDialog.h"

#include <QStringView>
#include <initializer_list>
#include <memory>

class QLineEdit;

namespace kw::ui {

// A dialog with one number entry that never refuses: OK reads the entry by its rule (clamping
// it) and ends with kAccepted; value() then holds the result.
class NumberDialog : public EntryDialog {
    Q_OBJECT
public:
    using Reader = int (*)(QStringView entry);

    // "每句读几遍" for the repeat count (0..9).
    static std::unique_ptr<NumberDialog> repeatCount(int count, QWidget* parent);
    // "微调字幕偏移" for the subtitle offset (-2000..2000 ms).
    static std::unique_ptr<NumberDialog> offset(int offsetMs, QWidget* parent);

    void accept() override;
    int value() const { return value_; }

private:
    NumberDialog(QStringView title, QStringView label, std::initializer_list<QStringView> notes,
                 int value, Reader read, QWidget* parent);

    QLineEdit* edit_;
    Reader read_;
    int value_;
};

} // namespace kw::ui
