#pragma once
// The rule-page window: the grammar or spelling rule of the current
// exercise, an HTML page from "\regler\", shown over the whole screen.
#include "core/typer.h"
#include "platform/ui/foenster.h"

class QFrame;
class QPushButton;
class QTextBrowser;
namespace plattform { class Bildruta; }

// The page of a program number, or empty when it has none.
QString Regelsida(Word programtal);

// The page shown last; it is kept from one opening to the next.
const QString &aktuellRegelsida();
void nollstaellRegelsida();   // as at program start
QString saettRegelsida(QString sida);   // returns the page it replaced

class TRegelform : public plattform::Foenster {
    Q_OBJECT
public:
    explicit TRegelform(Word programtal, QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    plattform::Bildruta *Image1 = nullptr;
    QTextBrowser *WebBrowser1 = nullptr;
    QPushButton *ClosePanel2Knapp = nullptr;

    // Chooses the page by the window's program number and shows it.
    void Webregel();
    // The real path of the page shown, empty when none is.
    QString visadFil() const { return m_visad; }

protected:
    void showEvent(QShowEvent *e) override;      // FormShow
    bool keyDown(QKeyEvent *e) override;          // FormKeyDown
    void escape() override;

private:
    void FormCreate();
    void ClosePanel2KnappClick();
    void navigera(const QString &winSoekvaeg);
    Word m_programtal;
    QString m_visad;
};

// Shows the rule page of a program.
void VisaRegelform(Word programtal);
