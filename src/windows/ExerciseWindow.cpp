#include "windows/ExerciseWindow.h"

#include "core/AnswerText.h"
#include "core/Selection.h"
#include "windows/ExerciseWindowParts.h"
#include "windows/Faces.h"
#include "windows/FontU.h"
#include "windows/StartU.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
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

namespace quarvel {

using exercise_detail::kClientWidth;
using exercise_detail::LineBand;

namespace {

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

ExerciseWindow::ExerciseWindow(Windows& windows, std::shared_ptr<RandomSource> rng, QWidget* parent,
                               const QString& name, LevelGroup group)
    : QuarvelDialog(windows, parent, QString(), kClientWidth, kClientHeight),
      session_(group, std::move(rng)) {
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

    // A hint after a wrong first try, in the free band between the last task
    // line and the counters; empty, it draws nothing.
    lblTipp_ = new SpokenLabel(QAccessible::StatusBar, client);
    lblTipp_->setObjectName(QStringLiteral("lblTipp"));
    scale.Place(lblTipp_, QRect(110, 598, 680, 42));
    lblTipp_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblTipp_->setWordWrap(true);
    scale.SetFont(lblTipp_, BoldArial(17));
    SetTextColour(lblTipp_, QColor(0, 102, 51));

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
    if (exercise_) {
        session_.OpenExercise(*exercise_, selection_);
    } else {
        session_.Open(selection_);
    }
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
    timing_ = selection_.TimeDisplay;
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
    for (int i = 1; i <= kLines; ++i)
        PlaceAndShowLine(i);
    ShowHint(0);
    pntEinheiten_->update();
}

void ExerciseWindow::ShowHint(int line) {
    const std::optional<std::string> hint = line > 0 ? session_.Hint(line) : std::nullopt;
    if (hint) {
        hintLine_ = line;
        lblTipp_->Say(ToQString(*hint), true);
    } else if (line == 0 || line == hintLine_) {
        hintLine_ = 0;
        lblTipp_->Say(QString());
    }
}

void ExerciseWindow::PlaceAndShowLine(int i) {
    const LineView view = session_.View(i);
    places_.at(static_cast<std::size_t>(i - 1)) = PlaceLine(view);
    Scale().Place(Field(i), FieldPlace(i, Places(i).AnswerLeft, view.AnswerWidth));
    ShowLine(i);
}

void ExerciseWindow::PutTask(int line, const AnyTask& task) {
    session_.PutTask(line, task);
    PlaceAndShowLine(line);
    ShowHint(line);
    pntEinheiten_->update();
}

void ExerciseWindow::ShowLine(int i) {
    const DrillLine& line = session_.Line(i);
    QLineEdit* field = Field(i);
    if (field->text() != ToQString(line.FieldText)) field->setText(ToQString(line.FieldText));
    field->setVisible(line.FieldVisible);
    // A sheet of a practice round may have fewer lines than five.
    const bool active = session_.View(i).Active;
    for (QLabel* picture : {FacePicture(i), MarkPicture(i, 1), MarkPicture(i, 2)})
        picture->setVisible(active);
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

void ExerciseWindow::ShowCounters() {
    const Drill& drill = session_.State();
    lblDurchgang_->setText(ToQString(session_.PassText()));
    lblAktVersuche_->setText(ToQString(drill.TriesText()));
    lblAktPunkte_->setText(ToQString(drill.PointsText()));
    SetName(lblDurchgang_, QStringLiteral("Durchgang ") + lblDurchgang_->text());
    SetName(lblAktVersuche_,
            QStringLiteral("Versuche in diesem Durchgang: ") + lblAktVersuche_->text());
    SetName(lblAktPunkte_, QStringLiteral("Punkte in diesem Durchgang: ") + lblAktPunkte_->text());
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
