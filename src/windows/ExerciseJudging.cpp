// The drill window's judging: answer fields' keys and focus, the buttons and menus, closing.
#include "windows/ExerciseWindow.h"

#include "core/Selection.h"
#include "windows/AuswertungU.h"
#include "windows/ExerciseWindowParts.h"
#include "windows/FontU.h"
#include "windows/MessageBox.h"
#include "windows/VerwandlungskettenU.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace quarvel {

using exercise_detail::LineBand;

void ExerciseWindow::edtChange() {
    ShowMessage({drilltext::kInstruction, kInstructionColour});
}

int ExerciseWindow::LineOf(const QObject* field) const {
    for (int i = 1; i <= kLines; ++i) {
        if (Field(i) == field) return i;
    }
    return 0;
}

bool ExerciseWindow::eventFilter(QObject* watched, QEvent* event) {
    const int line = LineOf(watched);
    if (line == 0) {
        // A held Enter acts once: its repeats must not press the button that
        // the first press moved the focus to, before the pupil has seen the
        // line's result and the pass totals.
        if ((watched == btnWeiter_ || watched == btnAuswertung_) && IsHeldEnter(event)) return true;
        return QuarvelDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                      key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            // Nor may a held key judge a line again: a repeat in a field that
            // waits for its second try would spend that try on the same text.
            if (IsKeyRepeat(event) && (IsHeldEnter(event) || session_.Line(line).AwaitsSecondTry))
                return true;
            MoveOn(line, key->key() != Qt::Key_Backtab);
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1 && text.at(0).isPrint()) {
            const std::optional<char32_t> accepted = session_.FilterKey(line, text.at(0).unicode());
            if (!accepted) return true;
            if (*accepted != text.at(0).unicode()) {
                Field(line)->insert(QString(QChar(static_cast<char16_t>(*accepted))));
                edtChange();
                return true;
            }
        }
        holdClick_ = false;
    } else if (event->type() == QEvent::FocusOut) {
        // A menu or another program taking the focus for a moment judges
        // nothing; where the focus goes next decides (FocusMoved).
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
            reason == Qt::MenuBarFocusReason) {
            postponed_ = line;
        } else {
            postponed_ = 0;
            edtExit(line);
        }
    }
    return QuarvelDialog::eventFilter(watched, event);
}

void ExerciseWindow::FocusMoved(QWidget* now) {
    if (now == nullptr || now->window() != this) return;
    if (qobject_cast<QMenuBar*>(now) == nullptr) lastFocus_ = now;
    if (postponed_ == 0) return;
    if (qobject_cast<QMenuBar*>(now) != nullptr) return; // still on the way through the menu
    const int line = std::exchange(postponed_, 0);
    // Back in the same field: it was never left.
    if (now != Field(line)) edtExit(line);
}

void ExerciseWindow::keyPressEvent(QKeyEvent* event) {
    // Escape would close the window and throw the drill away; "Schließen"
    // (Alt+S) and the close box are the ways out. A held Enter presses no
    // default button.
    if (event->matches(QKeySequence::Cancel) || IsHeldEnter(event)) {
        event->accept();
        return;
    }
    QuarvelDialog::keyPressEvent(event);
}

void ExerciseWindow::MoveOn(int line, bool forward) {
    postponed_ = 0;
    holdClick_ = false;
    if (edtExit(line, forward ? 1 : -1) == ExitResult::Kind::Nothing) focusNextPrevChild(forward);
}

ExitResult::Kind ExerciseWindow::edtExit(int i, int move) {
    if (judging_) return ExitResult::Kind::Nothing;
    judging_ = true;
    QLineEdit* field = Field(i);
    const ExitResult result = session_.Exit(i, field->text().toStdString());
    // A click on a button that took the focus from a wrong first try must not
    // also act: the pupil has the second try first.
    QWidget* next = QApplication::focusWidget();
    holdClick_ = result.Outcome == ExitResult::Kind::WrongFirst &&
                 (next == btnWeiter_ || next == btnAuswertung_);
    // First the result in the field, then the message, then the focus move.
    DescribeLine(i);
    if (result.Label) ShowMessage(*result.Label, true);
    if (result.Outcome != ExitResult::Kind::Nothing) ShowHint(i);
    if (result.Outcome == ExitResult::Kind::TooManyCommas) {
        ShowInformation(this, QString::fromUtf8(drilltext::kTooManyCommas));
    }
    if (result.DrillComplete) {
        btnAuswertung_->show();
        // A click on "Weiter" ends on the button that took its place; the
        // focus is there before "Weiter" goes, so it moves only once.
        if (btnWeiter_->hasFocus()) btnAuswertung_->setFocus();
        btnWeiter_->hide();
        StopTimer();
    }
    if (move != 0 && result.Outcome != ExitResult::Kind::Nothing && !result.KeepFocus) {
        focusNextPrevChild(move > 0);
    }
    ShowLine(i);
    if (result.KeepFocus && !field->hasFocus()) {
        QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
    }
    if (result.DrillComplete && (focusWidget() == nullptr || !focusWidget()->isVisible())) {
        btnAuswertung_->setFocus();
    }
    ShowCounters();
    pntEinheiten_->update(Scale().Map(LineBand(i)));
    judging_ = false;
    return result.Outcome;
}

