#include "arbeitsblatt/SheetPainter.h"

#include "windows/FontU.h"
#include "worksheet/OutputPath.h"
#include "worksheet/TrainingNames.h"

#include <QFile>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quarvel {
namespace {

// The page is laid out in pixels of a 96-dpi screen, the unit of the text
// renderer; the painter scales them to the device.
constexpr double kScreenDpi = 96.0;
constexpr int kTaskSize = 14;     // points of a task line on a sheet
constexpr int kSmallestTask = 10; // a sheet of long tasks shrinks down to this
constexpr int kKeySize = 11;      // points of a line of the key
constexpr int kRoundGap = 14;     // between two rounds of five tasks
constexpr int kMaxRow = 64;       // a row of a sheet with few tasks
constexpr int kKeyRow = 20;

const QColor kInk(0, 0, 0);
const QColor kGrey(90, 90, 90);
const QColor kRule(140, 140, 140);

QFont PageFont(int size, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize((size * 4 + 1) / 3);
    font.setBold(bold);
    return font;
}

QString Subtitle(const WorksheetRequest& request) {
    return ToQString(TrainingTitle(request.Id)) + QStringLiteral(" · ") +
           ToQString(LevelCaption(request.Id, request.Level));
}

// "Blatt 1234-3", or a coded exercise's "Übungscode: K7QX-93PF".
QString SheetLabel(const Worksheet& sheet) {
    return (sheet.Passes > 0 ? QStringLiteral("Übungscode: ") : QStringLiteral("Blatt ")) +
           ToQString(sheet.Id);
}

// Where the parts of a task row go on a sheet, in page pixels.
struct RowLayout {
    int Size = kTaskSize;
    int NumberRight = 0; // "20." ends here
    int GivenLeft = 0;
    int EqualsLeft = 0;
    int LineLeft = 0;
    int LineWidth = 0;
    bool Stacked = false; // the answer line below the given text
    bool Fits = false;    // the line leaves room for a handwritten answer
};

class Pages {
  public:
    Pages(QPainter& painter, QPagedPaintDevice& device, const WorksheetRequest& request)
        : painter_(painter), device_(device), request_(request) {
        scale_ = device.logicalDpiX() / kScreenDpi;
        width_ = static_cast<int>(device.width() / scale_);
        height_ = static_cast<int>(device.height() / scale_);
        Scale();
    }

    int Count() const { return count_; }

    void Sheet(const Worksheet& sheet) { Tasks(sheet); }

    void Key(const std::vector<Worksheet>& sheets) {
        NextPage();
        const int top = KeyHead(sheets.front());
        int y = top;
        for (const Worksheet& sheet : sheets) {
            const KeyColumns columns = FitKey(sheet);
            if (y + KeyBlockHeight(sheet, columns) > height_ && y > top) {
                NextPage();
                KeyHead(sheets.front());
                y = top;
            }
            y = KeyBlock(sheet, columns, y);
        }
    }

  private:
    void Scale() {
        painter_.resetTransform();
        painter_.scale(scale_, scale_);
    }

    void NextPage() {
        if (count_ > 0) {
            device_.newPage();
            Scale();
        }
        ++count_;
    }

    // Draws `text` in `font` with its baseline at y; returns its width.
    int Text(int x, int baseline, const QString& text, const QFont& font, const QColor& colour) {
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(QPointF(x, baseline), text);
        return Width(text, font);
    }

    int Width(const QString& text, const QFont& font) {
        return static_cast<int>(QFontMetricsF(font, &device_).horizontalAdvance(text) + 0.5);
    }

