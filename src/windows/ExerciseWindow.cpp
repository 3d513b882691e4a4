#include "windows/ExerciseWindow.h"

#include "core/Selection.h"
#include "drill/AnswerCheck.h"
#include "windows/AuswertungU.h"
#include "windows/Faces.h"
#include "windows/FontU.h"
#include "windows/MessageBox.h"
#include "windows/StartU.h"
#include "windows/VerwandlungskettenU.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QValidator>
#include <QWindow>

#include <utility>

namespace quarvel {

namespace {

constexpr int kClientWidth = 1016;
constexpr int kClientHeight = 722;
const QColor kBackground(255, 255, 200);

// A group box's caption and the number inside it share one colour.
void SetGroupColour(QGroupBox* box, QLabel* label, const QColor& colour) {
    SetTextColour(box, colour);
    SetTextColour(label, colour);
}

QLabel* Picture(WindowScale& scale, QWidget* parent, const QString& name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    scale.Place(label, place);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// The band of the paint box that line `line` draws in.
QRect LineBand(int line) {
    return {0, 100 * line, kClientWidth, 100};
}

// A line's worked solution as a tooltip in a size a pupil reads easily: its
// first line as a heading, the sentences wrapped to a readable width; both
// grow and shrink with the window.
QString SolutionTip(const QString& text, qreal scale) {
    if (text.isEmpty()) return {};
    QStringList lines = text.toHtmlEscaped().split(u'\n');
    lines.front() = QStringLiteral("<b>") + lines.front() + QStringLiteral("</b>");
    return QStringLiteral("<table width=\"%1\" style=\"font-family: Arial; font-size: %2px\">"
                          "<tr><td>")
               .arg(qRound(560 * scale))
               .arg(qRound(18 * scale)) +
           lines.join(QStringLiteral("<br>")) + QStringLiteral("</td></tr></table>");
}

// Answer field `line` at `left`, `width` wide.
QRect FieldPlace(int line, int left, int width) {
    return {left, 114 + 100 * (line - 1), width, 40};
}

} // namespace

LinePlaces PlaceLine(const LineView& view) {
    return PlaceTaskLine(MeasureTaskText(ToQString(view.Given), 20), view.AnswerLeft,
                         view.ToUnitLeft, !view.ToUnit.empty());
}

// A group box whose caption sits on its frame line, painted by hand: a style
// sheet would do the same but costs milliseconds at every program start.
class ClassicGroupBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // The caption is in the box's scaled font; the frame line and the
        // corners scale with the window.
        const qreal scale = WindowScale::FactorOf(this);
        const QFontMetrics metrics(font());
        const int top = metrics.height() / 2;
        painter.setPen(QPen(QColor(160, 159, 140), scale));
        const qreal half = scale / 2;
        painter.drawRoundedRect(QRectF(half, top + half, width() - scale, height() - top - scale),
                                3 * scale, 3 * scale);
        const QRect caption(qRound(8 * scale), 0, metrics.horizontalAdvance(title()),
                            metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, title());
    }
};

// Keeps an answer field to the characters its key filter admits, however the
// text arrives: typed, composed by dead keys or an input method, pasted or
// dropped. Characters the filter changes (the decadic letters) are changed
// here too; an edit with any character the filter swallows is refused whole.
class AnswerValidator : public QValidator {
  public:
    AnswerValidator(ExerciseWindow* owner, int line)
        : QValidator(owner), owner_(owner), line_(line) {}

    State validate(QString& input, int& /*pos*/) const override {
        QString admitted;
        admitted.reserve(input.size());
        for (const char32_t c : input.toUcs4()) {
            if (c < U' ') return Invalid;
            const std::optional<char32_t> key = owner_->session_.FilterKey(line_, c);
            if (!key || *key > 0xFFFF) return Invalid;
            admitted.append(QChar(static_cast<char16_t>(*key)));
        }
        if (admitted != input) input = admitted; // the same length: the cursor stays
        return Acceptable;
    }

  private:
    ExerciseWindow* owner_;
    int line_;
};

// The whole client area; the task lines are painted on it.
class PaintBox : public QWidget {
  public:
    explicit PaintBox(ExerciseWindow* owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const WindowScale& scale = owner_->Scale();
        scale.Transform(painter);
        owner_->pntEinheitenPaint(painter, scale.Unmap(event->rect()));
    }
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QWidget::event(event);
        // The given text is painted, so its tooltip is shown from here.
        const auto* help = static_cast<QHelpEvent*>(event);
        const WindowScale& scale = owner_->Scale();
        QRect area;
        const QString tip =
            owner_->GivenTextTip(scale.Unmap(QRect(help->pos(), QSize(1, 1))).topLeft(), area);
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this, scale.Map(area));
        }
        return true;
    }

  private:
    ExerciseWindow* owner_;
};

