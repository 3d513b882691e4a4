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

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void qtsOwnTextsAreGerman() {
        // An English desktop: the program must not follow it.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(quarvel::InstallGermanTranslations(*qApp));

        QLineEdit field(QStringLiteral("12,5"));
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList items;
        for (const QAction* a : menu->actions())
            items << a->text().remove(u'&').section(u'\t', 0, 0);
        for (const char* text : {"Rückgängig", "Alles auswählen", "Einfügen"})
            QVERIFY2(items.contains(QString::fromUtf8(text)), qPrintable(items.join(u'|')));

        QStringList buttons;
        QMessageBox box(QMessageBox::Question, QStringLiteral("Quarvel"),
                        QStringLiteral("Ersetzen?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            buttons << box.button(button)->text().remove(u'&');
        QFileDialog dialog(nullptr, QStringLiteral("Als PDF speichern"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const auto* fileButtons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(fileButtons != nullptr);
        for (const auto button : {QDialogButtonBox::Save, QDialogButtonBox::Cancel})
            buttons << fileButtons->button(button)->text().remove(u'&');
        QCOMPARE(buttons, (QStringList{"Ja", "Nein", "Abbrechen", "Speichern", "Abbrechen"}));
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
