#pragma once
// The window of quarvel-arbeitsblatt: the training in the groups of the start
// menu, its level, how many sheets of how many tasks, a free title, the series
// number and whether the key comes along; then a preview, a PDF or print.
// Below them the exercise codes: the code of the chosen training for the
// class, a code whose exercise is printed instead, and the check of a
// pupil's result code.

#include "arbeitsblatt/DialogFit.h"
#include "worksheet/Worksheet.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace quarvel {

class SpokenLabel;

class ArbeitsblattWindow : public QWidget {
    Q_OBJECT
  public:
    // Asks where to save the PDF, starting from `suggested`; empty: cancelled.
    using SavePathAsker = std::function<QString(QWidget* parent, const QString& suggested)>;

    // `screen` tells the screen the window and its dialogs must fit; the
    // primary screen when empty.
    explicit ArbeitsblattWindow(QWidget* parent = nullptr, ScreenQuery screen = {});

    // Tests answer the file dialog themselves.
    void SetSavePathAsker(SavePathAsker asker) { askSavePath_ = std::move(asker); }

    // Chooses a training in the tree; false when it is not there.
    bool SelectTraining(Training training);
    // What the controls ask for now; nothing while no training is chosen.
    std::optional<WorksheetRequest> Request() const;
    // The exercise of the chosen training and level, the pass count and the
    // code's seed, as "Übungscode für die Klasse" shows it.
    std::optional<Exercise> ClassExercise() const;
    // The exercise whose code is in the field "Übungscode:"; while it holds a
    // code, that exercise is what Vorschau, PDF and Drucken print.
    std::optional<Exercise> GivenExercise() const;

    void Preview();
    // Returns whether a file was written.
    bool SaveAsPdf();
    void Print();

  private:
    // What is printed: the sheets the controls ask for, or a given code's.
    struct PrintJob {
        WorksheetRequest Request;
        std::vector<Worksheet> Sheets;
    };
    std::optional<PrintJob> Job() const;
    void FillLevels();
    void NewSeed();
    void ShowSheetIds();
    void ShowClassCode();
    void ReadGivenCode();
    void CheckResultCode();
    void EnableOutput();
    void Paint(QPrinter& printer);
    ScreenArea Screen() const { return screen_(); }

    QTreeWidget* trvTraining_ = nullptr;
    QComboBox* cmbLevel_ = nullptr;
    QSpinBox* spnSheets_ = nullptr;
    QComboBox* cmbTasks_ = nullptr;
    QLineEdit* edtTitle_ = nullptr;
    QLineEdit* edtSeed_ = nullptr;
    QCheckBox* chkKey_ = nullptr;
    QLabel* lblSheetIds_ = nullptr;
    QPushButton* btnPreview_ = nullptr;
    QPushButton* btnPdf_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QLabel* lblClassCode_ = nullptr;
    QSpinBox* spnPasses_ = nullptr;
    std::uint32_t codeSeed_ = 0;
    QLineEdit* edtCode_ = nullptr;
    SpokenLabel* lblCodeState_ = nullptr;
    QLineEdit* edtResult_ = nullptr;
    SpokenLabel* lblResult_ = nullptr;
    ScreenQuery screen_;
    SavePathAsker askSavePath_;
};

} // namespace quarvel