ExerciseWindow::ExerciseWindow(AppState& state, Windows& windows, QWidget* parent,
                               const QString& name, LevelGroup group)
    : QuarvelDialog(state, windows, parent, QString(), kClientWidth, kClientHeight),
      session_(state, group) {
    setObjectName(name);
    WatchHeldKeys();
}

ExerciseWindow::~ExerciseWindow() {
    // Hiding the dialog later in its destruction moves the focus; by then
    // neither the key filter nor the focus watch may run.
    disconnect(focusWatch_);
    for (QLineEdit* field : edt_) {
        if (field != nullptr) field->setValidator(nullptr);
    }
}

const ExerciseWindow& ExerciseWindow::Built() const {
    if (!built_) const_cast<ExerciseWindow*>(this)->BuildLayout();
    return *this;
}

void ExerciseWindow::BuildLayout() {
    built_ = true;
    QWidget* client = Client();
    WindowScale& scale = Scale();
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kBackground);
    client->setPalette(palette);
    scale.SetFont(client, BoldArial(24));

    pntEinheiten_ = new PaintBox(this, client);
    pntEinheiten_->setObjectName(QStringLiteral("pntEinheiten"));
    scale.Place(pntEinheiten_, QRect(0, 0, kClientWidth - 1, kClientHeight - 1));

    // Every message is heard: a status bar's changes are spoken.
    lblAnzeige_ = new SpokenLabel(QAccessible::StatusBar, client);
    lblAnzeige_->setObjectName(QStringLiteral("lblAnzeige"));
    scale.Place(lblAnzeige_, QRect(0, 0, 1015, 97));
    lblAnzeige_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lblAnzeige_->setWordWrap(true);
    scale.SetFont(lblAnzeige_, BoldArial(21));

    for (int i = 1; i <= kLines; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        const int step = 100 * (i - 1);
        img_[k] =
            Picture(scale, client, QStringLiteral("img%1").arg(i), QRect(40, 100 + step, 63, 69));
        imgZ_[k][0] = Picture(scale, client, QStringLiteral("imgZ%1%2").arg(i).arg(1),
                              QRect(900, 120 + step, 40, 40));
        imgZ_[k][1] = Picture(scale, client, QStringLiteral("imgZ%1%2").arg(i).arg(2),
                              QRect(955, 120 + step, 40, 40));

        auto* field = new QLineEdit(client);
        field->setObjectName(QStringLiteral("edt%1").arg(i));
        scale.Place(field, FieldPlace(i, 400, 170));
        field->setMaxLength(static_cast<int>(kAnswerCapacity));
        scale.SetFont(field, BoldArial(27));
        field->setValidator(new AnswerValidator(this, i));
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, &ExerciseWindow::edtChange);
        connect(field, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { session_.Typed(i, text.toStdString()); });
        edt_[k] = field;
    }

    auto group = [client, &scale](const char* name, const QString& caption, const QRect& place,
                                  QLabel** label, const char* labelName) {
        auto* box = new ClassicGroupBox(caption, client);
        box->setObjectName(QString::fromLatin1(name));
        scale.Place(box, place);
        *label = new QLabel(box);
        (*label)->setObjectName(QString::fromLatin1(labelName));
        scale.Place(*label, QRect(4, 20, place.width() - 8, place.height() - 24));
        (*label)->setAlignment(Qt::AlignCenter);
        scale.SetFont(*label, BoldArial(24));
        scale.SetFont(box, BoldArial(24));
        return box;
    };
    grpDurchgang_ = group("grpDurchgang", QStringLiteral(" Durchgang "), QRect(7, 642, 218, 70),
                          &lblDurchgang_, "lblDurchgang");
    SetGroupColour(grpDurchgang_, lblDurchgang_, QColor(0, 0, 128));
    grpVersuche_ = group("grpVersuche", QStringLiteral(" Versuche "), QRect(240, 642, 153, 70),
                         &lblAktVersuche_, "lblAktVersuche");
    grpPunkte_ = group("grpPunkte", QStringLiteral(" Punkte "), QRect(408, 642, 153, 70),
                       &lblAktPunkte_, "lblAktPunkte");

    pnlZeit_ = new SpokenLabel(QAccessible::StaticText, client);
    pnlZeit_->setObjectName(QStringLiteral("pnlZeit"));
    scale.Place(pnlZeit_, QRect(800, 616, 201, 41));
    pnlZeit_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlZeit_->setAlignment(Qt::AlignCenter);
    SetTextColour(pnlZeit_, QColor(128, 0, 0));
    pnlZeit_->hide();

    btnAuswertung_ = new QPushButton(QStringLiteral("Auswertung"), client);
    btnAuswertung_->setObjectName(QStringLiteral("btnAuswertung"));
    btnWeiter_ = new QPushButton(QStringLiteral("Weiter"), client);
    btnWeiter_->setObjectName(QStringLiteral("btnWeiter"));
    for (QPushButton* button : {btnAuswertung_, btnWeiter_}) {
        scale.Place(button, QRect(800, 670, 200, 40));
        scale.SetFont(button, BoldArial(19));
        button->setAutoDefault(true); // Enter on the focused button presses it
    }
    btnAuswertung_->hide();
    btnWeiter_->setAccessibleDescription(QStringLiteral("Nächster Durchgang mit neuen Aufgaben"));
    btnAuswertung_->setAccessibleDescription(
        QStringLiteral("Zeigt, wie viele Antworten richtig waren"));
    pnlZeit_->setAccessibleName(QStringLiteral("Benötigte Zeit"));
    btnWeiter_->installEventFilter(this);
    btnAuswertung_->installEventFilter(this);
    connect(btnWeiter_, &QPushButton::clicked, this, &ExerciseWindow::btnWeiterClick);
    connect(btnAuswertung_, &QPushButton::clicked, this, &ExerciseWindow::btnAuswertungClick);

    // Enter in the last open field moves on to whichever button is visible.
    setTabOrder(edt_[0], edt_[1]);
    for (std::size_t k = 1; k + 1 < edt_.size(); ++k)
        setTabOrder(edt_[k], edt_[k + 1]);
    setTabOrder(edt_[kLines - 1], btnAuswertung_);
    setTabOrder(btnAuswertung_, btnWeiter_);

    // Re-armed at each tick for the next whole second of the drill, so the
    // ticks neither drift nor lag behind the seconds they show.
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &ExerciseWindow::Timer1Timer);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* now) { FocusMoved(now); });

    menSchliessen_ = MenuBar()->addAction(QStringLiteral("Schließen"));
    menSchliessen_->setObjectName(QStringLiteral("menSchliessen"));
    // The keyboard's way out of a drill (Escape is not: it is pressed by accident).
    menSchliessen_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    connect(menSchliessen_, &QAction::triggered, this, &ExerciseWindow::menSchliessenClick);
    menVerwandlung_ = MenuBar()->addAction(QString());
    menVerwandlung_->setObjectName(QStringLiteral("menVerwandlung"));
    menVerwandlung_->setVisible(false);
    connect(menVerwandlung_, &QAction::triggered, this, &ExerciseWindow::menVerwandlungClick);
}

