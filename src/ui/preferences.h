#pragma once
// What Slidora remembers between starts, in QSettings ("Slidora/Slidora"):
// the user's file over a school's system-wide one (the XDG config folders).
// Every value is checked as it is read: a missing, damaged or odd file
// gives the defaults, never an error.

#include <QString>

namespace prefs {

enum class Folder { Experiments, Exports };

// The folder a file dialog opens on; empty when none is remembered.
QString folder(Folder which);
// Remembers the folder of a file just chosen.
void rememberFileIn(Folder which, const QString& filePath);

// "Who Am I", at most kNameLength characters.
inline constexpr int kNameLength = 256;
QString name();
void setName(const QString& name);

// 100, 125, 150 or 200 per cent.
int zoom();
void setZoom(int percent);
int validZoom(int percent);

// "" follows the system; "en" or "de" forces one, now and at the next start.
QString language();
void setLanguage(const QString& code);
bool isLanguage(const QString& code);

// The data export's last choice, by name; empty when none is remembered.
QString exportFormat();
void setExportFormat(const QString& format);
QString exportContent();
void setExportContent(const QString& content);
bool exportFullPrecision();
void setExportFullPrecision(bool on);

// View > Predict First, off until chosen.
bool predictFirst();
void setPredictFirst(bool on);

// Where Hand In sends, as a school's settings or the last hand-in named it:
// a folder or a collector's address; empty when none.
QString handInTo();
void setHandInTo(const QString& where);

}   // namespace prefs