bool ExerciseWindow::JudgeOpenFields() {
    // Every open field that shows text is judged before the sheet is left: a
    // first try, or the second try of a line that waits for it. A wrong first
    // try or two commas keep the pupil on that line.
    if (std::exchange(holdClick_, false)) return false;
    postponed_ = 0;
    for (int i = 1; i <= kLines; ++i) {
        if (!session_.Line(i).FieldVisible || Field(i)->text().isEmpty()) continue;
        const ExitResult::Kind outcome = edtExit(i);
        if (outcome == ExitResult::Kind::WrongFirst || outcome == ExitResult::Kind::TooManyCommas) {
            holdClick_ = false;
            Field(i)->setFocus();
            return false;
        }
    }
    return true;
}

void ExerciseWindow::btnWeiterClick() {
    if (!JudgeOpenFields() || session_.EvaluationDue()) return;
    if (session_.PracticeDone()) {
        FinishPractice();
        return;
    }
    const WeiterResult result = session_.Weiter();
    if (result.Missing > 0) {
        ShowInformation(this, ToQString(drilltext::MissingEntries(result.Missing)));
        Field(result.FocusLine)->setFocus();
        return;
    }
    if (!result.NextPass) return;
    ShowSheet();
    ShowCounters();
    edt_[0]->setFocus();
}

void ExerciseWindow::FreshDrill() {
    session_.Restart();
    SetOutFirstSheet();
}

void ExerciseWindow::StartPractice() {
    session_.StartPractice();
    ShowMessage({drilltext::kInstruction, kInstructionColour});
    SetOutFirstSheet();
}

void ExerciseWindow::SetOutFirstSheet() {
    btnWeiter_->show();
    ShowSheet();
    ShowCounters();
    StartTimer();
    // The focus is in the first field before "Auswertung" goes, so it moves once.
    edt_[0]->setFocus();
    btnAuswertung_->hide();
}

void ExerciseWindow::FinishPractice() {
    StopTimer();
    ShowInformation(this, ToQString(session_.PracticeSummary()));
    // Back to the start window, as after a drill closed with "Schließen".
    accept();
}

void ExerciseWindow::btnAuswertungClick() {
    if (!JudgeOpenFields()) return;
    bool fresh = false;
    if (windows_.Auswertung != nullptr) {
        // The fresh drill is set out as the dialog closes, before this window
        // is active again: its focus comes back once, into the first field.
        const QMetaObject::Connection closing =
            connect(windows_.Auswertung, &QDialog::finished, this, [this, &fresh](int result) {
                fresh = true;
                if (result == TfrmAuswertung::kPractise) {
                    StartPractice();
                } else {
                    FreshDrill();
                }
            });
        const std::optional<std::string> code = session_.ExerciseResultCode();
        windows_.Auswertung->SetFailed(static_cast<int>(session_.Failed().size()));
        windows_.Auswertung->SetScore(session_.State().Score(),
                                      code ? ToQString(*code) : QString());
        windows_.Auswertung->exec();
        disconnect(closing);
    }
    if (!fresh) FreshDrill();
    // The dialog belongs to the start window; take the focus back from it.
    activateWindow();
}

void ExerciseWindow::menSchliessenClick() {
    accept();
}

void ExerciseWindow::done(int result) {
    if (built_) timer1_->stop();
    timing_ = false;
    postponed_ = 0;
    holdClick_ = false;
    QuarvelDialog::done(result);
}

void ExerciseWindow::menVerwandlungClick() {
    const QPointer<QWidget> before = lastFocus_;
    if (windows_.Verwandlungsketten != nullptr) {
        windows_.Verwandlungsketten->SetChain(AreaOf(session_.Selection()),
                                              session_.Solution(session_.LastRevealed()));
        windows_.Verwandlungsketten->exec();
    }
    activateWindow();
    for (int i = 1; i <= kLines; ++i) {
        if (Field(i)->text().isEmpty()) {
            Field(i)->setFocus();
            return;
        }
    }
    // No empty field: back where the pupil was before the menu, not on the
    // menu bar that a keyboard user went through.
    QWidget* back = before;
    if (back == nullptr || !back->isVisible())
        back = btnWeiter_->isVisible() ? btnWeiter_ : btnAuswertung_;
    back->setFocus();
}

} // namespace quarvel