QLineEdit* ExerciseWindow::Field(int line) const {
    return Built().edt_.at(static_cast<std::size_t>(line - 1));
}
QLabel* ExerciseWindow::FacePicture(int line) const {
    return Built().img_.at(static_cast<std::size_t>(line - 1));
}
QLabel* ExerciseWindow::MarkPicture(int line, int tryNumber) const {
    return Built()
        .imgZ_.at(static_cast<std::size_t>(line - 1))
        .at(static_cast<std::size_t>(tryNumber - 1));
}

void ExerciseWindow::setVisible(bool visible) {
    if (visible) Built(); // before showing, so the new children show with the window
    QuarvelDialog::setVisible(visible);
}

void ExerciseWindow::FormActivate() {
    FitToScreen(windows_.Start);
    session_.Open();
    btnAuswertung_->hide();
    btnWeiter_->show();
    SetTitle(this, ToQString(session_.Caption()));
    const QString chain = ToQString(session_.ChainCaption());
    menVerwandlung_->setText(chain);
    menVerwandlung_->setVisible(!chain.isEmpty());
    ShowMessage({drilltext::kInstruction, kInstructionColour});
    SetGroupColour(grpVersuche_, lblAktVersuche_, QColor(102, 51, 255));
    SetGroupColour(grpPunkte_, lblAktPunkte_, QColor(255, 0, 102));
    ShowSheet();
    ShowCounters();
    lblAktPunkte_->setText(QStringLiteral("0")); // the window opens with a bare 0
    StartTimer();
    edt_[0]->setFocus();
}

