// Qt's own texts (a text field's context menu, a message box's buttons, the file
// dialog) read German in both programs, whatever the desktop's language.
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

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void qtsOwnTextsAreGerman() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(quarvel::InstallGermanTranslations(*qApp));
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

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
