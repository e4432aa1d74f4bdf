#include "platform/text1252.h"

#include <QFile>
#include <QSaveFile>

namespace plattform {

namespace {
// 0x80..0x9F; undefined positions keep the C1 control of the same number.
const char16_t hoegTabell[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

QChar fraanByte(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return QChar(hoegTabell[b - 0x80]);
    return QChar(b);
}

char tecken1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i)
        if (hoegTabell[i] == u)
            return char(0x80 + i);
    return '?';
}

QString fraan1252(const QByteArray &bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char b : bytes)
        s.append(fraanByte(static_cast<unsigned char>(b)));
    return s;
}

QByteArray till1252(const QString &text)
{
    QByteArray b;
    b.reserve(text.size());
    for (QChar c : text)
        b.append(tecken1252(c));
    return b;
}

bool RadLaesare::oeppna(const QString &riktigSoekvaeg)
{
    staeng();
    QFile f(riktigSoekvaeg);
    if (riktigSoekvaeg.isEmpty() || !f.open(QIODevice::ReadOnly))
        return false;
    m_data = f.readAll();
    m_oeppen = true;
    m_utf8 = m_data.startsWith("\xEF\xBB\xBF");
    if (m_utf8)
        m_pos = 3;
    return true;
}

QByteArray RadLaesare::laesRadBytes()
{
    if (slut())
        return {};
    qsizetype slutPos = m_data.indexOf('\n', m_pos);
    qsizetype naesta = slutPos < 0 ? m_data.size() : slutPos + 1;
    if (slutPos < 0)
        slutPos = m_data.size();
    QByteArray rad = m_data.mid(m_pos, slutPos - m_pos);
    if (rad.endsWith('\r'))
        rad.chop(1);
    m_pos = naesta;
    return rad;
}

QString RadLaesare::laesRad()
{
    const QByteArray rad = laesRadBytes();
    return m_utf8 ? QString::fromUtf8(rad) : fraan1252(rad);
}

void RadLaesare::staeng()
{
    m_data.clear();
    m_pos = 0;
    m_oeppen = false;
    m_utf8 = false;
}

bool laesRader(const QString &riktigSoekvaeg, QStringList &rader)
{
    RadLaesare l;
    if (!l.oeppna(riktigSoekvaeg))
        return false;
    rader.clear();
    while (!l.slut())
        rader << l.laesRad();
    return true;
}

bool skrivRader(const QString &riktigSoekvaeg, const QStringList &rader)
{
    QSaveFile f(riktigSoekvaeg);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const QString &r : rader) {
        QByteArray b = till1252(r);
        b.append("\r\n");
        if (f.write(b) != b.size()) {
            f.cancelWriting();
            return false;
        }
    }
    return f.commit();
}

} // namespace plattform
