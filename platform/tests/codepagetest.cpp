#include "platform/codepage.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(CodePage, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = codepage::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(codepage::encode(text), all);
}

TEST(CodePage, KnownCharactersAndUnmappable)
{
    EXPECT_EQ(codepage::decode(QByteArray("\x80\xE8\x9D", 3)), QString::fromUtf8("€è\u009D"));
    EXPECT_EQ(codepage::encode(QString::fromUtf8("città €")), QByteArray("citt\xE0 \x80"));
    // Outside the code page: CJK, and a character beyond the BMP counts once.
    EXPECT_EQ(codepage::encode(QString::fromUtf8("a中b😀c")), QByteArray("a?b?c"));
}
