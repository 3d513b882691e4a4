#include "windows/InformationU.h"

#include "windows/Pictures.h"

#include "reference/InfoPages.h"
#include "windows/Accessible.h"
#include "windows/FontU.h"
#include "windows/StartU.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace quarvel {

TfrmInformation::TfrmInformation(Windows& windows, QWidget* parent)
    : QuarvelDialog(windows, parent, QStringLiteral("Informationen"), InfoClientWidth,
                    InfoClientHeight) {
    setObjectName(QStringLiteral("TfrmInformation"));
    BuildMenu();

    QPalette palette = Client()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    Client()->setPalette(palette);
    Client()->setAutoFillBackground(true);
    Client()->installEventFilter(this);
    pane_ = new ReadingPane(Client());

    for (const InfoPicture& p : InfoPictures()) {
        auto* label = new QLabel(Client());
        label->setObjectName(QStringLiteral("img%1").arg(p.Number));
        label->setAccessibleName(ToQString(p.Subject));
        Scale().Place(label, QRect(p.Left, p.Top, p.Width, p.Height));
        label->hide();
        pictures_.at(static_cast<std::size_t>(p.Number - 1)) = label;
    }
}

void TfrmInformation::BuildMenu() {
    QMenuBar* bar = MenuBar();
    auto addItem = [this](auto* parent, const char* name, const QString& caption, int page) {
        QAction* action = parent->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (page == 0) {
            connect(action, &QAction::triggered, this, &QDialog::accept);
        } else {
            connect(action, &QAction::triggered, this, [this, page] { ShowPage(page); });
        }
    };
    auto addMenu = [bar](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    addItem(bar, "menSchliessen", QStringLiteral("Schließen"), 0);
    QMenu* history = addMenu("menGeschichte", QStringLiteral("Geschichte"));
    addItem(history, "menLaengeG", QStringLiteral("Längen"), 1);
    addItem(history, "menMasseG", QStringLiteral("Massen"), 2);
    QMenu* instruments = addMenu("menMessgeraete", QStringLiteral("Messgeräte"));
    addItem(instruments, "menLaengeM", QStringLiteral("Längen"), 3);
    addItem(instruments, "menMasseM", QStringLiteral("Massen"), 4);
    addItem(bar, "menEinheiten", QStringLiteral("Andere Einheiten"), 5);
}

QLabel* TfrmInformation::Picture(int number) const {
    if (number < 1 || number > static_cast<int>(pictures_.size())) return nullptr;
    return pictures_.at(static_cast<std::size_t>(number - 1));
}

void TfrmInformation::FormActivate() {
    FitToScreen(windows_.Start);
    ShowPage(1);
}

// Title and pictures change with the page; the lines follow on the repaint.
void TfrmInformation::ShowPage(int page) {
    page_ = page;
    const InfoPage* content = InfoPageFor(page);
    if (content == nullptr) return;
    SetTitle(this, QString::fromStdString(content->Title));
    // The painted page as text a screen reader moves through line by line.
    QStringList lines;
    QList<QPoint> origins;
    for (const SpokenLine& line : SpokenPage(*content)) {
        lines << QString::fromStdString(line.Text);
        origins << QPoint(line.X, line.Y);
    }
    const QFont font = TaskFont(InfoTextSize);
    pane_->SetPage(windowTitle(), lines, origins, font);
    for (const InfoPicture& p : InfoPictures()) {
        if (p.Page != page) Picture(p.Number)->hide();
    }
    for (const InfoPicture& p : InfoPictures()) {
        if (p.Page != page) continue;
        QLabel* label = Picture(p.Number);
        // Decoded when its page is first shown, not at program start.
        if (label->pixmap().isNull()) {
            const QString name = QStringLiteral("img%1").arg(p.Number);
            Scale().SetPicture(label, [name](qreal scale, qreal ratio) {
                return LoadPicture(name, scale, ratio);
            });
        }
        label->show();
    }
    Client()->update();
}

bool TfrmInformation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client() && event->type() == QEvent::Paint) FormPaint();
    return QuarvelDialog::eventFilter(watched, event);
}

void TfrmInformation::FormPaint() {
    const InfoPage* content = InfoPageFor(page_);
    if (content == nullptr) return;
    QPainter canvas(Client());
    Scale().Transform(canvas);
    // The page is white like its background; transparent text keeps a raised
    // digit's box from clipping the line above.
    canvas.setBackgroundMode(Qt::TransparentMode);
    for (const InfoLine& line : content->Lines) {
        DrawInfoText(canvas, line.X, line.Y, ToColor(line.Normal), ToColor(line.Highlight),
                     InfoTextSize, QString::fromStdString(line.Text), true);
    }
}

} // namespace quarvel
