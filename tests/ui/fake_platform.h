#pragma once
// Scripted stand-in for dialogs, printer and clipboard: answers come from
// queues the test fills, and everything shown is recorded.

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "ui/platform.h"

class FakePlatform : public PlatformServices {
public:
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    void showAbout(QWidget*) override { ++aboutShown; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString& startIn) override
    {
        openStartedIn << startIn;
        return next(openAnswers);
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString& startIn) override
    {
        saveStartedIn << startIn;
        return next(saveAnswers);
    }
    QString folderName(QWidget*, const QString&) override { return next(folderAnswers); }
    int execModal(QDialog& dialog) override
    {
        ++dialogsShown;
        if (onModal)
            return onModal(dialog);
        return 0;
    }
    bool askPrinter(QWidget*) override
    {
        ++printDialogsShown;
        return printAccepts;
    }
    // Prints into a PDF file and records the page layout.
    std::unique_ptr<PrintJob> beginPrintJob() override;
    void printerSetup(QWidget*) override { ++printerSetupsShown; }
    void copyImage(const QImage& image) override { copiedImages.push_back(image); }
    void copyText(const QString& text) override { copiedTexts << text; }

    QStringList messages;
    int aboutShown = 0;
    std::deque<QString> openAnswers, saveAnswers, folderAnswers;
    QStringList saveStartedIn;
    QStringList openStartedIn;
    std::function<int(QDialog&)> onModal;
    int dialogsShown = 0;
    bool printAccepts = true;
    bool printerReady = true;   // false: the machine has no printer
    int printDialogsShown = 0;
    int printerSetupsShown = 0;
    QString pdfPath;   // where the next job writes its page
    struct Page {
        int pageWidth = 0;
        QStringList texts;
        std::vector<QPoint> textAt;
        std::vector<QRect> pictureRects;
        std::vector<QImage> pictures;
        bool ended = false;
    };
    std::vector<Page> pages;
    std::vector<QImage> copiedImages;
    QStringList copiedTexts;

private:
    friend class FakePrintJob;
    static QString next(std::deque<QString>& q)
    {
        if (q.empty())
            return QString();
        QString s = q.front();
        q.pop_front();
        return s;
    }
};

#include <QPdfWriter>
#include <QTemporaryDir>

class FakePrintJob : public PrintJob {
public:
    FakePrintJob(FakePlatform& owner, const QString& path) : owner_(owner), writer_(path), index_(owner.pages.size())
    {
        writer_.setResolution(300);
        owner_.pages.emplace_back();
        owner_.pages.back().pageWidth = writer_.width();
        inner_ = makePainterJob(writer_, writer_.width());
    }
    bool started() const { return inner_ != nullptr; }
    int pageWidth() const override { return writer_.width(); }
    void textOut(int x, int y, const QString& text) override
    {
        owner_.pages[index_].texts << text;
        owner_.pages[index_].textAt.push_back(QPoint(x, y));
        inner_->textOut(x, y, text);
    }
    void stretchImage(const QRect& target, const QImage& image) override
    {
        owner_.pages[index_].pictureRects.push_back(target);
        owner_.pages[index_].pictures.push_back(image);
        inner_->stretchImage(target, image);
    }
    void end() override
    {
        inner_->end();
        owner_.pages[index_].ended = true;
    }

private:
    FakePlatform& owner_;
    QPdfWriter writer_;
    size_t index_;
    std::unique_ptr<PrintJob> inner_;
};

inline std::unique_ptr<PrintJob> FakePlatform::beginPrintJob()
{
    static QTemporaryDir dir;
    if (!printerReady)
        return nullptr;
    const QString path = pdfPath.isEmpty() ? dir.filePath(QStringLiteral("page%1.pdf").arg(pages.size())) : pdfPath;
    auto job = std::make_unique<FakePrintJob>(*this, path);
    if (!job->started())
        return nullptr;
    return job;
}
