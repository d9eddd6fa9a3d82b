#pragma once
// Modal dialogs, the printer and the clipboard, behind one interface so
// that tests script the answers and never wait on a dialog.

#include <QImage>
#include <QString>

class QWidget;

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    virtual void showAbout(QWidget* parent) = 0;
    // Empty string when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& defaultExt) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultExt) = 0;
    // Asks for a printer, then prints the name line and the picture.
    // Returns false when the user cancelled.
    virtual bool printPicture(QWidget* parent, const QString& nameLine, const QImage& picture) = 0;
    virtual void copyImage(const QImage& image) = 0;
    virtual void copyText(const QString& text) = 0;
};

class QtPlatformServices : public PlatformServices {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    void showAbout(QWidget* parent) override;
    QString openFileName(QWidget* parent, const QString& filter, const QString& defaultExt) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultExt) override;
    bool printPicture(QWidget* parent, const QString& nameLine, const QImage& picture) override;
    void copyImage(const QImage& image) override;
    void copyText(const QString& text) override;
};
