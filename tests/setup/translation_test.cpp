// The windows in German: every text with a translation shows it, and no
// translated caption is wider than its control at the layout's sizes.
#include "experiments/experiment_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QXmlStreamReader>
#include <map>

#include "datawin/data_window.h"
#include "datawin/export_dialog.h"
#include "datawin/graph_page.h"
#include "experiments/catalogue.h"
#include "setup/language_menu.h"
#include "shown_texts.h"
#include "ui/language.h"
#include "ui/preferences.h"

namespace {
QString withoutAccessKey(QString s)
{
    return s.remove(QLatin1Char('&'));
}

// A text as shown: its access key dropped, any number where it has "%1".
QRegularExpression shownAs(const QString& text)
{
    QString pattern = QRegularExpression::escape(withoutAccessKey(text));
    pattern.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

struct Entry {
    QString source, translation;
    QRegularExpression english, german;
};

// The German file's entries whose translation differs from the English.
QList<Entry> translatedEntries()
{
    QFile f(QStringLiteral(SLIDORA_TS_FILE));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QList<Entry> out;
    Entry e;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            e.source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            e.translation = xml.readElementText();
            if (e.translation != e.source)
                out << Entry{e.source, e.translation, shownAs(e.source), shownAs(e.translation)};
        }
    }
    return out;
}

// The English text, or its pattern with the numbers filled in, and not the German.
bool isEnglish(const QString& text, const Entry& e)
{
    const QString shown = withoutAccessKey(text);
    return e.english.match(shown).hasMatch() && !e.german.match(shown).hasMatch();
}

// A widget's place in its window, the same in either language.
QString key(const QWidget* w)
{
    QString k;
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        const QWidget* up = p->parentWidget();
        const int index = up ? static_cast<int>(up->children().indexOf(const_cast<QWidget*>(p))) : 0;
        k.prepend(QStringLiteral("/%1%2#%3")
                      .arg(QString::fromLatin1(p->metaObject()->className()), p->objectName())
                      .arg(index));
    }
    return k;
}

struct Fit {
    int width = 0;   // the room: the control's width, or its parent's for a label
    int needed = 0;   // what the caption asks for
    QRect rect;   // a label's place with its caption
    QList<QString> overlaps;   // the labels and controls it runs into
    QString text;
};

// How each caption fits: buttons, boxes and tabs within their width, labels
// within their parent and clear of their neighbours.
std::map<QString, Fit> fits(const QList<QWidget*>& roots)
{
    std::map<QString, Fit> out;
    for (QWidget* root : roots) {
        for (QWidget* w : root->findChildren<QWidget*>()) {
            Fit f;
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
                f.width = b->width();
                f.needed = b->sizeHint().width();
            } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
                f.width = g->width();
                f.needed = g->fontMetrics().horizontalAdvance(g->title()) + 16;
            } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
                f.width = t->width();
                f.needed = t->tabBar()->sizeHint().width();
            } else if (auto* l = qobject_cast<QLabel*>(w);
                       l && !l->text().isEmpty() && !l->wordWrap() && l->parentWidget()) {
                f.text = l->text();
                f.rect = QRect(l->pos(), l->sizeHint());
                f.width = l->parentWidget()->width();
                f.needed = f.rect.right() + 1;
                for (QObject* o : l->parentWidget()->children()) {
                    auto* sibling = qobject_cast<QWidget*>(o);
                    if (sibling && sibling != l && sibling->geometry().intersects(f.rect))
                        f.overlaps << key(sibling);
                }
            } else {
                continue;
            }
            out[key(w)] = f;
        }
    }
    return out;
}

// The pairs of things that answer to the same Alt+letter: in one window the
// menu bar's menus and the buttons, boxes and tabs it shows; in a menu its entries.
QSet<QString> sharedAccessKeys(const QList<QWidget*>& roots)
{
    QSet<QString> pairs;
    auto letter = [](const QString& text) {
        const qsizetype i = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        return i < 0 ? QChar() : text.at(i + 1).toLower();
    };
    for (QWidget* root : roots) {
        QList<std::pair<QChar, QString>> keys;
        if (auto* bar = root->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
            for (QAction* a : bar->actions())
                keys.push_back({letter(a->text()), QStringLiteral("menu %1").arg(bar->actions().indexOf(a))});
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(root) || w->window() != root)
                continue;
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                keys.push_back({letter(b->text()), key(w)});
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i)
                    keys.push_back({letter(t->tabText(i)), key(w) + QString::number(i)});
        }
        QList<QList<std::pair<QChar, QString>>> groups{keys};
        for (QMenu* m : root->findChildren<QMenu*>()) {
            QList<std::pair<QChar, QString>> entries;
            for (QAction* a : m->actions())
                entries.push_back(
                    {letter(a->text()), key(m) + QStringLiteral(" entry ") + QString::number(m->actions().indexOf(a))});
            groups << entries;
        }
        for (const auto& g : groups)
            for (int i = 0; i < g.size(); ++i)
                for (int j = i + 1; j < g.size(); ++j)
                    if (!g[i].first.isNull() && g[i].first == g[j].first)
                        pairs.insert(g[i].second + QStringLiteral(" and ") + g[j].second);
    }
    return pairs;
}

