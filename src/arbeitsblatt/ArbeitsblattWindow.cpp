#include "arbeitsblatt/ArbeitsblattWindow.h"

#include "arbeitsblatt/SheetPainter.h"
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
    trvTraining_->setMinimumSize(300, 380);

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

    auto* columns = new QHBoxLayout;
    columns->addWidget(grpTraining, 1);
    columns->addWidget(grpSheets, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(trvTraining_, &QTreeWidget::currentItemChanged, this, [this] { FillLevels(); });
    connect(btnNewSeed, &QPushButton::clicked, this, [this] { NewSeed(); });
    connect(edtSeed_, &QLineEdit::textChanged, this, [this] { ShowSheetIds(); });
    connect(spnSheets_, &QSpinBox::valueChanged, this, [this] { ShowSheetIds(); });
    connect(btnPreview_, &QPushButton::clicked, this, [this] { Preview(); });
    connect(btnPdf_, &QPushButton::clicked, this, [this] { SaveAsPdf(); });
    connect(btnPrint_, &QPushButton::clicked, this, [this] { Print(); });
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);

    NewSeed();
    SelectTraining(Training::Laenge);
    // This window and every window it opens fit the screen.
    new ScreenKeeper(screen_, this);
    FitToScreen(this, Screen(), QSize(760, 500), nullptr);
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
    for (QWidget* w : {static_cast<QWidget*>(cmbLevel_), static_cast<QWidget*>(btnPreview_),
                       static_cast<QWidget*>(btnPdf_), static_cast<QWidget*>(btnPrint_)}) {
        w->setEnabled(chosen);
    }
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
    const std::optional<WorksheetRequest> request = Request();
    if (!request) return;
    QPainter painter(&printer);
    PaintWorksheets(painter, printer, *request, MakeWorksheets(*request));
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
    const std::optional<WorksheetRequest> request = Request();
    if (!request) return false;
    QString folder = Settings().value(kFolderKey).toString();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    const QString name = QStringLiteral("Arbeitsblatt-%1-%2-%3.pdf")
                             .arg(ToQString(WordOf(request->Id)))
                             .arg(request->Level)
                             .arg(request->Seed);
    QString path = askSavePath_(this, QDir(folder).filePath(name));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    QString error;
    if (!WritePdfFile(path, *request, MakeWorksheets(*request), error)) {
        ShowInformation(this, QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden:\n%2")
                                  .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    Settings().setValue(kFolderKey, QFileInfo(path).absolutePath());
    return true;
}

} // namespace quarvel
