#include "windows/VerwandlungskettenU.h"

#include "windows/Accessible.h"
#include "windows/FontU.h"
#include "windows/StartU.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <variant>

namespace quarvel {

TfrmVerwandlungsketten::TfrmVerwandlungsketten(Windows& windows, QWidget* parent)
    : QuarvelDialog(windows, parent, QStringLiteral("Umwandlungskette"), ChainDefaultWidth,
                    ChainClientHeight) {
    setObjectName(QStringLiteral("TfrmVerwandlungsketten"));
    QAction* close = MenuBar()->addAction(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("menSchliessen"));
    connect(close, &QAction::triggered, this, &TfrmVerwandlungsketten::menSchliessenClick);
    Client()->installEventFilter(this);
    Client()->setAutoFillBackground(true);
    pane_ = new ReadingPane(Client());
}

namespace {

// The chain of the chosen training, unless the revealed line's units stand on
// another one, as an area task does on a mixed volume sheet: then that line's
// own chain, so that its path is drawn under its sentences.
UnitArea ChainToDraw(UnitArea chosen, const std::optional<LineSolution>& solution) {
    const auto* measure = solution ? std::get_if<MeasureSolution>(&solution->Worked) : nullptr;
    if (measure == nullptr || measure->Steps.empty()) return chosen;
    const UnitArea own = MeasureChainOf(measure->Steps.front().From);
    return own == UnitArea::None ? chosen : own;
}

std::optional<ChainSolution> SolutionFor(const std::optional<ChainLayout>& chain,
                                         const std::optional<LineSolution>& solution) {
    if (!chain || !solution) return std::nullopt;
    return std::visit([&](const auto& worked) { return SolutionOnChain(*chain, worked); },
                      solution->Worked);
}

QString SentencesOf(const ChainSolution& drawn) {
    QStringList lines;
    for (const std::string& sentence : drawn.Sentences)
        lines << QString::fromStdString(sentence);
    return lines.join(u'\n');
}

constexpr int SentenceFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// The sentences fill the width between the axis margins, each on a line of its own.
QRect SentenceBox(int width) {
    return {ChainAxisMargin, 0, width - 2 * ChainAxisMargin, 4000};
}

// The room the solution takes below the described chain.
int SolutionHeight(const ChainSolution& drawn, int width) {
    const QFontMetrics metrics(TaskFont(ChainSolutionTextSize));
    const QRect text = metrics.boundingRect(SentenceBox(width), SentenceFlags, SentencesOf(drawn));
    return drawn.Height + text.height() + ChainAxisMargin;
}

// The box a chain label fills, as the chain is drawn.
QRect LabelBox(QPainter& canvas, const ChainLayout& chain, const ChainLabel& label) {
    const QString text = QString::fromStdString(label.Text);
    const int width = MeasureTaskText(canvas, text, label.Size);
    const int top = text.contains(u'^') ? label.Y - SmallSize(label.Size) / 2 : label.Y;
    const int bottom = label.Y + QFontMetrics(TaskFont(label.Size)).height();
    return {ChainLabelLeft(chain, label, width, top, bottom), top, width, bottom - top};
}

} // namespace

void TfrmVerwandlungsketten::menSchliessenClick() {
    accept();
}

void TfrmVerwandlungsketten::FormActivate() {
    QPalette palette = Client()->palette();
    palette.setColor(QPalette::Window, ToColor(ChainBackground));
    Client()->setPalette(palette);

    layout_ = ChainFor(ChainToDraw(area_, solution_));
    drawn_ = SolutionFor(layout_, solution_);
    const int below = drawn_ ? SolutionHeight(*drawn_, layout_->Width) : 0;
    if (layout_) {
        SetClientSize(layout_->Width, ChainClientHeight + below);
        SetTitle(this, QString::fromStdString(layout_->Title));
        // The chain in lines, one pair of neighbours or one group in each,
        // then the solution's sentences.
        std::vector<std::string> spoken = SpokenChain(*layout_);
        if (drawn_) {
            spoken.emplace_back("So geht's:");
            spoken.insert(spoken.end(), drawn_->Sentences.begin(), drawn_->Sentences.end());
        }
        QStringList lines;
        QList<QPoint> origins;
        const QFont font = TaskFont(12);
        for (const std::string& line : spoken) {
            origins << QPoint(ChainAxisMargin,
                              static_cast<int>(lines.size()) * QFontMetrics(font).height());
            lines << ToQString(line);
        }
        pane_->SetPage(windowTitle(), lines, origins, font);
    }
    FollowScaleOf(windows_.Start);
    xMid_ = Scale().ClientSize().width() / 2;
    yMid_ = (Scale().ClientSize().height() - below) / 2;
    Client()->update();
}

bool TfrmVerwandlungsketten::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client() && event->type() == QEvent::Paint) FormPaint();
    return QuarvelDialog::eventFilter(watched, event);
}

void TfrmVerwandlungsketten::FormPaint() {
    if (!layout_) return;
    QPainter canvas(Client());
    Scale().Transform(canvas);
    // Text boxes are filled with the window colour, like the background itself.
    canvas.setBackgroundMode(Qt::OpaqueMode);
    canvas.setBackground(ToColor(ChainBackground));

    const int width = Scale().ClientSize().width();
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
    if (drawn_) PaintSolution(canvas, *drawn_);
}

void TfrmVerwandlungsketten::PaintSolution(QPainter& canvas, const ChainSolution& drawn) {
    // A thin frame, so that it keeps clear of the strokes next to the label.
    constexpr int Pad = 1;   // between a framed label and its frame
    constexpr int Reach = 5; // of the strokes across an arrow's ends
    constexpr int Head = 7;  // length of an arrow's head, twice its half width
    const int width = Scale().ClientSize().width();
    const QColor arrow = ToColor(ChainArrowColour);
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(QPen(arrow, 1));
    for (const ChainLabel& label : drawn.Framed) {
        const QRect box = LabelBox(canvas, *layout_, label).translated(xMid_, yMid_);
        canvas.drawRect(box.adjusted(-Pad - 1, -Pad, Pad, Pad));
    }
    canvas.setPen(QPen(arrow, ChainPenWidth));
    const int top = ChainClientHeight;
    for (const ChainArrow& a : drawn.Arrows) {
        const int from = xMid_ + a.From;
        const int to = xMid_ + a.To;
        const int y = top + a.Y;
        const int back = to > from ? -Head : Head;
        canvas.drawLine(from, y, to, y);
        canvas.drawLine(from, y - Reach, from, y + Reach);
        canvas.drawLine(to, y - Reach, to, y + Reach);
        canvas.drawLine(to, y, to + back, y - Head / 2);
        canvas.drawLine(to, y, to + back, y + Head / 2);
    }
    for (const ChainLabel& label : drawn.Labels) {
        const QString text = QString::fromStdString(label.Text);
        const int textWidth = MeasureTaskText(canvas, text, label.Size);
        const int left = std::clamp(xMid_ + label.X - textWidth / 2, ChainAxisMargin,
                                    std::max(ChainAxisMargin, width - ChainAxisMargin - textWidth));
        DrawTaskText(canvas, left, top + label.Y, ToColor(label.Colour), text, label.Size);
    }
    canvas.setFont(TaskFont(ChainSolutionTextSize));
    canvas.setPen(Qt::black);
    canvas.drawText(SentenceBox(width).translated(0, top + drawn.Height), SentenceFlags,
                    SentencesOf(drawn));
}

} // namespace quarvel