void ExerciseWindow::StartTimer() {
    startTime_ = clock_->NowMilliseconds();
    shownSeconds_ = 0;
    timing_ = state_.Selection.TimeDisplay;
    if (timing_) {
        ArmTimer(0);
        pnlZeit_->show();
    } else {
        pnlZeit_->hide();
        timer1_->stop();
    }
    pnlZeit_->Say(ToQString(FormatElapsed(0)));
}

void ExerciseWindow::StopTimer() {
    timer1_->stop();
    if (!timing_) return;
    timing_ = false;
    // The panel keeps the time the drill really took.
    pnlZeit_->Say(ToQString(FormatElapsed((clock_->NowMilliseconds() - startTime_) / 1000)));
}

void ExerciseWindow::ArmTimer(std::int64_t sinceStart) {
    const std::int64_t next = (shownSeconds_ + 1) * 1000;
    timer1_->start(static_cast<int>(std::max<std::int64_t>(1, next - sinceStart)));
}

void ExerciseWindow::Timer1Timer() {
    // The panel shows the seconds measured at the previous tick: 00:00:00 at
    // the first tick, one second more at each following one.
    pnlZeit_->Say(ToQString(FormatElapsed(shownSeconds_)));
    // A tick that fires a little early still counts for the second it was
    // armed for.
    constexpr std::int64_t kEarly = 100;
    const std::int64_t sinceStart = clock_->NowMilliseconds() - startTime_;
    shownSeconds_ = std::max<std::int64_t>(0, (sinceStart + kEarly) / 1000);
    if (timing_) ArmTimer(sinceStart);
}

void ExerciseWindow::ShowSheet() {
    // A new sheet: every line's places, field and pictures, and the whole
    // paint box once.
    for (int i = 1; i <= kLines; ++i) {
        const LineView view = session_.View(i);
        places_.at(static_cast<std::size_t>(i - 1)) = PlaceLine(view);
        Scale().Place(Field(i), FieldPlace(i, Places(i).AnswerLeft, view.AnswerWidth));
        ShowLine(i);
    }
    pntEinheiten_->update();
}

void ExerciseWindow::ShowLine(int i) {
    const DrillLine& line = session_.Line(i);
    QLineEdit* field = Field(i);
    if (field->text() != ToQString(line.FieldText)) field->setText(ToQString(line.FieldText));
    field->setVisible(line.FieldVisible);
    Shown& shown = shown_.at(static_cast<std::size_t>(i - 1));
    const Shown now{line.Face, line.FirstMark, line.SecondMark, true};
    if (!shown.Set || shown.Face != now.Face || shown.First != now.First ||
        shown.Second != now.Second) {
        const FaceKind face = line.Face;
        Scale().SetPicture(FacePicture(i),
                           [face](qreal s, qreal ratio) { return FacePixmap(face, s, ratio); });
        for (const int tryNumber : {1, 2}) {
            const MarkKind mark = tryNumber == 1 ? line.FirstMark : line.SecondMark;
            Scale().SetPicture(MarkPicture(i, tryNumber),
                               [mark](qreal s, qreal ratio) { return MarkPixmap(mark, s, ratio); });
        }
        shown = now;
    }
    DescribeLine(i);
}

void ExerciseWindow::DescribeLine(int i) {
    // The painted task line cannot be read by a screen reader, so the line's
    // face and field say what the line holds and how it stands; the field
    // says the result while the pupil is still in it.
    const DrillLine& line = session_.Line(i);
    const LineView view = session_.View(i);
    const QString task = ToQString(view.Task);
    SetName(FacePicture(i), task);
    // A revealed answer: how it comes about, and what went wrong.
    const std::optional<LineSolution> solution = session_.Solution(i);
    const QString explained = solution ? ToQString(solution->Text()) : QString();
    FacePicture(i)->setToolTip(SolutionTip(explained, Scale().Factor()));
    const QString solved =
        solution ? QStringLiteral(". ") + QString(explained).replace(u'\n', u' ') : QString();
    SetDescription(FacePicture(i), ToQString(view.State) + solved);
    QLineEdit* field = Field(i);
    SetName(field, task);
    SetDescription(field, ToQString(view.Prompt) + solved);
    const auto markText = [](MarkKind mark) {
        return mark == MarkKind::Tick    ? QStringLiteral("richtig")
               : mark == MarkKind::Cross ? QStringLiteral("falsch")
                                         : QStringLiteral("noch kein Versuch");
    };
    SetName(MarkPicture(i, 1), QStringLiteral("Aufgabe %1, erster Versuch").arg(i));
    SetDescription(MarkPicture(i, 1), markText(line.FirstMark));
    SetName(MarkPicture(i, 2), QStringLiteral("Aufgabe %1, zweiter Versuch").arg(i));
    SetDescription(MarkPicture(i, 2), markText(line.SecondMark));
}

