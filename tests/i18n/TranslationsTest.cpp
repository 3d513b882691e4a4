// Qt's own texts - a text field's context menu, the buttons of a message box,
// the file dialog - must read German in both programs, whatever the desktop's
// language.
#include "windows/Translations.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QStringList PlainTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* a : actions) {
        if (!a->isSeparator())
            texts << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    }
    return texts;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // An English desktop: the program must not follow it.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(quarvel::InstallGermanTranslations(*qApp));
    }

    void contextMenuOfATextFieldIsGerman() {
        QLineEdit field;
        field.setText(QStringLiteral("12,5"));
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        const QStringList texts = PlainTexts(menu->actions());
        QVERIFY2(texts.contains(QStringLiteral("Rückgängig")), qPrintable(texts.join(u'|')));
        QVERIFY2(texts.contains(QStringLiteral("Alles auswählen")), qPrintable(texts.join(u'|')));
        QVERIFY2(texts.contains(QStringLiteral("Einfügen")), qPrintable(texts.join(u'|')));
    }

    void messageBoxButtonsAreGerman() {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Quarvel"),
                        QStringLiteral("Ersetzen?"), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Nein"));
        QMessageBox ok(QMessageBox::Information, QStringLiteral("Quarvel"), QStringLiteral("x"),
                       QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(ok.button(QMessageBox::Cancel)->text().remove(u'&'), QStringLiteral("Abbrechen"));
    }

    void fileDialogIsGerman() {
        QFileDialog dialog(nullptr, QStringLiteral("Als PDF speichern"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->text().remove(u'&'),
                 QStringLiteral("Speichern"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text().remove(u'&'),
                 QStringLiteral("Abbrechen"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
