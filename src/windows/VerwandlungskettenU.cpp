#include "windows/VerwandlungskettenU.h"

#include "windows/StartU.h"
#include "core/PlainText.h"
#include "windows/FontU.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace quarvel {

TfrmVerwandlungsketten::TfrmVerwandlungsketten(AppState& state, Windows& windows, QWidget* parent)
    : QuarvelDialog(state, windows, parent, QStringLiteral("Umwandlungskette"), ChainDefaultWidth,
                    ChainClientHeight) {
    setObjectName(QStringLiteral("TfrmVerwandlungsketten"));
    QAction* close = MenuBar()->addAction(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("menSchliessen"));
    connect(close, &QAction::triggered, this, &TfrmVerwandlungsketten::menSchliessenClick);
    Client()->installEventFilter(this);
    Client()->setAutoFillBackground(true);
}

namespace {

// The drawing in words for screen readers: the labels from left to right,
// first those below the axis, then those above it.
QString SpokenChain(const ChainLayout& chain) {
    QStringList parts;
    for (const ChainSide side : {ChainSide::Below, ChainSide::Above}) {
        std::vector<const ChainLabel*> labels;
        for (const ChainLabel& label : chain.Labels) {
            if (label.Side == side) labels.push_back(&label);
        }
        std::stable_sort(labels.begin(), labels.end(),
                         [](const ChainLabel* a, const ChainLabel* b) { return a->X < b->X; });
        for (const ChainLabel* label : labels) {
            parts << ToQString(PlainText(label->Text));
        }
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

void TfrmVerwandlungsketten::menSchliessenClick() {
    accept();
}

void TfrmVerwandlungsketten::FormActivate() {
    QPalette palette = Client()->palette();
    palette.setColor(QPalette::Window, ToColor(ChainBackground));
    Client()->setPalette(palette);

    layout_ = ChainFor(AreaOf(state_.Selection));
    if (layout_) {
        SetClientSize(layout_->Width, ChainClientHeight);
        setWindowTitle(QString::fromStdString(layout_->Title));
        Client()->setAccessibleName(windowTitle());
        Client()->setAccessibleDescription(SpokenChain(*layout_));
        // The new width must be in force before the window can be centred.
        layout()->activate();
    }
    CentreOver(this, windows_.Start);
    xMid_ = Client()->width() / 2;
    yMid_ = Client()->height() / 2;
    Client()->update();
}

bool TfrmVerwandlungsketten::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client() && event->type() == QEvent::Paint) FormPaint();
    return QuarvelDialog::eventFilter(watched, event);
}

void TfrmVerwandlungsketten::FormPaint() {
    if (!layout_) return;
    QPainter canvas(Client());
    // Text boxes are filled with the window colour, like the background itself.
    canvas.setBackgroundMode(Qt::OpaqueMode);
    canvas.setBackground(ToColor(ChainBackground));

    const int width = Client()->width();
    canvas.setPen(QPen(Qt::black, ChainPenWidth));
    canvas.drawLine(ChainAxisMargin, yMid_, width - ChainAxisMargin, yMid_);
    for (const ChainStroke& tick : layout_->Ticks) {
        canvas.setPen(QPen(ToColor(tick.Colour), ChainPenWidth));
        canvas.drawLine(xMid_ + tick.X, yMid_ + tick.Top, xMid_ + tick.X, yMid_ + tick.Bottom);
    }
    for (const ChainStroke& stroke : layout_->Strokes) {
        canvas.setPen(QPen(ToColor(stroke.Colour), ChainPenWidth));
        canvas.drawLine(xMid_ + stroke.X, yMid_ + stroke.Top, xMid_ + stroke.X,
                        yMid_ + stroke.Bottom);
    }
    // A label stands clear of every mark, so its filled box hides none of them.
    for (const ChainLabel& label : layout_->Labels) {
        const QString text = QString::fromStdString(label.Text);
        const int width = MeasureTaskText(canvas, text, label.Size);
        const int top = text.contains(u'^') ? label.Y - SmallSize(label.Size) / 2 : label.Y;
        const int bottom = label.Y + QFontMetrics(TaskFont(label.Size)).height();
        const int left = ChainLabelLeft(*layout_, label, width, top, bottom);
        DrawTaskText(canvas, xMid_ + left, yMid_ + label.Y, ToColor(label.Colour), text,
                     label.Size);
    }
}

} // namespace quarvel