QString ExerciseWindow::GivenTextTip(const QPoint& at, QRect& area) {
    for (int i = 1; i <= kLines; ++i) {
        if (!LineBand(i).contains(at)) continue;
        const QString tip = FacePicture(i)->toolTip();
        if (tip.isEmpty()) return {};
        const QString given = ToQString(session_.View(i).Given);
        constexpr int kSize = 20;
        // A raised exponent reaches half a small character above the line.
        const int raised = SmallSize(kSize) / 2;
        area = QRect(kGivenLeft, LineTop(i) - raised, MeasureTaskText(given, kSize),
                     QFontMetrics(TaskFont(kSize)).height() + raised);
        return area.contains(at) ? tip : QString();
    }
    return {};
}

void ExerciseWindow::ShowCounters() {
    const Drill& drill = session_.State();
    lblDurchgang_->setText(ToQString(drill.PassText()));
    lblAktVersuche_->setText(ToQString(drill.TriesText()));
    lblAktPunkte_->setText(ToQString(drill.PointsText()));
    SetName(lblDurchgang_, QStringLiteral("Durchgang ") + lblDurchgang_->text());
    SetName(lblAktVersuche_,
            QStringLiteral("Versuche in diesem Durchgang: ") + lblAktVersuche_->text());
    SetName(lblAktPunkte_, QStringLiteral("Punkte in diesem Durchgang: ") + lblAktPunkte_->text());
}

void ExerciseWindow::ShowMessage(const Message& message, bool judged) {
    SetTextColour(lblAnzeige_, QColor(message.Colour.R, message.Colour.G, message.Colour.B));
    lblAnzeige_->Say(ToQString(message.Text), judged);
}

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
    btnWeiter_->show();
    ShowSheet();
    ShowCounters();
    StartTimer();
    // The focus is in the first field before "Auswertung" goes, so it moves once.
    edt_[0]->setFocus();
    btnAuswertung_->hide();
}

void ExerciseWindow::btnAuswertungClick() {
    if (!JudgeOpenFields()) return;
    bool fresh = false;
    if (windows_.Auswertung != nullptr) {
        // The fresh drill is set out as the dialog closes, before this window
        // is active again: its focus comes back once, into the first field.
        const QMetaObject::Connection closing =
            connect(windows_.Auswertung, &QDialog::finished, this, [this, &fresh] {
                fresh = true;
                FreshDrill();
            });
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
    // Closing by the menu or by the close box alike leaves no level of this
    // group behind, so the next choice in the group opens a sheet of its own.
    if (built_) timer1_->stop();
    timing_ = false;
    postponed_ = 0;
    holdClick_ = false;
    ResetGroupLevels(state_.Selection, session_.Group());
    QuarvelDialog::done(result);
}

void ExerciseWindow::menVerwandlungClick() {
    const QPointer<QWidget> before = lastFocus_;
    if (windows_.Verwandlungsketten != nullptr) {
        windows_.Verwandlungsketten->SetSolution(session_.Solution(session_.LastRevealed()));
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

void ExerciseWindow::pntEinheitenPaint(QPainter& painter, const QRect& dirty) {
    painter.setBackground(kBackground);
    for (int i = 1; i <= kLines; ++i) {
        if (!dirty.intersects(LineBand(i))) continue;
        const LineView view = session_.View(i);
        const LinePlaces& places = Places(i);
        const int y = LineTop(i);
        if (view.Active) {
            DrawTaskText(painter, kGivenLeft, y, Qt::black, ToQString(view.Given), 20);
            if (!view.ToUnit.empty())
                DrawTaskText(painter, places.ToUnitLeft, y, Qt::black, ToQString(view.ToUnit), 20);
        }
        // A wrong answer may be as long as the field takes (pasted, say); it
        // must not run over the unit or the try marks.
        const QColor colour = view.Solved ? QColor(0, 0, 255) : QColor(255, 0, 102);
        const int room = places.AnswerRoomRight - places.AnswerLeft;
        DrawTaskText(painter, places.AnswerLeft, y, colour,
                     ElideTaskText(painter, ToQString(view.Answer), 20, room), 20);
    }
}

} // namespace quarvel
