#include "arbeitsblatt/ArbeitsblattWindow.h"

#include "arbeitsblatt/SheetPainter.h"
#include "windows/Accessible.h"
#include "windows/FontU.h"
#include "windows/MessageBox.h"
#include "worksheet/SheetRandom.h"
#include "worksheet/TrainingNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quarvel {
namespace {

constexpr int kTrainingRole = Qt::UserRole;
const QString kFolderKey = QStringLiteral("pdfFolder");

QSettings Settings() {
    return QSettings(QStringLiteral("Quarvel"), QStringLiteral("Arbeitsblätter"));
}

QString AskWithDialog(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Als PDF speichern"), suggested,
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
}

// The groups of the start menu as a tree, each training a leaf under the
// captions that lead to it there.
void BuildTree(QTreeWidget& tree) {
    for (const TrainingWord& word : TrainingWords()) {
        QTreeWidgetItem* parent = nullptr;
        const std::vector<std::string_view> path = MenuPath(word.Id);
        for (std::size_t i = 0; i < path.size(); ++i) {
            const QString caption = ToQString(path[i]);
            QTreeWidgetItem* found = nullptr;
            const int count = parent ? parent->childCount() : tree.topLevelItemCount();
            for (int c = 0; c < count && found == nullptr; ++c) {
                QTreeWidgetItem* item = parent ? parent->child(c) : tree.topLevelItem(c);
                if (item->text(0) == caption) found = item;
            }
            if (found == nullptr) {
                found = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
                found->setText(0, caption);
                if (i + 1 < path.size()) found->setFlags(Qt::ItemIsEnabled);
            }
            parent = found;
        }
        parent->setData(0, kTrainingRole, static_cast<int>(word.Id));
    }
    tree.expandAll();
}

} // namespace

