#pragma once
// The drill window shared by the unit-conversion, combination and decadic
// windows: five answer lines with faces and try marks, the message label, the
// pass, tries and points boxes, "Weiter"/"Auswertung" and the time panel. A
// window derived from it says only what differs: caption, how the sheet is
// filled and drawn, which keys a field takes and how answers are compared.

#include "core/Selection.h"
#include "windows/Windows.h"
#include "drill/Clock.h"
#include "drill/Drill.h"

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
class QTimer;

namespace quarvel {

class ExerciseWindow : public QuarvelDialog {
    Q_OBJECT
  public:
    ExerciseWindow(AppState& state, Windows& windows, QWidget* parent, const QString& name,
                   LevelGroup group);
    ~ExerciseWindow() override;

    // Widgets by their names, for tests and the screenshot tool.
    QLineEdit* Field(int line) const;
    QLabel* FacePicture(int line) const;
    QLabel* MarkPicture(int line, int tryNumber) const;
    QLabel* lblAnzeige() const { return Built().lblAnzeige_; }
    QLabel* lblDurchgang() const { return Built().lblDurchgang_; }
    QLabel* lblAktVersuche() const { return Built().lblAktVersuche_; }
    QLabel* lblAktPunkte() const { return Built().lblAktPunkte_; }
    QLabel* pnlZeit() const { return Built().pnlZeit_; }
    QPushButton* btnWeiter() const { return Built().btnWeiter_; }
    QPushButton* btnAuswertung() const { return Built().btnAuswertung_; }
    QAction* menSchliessen() const { return Built().menSchliessen_; }
    QAction* menVerwandlung() const { return Built().menVerwandlung_; }
    QTimer* Timer1() const { return Built().timer1_; }
    const Drill& DrillState() const { return *drill_; }

    void SetClock(std::shared_ptr<MonotonicClock> clock) { clock_ = std::move(clock); }

    // Event handlers, public so that tests can drive them as the window does.
    void btnWeiterClick();
    void btnAuswertungClick();
    void Timer1Timer();
    void menSchliessenClick();
    void menVerwandlungClick();

    void setVisible(bool visible) override;

  protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

    // What each window says itself.
    virtual QString Caption() const = 0;
    virtual void FillLine(int line) = 0;     // calls the generators for one line
    virtual void ClearRecords() = 0;         // the record side of ClearSheet
    virtual void DrawLine(QPainter& painter, int line) = 0;
    // x of the field and of the answer drawn in its place, after a long given
    // text has pushed them right.
    virtual int AnswerLeft(int line) const = 0;
    virtual QString AccessibleTask(int line) const = 0;
    // The key as typed into `line`'s field, possibly changed; nothing swallows it.
    virtual std::optional<char32_t> FilterKey(int line, char32_t key) const = 0;
    // "Umwandlungskette", "Stellenwerttabelle", or empty for no such item.
    virtual QString ChainCaption() const = 0;
    virtual AnswerRules& Rules() = 0;

    // Creates the drill once the derived window's rules exist.
    void InitDrill();
    // The closed line's answer, shortened so that it ends before `roomRight`.
    void DrawAnswer(QPainter& painter, int line, bool solved, const QString& answer,
                    int roomRight);

  private:
    friend class PaintBox;
    friend class AnswerValidator;
    // The widgets are built when the window is first shown (or first asked
    // for), so that creating every window at program start stays cheap.
    const ExerciseWindow& Built() const;
    void BuildLayout();
    void pntEinheitenPaint(QPainter& painter);
    void ClearSheet();
    void FillSheet();
    ExitResult::Kind edtExit(int line);
    void FocusMoved(QWidget* now);
    bool JudgeOpenFields();
    void edtChange();
    void ShowLine(int line);
    void DescribeLine(int line);
    void ShowCounters();
    void ShowMessage(const Message& message);
    void StartTimer();
    void StopTimer();
    void ArmTimer(std::int64_t sinceStart);
    void FreshDrill();
    int LineOf(const QObject* field) const;

    LevelGroup group_;
    std::unique_ptr<Drill> drill_;
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
    bool built_ = false;

    QWidget* pntEinheiten_ = nullptr;
    QLabel* lblAnzeige_ = nullptr;
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
    QLabel* pnlZeit_ = nullptr;
    QTimer* timer1_ = nullptr;
    QAction* menSchliessen_ = nullptr;
    QAction* menVerwandlung_ = nullptr;
};

} // namespace quarvel
