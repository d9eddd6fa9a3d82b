#include "setup/language_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "ui/preferences.h"

namespace {
const char* const kCodes[3] = {"", "en", "de"};
const char* const kNames[3] = {"languageSystem", "languageEnglish", "languageGerman"};
}   // namespace

LanguageMenu::LanguageMenu(QMenu* options, std::function<void(const QString&)> chosen)
    : chosen_(std::move(chosen)), menu_(options->addMenu(tr("Lan&guage")))
{
    menu_->setObjectName(QStringLiteral("languageMenu"));
    // each language in its own words, so it can be found whatever is shown
    const QString names[3] = {tr("As the &System"), QStringLiteral("&English"), QStringLiteral("&Deutsch")};
    auto* group = new QActionGroup(menu_);
    const QString remembered = prefs::language();
    for (int i = 0; i < 3; ++i) {
        entries_[i] = menu_->addAction(names[i]);
        entries_[i]->setObjectName(QLatin1String(kNames[i]));
        entries_[i]->setCheckable(true);
        entries_[i]->setChecked(remembered == QLatin1String(kCodes[i]));
        group->addAction(entries_[i]);
        QObject::connect(entries_[i], &QAction::triggered, menu_, [this, i] { choose(i); });
    }
}

void LanguageMenu::choose(int i)
{
    const QString code = QLatin1String(kCodes[i]);
    if (prefs::language() == code)
        return;
    prefs::setLanguage(code);
    chosen_(code);
}