class TranslationTest : public ExperimentTest {
protected:
    void TearDown() override
    {
        ExperimentTest::TearDown();
        lang::install(QStringLiteral("en"));
    }

    // The windows made anew in `code`, taken through the modes and pages
    // that change their captions.
    QList<QWidget*> windowsIn(const QString& code)
    {
        exportDialog.reset();
        data.reset();
        box.reset();
        nameDialog.reset();
        window.reset();
        EXPECT_TRUE(lang::install(code));
        ExperimentTest::SetUp();
        data = std::make_unique<DataWindow>(*window, platform);
        exportDialog = std::make_unique<ExportDialog>(dw::DataExport{}, window.get());
        c().electro50->trigger();
        c().c1sb->setValue(40);
        c().m1sb->setValue(35);
        c().springInelastic->trigger();
        c().speedSlow->trigger();
        runAndPause(30);
        c().rulerrb->click();
        c().showbt->click();
        data->graphPage().plotVelocity->click();
        box->showEntry(*exper::catalogueExperiment(9));
        // laid out as the user sees them
        for (QWidget* w :
             std::initializer_list<QWidget*>{window.get(), data.get(), nameDialog.get(), exportDialog.get()})
            w->show();
        QApplication::processEvents();
        // every page of a tab widget at its size, not only the one in front
        for (QWidget* w : std::initializer_list<QWidget*>{window.get(), data.get()})
            for (QStackedWidget* pages : w->findChildren<QStackedWidget*>())
                for (int i = 0; i < pages->count(); ++i)
                    pages->widget(i)->resize(pages->size());
        return {window.get(), data.get(), nameDialog.get(), exportDialog.get()};
    }

    std::unique_ptr<DataWindow> data;
    std::unique_ptr<ExportDialog> exportDialog;
};
}   // namespace

TEST_F(TranslationTest, GermanLeavesNoTranslatedTextInEnglish)
{
    const QList<Entry> entries = translatedEntries();
    ASSERT_GT(entries.size(), 400);
    const QStringList english = shownTexts(windowsIn(QStringLiteral("en")));
    const QStringList german = shownTexts(windowsIn(QStringLiteral("de")));
    int checked = 0;
    for (const QString& text : german)
        for (const Entry& e : entries) {
            ++checked;
            EXPECT_FALSE(isEnglish(text, e))
                << "still English: \"" << text.toStdString() << "\" (\"" << e.translation.toStdString() << "\")";
        }
    EXPECT_GT(checked, 0);
    // the same walk finds the English in English: the check can see it
    int found = 0;
    for (const QString& text : english)
        for (const Entry& e : entries)
            found += isEnglish(text, e);
    EXPECT_GT(found, 150);
    EXPECT_TRUE(german.contains(QStringLiteral("Masse 1: 3,5 kg")));
    // one rule for every window: the decimal comma, as German schoolbooks write it
    const QRegularExpression time(QStringLiteral("Zeit: +[0-9]+([.,])[0-9]{2} s"));
    const QRegularExpression point(QStringLiteral("[0-9]\\.[0-9]"));
    int times = 0;
    for (const QString& t : german) {
        for (const QRegularExpressionMatch& m : time.globalMatch(t)) {
            ++times;
            EXPECT_EQ(m.captured(1), ",") << t.toStdString();
        }
        EXPECT_FALSE(point.match(t).hasMatch()) << t.toStdString();
    }
    EXPECT_GE(times, 4);
    EXPECT_TRUE(
        std::any_of(german.begin(), german.end(), [](const QString& t) { return t.startsWith("Feder gestaucht"); }));
}

TEST_F(TranslationTest, GermanCaptionsFitTheirControls)
{
    const std::map<QString, Fit> english = fits(windowsIn(QStringLiteral("en")));
    const std::map<QString, Fit> german = fits(windowsIn(QStringLiteral("de")));
    ASSERT_EQ(english.size(), german.size());
    for (const auto& [k, de] : german) {
        const Fit& en = english.at(k);
        // a caption the English already overflows may not overflow more
        EXPECT_LE(de.needed, std::max(de.width, en.needed)) << k.toStdString();
        for (const QString& o : de.overlaps)
            EXPECT_TRUE(en.overlaps.contains(o)) << "\"" << de.text.toStdString() << "\" runs into " << o.toStdString();
    }
}

