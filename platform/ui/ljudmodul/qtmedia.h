#pragma once
// The real sound player: Qt Multimedia on its default (GStreamer) backend.
// Built into the sound module (see platform/ui/moduler.h).
#include "platform/media.h"

#include <QObject>
#include <QTimer>

class QAudioOutput;
class QEventLoop;
class QMediaPlayer;

namespace plattform {

class QtMediaspelare : public QObject, public Mediaspelare {
    Q_OBJECT
public:
    explicit QtMediaspelare(QObject *foraelder = nullptr);
    ~QtMediaspelare() override;

    bool spela(const QString &riktigSoekvaeg, bool vaenta) override;
    void stoppa() override;
    QString felText() const override { return m_fel; }
    bool harLjudutgaang() const override;

private:
    void avslutaVaentan();
    void felUppstod();

    QMediaPlayer *spelaren();

    QMediaPlayer *m_spelare = nullptr;   // made with the first sound
    QAudioOutput *m_utgaang = nullptr;
    QEventLoop *m_slinga = nullptr;
    bool m_iAnrop = false;        // inside spela(), before it returns
    QTimer m_tidsgraens;
    QString m_fel;
};

} // namespace plattform
