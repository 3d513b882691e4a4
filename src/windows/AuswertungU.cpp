#include "windows/AuswertungU.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace quarvel {

namespace {

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 433;
constexpr int kResultCodeLine = 28; // the height of the result code's line

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kVerdictColour(102, 153, 51);

QLabel* MakeLabel(WindowScale& scale, QWidget* parent, const char* name, const QRect& geometry,
                  int pixelSize, const QColor& colour, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    scale.Place(label, geometry);
    label->setAlignment(Qt::AlignCenter);
    scale.SetFont(label, BoldArial(pixelSize));
    SetTextColour(label, colour);
    return label;
}

QLabel* MakePanel(WindowScale& scale, QWidget* parent, const char* name, const QRect& geometry,
                  const QColor& colour, const QString& accessibleName) {
    QLabel* panel = MakeLabel(scale, parent, name, geometry, 19, colour);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAccessibleName(accessibleName);
    return panel;
}

// A screen reader hears every this many steps of the animation, and its end.
constexpr int kToldSteps = 25;

class GaugeAccessible : public QAccessibleWidget {
  public:
    explicit GaugeAccessible(QWidget* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

QAccessibleInterface* GaugeFactory(const QString& key, QObject* object) {
    if (key != QLatin1String(BarGauge::staticMetaObject.className())) return nullptr;
    return new GaugeAccessible(static_cast<QWidget*>(object));
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

BarGauge::BarGauge(const QColor& bar, QWidget* parent) : QWidget(parent), bar_(bar) {
    static const bool installed = [] {
        QAccessible::installFactory(GaugeFactory);
        return true;
    }();
    (void)installed;
}

void BarGauge::setValue(int value) {
    value = std::clamp(value, 0, 100);
    if (value == value_) return;
    value_ = value;
    repaint();
}

void BarGauge::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int inner = height() - 2;
    const int filled = qRound(inner * value_ / 100.0);
    painter.fillRect(QRect(1, 1 + inner - filled, width() - 2, filled), bar_);
    // The border line scales with the window.
    const qreal line = WindowScale::FactorOf(this);
    painter.setPen(QPen(QColor(64, 64, 64), line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2));
}

// Like every fixed dialog it has a close box (without one Qt would leave the
// title bar's buttons to the window manager's defaults, minimise and maximise
// among them, which did nothing here). The close box closes the dialog as
// "Schließen" does, once the animation is over (closeEvent).
TfrmAuswertung::TfrmAuswertung(Windows& windows, QWidget* parent)
    : QuarvelDialog(windows, parent, QStringLiteral("Auswertung"), kClientWidth, kClientHeight),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("TfrmAuswertung"));
    WatchHeldKeys();
    QWidget* client = Client();
    WindowScale& scale = Scale();
    scale.SetFont(client, BoldArial(19));

    // The verdict is told with the close button; this label only keeps it.
    lblAnzeige_ = new SpokenLabel(QAccessible::StaticText, client);
    lblAnzeige_->setObjectName(QStringLiteral("lblAnzeige"));
    scale.Place(lblAnzeige_, QRect(0, 0, 392, 44));
    lblAnzeige_->setAlignment(Qt::AlignCenter);
    scale.SetFont(lblAnzeige_, BoldArial(16));
    SetTextColour(lblAnzeige_, kVerdictColour);
    lblAnzeige_->setWordWrap(true);
    lblRichtig_ = MakeLabel(scale, client, "lblRichtig", {90, 56, 100, 25}, 19, kBlue,
                            QStringLiteral("Richtig"));
    lblFalsch_ = MakeLabel(scale, client, "lblFalsch", {210, 56, 100, 25}, 19, kRed,
                           QStringLiteral("Falsch"));

    gauRichtig_ = new BarGauge(QColor(185, 233, 249), client);
    gauRichtig_->setObjectName(QStringLiteral("gauRichtig"));
    scale.Place(gauRichtig_, QRect(90, 88, 100, 250));
    gauRichtig_->setAccessibleName(QStringLiteral("Richtig"));
    gauFalsch_ = new BarGauge(QColor(255, 145, 145), client);
    gauFalsch_->setObjectName(QStringLiteral("gauFalsch"));
    scale.Place(gauFalsch_, QRect(210, 88, 100, 250));
    gauFalsch_->setAccessibleName(QStringLiteral("Falsch"));

