#include "windows/UebungscodeU.h"

#include "windows/FontU.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quarvel {

namespace {

const QString kHint = QStringLiteral("Den Code eingeben, den die Lehrkraft gegeben hat.");
const QColor kHintColour(0, 0, 128);
const QColor kRefusalColour(192, 0, 0);

} // namespace

TfrmUebungscode::TfrmUebungscode(Windows& windows, QWidget* parent)
    : QuarvelDialog(windows, parent, QStringLiteral("Übungscode"), 392, 196) {
    setObjectName(QStringLiteral("TfrmUebungscode"));
    WatchHeldKeys();
    QWidget* client = Client();
    WindowScale& scale = Scale();
    scale.SetFont(client, BoldArial(19));

    auto* caption = new QLabel(QStringLiteral("&Übungscode:"), client);
    caption->setObjectName(QStringLiteral("lblCode"));
    scale.Place(caption, QRect(8, 8, 376, 26));

    edtCode_ = new QLineEdit(client);
    edtCode_->setObjectName(QStringLiteral("edtCode"));
    scale.Place(edtCode_, QRect(8, 38, 376, 40));
    scale.SetFont(edtCode_, BoldArial(24));
    edtCode_->setAlignment(Qt::AlignCenter);
    edtCode_->setMaxLength(24); // a code with blanks and dashes to spare
    edtCode_->setAccessibleName(QStringLiteral("Übungscode"));
    edtCode_->setAccessibleDescription(kHint);
    caption->setBuddy(edtCode_);

    // The hint, and in its place the reason a code is refused, heard at once.
    lblHinweis_ = new SpokenLabel(QAccessible::StatusBar, client);
    lblHinweis_->setObjectName(QStringLiteral("lblHinweis"));
    scale.Place(lblHinweis_, QRect(8, 84, 376, 56));
    scale.SetFont(lblHinweis_, BoldArial(15));
    lblHinweis_->setAlignment(Qt::AlignCenter);
    lblHinweis_->setWordWrap(true);

    btnAbbrechen_ = new QPushButton(QStringLiteral("&Abbrechen"), client);
    btnAbbrechen_->setObjectName(QStringLiteral("btnAbbrechen"));
    scale.Place(btnAbbrechen_, QRect(8, 148, 140, 40));
    connect(btnAbbrechen_, &QPushButton::clicked, this, &QDialog::reject);

    // Enter in the field presses OK.
    btnOk_ = new QPushButton(QStringLiteral("OK"), client);
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    scale.Place(btnOk_, QRect(244, 148, 140, 40));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &TfrmUebungscode::Check);

    setTabOrder(edtCode_, btnAbbrechen_);
    setTabOrder(btnAbbrechen_, btnOk_);
}

void TfrmUebungscode::SetCode(const QString& code) {
    edtCode_->setText(code);
    checkOnShow_ = !code.isEmpty();
}

void TfrmUebungscode::FormActivate() {
    FollowScaleOf(parentWidget());
    chosen_.reset();
    SetTextColour(lblHinweis_, kHintColour);
    lblHinweis_->Say(kHint);
    edtCode_->setFocus();
    edtCode_->selectAll();
    if (checkOnShow_) {
        checkOnShow_ = false;
        const CodeReading<Exercise> reading = ReadExerciseCode(edtCode_->text().toStdString());
        if (!reading) Refuse(ToQString(reading.Refusal));
    }
}

void TfrmUebungscode::Refuse(const QString& refusal) {
    SetTextColour(lblHinweis_, kRefusalColour);
    lblHinweis_->Say(refusal, true);
    edtCode_->setFocus();
    edtCode_->selectAll();
}

void TfrmUebungscode::Check() {
    const CodeReading<Exercise> reading = ReadExerciseCode(edtCode_->text().toStdString());
    if (!reading) {
        Refuse(ToQString(reading.Refusal));
        return;
    }
    chosen_ = reading.Value;
    accept();
}

void TfrmUebungscode::keyPressEvent(QKeyEvent* event) {
    // The Enter that chose the menu item, held down, does not press OK.
    if (IsHeldEnter(event)) {
        event->accept();
        return;
    }
    QuarvelDialog::keyPressEvent(event);
}

} // namespace quarvel