    // `text` in lines no wider than `width`, broken between words, and inside
    // a word only where the word alone is wider: nothing is cut off.
    QStringList Wrapped(const QString& text, const QFont& font, int width) {
        // A " · " between parts ends a line rather than beginning the next.
        QString breakable = text;
        breakable.replace(QStringLiteral(" · "), QStringLiteral("\u00A0· "));
        QTextLayout layout(breakable, font, &device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << text.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        return lines;
    }

    // Draws `lines` at the left edge, the first with its baseline at
    // `baseline`; returns the last one's baseline.
    int Lines(int baseline, const QStringList& lines, const QFont& font, const QColor& colour) {
        const int spacing = LineSpacing(font);
        for (qsizetype i = 0; i < lines.size(); ++i)
            Text(0, baseline + static_cast<int>(i) * spacing, lines[i], font, colour);
        return baseline + static_cast<int>(lines.size() - 1) * spacing;
    }

    int LineSpacing(const QFont& font) {
        return static_cast<int>(QFontMetricsF(font, &device_).lineSpacing() + 0.5);
    }

    void Rule(int x1, int x2, int y, double width = 0.75) {
        painter_.setPen(QPen(kRule, width));
        painter_.drawLine(QPointF(x1, y), QPointF(x2, y));
    }

    // A label with a line to write on, up to `right`.
    void Field(int x, int right, int baseline, const QString& label) {
        const int w = Text(x, baseline, label, PageFont(11, false), kInk);
        Rule(x + w + 6, right, baseline + 3);
    }

    // The head of a sheet's page: the lines for name, class and date on its
    // first page only, then the title, the sheet's number and what it trains.
    // A long title or subtitle takes more lines. Returns where the tasks
    // begin; draws only when `draw` is set.
    int Head(const Worksheet& sheet, int page, bool draw) {
        const int w = width_;
        if (page == 1 && draw) {
            Field(0, w * 46 / 100, 20, QStringLiteral("Name:"));
            Field(w * 50 / 100, w * 70 / 100, 20, QStringLiteral("Klasse:"));
            Field(w * 74 / 100, w, 20, QStringLiteral("Datum:"));
        }
        const QFont idFont = PageFont(13, true);
        const QString id = SheetLabel(sheet);
        const int idWidth = Width(id, idFont);
        const QFont titleFont = PageFont(18, true);
        const QString title =
            request_.Title.empty() ? QStringLiteral("Arbeitsblatt") : ToQString(request_.Title);
        const QStringList titleLines = Wrapped(title, titleFont, w - idWidth - 24);
        QString of =
            sheet.Passes > 0
                ? QStringLiteral(" · %1 Durchgänge zu 5 Aufgaben").arg(sheet.Passes)
                : QStringLiteral(" · Blatt %1 von %2").arg(sheet.Number).arg(request_.Sheets);
        if (page > 1) of += QStringLiteral(" · Seite %1").arg(page);
        const QFont subFont = PageFont(11, false);
        const QStringList subLines = Wrapped(Subtitle(request_) + of, subFont, w);

        constexpr int kTitle = 72; // the first title line's baseline, beside the number
        const int subtitle = kTitle + (titleLines.size() - 1) * LineSpacing(titleFont) + 24;
        const int last = subtitle + (subLines.size() - 1) * LineSpacing(subFont);
        if (draw) {
            Text(w - idWidth, kTitle, id, idFont, kInk);
            Lines(kTitle, titleLines, titleFont, kInk);
            Lines(subtitle, subLines, subFont, kGrey);
            Rule(0, w, last + 12, 1.0);
        }
        return last + 32;
    }

    // One row per task, given, "=", answer line and unit side by side, at the
    // largest size down to 12 points where the line leaves room for a
    // handwritten answer. Long place-value notations do not fit so; their
    // rows are stacked: the given text, and below it "=" and the line.
    RowLayout FitRows(const Worksheet& sheet) {
        const QString last = QString::number(sheet.Tasks.size()) + QLatin1Char('.');
        const auto layout = [&](int size, bool stacked) {
            int given = 0;
            int answer = 0;
            int unit = 0;
            for (const WorksheetTask& task : sheet.Tasks) {
                given = std::max(given, MeasureTaskText(painter_, ToQString(task.Given), size));
                answer = std::max(answer, MeasureTaskText(painter_, ToQString(task.Answer), size));
                unit = std::max(unit, MeasureTaskText(painter_, ToQString(task.ToUnit), size));
            }
            RowLayout row;
            row.Size = size;
            row.Stacked = stacked;
            row.NumberRight = MeasureTaskText(painter_, last, size);
            row.GivenLeft = row.NumberRight + 12;
            row.EqualsLeft = stacked ? row.GivenLeft : row.GivenLeft + given + 16;
            row.LineLeft =
                row.EqualsLeft + MeasureTaskText(painter_, QStringLiteral("="), size) + 12;
            const int room = width_ - row.LineLeft - (unit > 0 ? unit + 10 : 0);
            // Handwriting takes more room than print; a short answer still
            // gets a line worth writing on.
            row.LineWidth = std::min(room, std::max(170, answer * 3 / 2 + 24));
            row.Fits = row.LineWidth >= answer * 6 / 5 + 16;
            return row;
        };
        for (int size = kTaskSize; size >= 12; --size) {
            const RowLayout row = layout(size, false);
            if (row.Fits) return row;
        }
        return layout(kTaskSize, true);
    }

    // Rows follow each other with a gap between rounds of five; a page takes
    // rows while they fit, then the next page begins.
    void Tasks(const Worksheet& sheet) {
        const RowLayout row = FitRows(sheet);
        const int count = static_cast<int>(sheet.Tasks.size());
        const int rounds = (count + kLines - 1) / kLines;
        const int textHeight = (row.Size * 4 + 1) / 3;
        // The head of a later page may take a line more than the first.
        const int top = std::max(Head(sheet, 1, false), Head(sheet, 2, false));
        // Side by side, every row of the sheet fits on one page as far as
        // the head leaves room; stacked rows take what they need.
        const int rowHeight =
            row.Stacked
                ? 2 * textHeight + 30
                : std::max(textHeight + 12,
                           std::min(kMaxRow, (height_ - top - (rounds - 1) * kRoundGap) / count));
        const int ascent =
            static_cast<int>(QFontMetricsF(TaskFont(row.Size), &device_).ascent() + 0.5);
        int page = 0;
        int y = 0;
        for (int i = 0; i < count; ++i) {
            const int gap = i > 0 && i % kLines == 0 ? kRoundGap : 0;
            if (page == 0 || y + gap + rowHeight > height_) {
                NextPage();
                Head(sheet, ++page, true);
                y = top;
            } else {
                y += gap;
            }
            const WorksheetTask& task = sheet.Tasks[static_cast<std::size_t>(i)];
            const int rowTop = y;
            y += rowHeight;
            const int textTop = rowTop + (row.Stacked ? 4 : (rowHeight - textHeight) / 2);
            const int lineTop = row.Stacked ? textTop + textHeight + 10 : textTop;
            const QString number = QString::number(i + 1) + QLatin1Char('.');
            DrawTaskText(painter_, row.NumberRight - MeasureTaskText(painter_, number, row.Size),
                         textTop, kGrey, number, row.Size);
            DrawTaskText(painter_, row.GivenLeft, textTop, kInk, ToQString(task.Given), row.Size);
            DrawTaskText(painter_, row.EqualsLeft, lineTop, kInk, QStringLiteral("="), row.Size);
            Rule(row.LineLeft, row.LineLeft + row.LineWidth, lineTop + ascent + 5, 1.0);
            DrawTaskText(painter_, row.LineLeft + row.LineWidth + 10, lineTop, kInk,
                         ToQString(task.ToUnit), row.Size);
        }
    }

    // The key's head; returns where its blocks begin.
    int KeyHead(const Worksheet& first) {
        Text(0, 26, QStringLiteral("Lösungen"), PageFont(18, true), kInk);
        QString line = Subtitle(request_);
        if (!request_.Title.empty())
            line = ToQString(request_.Title) + QStringLiteral(" · ") + line;
        // Every page of a coded exercise names its code.
        if (first.Passes > 0) line += QStringLiteral(" · ") + SheetLabel(first);
        const QFont font = PageFont(11, false);
        const int baseline = Lines(50, Wrapped(line, font, width_), font, kGrey);
        Rule(0, width_, baseline + 12, 1.0);
        return baseline + 28;
    }

    // The key of one sheet in columns side by side when its lines fit.
    struct KeyColumns {
        int Size = kKeySize;
        int Count = 1;
        int Width = 0;
        int NumberRight = 0;
        int GivenLeft = 0;
        int EqualsLeft = 0;
        int AnswerLeft = 0;
    };

    KeyColumns FitKey(const Worksheet& sheet) {
        KeyColumns k;
        for (int size = kKeySize; size >= 8; --size) {
            int given = 0;
            int rest = 0;
            for (const WorksheetTask& task : sheet.Tasks) {
                given = std::max(given, MeasureTaskText(painter_, ToQString(task.Given), size));
                rest = std::max(rest, MeasureTaskText(painter_, Answer(task), size));
            }
            k.Size = size;
            k.NumberRight = MeasureTaskText(painter_, QStringLiteral("20."), size);
            k.GivenLeft = k.NumberRight + 8;
            k.EqualsLeft = k.GivenLeft + given + 8;
            k.AnswerLeft = k.EqualsLeft + MeasureTaskText(painter_, QStringLiteral("="), size) + 8;
            const int needed = k.AnswerLeft + rest;
            k.Count = needed <= (width_ - 24) / 2 ? 2 : 1;
            k.Width = k.Count == 2 ? (width_ + 24) / 2 : width_;
            if (needed <= width_) break;
        }
        return k;
    }

    static QString Answer(const WorksheetTask& task) {
        return task.ToUnit.empty() ? ToQString(task.Answer)
                                   : ToQString(task.Answer + " " + task.ToUnit);
    }

    static int KeyBlockHeight(const Worksheet& sheet, const KeyColumns& k) {
        const int rows = (static_cast<int>(sheet.Tasks.size()) + k.Count - 1) / k.Count;
        return 26 + rows * kKeyRow + 16;
    }

    int KeyBlock(const Worksheet& sheet, const KeyColumns& k, int y) {
        Text(0, y + 16, SheetLabel(sheet), PageFont(12, true), kInk);
        y += 26;
        const int count = static_cast<int>(sheet.Tasks.size());
        for (int i = 0; i < count; ++i) {
            const WorksheetTask& task = sheet.Tasks[static_cast<std::size_t>(i)];
            const int x = (i % k.Count) * k.Width;
            const int top = y + (i / k.Count) * kKeyRow;
            const QString number = QString::number(i + 1) + QLatin1Char('.');
            DrawTaskText(painter_, x + k.NumberRight - MeasureTaskText(painter_, number, k.Size),
                         top, kGrey, number, k.Size);
            DrawTaskText(painter_, x + k.GivenLeft, top, kGrey, ToQString(task.Given), k.Size);
            DrawTaskText(painter_, x + k.EqualsLeft, top, kGrey, QStringLiteral("="), k.Size);
            DrawTaskText(painter_, x + k.AnswerLeft, top, kInk, Answer(task), k.Size);
        }
        const int rows = (count + k.Count - 1) / k.Count;
        return y + rows * kKeyRow + 16;
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const WorksheetRequest& request_;
    double scale_ = 1.0;
    int width_ = 0;
    int height_ = 0;
    int count_ = 0;
};

} // namespace

void SetUpPages(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

int PaintWorksheets(QPainter& painter, QPagedPaintDevice& device, const WorksheetRequest& request,
                    const std::vector<Worksheet>& sheets) {
    Pages pages(painter, device, request);
    for (const Worksheet& sheet : sheets)
        pages.Sheet(sheet);
    if (request.Key && !sheets.empty()) pages.Key(sheets);
    return pages.Count();
}

bool WritePdf(QIODevice& out, const WorksheetRequest& request, const std::vector<Worksheet>& sheets,
              QString& error) {
    QPdfWriter writer(&out);
    SetUpPages(writer);
    writer.setCreator(QStringLiteral("Quarvel Arbeitsblätter"));
    writer.setTitle(request.Title.empty() ? Subtitle(request) : ToQString(request.Title));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = QStringLiteral("das PDF lässt sich nicht anlegen");
        return false;
    }
    PaintWorksheets(painter, writer, request, sheets);
    if (!painter.end()) {
        error = QStringLiteral("das PDF lässt sich nicht fertig schreiben");
        return false;
    }
    return true;
}

bool WritePdfFile(const QString& path, const WorksheetRequest& request,
                  const std::vector<Worksheet>& sheets, QString& error) {
    if (const std::optional<std::string> reason =
            UnwritableReason(QFile::encodeName(path).toStdString())) {
        error = QString::fromStdString(*reason);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = WriteFailureReason(file.error(), file.errorString());
        return false;
    }
    if (!WritePdf(file, request, sheets, error)) return false; // QSaveFile drops the temporary file
    if (!file.commit()) {
        error = WriteFailureReason(file.error(), file.errorString());
        return false;
    }
    return true;
}

QString WriteFailureReason(QFileDevice::FileError error, const QString& systemText) {
    // Qt words a system error as the system does (strerror).
    for (const int code : {ENOSPC, EDQUOT, EACCES, EPERM, EROFS, ENOENT, ENOTDIR, EISDIR,
                           ENAMETOOLONG, ELOOP, EMFILE, ENFILE, EFBIG, EBUSY, ETXTBSY, EIO}) {
        if (systemText.contains(QString::fromLocal8Bit(std::strerror(code)), Qt::CaseInsensitive))
            return QString::fromStdString(ReasonOfError(code));
    }
    switch (error) {
    case QFileDevice::ResourceError:
        return QString::fromStdString(ReasonOfError(ENOSPC));
    case QFileDevice::PermissionsError:
        return QString::fromStdString(ReasonOfError(EACCES));
    case QFileDevice::OpenError:
        return QStringLiteral("die Datei lässt sich nicht anlegen");
    case QFileDevice::RenameError:
        return QStringLiteral("die fertige Datei lässt sich nicht an ihren Platz bringen");
    default:
        return QStringLiteral("die Datei lässt sich nicht schreiben");
    }
}

} // namespace quarvel
