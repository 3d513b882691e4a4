#include "windows/StartU.h"

#include "windows/Accessible.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/ExerciseWindow.h"
#include "windows/FontU.h"
#include "windows/InformationU.h"
#include "windows/KombinationenU.h"
#include "windows/MaxanzahlU.h"
#include "windows/Pictures.h"
#include "windows/UebungscodeU.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QShowEvent>
#include <QThread>
#include <QTimer>

namespace quarvel {

namespace {

constexpr int kClientWidth = 1016;
constexpr int kClientHeight = 722;

// The painted background: a blue gradient of 7-px lines every 5 px, darkest at
// the top, overlaid with thin black lines every 7 px.
class StartBackground : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const WindowScale* scale = WindowScale::Of(this);
        scale->Transform(p);
        const int w = scale->ClientSize().width();
        const int h = scale->ClientSize().height();
        for (int k = 0, y = 0; k == 0 || y < h; ++k, y = 5 * k) {
            p.setPen(QPen(QColor(0, 0, (60 + k) % 256), 7, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(0, y, w, y);
        }
        p.setPen(QPen(Qt::black, 1));
        for (int y = 0; y < h; y += 7)
            p.drawLine(0, y, w, y);
    }
};

QLabel* HeadingLabel(WindowScale& scale, QWidget* parent, const char* name, const QString& text,
                     int pixelHeight, int top, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    scale.SetFont(label, BoldArial(pixelHeight));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    SetTextColour(label, Qt::white);
    label->setAttribute(Qt::WA_TranslucentBackground);
    scale.Place(label, QRect(0, top, kClientWidth, height));
    return label;
}

} // namespace

TfrmStart::TfrmStart(Windows& windows, ScreenQuery screen)
    : windows_(windows), screen_(std::move(screen)) {
    setObjectName(QStringLiteral("TfrmStart"));
    setWindowTitle(QStringLiteral("Quarvel"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    if (!screen_) screen_ = PrimaryScreenArea;

    auto* client = new StartBackground(this);
    setCentralWidget(client);
    // The window takes the size of its menu bar and client, at every scale.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    scale_ = new WindowScale(this, client);
    scale_->SetClientSize({kClientWidth, kClientHeight});
    WindowScale& scale = *scale_;

    HeadingLabel(scale, client, "lblText1", QStringLiteral("Umwandeln von Einheiten"), 35, 16, 45);
    HeadingLabel(scale, client, "lblText2", QStringLiteral("Quarvel"), 27, 69, 33);
    constexpr int bottomLine = 22;
    HeadingLabel(scale, client, "lblBottom",
                 QStringLiteral("Längen · Massen · Flächen · Volumen · Dekadisches Zahlensystem"),
                 16, kClientHeight - bottomLine, bottomLine);
    HeadingLabel(scale, client, "lblVersion", QStringLiteral("Version 2.3"), 16,
                 kClientHeight - bottomLine - 22, 22);

    imgBild_ = new QLabel(client);
    imgBild_->setObjectName(QStringLiteral("imgBild"));
    scale.Place(imgBild_, QRect(208, 144, 603, 457));
    imgBild_->setAccessibleName(QStringLiteral("Bild: Messgeräte zum Umwandeln von Einheiten"));

    menuBar()->setNativeMenuBar(false);
    BuildMenu(menuBar(), StartMenu());
    // After the program's own items: an exercise the teacher gave as a code.
    auto* code = new QAction(QStringLiteral("Übungscode…"), menuBar());
    code->setObjectName(QStringLiteral("menUebungscode"));
    connect(code, &QAction::triggered, this, [this] { AskExerciseCode(); });
    menuBar()->addAction(code);
}

void TfrmStart::BuildMenu(QWidget* parent, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        QAction* action = nullptr;
        if (!entry.Children.empty()) {
            auto* menu = new QMenu(ToQString(entry.Caption), parent);
            menu->setObjectName(ToQString(entry.Name));
            action = menu->menuAction();
            connect(menu, &QMenu::aboutToShow, this,
                    [this, &entry] { ApplyUnfold(selection_, entry); });
            BuildMenu(menu, entry.Children);
        } else if (entry.Action == MenuAction::ToggleTime) {
            auto* toggle =
                new SwitchAction(ToQString(entry.Caption), QStringLiteral("Zeitanzeige"), parent);
            toggle->SetOn(selection_.TimeDisplay);
            action = toggle;
            connect(action, &QAction::triggered, this,
                    [this, &entry, action] { Trigger(entry, action); });
        } else {
            action = new QAction(ToQString(entry.Caption), parent);
            connect(action, &QAction::triggered, this,
                    [this, &entry, action] { Trigger(entry, action); });
        }
        action->setObjectName(ToQString(entry.Name));
        if (auto* bar = qobject_cast<QMenuBar*>(parent)) bar->addAction(action);
        if (auto* menu = qobject_cast<QMenu*>(parent)) menu->addAction(action);
    }
}

QAction* TfrmStart::MenuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

QMenu* TfrmStart::Submenu(const QString& name) const {
    return findChild<QMenu*>(name);
}

void TfrmStart::Trigger(const MenuEntry& entry, QAction* action) {
    switch (entry.Action) {
    case MenuAction::ChooseLevel:
        ApplyLevel(selection_, entry);
        OpenWindow(entry.Target);
        break;
    case MenuAction::Information:
        OpenWindow(TargetWindow::Information);
        break;
    case MenuAction::PassCount:
        if (windows_.Maxanzahl != nullptr && windows_.Maxanzahl->exec() == QDialog::Accepted)
            selection_.MaxPasses = windows_.Maxanzahl->Passes();
        break;
    case MenuAction::ToggleTime:
        action->setText(ToQString(ToggleTimeDisplay(selection_)));
        static_cast<SwitchAction*>(action)->SetOn(selection_.TimeDisplay);
        break;
    case MenuAction::Quit:
        close();
        break;
    case MenuAction::Submenu:
    case MenuAction::SetArea:
    case MenuAction::SetKombi:
        break;
    }
}

QDialog* TfrmStart::Target(TargetWindow target) const {
    switch (target) {
    case TargetWindow::DekEinheiten:
        return windows_.DekEinheiten;
    case TargetWindow::Einheiten:
        return windows_.Einheiten;
    case TargetWindow::Kombinationen:
        return windows_.Kombinationen;
    case TargetWindow::Information:
        return windows_.Information;
    case TargetWindow::None:
        break;
    }
    return nullptr;
}

void TfrmStart::OpenWindow(TargetWindow target) {
    ShowModal(Target(target), std::nullopt);
}

void TfrmStart::OpenExercise(const Exercise& exercise) {
    switch (InfoOf(exercise.Id).Group) {
    case LevelGroup::Decadic:
        ShowModal(Target(TargetWindow::DekEinheiten), exercise);
        break;
    case LevelGroup::Measure:
        ShowModal(Target(TargetWindow::Einheiten), exercise);
        break;
    case LevelGroup::Combination:
        ShowModal(Target(TargetWindow::Kombinationen), exercise);
        break;
    }
}

void TfrmStart::AskExerciseCode(const QString& code) {
    if (codeDialog_ == nullptr) codeDialog_ = new TfrmUebungscode(windows_, this);
    codeDialog_->SetCode(code);
    if (codeDialog_->exec() == QDialog::Accepted && codeDialog_->Chosen())
        OpenExercise(*codeDialog_->Chosen());
}

void TfrmStart::StartWithCode(const QString& code) {
    const CodeReading<Exercise> reading = ReadExerciseCode(code.toStdString());
    if (reading) {
        OpenExercise(*reading.Value);
    } else {
        AskExerciseCode(code);
    }
}

void TfrmStart::ShowModal(QDialog* window, const std::optional<Exercise>& exercise) {
    if (window == nullptr) return;
    auto* drill = qobject_cast<ExerciseWindow*>(window);
    if (drill != nullptr) {
        if (exercise) {
            drill->Begin(selection_, *exercise);
        } else {
            drill->Begin(selection_);
        }
    }
    hide();
    window->exec();
    // A drill window leaves its group without a level, however it was closed.
    if (drill != nullptr) ResetGroupLevels(selection_, drill->Group());
    show();
    raise();
    activateWindow();
}

void TfrmStart::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    // However the start window is closed ("Beenden", the close box, Alt+F4),
    // the program ends, at once. Qt's own quit on the last closed window is
    // only posted, and any window shown before it arrives cancels it: a menu
    // that keys typed ahead open on the closed window would leave the program
    // running with no window at all once that menu closes. (No event loop
    // runs in a test that drives the windows without one: nothing to end.)
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void TfrmStart::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activated_ || event->spontaneous()) return;
    activated_ = true;
    // The picture is decoded right after the window is up, so the window
    // appears without waiting for the JPEG decoder.
    QTimer::singleShot(0, this, [this] {
        scale_->SetPicture(imgBild_, [](qreal scale, qreal ratio) {
            return LoadPicture(QStringLiteral("start"), scale, ratio);
        });
    });
    const ScreenArea screen = screen_();
    fullScreen_ = ApplyStartupDefaults(selection_, screen.Size.width(), screen.Size.height());
    if (fullScreen_) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        scale_->Fit(screen, kMostEighths, nullptr);
    }
}

} // namespace quarvel
