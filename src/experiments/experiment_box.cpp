#include "experiments/experiment_box.h"

#include "experiments/file_reading.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "experiments/box_keys.h"
#include "experiments/catalogue.h"
#include "experiments/challenge_dialog.h"
#include "experiments/experiment_record.h"
#include "experiments/text_encoding.h"
#include "setup/table_access.h"
#include "ui/platform.h"
#include "ui/preferences.h"
#include "ui/safe_save.h"
#include "ui/widgets.h"

namespace {
QString filter()
{
    return ExperimentBox::tr("Collisions (*.col)");
}
QString loadPrompt()
{
    return ExperimentBox::tr("Click load to choose a file!");
}
QString savePrompt()
{
    return ExperimentBox::tr("Type in explaination here!");
}

QPushButton* button(QWidget* parent, int x, int y, int w, int h, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(x, y, w, h);
    b->setAutoDefault(false);
    return b;
}
}   // namespace

ExperimentBox::ExperimentBox(TableAccess& window, PlatformServices& platform, BoxState* state)
    : QObject(&window.tableWidget()), own_(state ? nullptr : std::make_unique<BoxState>()),
      state_(state ? *state : *own_), w_(window), platform_(platform), applier_(window)
{
    // a board does not outlive its windows, nor what it showed on the projector
    w_.classroom().run(&sim::Classroom::showClassPredictions, std::nullopt);
    const TableLinks table = w_.links();
    box_ = table.experimentBox;
    // an opaque panel: the table and the pucks must not show between its controls
    QPalette pal = box_->palette();
    pal.setColor(QPalette::Window, windowColour());
    box_->setPalette(pal);
    box_->setAutoFillBackground(true);
    memo_ = new QPlainTextEdit(box_);
    memo_->setGeometry(8, 20, 433, 172);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->installEventFilter(this);
    memo_->setAccessibleName(tr("Explanation"));
    lsbt_ = button(box_, 8, 204, 89, 33, tr("&Load"));
    cancelbt_ = button(box_, 104, 204, 89, 33, tr("&Cancel"));
    yngb_ = new QGroupBox(tr("Is this the right Experiment?"), box_);
    yngb_->setGeometry(200, 194, 241, 49);
    ybt_ = button(yngb_, 8, 18, 89, 25, tr("&Yes"));
    nbt_ = button(yngb_, 120, 18, 89, 25, tr("&No"));
    showModel();

    connect(table.load, &QAction::triggered, this, [this] { openBox(LoadMode); });
    connect(table.save, &QAction::triggered, this, [this] {
        if (!refuseChallenge())
            openBox(SaveMode);
    });
    connect(table.challenge, &QAction::triggered, this, [this] { challengeDialog().showBesideTable(); });
    connect(table.openLesson, &QAction::triggered, this, [this] { chooseLesson(); });
    connectClass(table);
    connect(lsbt_, &QPushButton::clicked, this, [this] { loadOrSave(); });
    connect(cancelbt_, &QPushButton::clicked, this, [this] { cancelOrOk(); });
    connect(ybt_, &QPushButton::clicked, this, [this] { yes(); });
    connect(nbt_, &QPushButton::clicked, this, [this] { no(); });
    new BoxKeys(box_, {lsbt_, cancelbt_, ybt_, nbt_},
                {[this] { return buttonOf(model_.defaultButton()); },
                 [this](QPushButton* b) {
                     for (exper::BoxButton k : {exper::BoxButton::LoadSave, exper::BoxButton::CancelOk,
                                                exper::BoxButton::Yes, exper::BoxButton::No})
                         if (buttonOf(k) == b)
                             return model_.shows(k);
                     return false;
                 },
                 [this] { return model_.shown(); }},
                this);

    buildRunExperimentMenu(table.runExperiment);
    // the words as typed stay with the session, and whether they are the box's own prompt
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
        state_.memo = memo_->toPlainText();
        state_.prompt = state_.memo == loadPrompt() || state_.memo == savePrompt();
    });
}

// "Run Experiment", built from the catalogue in its order: the entries at the
// top, then a submenu per group, its "Information" text above a separator.
void ExperimentBox::buildRunExperimentMenu(QMenu* menu)
{
    int count = 0;
    const exper::CatalogueEntry* entries = exper::catalogueEntries(&count);
    QMenu* group = nullptr;
    for (int i = 0; i < count; ++i) {
        const exper::CatalogueEntry* e = &entries[i];
        QMenu* into = menu;
        if (*e->group != '\0') {
            const QString title = QCoreApplication::translate("Catalogue", e->group);
            if (!group || group->title() != title)
                group = menu->addMenu(title);
            into = group;
        }
        QAction* a = into->addAction(QCoreApplication::translate("Catalogue", e->caption));
        a->setObjectName(QString::fromLatin1(e->name));
        connect(a, &QAction::triggered, this, [this, e] { showEntry(*e); });
        if (e->number == 0 && into != menu)
            into->addSeparator();
    }
}

