// The start window and the pass count dialog, driven as a pupil would. The
// menu's captions, the level windows' titles and the pass count's limits are
// compared with the tables in tests/tables.
#include "../TestData.h"
#include "../ui/Drive.h"
#include "drill/Training.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QTimer>

using namespace quarvel;
using quarvel::test::Named;
using quarvel::test::Program;

namespace {

const QString kField = QStringLiteral("Anzahl der Durchgänge");

// The pass count dialog over the start window, `text` in its focused field.
struct PassCountOpen : Program {
    TfrmMaxanzahl* dialog = windows.Maxanzahl;
    QLineEdit* field;

    explicit PassCountOpen(const QString& text) {
        field = Named<QLineEdit>(Open(dialog), kField);
        field->setText(text);
        field->setFocus();
    }
};

} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void firstShowingOnA1024By768Screen() {
        Program p(7, QSize(1024, 768));
        QVERIFY(p.start->windowState() & Qt::WindowMaximized);
        p.start->Submenu("menFlaeche")->aboutToShow();
        p.start->Submenu("menKombitraining4")->aboutToShow();
        QCOMPARE(p.start->Selection().AreaCode, 7);
        QCOMPARE(p.start->Selection().KombiCategory, 4);
        QAction* time = p.start->MenuItem("menZeitart");
        time->trigger();
        QVERIFY(p.start->Selection().TimeDisplay);
        QCOMPARE(time->text(), QStringLiteral("Aus"));
        // Rows on a multiple of 7 are black; the rest carry the blue of the last
        // 7-px line over them (line k at y = 5k covers y-3 .. y+3).
        const QImage image = p.start->centralWidget()->grab().toImage();
        for (int y : {0, 7, 714})
            QCOMPARE(image.pixelColor(3, y), QColor(Qt::black));
        for (int y : {2, 101, 716})
            QCOMPARE(image.pixelColor(3, y), QColor(0, 0, 60 + (y + 3) / 5));
    }

    // Only the pass count dialog opens over the start window; closing a drill
    // clears its level again.
    void itemOpensItsWindow() {
        Program p;
        QVERIFY(!(p.start->windowState() & Qt::WindowMaximized));
        for (const auto& [item, title] :
             {std::pair{"menMasse0", "Massenmaße: VOLKSSCHÜLER"}, {"menDurchgang", "Durchgänge"}}) {
            QString seen;
            bool startShown = false;
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                seen = modal->windowTitle();
                startShown = p.start->isVisible();
                modal->close();
            });
            p.start->MenuItem(item)->trigger();
            QCOMPARE(seen, QString(title));
            QCOMPARE(startShown, item == std::string_view("menDurchgang"));
            QVERIFY(p.start->isVisible());
            for (const auto group :
                 {LevelGroup::Measure, LevelGroup::Decadic, LevelGroup::Combination})
                QCOMPARE(DrillCaption(p.start->Selection(), group), std::string());
        }
    }

    // cases/app_pass_count_keys.csv: Enter presses only a focused button;
    // leaving the field for a button or with Tab checks it. The menu's drills
    // take the count given.
    void passCountKeysAndButtons() {
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/app_pass_count_keys.csv")) {
            PassCountOpen open(QString::fromStdString(row["typed"]));
            QWidget* widget = Named(open.dialog, QString::fromStdString(row["on"]));
            widget->setFocus(Qt::TabFocusReason);
            const QString key = QString::fromStdString(row["key"]);
            const auto keypad = key == "Enter" ? Qt::KeypadModifier : Qt::NoModifier;
            key == "click" ? QTest::mouseClick(widget, Qt::LeftButton)
                           : QTest::keyClick(widget, QKeySequence(key)[0].key(), keypad);
            const int passes = row.Int("passes");
            QVERIFY2(open.dialog->isVisible() == (passes == 0) &&
                         (open.dialog->result() == QDialog::Accepted ? open.dialog->Passes() : 4) ==
                             (passes == 0 ? 4 : passes) &&
                         open.field->text().toStdString() == row["field"] &&
                         open.messages.size() == (row["field"] != row["typed"]),
                     row.Where().c_str());
        }
        Program p;
        QTimer::singleShot(0, [&p] {
            Named<QLineEdit>(p.windows.Maxanzahl, kField)->setText(QStringLiteral("5"));
            Named<QPushButton>(p.windows.Maxanzahl, "OK")->click();
        });
        p.start->MenuItem("menDurchgang")->trigger();
        QCOMPARE(p.start->Selection().MaxPasses, 5);
    }

    // Only digits reach the field, however they come; it is judged only when
    // the focus moves on within the dialog, not when its context menu, another
    // window or the close box takes the focus.
    void passCountFieldTakesDigitsAndIsJudgedWithinTheDialog() {
        PassCountOpen open{QString()};
        QTest::keyClicks(open.field, QStringLiteral("a-+ ,.1x"));
        QInputMethodEvent composed; // an Arabic-Indic digit, then an ASCII one
        for (const char16_t* text : {u"\u0663", u"1"}) {
            composed.setCommitString(QString::fromUtf16(text));
            QApplication::sendEvent(open.field, &composed);
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("-7"));
        // Ctrl+V as the keyboard sends it, with its control character.
        QTest::sendKeyEvent(QTest::Click, open.field, Qt::Key_V, QString(QChar(0x16)),
                            Qt::ControlModifier);
        QWidget* popup = nullptr;
        QTimer::singleShot(0, [&] {
            popup = QApplication::activePopupWidget();
            if (popup != nullptr) popup->close();
        });
        // Through the window, which turns the press into a context menu event.
        const QPoint inField = open.field->mapTo(open.dialog, open.field->rect().center());
        QTest::mouseClick(open.dialog->windowHandle(), Qt::RightButton, {}, inField);
        QVERIFY(qobject_cast<QMenu*>(popup) != nullptr);
        QApplication::setActiveWindow(open.start.get());
        open.dialog->close();
        QCOMPARE(open.field->text(), QStringLiteral("11"));
        QVERIFY(open.messages.isEmpty());
    }
};

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