    // Created after the gauges so they lie on top; labels paint no background.
    lblPRichtig_ = MakeLabel(scale, client, "lblPRichtig", {90, 204, 100, 19}, 19, Qt::black);
    lblPFalsch_ = MakeLabel(scale, client, "lblPFalsch", {210, 204, 100, 19}, 19, Qt::black);

    pnlRichtig_ = MakePanel(scale, client, "pnlRichtig", {90, 352, 100, 32}, kBlue,
                            QStringLiteral("Punkte und Versuche"));
    pnlFalsch_ = MakePanel(scale, client, "pnlFalsch", {210, 352, 100, 32}, kRed,
                           QStringLiteral("Verlorene Punkte und Versuche"));

    btnSchliessen_ = new LatentButton(QStringLiteral("Schließen"), client);
    btnSchliessen_->setObjectName(QStringLiteral("btnSchliessen"));
    scale.Place(btnSchliessen_, QRect(90, 392, 220, 36));
    btnSchliessen_->setDefault(true);
    btnSchliessen_->SetShown(false);
    connect(btnSchliessen_, &QPushButton::clicked, this, &QDialog::accept);
    // After a drill with tasks answered wrong twice: a round of their twins.
    btnFehler_ = new LatentButton(QString(), client);
    btnFehler_->setObjectName(QStringLiteral("btnFehler"));
    btnFehler_->setAccessibleDescription(
        QStringLiteral("Übt neue Aufgaben wie die zweimal falsch beantworteten"));
    btnFehler_->hide();
    setTabOrder(btnSchliessen_, btnFehler_);
    connect(btnFehler_, &QPushButton::clicked, this, [this] { done(kPractise); });

    // A coded drill's result code: a line of its own below the verdict, to
    // be read out, copied or written down. A random drill has none.
    lblErgebniscode_ = new SpokenLabel(QAccessible::StaticText, client);
    lblErgebniscode_->setObjectName(QStringLiteral("lblErgebniscode"));
    scale.Place(lblErgebniscode_, QRect(0, 44, 392, kResultCodeLine));
    lblErgebniscode_->setAlignment(Qt::AlignCenter);
    scale.SetFont(lblErgebniscode_, BoldArial(16));
    lblErgebniscode_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                              Qt::TextSelectableByKeyboard);
    lblErgebniscode_->hide();
    // Built at scale 1, so each widget's geometry is its designed place.
    for (QWidget* widget : std::initializer_list<QWidget*>{lblRichtig_, lblFalsch_, gauRichtig_,
                                                           gauFalsch_, lblPRichtig_, lblPFalsch_,
                                                           pnlRichtig_, pnlFalsch_, btnSchliessen_})
        below_.emplace_back(widget, QRect(widget->pos(), widget->size()));

    timer_->setTimerType(Qt::PreciseTimer); // an even pace, not a coarse one
    timer_->setInterval(stepInterval_);
    connect(timer_, &QTimer::timeout, this, &TfrmAuswertung::AnimationTimer);
}

void TfrmAuswertung::SetStepInterval(int ms) {
    stepInterval_ = std::max(ms, 0);
    timer_->setInterval(stepInterval_);
}

void TfrmAuswertung::PlaceBelowVerdict(int shift) {
    SetClientSize(kClientWidth, kClientHeight + shift);
    for (const auto& [widget, place] : below_)
        Scale().Place(widget, place.translated(0, shift));
}