QPushButton* ExperimentBox::buttonOf(exper::BoxButton b) const
{
    switch (b) {
    case exper::BoxButton::LoadSave: return lsbt_;
    case exper::BoxButton::Yes: return ybt_;
    case exper::BoxButton::No: return nbt_;
    case exper::BoxButton::CancelOk: break;
    }
    return cancelbt_;
}

void ExperimentBox::showModel()
{
    lsbt_->setVisible(model_.shows(exper::BoxButton::LoadSave));
    yngb_->setVisible(model_.shows(exper::BoxButton::Yes));
    cancelbt_->setText(model_.okApplies() ? tr("&Ok") : tr("&Cancel"));
    box_->setVisible(model_.shown());
}

void ExperimentBox::openBox(int mode)
{
    // from a catalogue entry too: the box becomes a Load or Save box
    memo_->clear();
    if (mode == LoadMode)
        model_.openLoad();
    else
        model_.openSave();
    showModel();
    if (mode == LoadMode) {
        box_->setTitle(tr("Load an Experiment"));
        memo_->setReadOnly(true);
        lsbt_->setText(tr("&Load"));
        memo_->setPlainText(loadPrompt());
    } else {
        box_->setTitle(tr("Save an Experiment"));
        memo_->setReadOnly(false);
        lsbt_->setText(tr("&Save"));
        memo_->setPlainText(savePrompt());
    }
    box_->raise();
}

bool ExperimentBox::eventFilter(QObject* watched, QEvent* event)
{
    // Only the prompt gives way when the memo is entered: typed words stay.
    if (watched == memo_ && event->type() == QEvent::FocusIn && model_.stage() == exper::BoxStage::Save
        && memo_->toPlainText() == savePrompt())
        memo_->clear();
    return false;
}

void ExperimentBox::loadOrSave()
{
    if (model_.saving())
        saveFile();
    else
        loadFile();
}

bool ExperimentBox::readFile(const QString& path, QByteArray* bytes)
{
    QString error;
    if (readExperimentBytes(path, bytes, &error))
        return true;
    platform_.showMessage(&w_.tableWidget(), error);
    return false;
}

void ExperimentBox::loadFile()
{
    const QString path =
        platform_.openFileName(&w_.tableWidget(), filter(), QString(), prefs::folder(prefs::Folder::Experiments));
    if (path.isEmpty())
        return;
    prefs::rememberFileIn(prefs::Folder::Experiments, path);
    showFile(path);
}

void ExperimentBox::preview(const QString& path)
{
    openBox(LoadMode);
    showFile(path);
}

void ExperimentBox::showFile(const QString& path)
{
    fileName_ = path;
    memo_->clear();
    model_.fileShown(false);
    showModel();
    QByteArray bytes;
    if (!readFile(path, &bytes))
        return;
    const exper::ExperimentFile file = exper::parseExperimentFile(std::string_view(bytes.constData(), bytes.size()));
    QStringList lines;
    for (const std::string& l : exper::decodeLines(file.lines))
        lines << QString::fromStdString(l);
    memo_->setPlainText(lines.join(QLatin1Char('\n')));
    if (file.error) {
        // no "Yes" for a file that cannot be applied whole
        platform_.showMessage(&w_.tableWidget(), parseErrorMessage(path, *file.error));
        return;
    }
    model_.fileShown(true);
    showModel();
}

bool ExperimentBox::applyFile(const QString& path)
{
    QByteArray bytes;
    if (!readFile(path, &bytes))
        return false;
    const exper::ExperimentFile file = exper::parseExperimentFile(std::string_view(bytes.constData(), bytes.size()));
    if (!file.record) {
        platform_.showMessage(&w_.tableWidget(), parseErrorMessage(path, *file.error));
        return false;
    }
    title_ = QFileInfo(path).completeBaseName();
    QStringList lines;
    for (const std::string& l : exper::decodeLines(file.lines))
        lines << QString::fromStdString(l);
    text_ = lines.join(QLatin1Char('\n'));
    applier_.apply(*file.record, RecordApplier::Source::File, [this] {
        model_.close();
        showModel();
    });
    return true;
}

