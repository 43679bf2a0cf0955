#include "notepad/cjotterapp.h"
#include "notepad/cjotterdoc.h"
#include "notepad/cjotterview.h"

#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Types the text as key presses, as a person at the keyboard would.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n') {
            QTest::keyClick(widget, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QCoreApplication::sendEvent(widget, &release);
    }
}

} // namespace

// The text goes through the real edit control: read into the view's
// document, taken back out the way saving takes it, written again.
class ViewRoundTrip : public ::testing::Test
{
protected:
    QByteArray roundTrip(const QByteArray &bytes, const QString &typed = {})
    {
        const QString path = dir.filePath(QStringLiteral("f%1.txt").arg(++count));
        {
            QFile f(path);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        CJotterDoc doc(app, QStringLiteral("Documento1"));
        CJotterView view(doc, app);
        view.resize(400, 300);
        view.show();
        QString error;
        EXPECT_TRUE(doc.readFile(path, &error)) << error.toStdString();
        EXPECT_FALSE(doc.isModified());
        if (!typed.isEmpty()) {
            view.moveCursor(QTextCursor::End);
            type(&view, typed);
            EXPECT_TRUE(doc.isModified());
        }
        EXPECT_TRUE(doc.writeFile(path, &error)) << error.toStdString();
        EXPECT_FALSE(doc.isModified());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    CJotterApp app;
    QTemporaryDir dir;
    int count = 0;
};

TEST_F(ViewRoundTrip, EveryByteValue)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    EXPECT_EQ(roundTrip(all), all);
    QByteArray reversed = all;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(roundTrip(reversed + all), reversed + all);
}

TEST_F(ViewRoundTrip, Utf8WithAccentsAndOddCharacters)
{
    const QByteArray accents = "Perché così? Già: è l'àncora, però € 100.\nÀÈÌÒÙ\n";
    EXPECT_EQ(roundTrip(accents), accents);
    // Non-breaking space, line and paragraph separators, a byte-order mark,
    // NUL, tab, form feed and a character outside the basic plane.
    const QByteArray odd = "\xef\xbb\xbf"
                           "a\xc2\xa0"
                           "b\xe2\x80\xa8"
                           "c\xe2\x80\xa9"
                           "d\t\f\xf0\x9f\x98\x80"
                           "e\x00"
                           "f\xef\xbf\xbe";
    const QByteArray withNul(odd.constData(), odd.size());
    EXPECT_EQ(roundTrip(withNul), withNul);
}

TEST_F(ViewRoundTrip, LineEndsKept)
{
    EXPECT_EQ(roundTrip("uno\r\ndue\r\n"), "uno\r\ndue\r\n");
    EXPECT_EQ(roundTrip("uno\ndue\n"), "uno\ndue\n");
    EXPECT_EQ(roundTrip("uno\r\ndue\nre\rquattro"), "uno\r\ndue\nre\rquattro");
    EXPECT_EQ(roundTrip("\r\n\r\n"), "\r\n\r\n");
    // A new line typed into a CR LF file ends with CR LF too.
    EXPECT_EQ(roundTrip("uno\r\n", "due\n"), "uno\r\ndue\r\n");
    EXPECT_EQ(roundTrip("uno\n", "due\n"), "uno\ndue\n");
    EXPECT_EQ(roundTrip("caff\xe8\n", QStringLiteral("è")), "caff\xe8\n\xe8"); // stays Windows-1252
}

TEST(JotterView, LongLinesWrapWithoutHorizontalScrollBar)
{
    CJotterApp app;
    CJotterDoc doc(app, QStringLiteral("Documento1"));
    CJotterView view(doc, app);
    view.resize(300, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    doc.setText(QString(2000, QLatin1Char('x')) + QStringLiteral(" fine"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(view.horizontalScrollBar()->isVisible());
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
    const QTextBlock block = doc.textDocument()->firstBlock();
    ASSERT_NE(block.layout(), nullptr);
    EXPECT_GT(block.layout()->lineCount(), 5);
    // A narrower window wraps into more lines.
    const int before = block.layout()->lineCount();
    view.resize(150, 200);
    QCoreApplication::processEvents();
    EXPECT_GT(doc.textDocument()->firstBlock().layout()->lineCount(), before);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
}

TEST(JotterView, FindGoesRoundTheEndAndReplaceAllIsOneUndo)
{
    CJotterApp app;
    CJotterDoc doc(app, QStringLiteral("Documento1"));
    CJotterView view(doc, app);
    doc.setText(QStringLiteral("Gatto gatto\ncane GATTO gattone"));

    FindOptions options{QStringLiteral("gatto"), false, false, true};
    QTextCursor at = view.textCursor();
    at.setPosition(20);
    view.setTextCursor(at);
    ASSERT_TRUE(view.findText(options)); // "gatto" in "gattone"
    EXPECT_EQ(view.textCursor().selectionStart(), 23);
    ASSERT_TRUE(view.findText(options)); // round the end: "Gatto"
    EXPECT_EQ(view.textCursor().selectionStart(), 0);
    options.matchCase = true;
    options.wholeWord = true;
    ASSERT_TRUE(view.findText(options));
    EXPECT_EQ(view.textCursor().selectionStart(), 6);
    ASSERT_TRUE(view.findText(options)); // the only whole, exact match again
    EXPECT_EQ(view.textCursor().selectionStart(), 6);
    options.forward = false;
    options.matchCase = false;
    ASSERT_TRUE(view.findText(options));
    EXPECT_EQ(view.textCursor().selectionStart(), 0);
    EXPECT_FALSE(view.findText({QStringLiteral("topo"), false, false, true}));

    // Replace: the selected match first, then the next one is selected.
    options = {QStringLiteral("gatto"), false, false, true};
    view.moveCursor(QTextCursor::Start);
    ASSERT_TRUE(view.findText(options));
    ASSERT_TRUE(view.replaceSelection(options, QStringLiteral("micio")));
    EXPECT_EQ(doc.text(), QStringLiteral("micio gatto\ncane GATTO gattone"));
    EXPECT_EQ(view.textCursor().selectedText(), QStringLiteral("gatto"));

    EXPECT_EQ(view.replaceAll(options, QStringLiteral("gatto gatto")), 3);
    EXPECT_EQ(doc.text(), QStringLiteral("micio gatto gatto\ncane gatto gatto gatto gattone"));
    view.undo();
    EXPECT_EQ(doc.text(), QStringLiteral("micio gatto\ncane GATTO gattone"));
    EXPECT_EQ(view.replaceAll({QString(), false, false, true}, QStringLiteral("x")), 0);
}
