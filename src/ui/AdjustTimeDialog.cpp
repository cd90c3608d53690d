#include "AdjustTimeDialog.h"

#include "EntryRules.h"
#include "subtitle/LineTable.h"
#include "subtitle/TimeText.h"
#include "texts/UiTexts.h"

#include <QLineEdit>

namespace kw::ui {
namespace {

constexpr int kMaxEntryLength = 62;

} // namespace

AdjustTimeDialog::AdjustTimeDialog(LineTable& table, int line, std::function<void()> warn,
                                   QWidget* parent)
    : EntryDialog(text::kAdjustTitle, parent), table_(table), line_(line), warn_(std::move(warn)) {
    addText(text::kLineNumber.toString() + QString::number(line + 1));
    addText(text::kAdjustLabel);
    edit_ = new QLineEdit(formatTime(table.line(line).startMs), this);
    edit_->setMaxLength(kMaxEntryLength);
    addWidget(edit_);
    for (const QStringView rule :
         {text::kAdjustRuleOrder, text::kAdjustRuleFormat, text::kAdjustMinutes,
          text::kAdjustSeconds, text::kAdjustHundredths, text::kAdjustRight, text::kAdjustWrong})
        addText(rule);
}

void AdjustTimeDialog::accept() {
    const auto ms = readStrictTime(edit_->text());
    if (!ms || !fitsBetweenNeighbours(table_, line_, *ms)) {
        edit_->setFocus();
        edit_->selectAll();
        warn_();
        return;
    }
    if (*ms == table_.line(line_).startMs) {
        done(kCancelled);
        return;
    }
    table_.setStartMs(line_, *ms);
    done(kAccepted);
}

} // namespace kw::ui
