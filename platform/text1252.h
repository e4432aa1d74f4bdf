#pragma once
// Windows-1252 text at the file boundary. Every byte 0..255 maps to one
// character and back, the five bytes Windows-1252 leaves undefined included
// (they become U+0081, U+008D, ...), so scrambled lines survive a round trip.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace plattform {

QString fraan1252(const QByteArray &bytes);
QByteArray till1252(const QString &text);   // unmappable characters become '?'
char tecken1252(QChar c);                    // one character to its byte
QChar fraanByte(unsigned char b);

// Reads a text file line by line (CR LF or LF). The path is a real path.
// A file that begins with the UTF-8 byte-order mark (what today's editors
// write) is read as UTF-8; any other as Windows-1252.
class RadLaesare {
public:
    RadLaesare() = default;
    explicit RadLaesare(const QString &riktigSoekvaeg) { oeppna(riktigSoekvaeg); }
    bool oeppna(const QString &riktigSoekvaeg);
    bool aerOeppen() const { return m_oeppen; }
    bool slut() const { return !m_oeppen || m_pos >= m_data.size(); }
    QString laesRad();
    QByteArray laesRadBytes();   // as stored (UTF-8 in a file with the mark)
    void staeng();
private:
    QByteArray m_data;
    qsizetype m_pos = 0;
    bool m_oeppen = false;
    bool m_utf8 = false;
};

// Whole files of lines; false when the file does not open.
bool laesRader(const QString &riktigSoekvaeg, QStringList &rader);
// The text with CR LF line ends, written to a scratch file and renamed.
bool skrivRader(const QString &riktigSoekvaeg, const QStringList &rader);

} // namespace plattform
