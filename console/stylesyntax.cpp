#include "stylesyntax.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace stylesyntax {

namespace {

const char *const tagWords = "<header>,</header>,<style>,</style>,<brush>,</brush>,<borders>,"
                             "</borders>,<background>,</background>,<room>,</room>";
const char *const headerWords = "description, copyright,author,fileID,product,productID,"
                                "fileVersion,productVersion,copyright,name,id";
const char *const brushWords = "fill,color1,color2,texture,textureAngle,textureScale,hashType,"
                               "gradientStyle,width,font,title";

struct Keyword
{
    QString text;
    Kind kind;
};

// Keywords by their first character, longest first.
class KeywordTable
{
public:
    KeywordTable()
    {
        QHash<QString, Kind> byText;
        const std::pair<const char *, Kind> lists[] = {
            {tagWords, Kind::Tag}, {headerWords, Kind::HeaderKey}, {brushWords, Kind::BrushKey}};
        for (const auto &[words, kind] : lists) {
            for (const QString &piece : QString::fromLatin1(words).split(u','))
                byText.insert(piece, kind); // a later list replaces an equal keyword
        }
        for (auto it = byText.cbegin(); it != byText.cend(); ++it) {
            if (!it.key().isEmpty())
                m_byFirst[it.key().front()].push_back({it.key(), it.value()});
        }
        for (auto &list : m_byFirst) {
            std::sort(list.begin(), list.end(), [](const Keyword &a, const Keyword &b) {
                return a.text.size() > b.text.size();
            });
        }
    }
    const std::vector<Keyword> *startingWith(QChar c) const
    {
        const auto it = m_byFirst.constFind(c);
        return it == m_byFirst.cend() ? nullptr : &it.value();
    }

private:
    QHash<QChar, std::vector<Keyword>> m_byFirst;
};

const KeywordTable &keywords()
{
    static const KeywordTable table;
    return table;
}

bool isDelimiter(QChar c)
{
    const char16_t u = c.unicode();
    if (u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f')
        return true;
    return u < 128 && ((u >= 33 && u <= 47) || (u >= 58 && u <= 64) || (u >= 91 && u <= 96) ||
                       (u >= 123 && u <= 126));
}

} // namespace

QColor colour(Kind kind)
{
    switch (kind) {
    case Kind::Plain:
        return {0, 0, 0};
    case Kind::Comment:
        return {0, 130, 0};
    case Kind::String:
        return {0, 128, 128};
    case Kind::Tag:
        return {255, 0, 0};
    case Kind::HeaderKey:
        return {255, 0, 255};
    case Kind::BrushKey:
        return {0, 0, 255};
    }
    return {};
}

std::vector<Span> lineSpans(QStringView line, bool &inComment)
{
    std::vector<Span> spans;
    const int n = static_cast<int>(line.size());
    int i = 0;
    while (i < n) {
        if (inComment) {
            const qsizetype end = line.indexOf(u"*/", i);
            const int stop = end < 0 ? n : static_cast<int>(end) + 2;
            spans.push_back({i, stop - i, Kind::Comment});
            i = stop;
            if (end >= 0)
                inComment = false;
            continue;
        }
        const QChar c = line[i];
        if (c == u'/' && i + 1 < n && line[i + 1] == u'/') {
            spans.push_back({i, n - i, Kind::Comment});
            break;
        }
        if (c == u'/' && i + 1 < n && line[i + 1] == u'*') {
            const qsizetype end = line.indexOf(u"*/", i + 2);
            const int stop = end < 0 ? n : static_cast<int>(end) + 2;
            spans.push_back({i, stop - i, Kind::Comment});
            inComment = end < 0;
            i = stop;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            int j = i + 1;
            while (j < n) {
                if (line[j] == u'\\') {
                    j += 2;
                    continue;
                }
                if (line[j++] == c)
                    break;
            }
            j = std::min(j, n);
            spans.push_back({i, j - i, Kind::String});
            i = j;
            continue;
        }
        if (i == 0 || isDelimiter(line[i - 1])) {
            if (const std::vector<Keyword> *candidates = keywords().startingWith(c)) {
                bool matched = false;
                for (const Keyword &k : *candidates) {
                    const int end = i + static_cast<int>(k.text.size());
                    if (end <= n && line.sliced(i, k.text.size()) == k.text &&
                        (end == n || isDelimiter(line[end]))) {
                        spans.push_back({i, static_cast<int>(k.text.size()), k.kind});
                        i = end;
                        matched = true;
                        break;
                    }
                }
                if (matched)
                    continue;
            }
        }
        ++i;
    }
    return spans;
}

std::vector<Span> textSpans(QStringView text)
{
    std::vector<Span> spans;
    bool inComment = false;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        for (Span s : lineSpans(text.sliced(start, end - start), inComment)) {
            s.start += static_cast<int>(start);
            spans.push_back(s);
        }
        start = end + 1;
    }
    return spans;
}

} // namespace stylesyntax
