#pragma once
// Options > Language: English, German or as the system, for the next start.
#include <QCoreApplication>

class QAction;
class QMenu;
class QWidget;
class PlatformServices;

class LanguageMenu {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
public:
    LanguageMenu(QMenu* options, QWidget* window, PlatformServices& platform);

    QMenu* menu() const { return menu_; }
    // System, English, German
    QAction* entry(int i) const { return entries_[i]; }

private:
    void choose(int i);

    QWidget* window_;
    PlatformServices& platform_;
    QMenu* menu_;
    QAction* entries_[3] = {};
};