void TfrmAuswertung::FormActivate() {
    // Until the verdict comes, the result code's line stays empty.
    lblErgebniscode_->hide();
    const int shift = resultCode_.isEmpty() ? 0 : kResultCodeLine;
    PlaceBelowVerdict(shift);
    btnFehler_->setVisible(failed_ > 0);
    btnFehler_->SetShown(false);
    if (failed_ > 0) {
        // The two buttons share the close button's row.
        const QRect row = QRect(8, 392, 376, 36).translated(0, shift);
        Scale().Place(btnSchliessen_, QRect(row.left(), row.top(), 183, row.height()));
        Scale().Place(btnFehler_, QRect(row.left() + 193, row.top(), 183, row.height()));
        btnFehler_->setText(QStringLiteral("Fehler üben (%1)").arg(failed_));
    }
    FollowScaleOf(parentWidget());
    timer_->stop();
    evaluation_ = Evaluation(score_.TotalPoints, score_.TotalTries);

    pnlRichtig_->setText(Text(evaluation_.PanelRight()));
    pnlFalsch_->setText(Text(evaluation_.PanelWrong()));
    pnlRichtig_->setAccessibleDescription(QStringLiteral("Richtig: %1").arg(pnlRichtig_->text()));
    pnlFalsch_->setAccessibleDescription(QStringLiteral("Falsch: %1").arg(pnlFalsch_->text()));

    // The dialog is reused: the previous drill's verdict must not stand over
    // this drill's animation.
    lblAnzeige_->Say(QString());
    SetTextColour(lblAnzeige_, kVerdictColour);
    btnSchliessen_->SetShown(false);
    SetDescription(btnSchliessen_, QStringLiteral("Die Auswertung läuft. Bitte warten."));
    btnSchliessen_->setFocus();

    if (!evaluation_.Animated()) {
        FinishAnimation();
        return;
    }
    animating_ = true;
    step_ = 0;
    ShowStep(step_);
    timer_->start();
}

void TfrmAuswertung::ShowFrame(const EvaluationFrame& frame, bool tell) {
    gauRichtig_->setValue(frame.GaugeRight);
    gauFalsch_->setValue(frame.GaugeWrong);
    const QString right = Text(frame.LabelRight);
    const QString wrong = Text(frame.LabelWrong);
    if (tell) {
        // A label with a name of its own reports no change of its text, so the
        // steps in between pass unannounced.
        SetName(lblPRichtig_, right);
        SetName(lblPFalsch_, wrong);
        SetDescription(gauRichtig_, QStringLiteral("Richtig: %1").arg(right));
        SetDescription(gauFalsch_, QStringLiteral("Falsch: %1").arg(wrong));
    }
    lblPRichtig_->setText(right);
    lblPFalsch_->setText(wrong);
}

void TfrmAuswertung::ShowStep(int s) {
    ShowFrame(evaluation_.Step(s), s % kToldSteps == 0);
    emit StepShown(s);
}

// The last step stays on screen for one interval, like every other step,
// before the verdict appears.
void TfrmAuswertung::AnimationTimer() {
    if (step_ < evaluation_.PercentRight()) {
        ShowStep(++step_);
    } else {
        FinishAnimation();
    }
}

void TfrmAuswertung::FinishAnimation() {
    timer_->stop();
    animating_ = false;
    const EvaluationFrame final = evaluation_.Final();
    ShowFrame(final, true);
    btnSchliessen_->SetShown(true);
    btnFehler_->SetShown(failed_ > 0);
    btnSchliessen_->setFocus();
    const QString verdict = Text(evaluation_.Verdict());
    lblAnzeige_->Say(verdict);
    QString told = QStringLiteral("%1 Richtig: %2, falsch: %3.")
                       .arg(verdict, Text(final.LabelRight), Text(final.LabelWrong));
    if (!resultCode_.isEmpty()) {
        const QString line = QStringLiteral("Ergebniscode: %1").arg(resultCode_);
        lblErgebniscode_->Say(line, true);
        lblErgebniscode_->show();
        told += QLatin1Char(' ') + line;
    }
    SetDescription(btnSchliessen_, told);
    emit AnimationFinished();
}

void TfrmAuswertung::done(int result) {
    if (animating_) return;
    failed_ = 0;
    QuarvelDialog::done(result);
}

void TfrmAuswertung::closeEvent(QCloseEvent* event) {
    if (animating_) {
        event->ignore();
        return;
    }
    QuarvelDialog::closeEvent(event);
}

void TfrmAuswertung::keyPressEvent(QKeyEvent* event) {
    // The Enter that pressed "Auswertung", held down, does not close the
    // evaluation it opened.
    if ((animating_ && event->key() == Qt::Key_Escape) || IsHeldEnter(event)) {
        event->accept();
        return;
    }
    QuarvelDialog::keyPressEvent(event);
}

// Only the program itself can hide the dialog mid-animation (for instance on
// shutdown); the next showing starts afresh.
void TfrmAuswertung::hideEvent(QHideEvent* event) {
    timer_->stop();
    animating_ = false;
    QuarvelDialog::hideEvent(event);
}

} // namespace quarvel
