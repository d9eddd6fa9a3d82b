#pragma once
// The language the windows speak: English (the program's own texts) or
// German, from the translations built into the program and Qt's own for
// its standard dialogs. Chosen once at start, before any window is made.

#include <QLocale>
#include <QString>
#include <string>

namespace lang {

// "de" or "en": the remembered choice, else the first of the system's
// languages that Slidora speaks, else English.
QString startLanguage(const QLocale& system = QLocale::system());

// Installs the translations of `code` ("en" removes any); false when the
// program has none for it.
bool install(const QString& code);

// The language installed now.
QString current();

// Whether its numbers are written with a decimal comma (German).
bool decimalComma();
// A number written with a point, as the language writes it on the screen;
// exports and copies keep the point.
QString shown(const std::string& fixed);
QString shown(const QString& fixed);
// A number typed in the language: a decimal comma read as the point.
QString typed(const QString& text);

}   // namespace lang
