#pragma once
// Scripted stand-in for dialogs, printer and clipboard: answers come from
// queues the test fills, and everything shown is recorded.

#include <QStringList>
#include <deque>

#include "ui/platform.h"

class FakePlatform : public PlatformServices {
public:
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    void showAbout(QWidget*) override { ++aboutShown; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return next(openAnswers); }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return next(saveAnswers); }
    bool printPicture(QWidget*, const QString& nameLine, const QImage& picture) override
    {
        printedNames << nameLine;
        printedPictures.push_back(picture);
        return printAccepts;
    }
    void copyImage(const QImage& image) override { copiedImages.push_back(image); }
    void copyText(const QString& text) override { copiedTexts << text; }

    QStringList messages;
    int aboutShown = 0;
    std::deque<QString> openAnswers, saveAnswers;
    bool printAccepts = true;
    QStringList printedNames;
    std::vector<QImage> printedPictures;
    std::vector<QImage> copiedImages;
    QStringList copiedTexts;

private:
    static QString next(std::deque<QString>& q)
    {
        if (q.empty())
            return QString();
        QString s = q.front();
        q.pop_front();
        return s;
    }
};
