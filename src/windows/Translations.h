#pragma once
// Quarvel speaks German whatever the desktop's language is: Qt's own texts
// (the buttons of message boxes, the file and print dialogs, the context
// menu of a text field) come from Qt's German catalogue.

class QCoreApplication;

namespace quarvel {

// Installs Qt's German translations from Qt's translations folder into `app`
// and makes German the default locale. Returns false (and changes nothing but
// the locale) when the catalogue is not installed; the program then runs with
// Qt's English texts.
bool InstallGermanTranslations(QCoreApplication& app);

} // namespace quarvel
