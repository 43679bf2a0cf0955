#include "platform/singleinstance.h"

#include <QProcess>
#include <QUuid>

#include <gtest/gtest.h>

TEST(SingleInstance, SecondStartAsksFirstToShowAndEnds)
{
    const QString name = QStringLiteral("Domora test %1").arg(QUuid::createUuid().toString());
    QProcess first;
    first.start(QStringLiteral(SINGLEINSTANCE_PROBE), {name});
    ASSERT_TRUE(first.waitForReadyRead(10000));
    EXPECT_EQ(first.readLine().trimmed(), "PRIMARY");

    QProcess second;
    second.start(QStringLiteral(SINGLEINSTANCE_PROBE), {name});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardOutput().trimmed(), "SECONDARY");

    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(first.readAllStandardOutput().trimmed(), "SHOWN");
}

TEST(SingleInstance, StaleSocketFromCrashedInstanceDoesNotBlockStart)
{
    const QString name = QStringLiteral("Domora stale %1").arg(QUuid::createUuid().toString());
    QProcess first;
    first.start(QStringLiteral(SINGLEINSTANCE_PROBE), {name});
    ASSERT_TRUE(first.waitForReadyRead(10000));
    first.kill(); // leaves its socket file behind
    first.waitForFinished(5000);

    platform::SingleInstance instance(name);
    EXPECT_TRUE(instance.claim());
}
