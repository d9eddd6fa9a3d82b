#include "app/class_slips.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include "app/lab_sheet.h"

namespace {

constexpr int kColumns = 2, kRows = 5;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ClassSlips)
};

void drawSlip(QPainter& p, const QRect& slip, const cls::ClassFile& c, const cls::Student& s)
{
    const QRect inner = slip.adjusted(60, 50, -60, -40);
    int y = inner.top();
    const auto line = [&](const QFont& f, const QString& text, int flags = Qt::AlignLeft) {
        p.setFont(f);
        const QRect box(inner.left(), y, inner.width(), inner.bottom() - y);
        const QRect used = p.boundingRect(box, flags | Qt::TextWordWrap, text);
        p.drawText(box, flags | Qt::TextWordWrap, text);
        y += used.height() + 20;
    };
    line(sheetFont(9), Text::tr("Slidora, class %1").arg(c.name));
    line(sheetFont(14, true), s.name);
    QFont mono = sheetFont(17, true);
    mono.setFamily(QStringLiteral("Liberation Mono"));
    line(mono, c.codeOf(s));
    line(sheetFont(8),
         Text::tr("To join: open Slidora, choose File > Join Class..., and type your name and this "
                  "code. Keep the code to yourself: your hand-in is signed with it."));
}

}   // namespace

QString writeClassSlips(const QString& path, const cls::ClassFile& c)
{
    const QString title = Text::tr("Join codes of %1").arg(c.name);
    return writeSheetPdf(path, title, [&c](QPainter& p, QPdfWriter& writer, const QRect& page) {
        const int w = page.width() / kColumns, h = page.height() / kRows;
        const QPen cut(Qt::black, 2, Qt::DashLine);
        for (size_t i = 0; i < c.students.size(); ++i) {
            const int at = int(i % (kColumns * kRows));
            if (at == 0 && i > 0)
                writer.newPage();
            const QRect slip(page.left() + (at % kColumns) * w, page.top() + (at / kColumns) * h, w, h);
            p.setPen(cut);
            p.drawRect(slip);   // where to cut
            p.setPen(Qt::black);
            drawSlip(p, slip, c, c.students[i]);
        }
    });
}
