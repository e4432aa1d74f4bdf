#pragma once
// The worksheet printout window: the question list and the answer list that
// the selection panels fill, their preview, and the printed worksheet.
// One window for the whole run (Utskrift), made beside the main window.
#include "platform/ui/foenster.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QFrame;

namespace plattform { class Skrivare; }

class TUtskrift : public QWidget {
public:
    explicit TUtskrift(QWidget *foraelder = nullptr);

    QFrame *Panel8 = nullptr;          // "Uppgifter som du valt"
    QListWidget *ListBox1 = nullptr;   // questions
    QListWidget *ListBox2 = nullptr;   // answers (the key)

    QStringList fraagor() const;
    QStringList svar() const;
    void laeggTill(const QString &fraaga, const QString &svar);   // one line in each
    void laeggTillFraaga(const QString &rad);
    void laeggTillSvar(const QString &rad);
    void toemListorna();

    // Shows the list of questions (medSvar false) or answers in front,
    // usable over the modal exercise window.
    void visa(bool medSvar);

    // Prints the list chosen by G.arbetsblad.MedSvar after the print dialog.
    void SkrivutFraga();

private:
    void SkrivSidNr(int n);
    void SkrivProgramNamn();
    void SkrivProgramRubrik();
    plattform::Skrivare *m_p = nullptr;
    int m_y = 0;   // printing position in mm from the top
};

extern TUtskrift *Utskrift;
// Makes the window once; later calls give the same one.
TUtskrift &utskriftsfoenstret();

// The maker's town in the heading's maker line.
extern const char *const Tillverkarort;
