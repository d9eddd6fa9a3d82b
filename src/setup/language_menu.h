#pragma once
// Options > Language: English, German or as the system, remembered and
// taken at once by the windows made again in it.
#include <QCoreApplication>
#include <functional>

class QAction;
class QMenu;

class LanguageMenu {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
public:
    // `chosen` is told the code of a new choice ("" as the system).
    LanguageMenu(QMenu* options, std::function<void(const QString&)> chosen);

    QMenu* menu() const { return menu_; }
    // System, English, German
    QAction* entry(int i) const { return entries_[i]; }

private:
    void choose(int i);

    std::function<void(const QString&)> chosen_;
    QMenu* menu_;
    QAction* entries_[3] = {};
};
