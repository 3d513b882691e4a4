// What a screen reader gets from the drill window: the lines' texts, tooltips and messages.
#include "windows/ExerciseWindow.h"

#include "windows/ExerciseWindowParts.h"
#include "windows/FontU.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace quarvel {

using exercise_detail::LineBand;

namespace {

// A line's worked solution (or hint) as a tooltip in a size a pupil reads easily: its
// first line as a heading (a solution's), the sentences wrapped to a readable width; both
// grow and shrink with the window.
QString SolutionTip(const QString& text, qreal scale, bool heading) {
    if (text.isEmpty()) return {};
    QStringList lines = text.toHtmlEscaped().split(u'\n');
    if (heading) lines.front() = QStringLiteral("<b>") + lines.front() + QStringLiteral("</b>");
    return QStringLiteral("<table width=\"%1\" style=\"font-family: Arial; font-size: %2px\">"
                          "<tr><td>")
               .arg(qRound(560 * scale))
               .arg(qRound(18 * scale)) +
           lines.join(QStringLiteral("<br>")) + QStringLiteral("</td></tr></table>");
}

} // namespace

void ExerciseWindow::DescribeLine(int i) {
    // The painted task line cannot be read by a screen reader, so the line's
    // face and field say what the line holds and how it stands; the field
    // says the result while the pupil is still in it.
    const DrillLine& line = session_.Line(i);
    const LineView view = session_.View(i);
    const QString task = ToQString(view.Task);
    SetName(FacePicture(i), task);
    // A revealed answer: how it comes about, and what went wrong.
    // A recognised wrong first try: the rule that was broken.
    const std::optional<LineSolution> solution = session_.Solution(i);
    const std::optional<std::string>& hint = session_.Hint(i);
    const QString explained = solution ? ToQString(solution->Text())
                              : hint   ? ToQString(*hint)
                                       : QString();
    FacePicture(i)->setToolTip(SolutionTip(explained, Scale().Factor(), solution.has_value()));
    const QString solved = explained.isEmpty()
                               ? QString()
                               : QStringLiteral(". ") + QString(explained).replace(u'\n', u' ');
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
        // Only a worked solution, not a hint, stands over the given text.
        const QString tip = FacePicture(i)->toolTip();
        if (tip.isEmpty() || !session_.Solution(i)) return {};
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

void ExerciseWindow::ShowMessage(const Message& message, bool judged) {
    SetTextColour(lblAnzeige_, QColor(message.Colour.R, message.Colour.G, message.Colour.B));
    lblAnzeige_->Say(ToQString(message.Text), judged);
}

} // namespace quarvel
