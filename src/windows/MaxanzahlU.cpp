#include "windows/MaxanzahlU.h"

#include "core/PassCount.h"
#include "windows/MessageBox.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QValidator>

#include <string_view>

namespace quarvel {

namespace {
// Sees every edit of the field, however the text comes (keys, dead keys and
// input methods, paste, drag and drop): an edit that would leave anything but
// digits in the field is undone.
class PassCountValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        const std::u16string_view text(reinterpret_cast<const char16_t*>(input.utf16()),
                                       static_cast<std::size_t>(input.size()));
        return PassCountTextAdmitted(text) ? Acceptable : Invalid;
    }
};
} // namespace

TfrmMaxanzahl::TfrmMaxanzahl(Windows& windows, QWidget* parent)
    : QuarvelDialog(windows, parent, QStringLiteral("Durchgänge"), 392, 173) {
    setObjectName(QStringLiteral("TfrmMaxanzahl"));
}

const TfrmMaxanzahl& TfrmMaxanzahl::Built() const {
    if (grpMax_ == nullptr) const_cast<TfrmMaxanzahl*>(this)->BuildLayout();
    return *this;
}

void TfrmMaxanzahl::setVisible(bool visible) {
    if (visible) Built();
    QuarvelDialog::setVisible(visible);
}

void TfrmMaxanzahl::BuildLayout() {
    WindowScale& scale = Scale();
    scale.SetFont(Client(), BoldArial(19));

    grpMax_ = new QGroupBox(QStringLiteral(" Max. Anzahl der Durchgänge (3-10) "), Client());
    grpMax_->setObjectName(QStringLiteral("grpMax"));
    scale.Place(grpMax_, QRect(8, 8, 377, 105));

    edtMaxzahl_ = new QLineEdit(QStringLiteral("3"), grpMax_);
    edtMaxzahl_->setObjectName(QStringLiteral("edtMaxzahl"));
    scale.Place(edtMaxzahl_, QRect(120, 48, 140, 30));
    edtMaxzahl_->setValidator(new PassCountValidator(edtMaxzahl_));
    edtMaxzahl_->installEventFilter(this);
    edtMaxzahl_->setAccessibleName(QStringLiteral("Anzahl der Durchgänge"));

    bitBtn1_ = new QPushButton(QStringLiteral("&Schließen"), Client());
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    scale.Place(bitBtn1_, QRect(8, 128, 140, 40));
    // No default button: Enter is swallowed in the field and presses only a
    // focused button (see eventFilter).
    bitBtn1_->setAutoDefault(false);
    bitBtn1_->installEventFilter(this);
    connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::reject);

    bitBtn2_ = new QPushButton(QStringLiteral("OK"), Client());
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    scale.Place(bitBtn2_, QRect(246, 128, 140, 40));
    bitBtn2_->setAutoDefault(false);
    bitBtn2_->installEventFilter(this);
    connect(bitBtn2_, &QPushButton::clicked, this, &TfrmMaxanzahl::BitBtn2Click);

    setTabOrder(edtMaxzahl_, bitBtn1_);
    setTabOrder(bitBtn1_, bitBtn2_);
}

void TfrmMaxanzahl::FormActivate() {
    // The standard glyphs come from the icon theme, which is slow to load; the
    // dialog takes them when it is first shown, not at program start.
    if (bitBtn1_->icon().isNull()) {
        bitBtn1_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
        bitBtn2_->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        for (QPushButton* button : {bitBtn1_, bitBtn2_}) {
            Scale().SetIconSize(button, button->iconSize());
        }
    }
    FollowScaleOf(parentWidget());
    edtMaxzahl_->setFocus();
}

bool TfrmMaxanzahl::eventFilter(QObject* watched, QEvent* event) {
    const auto isEnter = [event] {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    };
    if (watched == bitBtn1_ || watched == bitBtn2_) {
        // Enter on a focused button presses it, as Space does.
        if (isEnter()) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    } else if (watched == edtMaxzahl_) {
        // Enter is swallowed; the validator keeps every character but the
        // digits out.
        if (isEnter()) return true;
        if (event->type() == QEvent::FocusOut) {
            // The field's own context menu or another window takes the focus only
            // for a moment; the field is checked when the focus moves on within
            // the dialog.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                edtMaxzahlExit();
            }
        }
    }
    return QuarvelDialog::eventFilter(watched, event);
}

void TfrmMaxanzahl::edtMaxzahlExit() {
    if (checking_) return;
    checking_ = true;
    const PassCountCheck check = CheckPassCount(edtMaxzahl_->text().toStdString());
    edtMaxzahl_->setText(QString::fromStdString(check.Text));
    if (check.Message)
        ShowInformation(this, QString::fromUtf8(kPassCountOutOfRange.data(),
                                                static_cast<int>(kPassCountOutOfRange.size())));
    if (check.Refocus) edtMaxzahl_->setFocus();
    checking_ = false;
}

void TfrmMaxanzahl::BitBtn2Click() {
    // A click has already taken the focus from the field and so checked it; a
    // keyboard shortcut may not have, so check again (it is idempotent).
    const PassCountCheck check = CheckPassCount(edtMaxzahl_->text().toStdString());
    if (check.Message) {
        edtMaxzahlExit();
        return;
    }
    edtMaxzahl_->setText(QString::fromStdString(check.Text));
    passes_ = PassCountValue(check.Text);
    accept();
}

} // namespace quarvel
