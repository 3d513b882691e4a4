// quarvel-arbeitsblatt end to end: the PDF read back with pdftotext and pdffonts,
// unwritable paths, the window, the window icon and Qt's texts in German.
#include "../WidgetLookup.h"
#include "arbeitsblatt/ArbeitsblattWindow.h"
#include "arbeitsblatt/Run.h"
#include "arbeitsblatt/SheetPainter.h"
#include "core/AnswerText.h"
#include "decadic/DekAnswer.h"
#include "windows/MessageBox.h"
#include "windows/Translations.h"
#include "worksheet/TrainingNames.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sstream>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace quarvel;

namespace {

struct Outcome {
    int Status = 0;
    QString Out, Err;
};

Outcome RunArgs(const QStringList& arguments) {
    std::vector<std::string> owned;
    for (const QString& a : arguments)
        owned.push_back(a.toStdString());
    std::ostringstream out, err;
    const int status =
        RunCommandLine(std::vector<std::string_view>(owned.begin(), owned.end()), out, err);
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

QString Tool(const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Without blanks and markup; without `raised` also without raised or lowered characters.
QString Squeezed(QString text, bool raised) {
    if (!raised) text.remove(QRegularExpression(QStringLiteral("[\\^!].")));
    text.remove(QRegularExpression(QStringLiteral("[\\s^!#]")));
    return text;
}

// Each text must follow the one before it in `haystack`.
void ExpectInOrder(const QString& haystack, const QStringList& texts, bool raised) {
    qsizetype at = 0;
    for (const QString& text : texts) {
        const QString wanted = Squeezed(text, raised);
        const qsizetype found = haystack.indexOf(wanted, at);
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing in order: ") + text));
        at = found + wanted.size();
    }
}

} // namespace

class ArbeitsblattTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void pdfHoldsTasksAndKeyInOrder_data() {
        QTest::addColumn<QStringList>("row"); // training, level, series
        for (const char* row : {"laenge 3 1234", "masse 6 7", "kubik 5 99", "alle 4 2024",
                                "dek-num 5 5", "dez-dez 5 31"})
            QTest::newRow(row) << QString(row).split(' ');
    }

    void pdfHoldsTasksAndKeyInOrder() {
        QFETCH(QStringList, row);
        const QString &training = row[0], &seed = row[2];
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
        const QStringList common = {"--training", training, "--level", row[1],    "--sheets",
                                    "2",          "--seed", seed,      "--title", "Probe 7b"};
        const Outcome json = RunArgs(common + QStringList{"--json"});
        const Outcome made = RunArgs(common + QStringList{"--key", "-o", pdf});
        QCOMPARE(std::pair(json.Status, made.Status), std::pair(0, 0));
        QVERIFY2(made.Out.contains(seed + "-1 bis " + seed + "-2"), qPrintable(made.Out));

        // A task reads "7. 4000 mm =", its answer line, "dm"; its key "7. 4000 mm = 40 dm".
        QStringList tasks, key;
        const bool decadic = training.startsWith("de");
        const bool units = !decadic || training.endsWith("dek") || training.endsWith("dez");
        for (const QString& line : json.Out.split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject task = QJsonDocument::fromJson(line.toUtf8()).object();
            const std::string answer = task["AnswerText"].toString().toStdString();
            const QString shown = QString::fromStdString(decadic ? DekExpectedAnswer(answer)
                                                                 : TrimTrailingZeros(answer));
            const QString to = units ? task["ToUnit"].toString() : QString();
            const QString given = QString::number(task["Task"].toInt()) + "." +
                                  task["GivenText"].toString() +
                                  (units ? task["FromUnit"].toString() : QString()) + "=";
            tasks << given << to;
            key << given + shown + to;
        }
        QCOMPARE(key.size(), 40);

        // -layout sets a raised character on a line of its own, -raw keeps it in place.
        QVERIFY(Tool(PDFTOTEXT, {"-layout", pdf, "-"}).count('\f') >= 3); // two sheets, a key
        for (const bool raised : {false, true}) {
            const QString text =
                Squeezed(Tool(PDFTOTEXT, {raised ? "-raw" : "-layout", pdf, "-"}), raised);
            const qsizetype keyStart = text.indexOf(QStringLiteral("Lösungen"));
            QVERIFY(keyStart > 0);
            ExpectInOrder(text, {"Name:", "Klasse:", "Datum:", "Probe 7b", "Blatt" + seed + "-1"},
                          raised);
            ExpectInOrder(text.left(keyStart), tasks, raised);
            ExpectInOrder(text.mid(keyStart), key, raised);
        }

        // Every font is embedded: the "emb" column of pdffonts says yes.
        const QStringList fonts = Tool(PDFFONTS, {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QVERIFY2(font.contains(QRegularExpression("\\s+yes(\\s+\\S+){4}$")), qPrintable(font));
    }

    // Every training and level in one PDF, with the longest sheet number and
    // an 80-character title without a blank or with many: every word inside
    // the margins, the title whole on every page, a first page full before a
    // sheet's second begins.
    void everyWordStaysInsideTheMargins() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("alle.pdf"));
        const QString wide = QString(80, QLatin1Char('W'));
        const QString words = QStringLiteral("WWWWWWWWWWW ").repeated(7).left(80);
        QStringList titles; // per page
        {
            QPdfWriter writer(pdf);
            SetUpPages(writer);
            QPainter painter(&writer);
            for (const TrainingWord& word : TrainingWords()) {
                for (const LevelName& level : LevelsOf(word.Id)) {
                    const QString title = level.Level % 2 ? wide : words;
                    const WorksheetRequest request{word.Id, level.Level,         2,   20,
                                                   ~0ULL,   title.toStdString(), true};
                    if (!titles.isEmpty()) writer.newPage();
                    const int pages =
                        PaintWorksheets(painter, writer, request, MakeWorksheets(request));
                    titles << QStringList(pages, title);
                }
            }
        }
        const QString xhtml = Tool(PDFTOTEXT, {"-bbox", pdf, "-"});
        const QString number = QStringLiteral("=\"([\\d.]+)\"");
        const QRegularExpression pageTag("<page width" + number + " height" + number + ">");
        const QRegularExpression wordTag("<word xMin" + number + " yMin" + number + " xMax" +
                                         number + " yMax" + number + ">([^<]*)<");
        const QStringList pages = xhtml.split("</page>").mid(0, titles.size());
        QCOMPARE(pages.size(), titles.size());
        const double margin = 15 / 25.4 * 72; // 15 mm in points
        int continued = 0;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QByteArray where = "page " + QByteArray::number(p + 1) + ": ";
            const QRegularExpressionMatch size = pageTag.match(pages[p]);
            QVERIFY(size.hasMatch());
            const QRectF inside =
                QRectF(0, 0, size.captured(1).toDouble(), size.captured(2).toDouble())
                    .adjusted(margin, margin, -margin, -margin);
            qsizetype ws = 0;
            double lowest = 0, first = 0, second = 0;
            for (const QRegularExpressionMatch& w : wordTag.globalMatch(pages[p])) {
                const QRectF box(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                 QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
                QVERIFY2(inside.contains(box), where + w.captured(0).toUtf8());
                ws += w.captured(5).count(QLatin1Char('W'));
                lowest = std::max(lowest, box.bottom());
                if (w.captured(5) == "1.") first = box.top();
                if (w.captured(5) == "2.") second = box.top();
            }
            // A sheet goes on to a second page only once the first is full:
            // less than two rows' height stays empty below its last task.
            if (p + 1 < pages.size() && pages[p + 1].contains(">Seite<")) {
                ++continued;
                QVERIFY2(inside.bottom() - lowest < 2 * (second - first),
                         where + "ends at " + QByteArray::number(lowest));
            }
            // No task or caption holds a capital W: these are the title's.
            QVERIFY2(ws == 80 - titles[p].count(' '), where + QByteArray::number(ws) + " W");
        }
        QVERIFY(continued > 0);
    }

    // A pipe (or a link to one), a socket, a folder, a file or folder without write
    // rights and a missing folder stay as they are, and nothing is printed, not even
    // the asked JSON lines.
    void onlyRegularFilesAreWritten_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        for (const auto& [kind, message] : {std::pair{"pipe", "das ist eine Pipe, keine Datei"},
                                            {"socket", "das ist ein Socket, keine Datei"},
                                            {"folder", "das ist ein Ordner, keine Datei"},
                                            {"link", "das ist eine Pipe, keine Datei"},
                                            {"read-only", "keine Schreibrechte"},
                                            {"locked/blatt.pdf", "keine Schreibrechte im Ordner"},
                                            {"fehlt/blatt.pdf", "den Ordner gibt es nicht"}})
            QTest::newRow(kind) << QString(kind) << QString(message);
    }