TEST(Language, TheSystemOrTheChoiceDecides)
{
    EXPECT_EQ(lang::startLanguage(QLocale(QLocale::German, QLocale::Austria)), "de");
    EXPECT_EQ(lang::startLanguage(QLocale(QLocale::French, QLocale::France)), "en");
    EXPECT_EQ(lang::startLanguage(QLocale(QLocale::English, QLocale::UnitedStates)), "en");
    prefs::setLanguage(QStringLiteral("en"));
    EXPECT_EQ(lang::startLanguage(QLocale(QLocale::German, QLocale::Germany)), "en");
    prefs::setLanguage(QStringLiteral("de"));
    EXPECT_EQ(lang::startLanguage(QLocale(QLocale::English, QLocale::UnitedStates)), "de");
    EXPECT_FALSE(lang::install(QStringLiteral("xx")));
    EXPECT_EQ(lang::current(), "en");
    EXPECT_TRUE(lang::install(QStringLiteral("de")));
    EXPECT_EQ(QCoreApplication::translate("TableWindow", "&File"), "&Datei");
    EXPECT_TRUE(lang::install(QStringLiteral("en")));
    EXPECT_EQ(QCoreApplication::translate("TableWindow", "&File"), "&File");
}

TEST_F(TableTest, TheLanguageMenuRemembersTheChoiceAndAsksForIt)
{
    LanguageMenu& menu = window->languageMenu();
    QSignalSpy asked(window.get(), &TableWindow::languageChosen);
    EXPECT_TRUE(menu.entry(0)->isChecked());   // nothing chosen: as the system
    menu.entry(2)->trigger();
    EXPECT_EQ(prefs::language(), "de");
    EXPECT_TRUE(menu.entry(2)->isChecked());
    EXPECT_FALSE(menu.entry(0)->isChecked());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.last().first().toString(), "de");
    EXPECT_TRUE(platform.messages.isEmpty());
    menu.entry(2)->trigger();   // the same again: nothing new to do
    EXPECT_EQ(asked.size(), 1);
    menu.entry(0)->trigger();
    EXPECT_EQ(prefs::language(), "");
    EXPECT_EQ(asked.last().first().toString(), "");
}

TEST_F(TranslationTest, GermanAccessKeysCollideNoMoreThanTheEnglish)
{
    // as the windows stand, then with the Load box asking Yes or No over the Measurements page
    auto both = [this](const QString& code) {
        const QList<QWidget*> roots = windowsIn(code);
        QSet<QString> pairs = sharedAccessKeys(roots);
        box->openBox(ExperimentBox::LoadMode);
        box->confirmation()->show();
        c().TabbedNotebook1->setCurrentIndex(2);
        return pairs.unite(sharedAccessKeys(roots));
    };
    const QSet<QString> english = both(QStringLiteral("en"));
    const QSet<QString> german = both(QStringLiteral("de"));
    for (const QString& pair : german)
        EXPECT_TRUE(english.contains(pair)) << "one Alt+letter for " << pair.toStdString();
}

namespace {
// Within each menu, the entries that answer to the same letter, by text.
QString sharedMenuKeys(QWidget* window)
{
    QStringList out;
    auto letter = [](const QString& text) {
        const qsizetype i = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        return i < 0 ? QChar() : text.at(i + 1).toLower();
    };
    for (QMenu* m : window->findChildren<QMenu*>()) {
        const QList<QAction*> entries = m->actions();
        for (int i = 0; i < entries.size(); ++i)
            for (int j = i + 1; j < entries.size(); ++j)
                if (entries[i]->isVisible() && entries[j]->isVisible() && !letter(entries[i]->text()).isNull()
                    && letter(entries[i]->text()) == letter(entries[j]->text()))
                    out << QString(entries[i]->text() + QStringLiteral(" / ") + entries[j]->text())
                               .replace(QRegularExpression(QStringLiteral("[12]-D")), QStringLiteral("N-D"));
    }
    out.sort();
    return out.join(QStringLiteral("; "));
}
}   // namespace

// Every entry of a menu has a key of its own, in both languages; in English
// only the two pairs whose captions are the program's fixed texts share one.
TEST_F(TranslationTest, EveryMenuEntryHasItsOwnKey)
{
    windowsIn(QStringLiteral("en"));
    EXPECT_EQ(sharedMenuKeys(window.get()).toStdString(), "&Type: N-D / &Trace Centers; B&lack After / &Label mass");
    windowsIn(QStringLiteral("de"));
    EXPECT_EQ(sharedMenuKeys(window.get()).toStdString(), "");
}

// "Geschwindigkeit" a letter a line would fill the graph's height: it reads
// upwards instead, and the English titles stay a letter a line.
TEST_F(TranslationTest, ALongGraphTitleReadsUpwards)
{
    auto titleHeight = [this](const QString& code) {
        windowsIn(code);
        data->graphPage().drawGraph();
        const QImage& img = data->graphPage().canvas().image();
        int top = img.height(), bottom = 0;
        for (int y = 0; y < img.height() - 30; ++y)
            for (int x = 0; x < 18; ++x)   // left of the value labels
                if (qGray(img.pixel(x, y)) < 100) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top;
    };
    EXPECT_GT(titleHeight(QStringLiteral("en")), 200);   // "Velocity", 30 px a letter
    EXPECT_LT(titleHeight(QStringLiteral("de")), 150);
}
