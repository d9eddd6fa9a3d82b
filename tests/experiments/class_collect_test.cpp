// What the collector takes, apart from the network.
#include <gtest/gtest.h>

#include "experiments/class_collect.h"
#include "signed_hand_in.h"

namespace {

using cls::Taken;

struct Post {
    const char* address;
    int file;   // which of the test's bodies
    qint64 ms;
    Taken taken;
    int status;
};

TEST(CollectDeskTest, TakesOnlyWholeSignedFilesWithinEachAddressesLimits)
{
    const cls::ClassFile c = cls::newClass("7b", sim::ChallengeKind::Mass, {"Anna", "Björn", "Ceyda"});
    const cls::ClassFile other = cls::newClass("7c", sim::ChallengeKind::Mass, {"Anna"});
    QByteArray forged = signedHandIn(c, c.students[1], {2.25});
    forged.replace("2.25", "2.5");
    const std::vector<QByteArray> bodies = {
        signedHandIn(c, c.students[0], {1.5}),         signedHandIn(c, c.students[1], {2.0}),  forged,
        signedHandIn(other, other.students[0], {1.0}), QByteArray(cls::kHandInLimit + 1, '{'), "not json",
        signedHandIn(c, c.students[2], {3.0})};
    cls::CollectLimits limits;
    limits.burst = 3;
    limits.perSecond = 2;
    limits.addressBytes = bodies[0].size() + bodies[1].size();   // two files from one machine
    cls::CollectDesk desk(c, limits);
    const Post posts[] = {
        {"10.0.0.1", 0, 0, Taken::Stored, 201},     {"10.0.0.1", 0, 0, Taken::AlreadyHere, 200},
        {"10.0.0.1", 2, 0, Taken::Refused, 400},    {"10.0.0.1", 1, 0, Taken::TooMany, 429},
        {"10.0.0.1", 1, 500, Taken::Stored, 201},   {"10.0.0.1", 6, 1000, Taken::Full, 507},
        {"10.0.0.2", 3, 1000, Taken::Refused, 400}, {"10.0.0.2", 4, 1000, Taken::TooLarge, 413},
        {"10.0.0.2", 5, 1000, Taken::Refused, 400}, {"10.0.0.2", 6, 2000, Taken::Stored, 201},
    };
    for (const Post& p : posts) {
        const cls::CollectAnswer a = desk.take(p.address, bodies[size_t(p.file)], p.ms);
        EXPECT_EQ(a.taken, p.taken) << p.address << " file " << p.file << " at " << p.ms << ": "
                                    << a.line.toStdString();
        EXPECT_EQ(a.status, p.status) << a.line.toStdString();
        EXPECT_EQ(a.file.isEmpty(), p.taken != Taken::Stored);
        if (a.taken == Taken::Stored)
            desk.stored(p.address, bodies[size_t(p.file)]);
    }
    EXPECT_EQ(desk.files(), 3);
}

TEST(CollectDeskTest, TheFolderHoldsNoMoreThanItsCap)
{
    const cls::ClassFile c = cls::newClass("7b", sim::ChallengeKind::Speed, {"Anna", "Björn"});
    cls::CollectLimits limits;
    limits.totalFiles = 1;
    cls::CollectDesk desk(c, limits);
    const QByteArray anna = signedHandIn(c, c.students[0], {1}), bjorn = signedHandIn(c, c.students[1], {1});
    ASSERT_EQ(desk.take("10.0.0.1", anna, 0).taken, Taken::Stored);
    desk.stored("10.0.0.1", anna);
    EXPECT_EQ(desk.take("10.0.0.2", bjorn, 0).status, 507);
}

TEST(CollectDeskTest, AFileNameKeepsLettersAndNeverAPath)
{
    const QByteArray body = "x";
    const QString name = cls::collectedFileName(QStringLiteral("../Zoë O'Neil/\\:*"), body);
    EXPECT_TRUE(name.startsWith(QStringLiteral("___Zoë_O_Neil____-"))) << name.toStdString();
    EXPECT_TRUE(name.endsWith(QStringLiteral(".slidora-result")));
    EXPECT_NE(name, cls::collectedFileName(QStringLiteral("../Zoë O'Neil/\\:*"), "y"));
}

}   // namespace
