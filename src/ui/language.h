#pragma once
// The language the windows speak: English (the program's own texts) or
// German, from the translations built into the program and Qt's own for
// its standard dialogs. Chosen once at start, before any window is made.

#include <QLocale>
#include <QString>

namespace lang {

// "de" or "en": the remembered choice, else the first of the system's
// languages that Slidora speaks, else English.
QString startLanguage(const QLocale& system = QLocale::system());

// Installs the translations of `code` ("en" removes any); false when the
// program has none for it.
bool install(const QString& code);

// The language installed now.
QString current();

}   // namespace lang
