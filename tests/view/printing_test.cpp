#include "table_fixture.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "ui/printer_session.h"
#include "view/printing.h"

class PrintTest : public TableTest {
protected:
    Printing& printing() { return window->printing(); }
    void enterName(const QString& name)
    {
        platform.onModal = [name](QDialog& d) {
            static_cast<NameDialog&>(d).nameField()->setText(name);
            return int(QDialog::Accepted);
        };
        c().WhoAmI1->trigger();
    }
};

TEST_F(PrintTest, WhoAmICaptionWithAndWithoutAName)
{
    EXPECT_EQ(c().WhoAmI1->text(), "&Who Am I:");
    enterName(QStringLiteral("Ada"));
    EXPECT_EQ(c().WhoAmI1->text(), "&Who am I: Ada");
    EXPECT_EQ(platform.dialogsShown, 1);
    enterName(QString());
    EXPECT_EQ(c().WhoAmI1->text(), "&Who am I: ");
}

TEST_F(PrintTest, NameDialogLayoutFocusAndEnter)
{
    NameDialog& d = *nameDialog;
    EXPECT_EQ(d.windowTitle(), "I am ....");
    EXPECT_EQ(d.size(), QSize(204, 143));
    EXPECT_EQ(d.okButton()->geometry(), QRect(51, 101, 89, 33));
    d.show();
    QApplication::processEvents();
    EXPECT_TRUE(d.nameField()->hasFocus() || QApplication::focusWidget() == d.nameField());
    QTest::keyClicks(d.nameField(), QStringLiteral("Grace"));
    QTest::keyClick(d.nameField(), Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.name(), "Grace");
}

TEST_F(PrintTest, PageLayoutWithTheName)
{
    enterName(QStringLiteral("Ada"));
    runAndPause(10);
    c().printtrbt->click();
    ASSERT_EQ(platform.pages.size(), 1u);
    const FakePlatform::Page& page = platform.pages[0];
    EXPECT_TRUE(page.ended);
    ASSERT_EQ(page.texts.size(), 1);
    EXPECT_EQ(page.texts[0], "Printed by: Ada");
    EXPECT_EQ(page.textAt[0], QPoint(0, 150));
    ASSERT_EQ(page.pictureRects.size(), 1u);
    const QRect r = page.pictureRects[0];
    const int w = page.pageWidth - 300;
    EXPECT_EQ(r.topLeft(), QPoint(150, 300));
    EXPECT_EQ(r.width(), w);
    EXPECT_EQ(r.height(), int(367 * (double(w) / 759)));
    EXPECT_EQ(page.pictures[0], image().image());
}

TEST_F(PrintTest, NoNameNoNameLineAndThePdfIsWritten)
{
    platform.pdfPath = QDir::temp().filePath(QStringLiteral("slidora-print-test.pdf"));
    QFile::remove(platform.pdfPath);
    c().Print1->trigger();   // the menu entry prints even before a run
    ASSERT_EQ(platform.pages.size(), 1u);
    EXPECT_TRUE(platform.pages[0].texts.isEmpty());
    EXPECT_EQ(platform.pages[0].pictureRects[0].top(), 300);
    EXPECT_GT(QFileInfo(platform.pdfPath).size(), 1000);
}

TEST_F(PrintTest, CancellingThePrintDialogPrintsNothing)
{
    platform.printAccepts = false;
    c().Print1->trigger();
    EXPECT_EQ(platform.printDialogsShown, 1);
    EXPECT_TRUE(platform.pages.empty());
}

TEST_F(PrintTest, SelectionsInBothDirectionsCopyTheSameRectangle)
{
    c().CopySelect1->trigger();
    printing().selectionStart(100, 80);
    printing().selectionMove(180, 140);
    printing().selectionFinish();
    ASSERT_EQ(platform.copiedImages.size(), 1u);
    printing().selectionStart(180, 140);
    printing().selectionMove(100, 80);
    EXPECT_EQ(c().copyshape->geometry(), QRect(107, 87, 80, 60));
    printing().selectionFinish();
    ASSERT_EQ(platform.copiedImages.size(), 2u);
    EXPECT_EQ(platform.copiedImages[0].size(), QSize(80, 60));
    EXPECT_EQ(platform.copiedImages[0], platform.copiedImages[1]);
    EXPECT_EQ(platform.copiedImages[0], image().image().copy(100, 80, 80, 60));
    EXPECT_TRUE(c().copyshape->isHidden());
    EXPECT_FALSE(printing().selecting());
    EXPECT_TRUE(c().PrintCopySelect1->isEnabled());
    // printed straight away, without a print dialog
    c().PrintCopySelect1->trigger();
    EXPECT_EQ(platform.printDialogsShown, 0);
    ASSERT_EQ(platform.pages.size(), 1u);
    EXPECT_EQ(platform.pages[0].pictures[0], platform.copiedImages[0]);
    c().Resetbt->click();
    EXPECT_FALSE(c().PrintCopySelect1->isEnabled());
}

TEST_F(PrintTest, EmptySelectionIsCopiedButNotPrinted)
{
    c().CopySelect1->trigger();
    printing().selectionStart(50, 50);
    printing().selectionFinish();
    ASSERT_EQ(platform.copiedImages.size(), 1u);
    EXPECT_TRUE(platform.copiedImages[0].isNull());
    EXPECT_TRUE(c().PrintCopySelect1->isEnabled());
    c().PrintCopySelect1->trigger();
    EXPECT_TRUE(platform.pages.empty());
    ASSERT_EQ(platform.messages.size(), 1);
}

