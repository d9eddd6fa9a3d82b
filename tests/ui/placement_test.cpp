// Where the tool windows go on a classroom screen.
#include <gtest/gtest.h>

#include "ui/placement.h"

namespace {
const QRect kScreen(0, 0, 1280, 1024);
const QRect kTable(244, 229, 792, 565);   // centred, as it starts

TEST(PlacementTest, BesideTheTableNeverOverItOrEachOther)
{
    const struct {
        const char* what;
        QRect area, table;
        QSize size;
        QList<QRect> taken;
        QPoint at;
        int shift;
    } cases[] = {
        {"room on the right", QRect(0, 0, 1920, 1200), kTable, {385, 174}, {}, {1044, 229}, 0},
        {"below, the table where it stands", kScreen, kTable, {385, 174}, {}, {244, 802}, 0},
        {"too tall for below: the table moves left", kScreen, kTable, {385, 450}, {}, {895, 229}, -149},
        {"below the Challenge dialog",
         kScreen,
         QRect(95, 229, 792, 565),
         {385, 174},
         {QRect(895, 229, 385, 300)},
         {895, 537},
         0},
        {"no room anywhere: the screen's right edge",
         QRect(0, 0, 800, 600),
         QRect(0, 0, 792, 565),
         {385, 174},
         {},
         {415, 0},
         0},
    };
    for (const auto& c : cases) {
        const place::Beside b = place::besideTable(c.area, c.table, c.size, c.taken);
        EXPECT_EQ(b.at, c.at) << c.what;
        EXPECT_EQ(b.tableShift, c.shift) << c.what;
        const QRect table = c.table.translated(b.tableShift, 0), put(b.at, c.size);
        EXPECT_TRUE(c.area.contains(put)) << c.what;
        if (c.area.width() >= 1280) {
            EXPECT_FALSE(put.intersects(table)) << c.what;
            for (const QRect& t : c.taken)
                EXPECT_FALSE(put.intersects(t)) << c.what;
        }
    }
}

TEST(PlacementTest, EveryWindowStaysOnTheScreen)
{
    // larger than the screen: the menu bar's corner on it, not at -152, -54
    EXPECT_EQ(place::onScreen(kScreen, QRect(-152, -54, 1584, 1132)), QPoint(0, 0));
    EXPECT_EQ(place::onScreen(kScreen, QRect(700, 600, 792, 565)), QPoint(488, 459));
    EXPECT_EQ(place::onScreen(kScreen, kTable), kTable.topLeft());
    // the data window over the table, moved clear of the panel on its right
    const QRect data(-8, 231, 808, 560), panel(895, 229, 385, 450);
    EXPECT_EQ(place::clearOf(kScreen, data, {panel}), QPoint(0, 231));
    const QRect wide(300, 231, 808, 560);
    const QPoint at = place::clearOf(kScreen, wide, {panel});
    EXPECT_FALSE(QRect(at, wide.size()).intersects(panel));
    EXPECT_TRUE(kScreen.contains(QRect(at, wide.size())));
}
}   // namespace
