#pragma once
// The drill window of the unit-conversion, combination and decadic trainings
// (TfrmEinheiten, TfrmKombinationen, TfrmDekEinheiten): five answer lines with
// faces and try marks, the message label, the pass, tries and points boxes,
// "Weiter"/"Auswertung" and the time panel. The drill itself, what each line
// shows and how answers are judged, is the Qt-free DrillSession's; this window
// lays out what the session says and passes the pupil's events to it.

#include "core/Selection.h"
#include "drill/Clock.h"
#include "drill/DrillSession.h"
#include "drill/LineLayout.h"
#include "windows/Accessible.h"
#include "windows/Windows.h"

#include <QPointer>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRect;
class QTimer;

namespace quarvel {

// Where the parts of `view`'s line go, its given text measured in the task font.
LinePlaces PlaceLine(const LineView& view);

class ExerciseWindow : public QuarvelDialog {
    Q_OBJECT
  public:
    // The window's tasks come from `rng`.
    ExerciseWindow(Windows& windows, std::shared_ptr<RandomSource> rng, QWidget* parent,
                   const QString& name, LevelGroup group);

    // Shows the drill of the training and level chosen in `selection` the next
    // time the window opens.
    void Begin(const SelectionState& selection) {
        selection_ = selection;
        exercise_.reset();
    }
    // Shows the coded exercise the next time the window opens: its training,
    // level, passes and tasks; the rest of the selection (the time display)
    // from `selection`. The exercise must be one of this window's group.
    void Begin(const SelectionState& selection, const Exercise& exercise) {
        selection_ = selection;
        exercise_ = exercise;
    }
    LevelGroup Group() const { return session_.Group(); }
    ~ExerciseWindow() override;

    // The drill the window shows, with its tasks.
    const DrillSession& Session() const { return session_; }
    // Puts `task` on line `line` of the open drill in place of the drawn one.
    void PutTask(int line, const AnyTask& task);

    void SetClock(std::shared_ptr<MonotonicClock> clock) { clock_ = std::move(clock); }

    // The clock's tick and the way out, public so that tests can drive them
    // without waiting for a timer or a menu.
    void Timer1Timer();
    void menSchliessenClick();

    void setVisible(bool visible) override;

  protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    QLineEdit* Field(int line) const;
    QLabel* FacePicture(int line) const;
    QLabel* MarkPicture(int line, int tryNumber) const;
    void btnWeiterClick();
    void btnAuswertungClick();
    void menVerwandlungClick();
    friend class PaintBox;
    friend class AnswerValidator;
    // The widgets are built when the window is first shown (or first asked
    // for), so that creating every window at program start stays cheap.
    const ExerciseWindow& Built() const;
    void BuildLayout();
    void pntEinheitenPaint(QPainter& painter, const QRect& dirty);
    // The tooltip of a revealed line's given text under `at`, and the area it
    // holds for; empty elsewhere.
    QString GivenTextTip(const QPoint& at, QRect& area);
    void ShowSheet();
    // Judges the field of `line`; `move` (+1 forward, -1 back, 0 not) moves
    // the focus on from a closed line before the field is hidden, so that a
    // screen reader hears the result in the field and then one focus move.
    ExitResult::Kind edtExit(int line, int move = 0);
    // Enter, Tab or Shift+Tab in the field of `line`: judged where it is,
    // then on, unless the pupil must stay for a second try.
    void MoveOn(int line, bool forward);
    void FocusMoved(QWidget* now);
    bool JudgeOpenFields();
    void edtChange();
    void ShowLine(int line);
    // A line's places, its field moved there, and the line shown.
    void PlaceAndShowLine(int line);
    void DescribeLine(int line);
    void ShowCounters();
    // The hint below the task lines: line `line`'s, or none for 0.
    void ShowHint(int line);
    // `judged`: the text is said even when it is the one already shown.
    void ShowMessage(const Message& message, bool judged = false);
    void StartTimer();
    void StopTimer();
    void ArmTimer(std::int64_t sinceStart);
    void FreshDrill();
    // "Fehler üben" chosen in the evaluation: the round of twins, and its end.
    void StartPractice();
    void FinishPractice();
    // A drill's or a round's first sheet set out: fields, counters, clock, focus.
    void SetOutFirstSheet();
    int LineOf(const QObject* field) const;
    const LinePlaces& Places(int line) const {
        return places_.at(static_cast<std::size_t>(line - 1));
    }

    SelectionState selection_;
    std::optional<Exercise> exercise_; // a coded drill's exercise
    DrillSession session_;
    // The places of each line's parts, set when the sheet is filled.
    std::array<LinePlaces, kLines> places_{};
    // What each line's pictures show, so that only a change repaints them.
    struct Shown {
        FaceKind Face = FaceKind::Neutral;
        MarkKind First = MarkKind::Empty;
        MarkKind Second = MarkKind::Empty;
        bool Set = false;
    };
    std::array<Shown, kLines> shown_{};
    std::shared_ptr<MonotonicClock> clock_ = std::make_shared<MonotonicClock>();
    std::int64_t startTime_ = 0;
    std::int64_t shownSeconds_ = 0; // measured at the previous tick
    bool timing_ = false;
    bool judging_ = false;
    // A field left while a menu or another window had the focus for a moment;
    // it is judged once the focus settles anywhere else in this window.
    int postponed_ = 0;
    // The click on "Weiter"/"Auswertung" that took the focus from a field made
    // a wrong first try: that click waits for the second try.
    bool holdClick_ = false;
    QMetaObject::Connection focusWatch_;
    // Where the pupil last was in this window, not counting the menu bar.
    QPointer<QWidget> lastFocus_;
    bool built_ = false;

    QWidget* pntEinheiten_ = nullptr;
    SpokenLabel* lblAnzeige_ = nullptr;
    SpokenLabel* lblTipp_ = nullptr;
    int hintLine_ = 0; // the line whose hint lblTipp_ shows
    std::array<QLineEdit*, kLines> edt_{};
    std::array<QLabel*, kLines> img_{};
    std::array<std::array<QLabel*, 2>, kLines> imgZ_{};
    QLabel* lblDurchgang_ = nullptr;
    QLabel* lblAktVersuche_ = nullptr;
    QLabel* lblAktPunkte_ = nullptr;
    QGroupBox* grpDurchgang_ = nullptr;
    QGroupBox* grpVersuche_ = nullptr;
    QGroupBox* grpPunkte_ = nullptr;
    QPushButton* btnWeiter_ = nullptr;
    QPushButton* btnAuswertung_ = nullptr;
    SpokenLabel* pnlZeit_ = nullptr;
    QTimer* timer1_ = nullptr;
    QAction* menSchliessen_ = nullptr;
    QAction* menVerwandlung_ = nullptr;
};

} // namespace quarvel