ArbeitsblattWindow::ArbeitsblattWindow(QWidget* parent, ScreenQuery screen)
    : QWidget(parent), screen_(screen ? std::move(screen) : ScreenQuery(PrimaryScreenArea)),
      askSavePath_(AskWithDialog) {
    setWindowTitle(QStringLiteral("Quarvel Arbeitsblätter"));
    setObjectName(QStringLiteral("frmArbeitsblatt"));

    trvTraining_ = new QTreeWidget;
    trvTraining_->setObjectName(QStringLiteral("trvTraining"));
    trvTraining_->setHeaderHidden(true);
    trvTraining_->setAccessibleName(QStringLiteral("Übung"));
    BuildTree(*trvTraining_);
    // It scrolls: on a small screen the codes below keep their room.
    trvTraining_->setMinimumSize(300, 240);

    cmbLevel_ = new QComboBox;
    cmbLevel_->setObjectName(QStringLiteral("cmbLevel"));
    spnSheets_ = new QSpinBox;
    spnSheets_->setObjectName(QStringLiteral("spnSheets"));
    spnSheets_->setRange(1, kMaxSheets);
    cmbTasks_ = new QComboBox;
    cmbTasks_->setObjectName(QStringLiteral("cmbTasks"));
    cmbTasks_->addItem(QStringLiteral("10"), 10);
    cmbTasks_->addItem(QStringLiteral("20"), 20);
    cmbTasks_->setCurrentIndex(1);
    edtTitle_ = new QLineEdit;
    edtTitle_->setObjectName(QStringLiteral("edtTitle"));
    edtTitle_->setPlaceholderText(QStringLiteral("Arbeitsblatt"));
    edtTitle_->setMaxLength(80);
    edtSeed_ = new QLineEdit;
    edtSeed_->setObjectName(QStringLiteral("edtSeed"));
    edtSeed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,18}")), edtSeed_));
    edtSeed_->setToolTip(QStringLiteral("Steht auf jedem Blatt (Blatt 1234-1, 1234-2, …). Dieselbe "
                                        "Nummer ergibt dieselben Blätter."));
    auto* btnNewSeed = new QPushButton(QStringLiteral("&Neue Nummer"));
    btnNewSeed->setObjectName(QStringLiteral("btnNewSeed"));
    chkKey_ = new QCheckBox(QStringLiteral("&Lösungen anhängen"));
    chkKey_->setObjectName(QStringLiteral("chkKey"));
    chkKey_->setChecked(true);

    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(edtSeed_, 1);
    seedRow->addWidget(btnNewSeed);
    auto* lblSeed = new QLabel(QStringLiteral("N&ummer:"));
    lblSeed->setBuddy(edtSeed_);
    // What the number becomes on the sheets, so it is clear what to keep.
    lblSheetIds_ = new QLabel;
    lblSheetIds_->setObjectName(QStringLiteral("lblSheetIds"));
    lblSheetIds_->setForegroundRole(QPalette::PlaceholderText);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Stufe:"), cmbLevel_);
    form->addRow(QStringLiteral("&Blätter:"), spnSheets_);
    form->addRow(QStringLiteral("&Aufgaben je Blatt:"), cmbTasks_);
    form->addRow(QStringLiteral("&Titel:"), edtTitle_);
    form->addRow(lblSeed, seedRow);
    form->addRow(QString(), lblSheetIds_);
    form->addRow(QString(), chkKey_);

    auto* grpTraining = new QGroupBox(QStringLiteral("Übung"));
    auto* trainingLayout = new QVBoxLayout(grpTraining);
    trainingLayout->addWidget(trvTraining_);
    auto* grpSheets = new QGroupBox(QStringLiteral("Blätter"));
    auto* sheetsLayout = new QVBoxLayout(grpSheets);
    sheetsLayout->addLayout(form);
    sheetsLayout->addStretch(1);

    btnPreview_ = new QPushButton(QStringLiteral("&Vorschau"));
    btnPreview_->setObjectName(QStringLiteral("btnVorschau"));
    btnPdf_ = new QPushButton(QStringLiteral("Als &PDF speichern…"));
    btnPdf_->setObjectName(QStringLiteral("btnPdf"));
    btnPrint_ = new QPushButton(QStringLiteral("&Drucken…"));
    btnPrint_->setObjectName(QStringLiteral("btnDrucken"));
    auto* btnClose = new QPushButton(QStringLiteral("Schl&ießen"));
    btnClose->setObjectName(QStringLiteral("btnSchliessen"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPreview_);
    buttons->addWidget(btnPdf_);
    buttons->addWidget(btnPrint_);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);

    // One exercise for the whole class: its code for the pupils, a code's
    // exercise on paper, and the check of what a pupil's drill gave.
    lblClassCode_ = new QLabel;
    lblClassCode_->setObjectName(QStringLiteral("lblClassCode"));
    lblClassCode_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    spnPasses_ = new QSpinBox;
    spnPasses_->setObjectName(QStringLiteral("spnPasses"));
    spnPasses_->setRange(3, 10);
    auto* lblPasses = new QLabel(QStringLiteral("Durch&gänge:"));
    lblPasses->setBuddy(spnPasses_);
    auto* btnNewCode = new QPushButton(QStringLiteral("Neuer C&ode"));
    btnNewCode->setObjectName(QStringLiteral("btnNewCode"));
    edtCode_ = new QLineEdit;
    edtCode_->setObjectName(QStringLiteral("edtCode"));
    edtCode_->setMaxLength(24);
    edtCode_->setToolTip(QStringLiteral("Leer: die Blätter wie oben eingestellt. Mit einem Code: "
                                        "die Aufgaben dieser Übung in der Reihenfolge der "
                                        "Durchgänge, mit Lösungen."));
    auto* lblCode = new QLabel(QStringLiteral("Übungs&code:"));
    lblCode->setBuddy(edtCode_);
    lblCodeState_ = new SpokenLabel(QAccessible::StatusBar, nullptr);
    lblCodeState_->setObjectName(QStringLiteral("lblCodeState"));
    lblCodeState_->setWordWrap(true);
    edtResult_ = new QLineEdit;
    edtResult_->setObjectName(QStringLiteral("edtResult"));
    edtResult_->setMaxLength(32);
    auto* lblResultCaption = new QLabel(QStringLiteral("E&rgebniscode prüfen:"));
    lblResultCaption->setBuddy(edtResult_);
    lblResult_ = new SpokenLabel(QAccessible::StatusBar, nullptr);
    lblResult_->setObjectName(QStringLiteral("lblResult"));
    lblResult_->setWordWrap(true);
    lblResult_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* classRow = new QHBoxLayout;
    classRow->addWidget(lblClassCode_, 1);
    classRow->addWidget(lblPasses);
    classRow->addWidget(spnPasses_);
    classRow->addWidget(btnNewCode);
    auto* codes = new QGridLayout;
    codes->addLayout(classRow, 0, 0, 1, 3);
    codes->addWidget(lblCode, 1, 0);
    codes->addWidget(edtCode_, 1, 1);
    codes->addWidget(lblCodeState_, 1, 2);
    codes->addWidget(lblResultCaption, 2, 0);
    codes->addWidget(edtResult_, 2, 1);
    codes->addWidget(lblResult_, 2, 2);
    codes->setColumnStretch(2, 1);
    edtCode_->setMinimumWidth(edtCode_->fontMetrics().horizontalAdvance(QStringLiteral("W")) * 19);
    auto* grpCodes = new QGroupBox(QStringLiteral("Übungscode"));
    grpCodes->setLayout(codes);

    auto* columns = new QHBoxLayout;
    columns->addWidget(grpTraining, 1);
    columns->addWidget(grpSheets, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(grpCodes);
    layout->addLayout(buttons);

    connect(trvTraining_, &QTreeWidget::currentItemChanged, this, [this] { FillLevels(); });
    connect(btnNewSeed, &QPushButton::clicked, this, [this] { NewSeed(); });
    connect(edtSeed_, &QLineEdit::textChanged, this, [this] { ShowSheetIds(); });
    connect(spnSheets_, &QSpinBox::valueChanged, this, [this] { ShowSheetIds(); });
    connect(btnPreview_, &QPushButton::clicked, this, [this] { Preview(); });
    connect(btnPdf_, &QPushButton::clicked, this, [this] { SaveAsPdf(); });
    connect(btnPrint_, &QPushButton::clicked, this, [this] { Print(); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmbLevel_, &QComboBox::currentIndexChanged, this, [this] { ShowClassCode(); });
    connect(spnPasses_, &QSpinBox::valueChanged, this, [this] { ShowClassCode(); });
    connect(btnNewCode, &QPushButton::clicked, this, [this] {
        codeSeed_ = FreshExerciseSeed();
        ShowClassCode();
    });
    connect(edtCode_, &QLineEdit::textChanged, this, [this] { ReadGivenCode(); });
    connect(edtResult_, &QLineEdit::textChanged, this, [this] { CheckResultCode(); });

    NewSeed();
    codeSeed_ = FreshExerciseSeed();
    SelectTraining(Training::Laenge);
    // This window and every window it opens fit the screen.
    new ScreenKeeper(screen_, this);
    FitToScreen(this, Screen(), QSize(760, 640), nullptr);
}

std::optional<Exercise> ArbeitsblattWindow::ClassExercise() const {
    const std::optional<WorksheetRequest> request = Request();
    if (!request) return std::nullopt;
    return Exercise{request->Id, request->Level, spnPasses_->value(), codeSeed_};
}

std::optional<Exercise> ArbeitsblattWindow::GivenExercise() const {
    return ReadExerciseCode(edtCode_->text().toStdString()).Value;
}

void ArbeitsblattWindow::ShowClassCode() {
    const std::optional<Exercise> exercise = ClassExercise();
    lblClassCode_->setText(QStringLiteral("Übungscode für die Klasse: ") +
                           (exercise ? ToQString(ExerciseCode(*exercise)) : QStringLiteral("–")));
}

void ArbeitsblattWindow::ReadGivenCode() {
    const QString text = edtCode_->text().trimmed();
    QString state;
    if (!text.isEmpty()) {
        const CodeReading<Exercise> reading = ReadExerciseCode(text.toStdString());
        if (reading) {
            const Exercise& e = *reading.Value;
            state = QStringLiteral("Gedruckt wird: %1 · %2 · %3 Durchgänge, mit Lösungen")
                        .arg(ToQString(ExerciseTrainingName(e.Id)),
                             ToQString(LevelCaption(e.Id, e.Level)))
                        .arg(e.Passes);
        } else {
            state = ToQString(reading.Refusal);
        }
    }
    lblCodeState_->Say(state);
    EnableOutput();
}

void ArbeitsblattWindow::CheckResultCode() {
    const QString text = edtResult_->text().trimmed();
    QString result;
    if (!text.isEmpty()) {
        const CodeReading<ExerciseResult> reading = ReadResultCode(text.toStdString());
        result = reading ? ToQString(ResultSummary(*reading.Value)) : ToQString(reading.Refusal);
    }
    lblResult_->Say(result);
}

// Something to print: the chosen training, or a code that can be read.
void ArbeitsblattWindow::EnableOutput() {
    const bool coded = !edtCode_->text().trimmed().isEmpty();
    const bool ready = coded ? GivenExercise().has_value() : Request().has_value();
    for (QPushButton* button : {btnPreview_, btnPdf_, btnPrint_})
        button->setEnabled(ready);
}

std::optional<ArbeitsblattWindow::PrintJob> ArbeitsblattWindow::Job() const {
    if (!edtCode_->text().trimmed().isEmpty()) {
        const std::optional<Exercise> exercise = GivenExercise();
        if (!exercise) return std::nullopt;
        return PrintJob{ExerciseRequest(*exercise), MakeExerciseSheets(*exercise)};
    }
    const std::optional<WorksheetRequest> request = Request();
    if (!request) return std::nullopt;
    return PrintJob{*request, MakeWorksheets(*request)};
}

void ArbeitsblattWindow::ShowSheetIds() {
    const std::uint64_t seed = edtSeed_->text().toULongLong();
    const int sheets = spnSheets_->value();
    QString ids = QStringLiteral("Blatt ") + ToQString(SheetId(seed, 1));
    if (sheets > 1) ids += QStringLiteral(" bis ") + ToQString(SheetId(seed, sheets));
    lblSheetIds_->setText(ids);
}

bool ArbeitsblattWindow::SelectTraining(Training training) {
    QTreeWidgetItemIterator it(trvTraining_);
    for (; *it != nullptr; ++it) {
        const QVariant id = (*it)->data(0, kTrainingRole);
        if (id.isValid() && id.toInt() == static_cast<int>(training)) {
            trvTraining_->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

void ArbeitsblattWindow::FillLevels() {
    const QTreeWidgetItem* item = trvTraining_->currentItem();
    const QVariant id = item ? item->data(0, kTrainingRole) : QVariant();
    const int previous = cmbLevel_->currentData().toInt();
    cmbLevel_->clear();
    const bool chosen = id.isValid();
    if (chosen) {
        for (const LevelName& level : LevelsOf(static_cast<Training>(id.toInt()))) {
            cmbLevel_->addItem(ToQString(level.Caption), level.Level);
        }
        // Keep the level when moving between trainings; "Volksschüler" is
        // the first item under "Masse", so start at "Neueinsteiger" there.
        const int index = cmbLevel_->findData(previous > 0 ? previous : 1);
        cmbLevel_->setCurrentIndex(std::max(index, 0));
    }
    cmbLevel_->setEnabled(chosen);
    EnableOutput();
    ShowClassCode();
}

void ArbeitsblattWindow::NewSeed() {
    edtSeed_->setText(QString::number(FreshSeed()));
}

std::optional<WorksheetRequest> ArbeitsblattWindow::Request() const {
    const QTreeWidgetItem* item = trvTraining_->currentItem();
    const QVariant id = item ? item->data(0, kTrainingRole) : QVariant();
    if (!id.isValid()) return std::nullopt;
    WorksheetRequest request;
    request.Id = static_cast<Training>(id.toInt());
    request.Level = cmbLevel_->currentData().toInt();
    request.Sheets = spnSheets_->value();
    request.Tasks = cmbTasks_->currentData().toInt();
    request.Seed = edtSeed_->text().toULongLong();
    request.Title = edtTitle_->text().trimmed().toStdString();
    request.Key = chkKey_->isChecked();
    if (!HasLevel(request.Id, request.Level)) return std::nullopt;
    return request;
}

void ArbeitsblattWindow::Paint(QPrinter& printer) {
    const std::optional<PrintJob> job = Job();
    if (!job) return;
    QPainter painter(&printer);
    PaintWorksheets(painter, printer, job->Request, job->Sheets);
}

void ArbeitsblattWindow::Preview() {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPages(printer);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Vorschau"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { Paint(*p); });
    // As tall as the screen allows, for a page that can be read.
    FitToScreen(&dialog, Screen(), QSize(900, 1000), this);
    dialog.exec();
}

void ArbeitsblattWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPages(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted) Paint(printer);
}

bool ArbeitsblattWindow::SaveAsPdf() {
    const std::optional<PrintJob> job = Job();
    if (!job) return false;
    const WorksheetRequest* request = &job->Request;
    QString folder = Settings().value(kFolderKey).toString();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    const QString name =
        job->Sheets.front().Passes > 0
            ? QStringLiteral("Übungscode-%1.pdf").arg(ToQString(job->Sheets.front().Id))
            : QStringLiteral("Arbeitsblatt-%1-%2-%3.pdf")
                  .arg(ToQString(WordOf(request->Id)))
                  .arg(request->Level)
                  .arg(request->Seed);
    QString path = askSavePath_(this, QDir(folder).filePath(name));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    QString error;
    if (!WritePdfFile(path, *request, job->Sheets, error)) {
        ShowInformation(this, QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden:\n%2")
                                  .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    Settings().setValue(kFolderKey, QFileInfo(path).absolutePath());
    return true;
}

} // namespace quarvel
