#include "notepad/jottertext.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

using namespace jottertext;

namespace {

QByteArray roundTrip(const QByteArray &bytes, Decoded *decoded = nullptr)
{
    const Decoded d = decode(bytes);
    if (decoded)
        *decoded = d;
    return encode(d.text, d.format);
}

} // namespace

TEST(JotterText, EveryByteValueComesBack)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    Decoded d;
    EXPECT_EQ(roundTrip(all, &d), all);
    EXPECT_EQ(d.format.encoding, Encoding::Windows1252);
    EXPECT_FALSE(d.text.contains(QLatin1Char('\r'))); // the edit control never sees a bare CR

    // Twice over, backwards, and with stray CRs, NBSPs and NULs.
    QByteArray reversed = all;
    std::reverse(reversed.begin(), reversed.end());
    const char tail[] = "\r\r\n\n\xa0\x00x";
    QByteArray mixed = all + reversed + QByteArray(tail, sizeof tail - 1);
    EXPECT_EQ(roundTrip(mixed), mixed);
}

TEST(JotterText, Utf8AndLineEnds)
{
    const QByteArray accents = "Perché così? Già: è l'àncora\n€ 100\n";
    Decoded d;
    EXPECT_EQ(roundTrip(accents, &d), accents);
    EXPECT_EQ(d.format, (Format{Encoding::Utf8, LineEnds::Lf, false}));
    EXPECT_EQ(d.text, QString::fromUtf8(accents));

    const QByteArray dos = "prima riga\r\nseconda \xc3\xa8\r\n";
    EXPECT_EQ(roundTrip(dos, &d), dos);
    EXPECT_EQ(d.format.lineEnds, LineEnds::CrLf);
    EXPECT_EQ(d.text, QString::fromUtf8("prima riga\nseconda è\n"));
    // A line typed into a CR LF file gets CR LF too.
    EXPECT_EQ(encode(d.text + "terza\n", d.format), dos + "terza\r\n");

    // One bare LF among CR LFs: line ends are left exactly as they are.
    const QByteArray mixed = "a\r\nb\nc\r\n";
    EXPECT_EQ(roundTrip(mixed, &d), mixed);
    EXPECT_EQ(d.format.lineEnds, LineEnds::Lf);

    // Characters the edit control would change, and a BOM, survive.
    const QByteArray odd = "\xef\xbb\xbf"
                           "a\xe2\x80\xa9"
                           "b\xef\xb7\x90"
                           "c\xc2\xa0"
                           "d\r";
    EXPECT_EQ(roundTrip(odd, &d), odd);
    EXPECT_EQ(d.format.encoding, Encoding::Utf8);
    EXPECT_FALSE(d.text.contains(QChar(0x2029)));

    // A byte-order mark as the first character of the text, after the file's
    // own mark, or with no mark of the file before it.
    for (const QByteArray &marks :
         {QByteArray("\xef\xbb\xbf\xef\xbb\xbfx"), QByteArray("\xef\xbb\xbf\xef\xbb\xbf"),
          QByteArray("x\xef\xbb\xbf")}) {
        EXPECT_EQ(roundTrip(marks, &d), marks) << marks.toHex().toStdString();
        EXPECT_EQ(d.format.encoding, Encoding::Utf8);
    }
    QFile damaged(QStringLiteral(TEST_DATA_DIR "/double-bom.txt"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
    const QByteArray fromFuzzer = damaged.readAll();
    EXPECT_EQ(roundTrip(fromFuzzer), fromFuzzer);

    // A UTF-8 file that already holds a stand-in is read byte by byte.
    const QByteArray standIn = "x\xef\x9f\xb0y";
    EXPECT_EQ(roundTrip(standIn, &d), standIn);
    EXPECT_EQ(d.format.encoding, Encoding::Windows1252);
}

TEST(JotterText, Utf8Validation)
{
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("\xf0\x9f\x98\x80"));
    for (const QByteArray &bad : {QByteArray("\xc0\x80"), QByteArray("\xe0\x80\x80"),
                                  QByteArray("\xed\xa0\x80"), QByteArray("\xf4\x90\x80\x80"),
                                  QByteArray("\xc3"), QByteArray("\x80"), QByteArray("\xff")})
        EXPECT_FALSE(isValidUtf8(bad)) << bad.toHex().toStdString();
    // Text typed into a Windows-1252 file that the code page cannot hold is
    // written as UTF-8 rather than lost.
    Encoding used;
    EXPECT_EQ(encode(QStringLiteral("€ e ☃"), {Encoding::Windows1252, LineEnds::Lf}, &used),
              "€ e ☃");
    EXPECT_EQ(used, Encoding::Utf8);
    EXPECT_EQ(encode(QStringLiteral("€"), {Encoding::Windows1252, LineEnds::Lf}, &used), "\x80");
    EXPECT_EQ(used, Encoding::Windows1252);
}