    void onlyRegularFilesAreWritten() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        if (message.startsWith("keine Schreibrechte") && ::geteuid() == 0)
            QSKIP("root may write anywhere");
        QTemporaryDir dir;
        const QString target = dir.filePath(kind);
        // What must stay as it is: the target, or the folder it would go in.
        const QString kept = dir.filePath(kind.section('/', 0, 0));
        const QByteArray path = QFile::encodeName(kept);
        const int socketFd = kind == "socket" ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
        if (kind == "pipe" || kind == "link")
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        if (kind == "link") QVERIFY(QFile::link(dir.filePath("pipe"), target));
        if (socketFd >= 0) {
            sockaddr_un address{AF_UNIX, {}};
            QVERIFY(path.size() < qsizetype(sizeof(address.sun_path)));
            std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
            QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        }
        if (kind == "folder" || kind.startsWith("locked")) QVERIFY(QDir(dir.path()).mkdir(kept));
        if (kind.startsWith("locked"))
            QVERIFY(QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (kind == "read-only") {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("alt") == 3);
            file.close();
            QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
        }
        const auto state = [&] {
            struct stat s {};
            const auto all = QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System;
            return std::tuple(::lstat(path.constData(), &s), s.st_ino, s.st_mode, s.st_size,
                              QDir(dir.path()).entryList(all), QDir(kept).entryList(all));
        };
        const auto before = state();
        const Outcome outcome =
            RunArgs({"--training", "laenge", "--level", "2", "--json", "-o", target});
        QCOMPARE(std::pair(outcome.Status, outcome.Out), std::pair(kExitWrite, QString()));
        QVERIFY2(outcome.Err.contains(target + " lässt sich nicht schreiben: " + message),
                 qPrintable(outcome.Err));
        QVERIFY(state() == before);
        if (socketFd >= 0) ::close(socketFd);
    }

    void writeFailuresAreToldInGerman() {
        const QString full = QStringLiteral("kein Platz mehr auf dem Datenträger");
        const QString rights = QStringLiteral("keine Schreibrechte");
        const std::tuple<QFileDevice::FileError, int, QString> rows[] = {
            {QFileDevice::WriteError, ENOSPC, full},
            {QFileDevice::WriteError, EDQUOT, full},
            {QFileDevice::OpenError, EROFS, QStringLiteral("der Datenträger ist schreibgeschützt")},
            {QFileDevice::ResourceError, 0, full},
            {QFileDevice::OpenError, EACCES, rights},
            {QFileDevice::PermissionsError, 0, rights},
            {QFileDevice::OpenError, ENOENT, QStringLiteral("den Ordner gibt es nicht")}};
        for (const auto& [error, number, reason] : rows)
            QCOMPARE(WriteFailureReason(
                         error, number ? QString::fromLocal8Bit(std::strerror(number)) : QString()),
                     reason);
    }

    // The window, its preview, file and print dialogs and any other window lie,
    // frame and all, inside the free area of the screen the window is given.
    void everyWindowFitsTheScreen_data() {
        QTest::addColumn<QRect>("available"); // the screen reaches its bottom right corner
        QTest::newRow("800x600") << QRect(0, 0, 800, 600);
        QTest::newRow("1280x720") << QRect(0, 0, 1280, 720);
        QTest::newRow("1366x768, panel") << QRect(0, 48, 1366, 720);
    }

    void everyWindowFitsTheScreen() {
        QFETCH(QRect, available);
        const QSize screen(available.right() + 1, available.bottom() + 1);
        ArbeitsblattWindow window(nullptr, [=] { return ScreenArea(screen, available); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(available.contains(OuterGeometry(&window)));
        const auto outerWhileUp = [&](const std::function<void()>& open) {
            QRect outer;
            test::WhenModal(&window, [&](QWidget* dialog) {
                outer = OuterGeometry(dialog);
                dialog->close();
            });
            open();
            return outer;
        };
        // A page is best read as tall as the screen allows.
        const QRect preview = outerWhileUp([&] { window.Preview(); });
        QCOMPARE(preview.height(), available.height());
        for (const QRect& outer : {preview, outerWhileUp([&] { QVERIFY(!window.SaveAsPdf()); }),
                                   outerWhileUp([&] { window.Print(); })})
            QVERIFY(!outer.isEmpty() && available.contains(outer));

        QDialog other(&window);
        other.resize(2000, 1500);
        other.show();
        QVERIFY(available.contains(OuterGeometry(&other)));
        other.resize(other.width(), 2000);
        QVERIFY(available.contains(OuterGeometry(&other)));
    }

    void windowSavesTheChosenTrainingAsPdf() {
        QTemporaryDir dir;
        ArbeitsblattWindow window;
        QString suggested;
        window.SetSavePathAsker([&](QWidget*, const QString& s) {
            suggested = s;
            return dir.filePath(QStringLiteral("klasse-4b"));
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* tree = test::Child<QTreeWidget>(&window, QStringLiteral("trvTraining"));
        const auto hits =
            tree->findItems(QStringLiteral("Fläche"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits[0]->parent()->text(0), QStringLiteral("Maßeinheiten"));
        tree->setCurrentItem(hits[0]);
        auto* level = test::Child<QComboBox>(&window, QStringLiteral("cmbLevel"));
        QCOMPARE(level->count(), 5);
        level->setCurrentIndex(level->findText(QStringLiteral("Könner")));
        // The title takes the 80 characters a sheet's head has room for, no more.
        auto* title = test::Child<QLineEdit>(&window, QStringLiteral("edtTitle"));
        QTest::keyClicks(title, QString(90, QLatin1Char('x')));
        const std::optional<WorksheetRequest> request = window.Request();
        QVERIFY(request);
        QCOMPARE(request->Title, std::string(80, 'x'));
        title->clear();
        const QString seed = QString::number(request->Seed);

        QTest::mouseClick(test::Child<QPushButton>(&window, QStringLiteral("btnPdf")),
                          Qt::LeftButton);
        QVERIFY(suggested.endsWith("Arbeitsblatt-flaeche-4-" + seed + ".pdf"));
        const QString text = Tool(PDFTOTEXT, {"-layout", dir.filePath("klasse-4b.pdf"), "-"});
        QVERIFY2(text.contains(QStringLiteral("Maßeinheiten · Fläche · Könner")) &&
                     text.contains("Blatt " + seed + "-1") &&
                     text.contains(QStringLiteral("Lösungen")),
                 qPrintable(text));

        // A failure is told in a message box, and nothing is left behind.
        QString told;
        const InformationHandler previous =
            SetInformationHandler([&](QWidget*, const QString& t) { told = t; });
        window.SetSavePathAsker(
            [&](QWidget*, const QString&) { return dir.filePath("fehlt/x.pdf"); });
        QVERIFY(!window.SaveAsPdf());
        SetInformationHandler(previous);
        QVERIFY2(told.contains(QStringLiteral("konnte nicht geschrieben werden")) &&
                     told.contains(QStringLiteral("den Ordner gibt es nicht")),
                 qPrintable(told));
        QVERIFY(!QDir(dir.filePath("fehlt")).exists());
    }

    // Both programs take their window icon from the embedded resource: a rounded
    // tile with clear corners, so it sits on any panel colour, and a solid blue middle.
    void embeddedIconIsTheRenderedTile() {
        const QIcon icon(QStringLiteral(":/icons/quarvel-64.png"));
        const QImage image = icon.pixmap(QSize(64, 64)).toImage();
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(std::tuple(qAlpha(image.pixel(0, 0)), qAlpha(image.pixel(63, 63)),
                            qAlpha(image.pixel(32, 32))),
                 std::tuple(0, 0, 255));
        QVERIFY(image.pixelColor(32, 5).blue() > image.pixelColor(32, 5).red());
    }

    // Qt's own texts (a text field's context menu, a message box's buttons, the file
    // dialog) read German in both programs, whatever the desktop's language.
    void qtsOwnTextsAreGerman() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(InstallGermanTranslations(*qApp));
        QLineEdit field(QStringLiteral("12,5"));
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList items;
        for (const QAction* a : menu->actions())
            items << a->text().remove(u'&').section(u'\t', 0, 0);
        for (const char* text : {"Rückgängig", "Alles auswählen", "Einfügen"})
            QVERIFY2(items.contains(QString::fromUtf8(text)), qPrintable(items.join(u'|')));

        QMessageBox box(QMessageBox::Question, QStringLiteral("Quarvel"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QFileDialog dialog(nullptr);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const auto* fileButtons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(fileButtons != nullptr);
        QStringList buttons;
        for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            buttons << box.button(button)->text().remove(u'&');
        for (const auto button : {QDialogButtonBox::Save, QDialogButtonBox::Cancel})
            buttons << fileButtons->button(button)->text().remove(u'&');
        QCOMPARE(buttons, (QStringList{"Ja", "Nein", "Abbrechen", "Speichern", "Abbrechen"}));
    }
};

QTEST_MAIN(ArbeitsblattTest)
#include "ArbeitsblattTest.moc"
