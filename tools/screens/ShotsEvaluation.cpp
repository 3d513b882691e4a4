#include "Shots.h"

#include "drill/ExerciseCode.h"
#include "windows/AuswertungU.h"
#include "windows/Faces.h"

#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace quarvel::screens {

namespace {

// The dialog at the end of its animation for one drill's score, and a coded
// drill's result code.
void Evaluate(Shots& shots, float points, int tries, const QString& name,
              const QString& resultCode = QString()) {
    TfrmAuswertung* dialog = shots.Wins.Auswertung;
    ScoreState score;
    score.TotalPoints = points;
    score.TotalTries = tries;
    dialog->SetScore(score, resultCode);
    dialog->SetStepInterval(0);
    QEventLoop loop;
    const QMetaObject::Connection done =
        QObject::connect(dialog, &TfrmAuswertung::AnimationFinished, &loop, &QEventLoop::quit);
    dialog->show();
    if (dialog->Animating()) loop.exec();
    QObject::disconnect(done);
    shots.Save(dialog, name);
    dialog->btnSchliessen()->click();
}

// The four faces and the two marks side by side, in a row at 1x and a row at
// 2x, each drawn at its own device pixels over the exercise window's colour.
void SaveFaces(const Shots& shots) {
    constexpr int kGap = 12;
    std::vector<std::vector<QPixmap>> rows;
    for (const qreal ratio : {1.0, 2.0}) {
        rows.push_back(
            {FacePixmap(FaceKind::Neutral, 1.0, ratio), FacePixmap(FaceKind::Happy, 1.0, ratio),
             FacePixmap(FaceKind::Frowning, 1.0, ratio), FacePixmap(FaceKind::Sad, 1.0, ratio),
             MarkPixmap(MarkKind::Cross, 1.0, ratio), MarkPixmap(MarkKind::Tick, 1.0, ratio)});
    }
    int width = 0;
    int height = kGap;
    for (const auto& row : rows) {
        int rowWidth = kGap;
        int rowHeight = 0;
        for (const QPixmap& pixmap : row) {
            rowWidth += pixmap.width() + kGap;
            rowHeight = std::max(rowHeight, pixmap.height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + kGap;
    }
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(QColor(255, 255, 200));
    QPainter painter(&sheet);
    int y = kGap;
    for (const auto& row : rows) {
        int x = kGap;
        int rowHeight = 0;
        for (const QPixmap& pixmap : row) {
            painter.drawPixmap(QRect(QPoint(x, y), pixmap.size()), pixmap);
            x += pixmap.width() + kGap;
            rowHeight = std::max(rowHeight, pixmap.height());
        }
        y += rowHeight + kGap;
    }
    painter.end();
    const QString path = QDir(shots.Folder).filePath(QStringLiteral("faces.png"));
    if (!sheet.save(path)) std::fprintf(stderr, "screens: cannot write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

} // namespace

void ShotsEvaluation(Shots& shots) {
    Evaluate(shots, 15.0F, 15, QStringLiteral("auswertung-15of15"));
    Evaluate(shots, 0.0F, 30, QStringLiteral("auswertung-0of30"));
    Evaluate(shots, 12.5F, 17, QStringLiteral("auswertung-12.5of17"));
    Evaluate(shots, 6.5F, 20, QStringLiteral("auswertung-32.5pct"));
    const std::string code = ResultCode({{Training::Laenge, 3, 3, 1234}, 27, 17});
    Evaluate(shots, 13.5F, 17, QStringLiteral("auswertung-ergebniscode"),
             QString::fromStdString(code));
    SaveFaces(shots);
}

} // namespace quarvel::screens