TEST_F(PrintTest, NoSelectionWhileMeasuringOrWithoutCopySelect)
{
    printing().selectionStart(50, 50);
    EXPECT_FALSE(printing().selecting());
    runAndPause(2);
    c().CopySelect1->trigger();
    c().measurecb->setChecked(true);
    printing().selectionStart(50, 50);
    EXPECT_FALSE(printing().selecting());
    EXPECT_TRUE(c().copyshape->isHidden());
}

namespace {
// The colours of the first RGB image in a PDF written by Qt. A picture
// stored lossily (DCT) is decoded the same way a viewer would decode it.
QSet<QRgb> pdfImageColours(const QByteArray& pdf, QString* filter)
{
    QSet<QRgb> colours;
    const qsizetype at = pdf.indexOf("/Subtype /Image");
    if (at < 0)
        return colours;
    const qsizetype dictEnd = pdf.indexOf(">>", at);
    const QByteArray dict = pdf.mid(at, dictEnd - at);
    auto number = [&](const char* key) {
        const qsizetype k = dict.indexOf(key);
        return k < 0 ? 0 : dict.mid(k + qstrlen(key)).trimmed().split('\n').first().toInt();
    };
    const int w = number("/Width"), h = number("/Height");
    const qsizetype begin = pdf.indexOf("stream\n", dictEnd) + 7;
    const qsizetype end = pdf.indexOf("\nendstream", begin);
    const QByteArray data = pdf.mid(begin, end - begin);
    QImage picture;
    if (dict.contains("/DCTDecode")) {
        *filter = QStringLiteral("DCT");
        picture = QImage::fromData(data, "JPEG");
    } else if (dict.contains("/FlateDecode") && dict.contains("/DeviceRGB")) {
        *filter = QStringLiteral("Flate");
        const qsizetype size = qsizetype(w) * h * 3;
        QByteArray framed(4, '\0');
        framed[0] = char((size >> 24) & 0xff);
        framed[1] = char((size >> 16) & 0xff);
        framed[2] = char((size >> 8) & 0xff);
        framed[3] = char(size & 0xff);
        const QByteArray raw = qUncompress(framed + data);
        if (raw.size() == size)
            picture =
                QImage(reinterpret_cast<const uchar*>(raw.constData()), w, h, w * 3, QImage::Format_RGB888).copy();
    }
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y) | 0xff000000u);
    return colours;
}
}   // namespace

TEST_F(PrintTest, PrintedPictureKeepsItsPixels)
{
    c().v2sb->setValue(30);
    runAndPause(60);
    QSet<QRgb> own;
    const QImage& pic = image().image();
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x)
            own.insert(pic.pixel(x, y) | 0xff000000u);
    ASSERT_GE(own.size(), 3);

    platform.pdfPath = QDir::temp().filePath(QStringLiteral("slidora-lossless-test.pdf"));
    QFile::remove(platform.pdfPath);
    c().printtrbt->click();
    QFile f(platform.pdfPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString filter;
    const QSet<QRgb> printed = pdfImageColours(f.readAll(), &filter);
    EXPECT_EQ(filter, "Flate");
    ASSERT_FALSE(printed.isEmpty());
    for (QRgb c : printed)
        EXPECT_TRUE(own.contains(c)) << std::hex << c;
}

TEST_F(PrintTest, WithoutAPrinterItSaysSoAndPrintsNothing)
{
    platform.printerReady = false;
    c().Print1->trigger();
    EXPECT_TRUE(platform.pages.empty());
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0], "No printer is set up.");

    c().CopySelect1->trigger();
    printing().selectionStart(10, 10);
    printing().selectionMove(60, 40);
    printing().selectionFinish();
    c().PrintCopySelect1->trigger();
    EXPECT_TRUE(platform.pages.empty());
    EXPECT_EQ(platform.messages.size(), 2);

    // the real services on a machine without a default printer
    if (QPrinterInfo::defaultPrinter().isNull()) {
        QtPlatformServices real;
        EXPECT_EQ(real.beginPrintJob(), nullptr);
    }
}

TEST_F(PrintTest, AFailedStartLeavesNothingBehindAndAPdfThenPrints)
{
    PrinterSession session;
    EXPECT_FALSE(session.started());   // no printer object until printing is asked for
    // a printer that is not there cannot start
    session.choose([](QPrinter& p) {
        p.setPrinterName(QStringLiteral("slidora-no-such-printer"));
        return true;
    });
    EXPECT_EQ(session.begin(), nullptr);

    // then "Print to File (PDF)" is chosen, and the page holds the picture
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("trace.pdf"));
    ASSERT_TRUE(session.choose([&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return p.outputFileName() == pdf;
    }));
    std::unique_ptr<PrintJob> job = session.begin();
    ASSERT_NE(job, nullptr);
    job->stretchImage(QRect(150, 300, 759, 367), image().image());
    job->end();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString filter;
    EXPECT_FALSE(pdfImageColours(f.readAll(), &filter).isEmpty());
}