void ExperimentBox::yes()
{
    applyFile(fileName_);
}

void ExperimentBox::no()
{
    memo_->clear();
    memo_->setPlainText(loadPrompt());
    model_.declined();
    showModel();
}

ChallengeDialog& ExperimentBox::challengeDialog()
{
    if (!challenge_)
        challenge_ = new ChallengeDialog(w_, applier_, platform_);
    return *challenge_;
}

// A file would hold the unknown: the seed gives the same challenge again.
bool ExperimentBox::refuseChallenge()
{
    if (!w_.room().challenge().on)
        return false;
    platform_.showMessage(&w_.tableWidget(), tr("Challenges can't be saved; note the seed instead"));
    return true;
}

void ExperimentBox::saveFile()
{
    if (refuseChallenge())
        return;
    std::vector<std::string> lines;
    for (const QString& l : memo_->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(l.toStdString());
    // a line reading as the marker would make the file unreadable
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == exper::kMarker) {
            platform_.showMessage(
                &w_.tableWidget(),
                tr("Line %1 of the explanation reads \"%2\", which marks where "
                   "an experiment's numbers begin. Change that line, then save.")
                    .arg(i + 1)
                    .arg(QString::fromLatin1(exper::kMarker.data(), static_cast<int>(exper::kMarker.size()))));
            return;
        }
    }
    const QString path = platform_.saveFileName(&w_.tableWidget(), filter(), QStringLiteral("col"),
                                                prefs::folder(prefs::Folder::Experiments));
    if (path.isEmpty())
        return;
    prefs::rememberFileIn(prefs::Folder::Experiments, path);
    const std::string bytes = exper::writeExperimentFile(exper::encodeLines(lines), applier_.makeRecord());
    SafeSave f(path);
    if (!f.open() || (f.write(bytes), !f.commit())) {
        platform_.showMessage(&w_.tableWidget(), f.message());
        return;
    }
    model_.close();
    showModel();
}

void ExperimentBox::showEntry(const exper::CatalogueEntry& entry)
{
    entry_ = &entry;
    pending_ = QString::fromStdString(entry.parameterText());
    memo_->clear();
    memo_->setReadOnly(true);
    QStringList lines;
    for (int i = 0; i < entry.lineCount; ++i)
        lines << QCoreApplication::translate("Catalogue", entry.lines[i]);
    memo_->setPlainText(lines.join(QLatin1Char('\n')));
    model_.entryShown();
    showModel();
    box_->raise();
    cancelbt_->setFocus();
}

void ExperimentBox::cancelOrOk()
{
    const bool ok = model_.okApplies();
    model_.close();
    showModel();
    if (ok && pending_ != QStringLiteral(" ")) {
        title_ = entry_ ? QCoreApplication::translate("Catalogue", entry_->caption) : QString();
        text_ = memo_->toPlainText();
        applyExperiment(pending_);
    }
}

bool ExperimentBox::applyExperiment(const QString& parameterText)
{
    const exper::ParameterParse p = exper::parseParameterText(parameterText.toStdString());
    if (!p.record) {
        platform_.showMessage(&w_.tableWidget(), parameterErrorText(p));
        return false;
    }
    applier_.apply(*p.record, RecordApplier::Source::Catalogue);
    return true;
}

bool ExperimentBox::challengeShown() const
{
    return challenge_ && challenge_->isVisible();
}

void ExperimentBox::showState(bool challengeShown)
{
    const BoxState k = state_;   // showing writes into it
    fileName_ = k.fileName;
    switch (k.model.stage()) {
    case exper::BoxStage::Hidden: model_ = k.model; break;
    case exper::BoxStage::Entry:
        if (k.entry)
            showEntry(*k.entry);
        else
            showNote(k.memo);   // a lesson's note
        break;
    case exper::BoxStage::Load:
    case exper::BoxStage::Confirm:
    case exper::BoxStage::Save:
        openBox(k.model.saving() ? SaveMode : LoadMode);
        if (!k.prompt)
            memo_->setPlainText(k.memo);
        break;
    }
    // what Ok or Load/Save would do stays as it was
    model_ = k.model;
    pending_ = k.pending;
    entry_ = k.entry;
    title_ = k.title;
    text_ = k.text;
    if (state_.joined)
        challengeDialog().keepTo(state_.joined->kind, state_.joined->seed);
    showModel();
    if (challengeShown || (w_.room().lesson() && w_.room().lesson()->challenge))
        challengeDialog().showBesideTable();
}
