#include "platform/ui/ljudmodul/qtmedia.h"

#include "platform/seams.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace plattform {

namespace {
constexpr int marginalMs = 3000;       // beyond the sound's length
constexpr int okaendLaengdMs = 60000;  // until the player knows the length
} // namespace

QtMediaspelare::QtMediaspelare(QObject *foraelder) : QObject(foraelder)
{
    m_tidsgraens.setSingleShot(true);
    connect(&m_tidsgraens, &QTimer::timeout, this, [this] {
        m_spelare->stop();
        avslutaVaentan();
    });
}

QMediaPlayer *QtMediaspelare::spelaren()
{
    // The media backend costs start-up time and memory; it is set up when
    // the first sound is asked for, not before the main window shows.
    if (m_spelare)
        return m_spelare;
    m_spelare = new QMediaPlayer(this);
    m_utgaang = new QAudioOutput(this);
    m_spelare->setAudioOutput(m_utgaang);
    connect(m_spelare, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::EndOfMedia)
            avslutaVaentan();
        else if (s == QMediaPlayer::InvalidMedia)
            felUppstod();
    });
    connect(m_spelare, &QMediaPlayer::errorOccurred, this, [this] { felUppstod(); });
    connect(m_spelare, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        if (m_slinga && ms > 0)
            m_tidsgraens.start(int(qMin<qint64>(ms, 3600000)) + marginalMs);
    });
    return m_spelare;
}

QtMediaspelare::~QtMediaspelare()
{
    if (m_spelare)
        m_spelare->stop();
    avslutaVaentan();
    if (&mediaspelare() == this)
        saettMediaspelare(nullptr);
}

bool QtMediaspelare::harLjudutgaang() const { return !QMediaDevices::audioOutputs().isEmpty(); }

void QtMediaspelare::felUppstod()
{
    if (!m_fel.isEmpty())
        return;
    m_fel = m_spelare->errorString();
    if (m_fel.isEmpty())
        m_fel = QStringLiteral("Ljudet kunde inte spelas upp.");
    if (m_slinga) {
        avslutaVaentan();
        return;
    }
    if (m_iAnrop)
        return;   // spela() itself reports it
    // An unwaited sound that fails later: say so once it is safe to open a
    // dialog, outside the player's own signal.
    const QString text = m_fel;
    QMetaObject::invokeMethod(this, [text] { visaFel(text); }, Qt::QueuedConnection);
}

void QtMediaspelare::avslutaVaentan()
{
    m_tidsgraens.stop();
    if (m_slinga)
        m_slinga->quit();
}

bool QtMediaspelare::spela(const QString &riktigSoekvaeg, bool vaenta)
{
    if (m_slinga) {
        // A sound asked for while another is waited for replaces it.
        m_spelare->stop();
        avslutaVaentan();
    }
    m_fel.clear();
    m_iAnrop = true;
    spelaren()->stop();
    QEventLoop slinga;
    if (vaenta)
        m_slinga = &slinga;
    m_spelare->setSource(QUrl::fromLocalFile(riktigSoekvaeg));
    m_spelare->play();
    m_iAnrop = false;
    if (!vaenta)
        return m_fel.isEmpty();
    const qint64 laengd = wavLaengdMs(riktigSoekvaeg);
    m_tidsgraens.start(int(laengd >= 0 ? qMin<qint64>(laengd, 3600000) : okaendLaengdMs) + marginalMs);
    if (m_fel.isEmpty())
        slinga.exec(QEventLoop::ExcludeUserInputEvents);
    m_slinga = nullptr;
    m_tidsgraens.stop();
    return m_fel.isEmpty();
}

void QtMediaspelare::stoppa()
{
    if (m_spelare)
        m_spelare->stop();
    avslutaVaentan();
}

} // namespace plattform
