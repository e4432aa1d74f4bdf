#pragma once
// The window model the program's windows are written in: windows placed by
// absolute positions, shown modally by a launcher and freed when they
// close; a key preview that sees every key before the focused control;
// buttons that never act as a dialog default on Enter; Esc doing what
// each window says; and a window closed during its creation not showing.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QRect>

#include <utility>

class QKeyEvent;
class QLabel;
class QPushButton;
class QFrame;
class QLineEdit;

namespace plattform {

// The application object: it runs the windows' key preview. The program and
// the window tests both use it.
class Programmet : public QApplication {
    Q_OBJECT
public:
    Programmet(int &argc, char **argv);
    bool notify(QObject *mottagare, QEvent *e) override;
};

class Foenster : public QDialog {
    Q_OBJECT
public:
    explicit Foenster(QWidget *parent = nullptr);

    // A window without a frame or title bar.
    void saettRamloes(bool ramloes);
    // Keys go to keyDown/keyPress of the window before the focused control.
    void saettKeyPreview(bool paa) { m_keyPreview = paa; }
    bool keyPreview() const { return m_keyPreview; }

    // Closing: before the window is shown it only marks the window, so the
    // launcher does not show it; a handler that closes returns at once.
    void stang();
    bool stangdUnderSkapande() const { return m_stangdFoereVisning; }
    bool aerStangd() const { return m_stangd; }

    // Called by the key preview. Return true when the key is handled (it
    // then goes no further). keyPress is called for keys that give text.
    virtual bool keyDown(QKeyEvent *e);
    virtual bool keyPress(QChar tecken);
    virtual bool keyUp(QKeyEvent *e);

    // The key preview asks this first for Alt and Ctrl combinations: a
    // window that answers true gets the key as a KeyPress even where a
    // button's mnemonic or a shortcut would take it.
    virtual bool tarTangent(QKeyEvent *e);

    // What Esc does when nothing handled it first (default: close).
    virtual void escape();
    // A close from outside (Alt+F4, the window manager): by default the
    // window closes; windows that must report first close themselves.
    virtual void stangBegaert();

    int exec() override;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void done(int r) override;
    void closeEvent(QCloseEvent *e) override;

private:
    bool m_keyPreview = false;
    bool m_stangdFoereVisning = false;
    bool m_stangd = false;
    bool m_visad = false;
};

// Turns Enter-as-default off on every button of a window.
void ingaStandardknappar(QWidget *foenster);

// The launcher: creates the window over the active one, shows it modally
// and frees it when it closes. A window that closed itself while it was
// being created is not shown.
template <typename T, typename... Args>
int visaModalt(Args &&...args)
{
    T foenster(std::forward<Args>(args)...);
    if (foenster.stangdUnderSkapande())
        return QDialog::Rejected;
    return foenster.exec();
}

// Controls placed as the windows describe them.
QPushButton *skapaKnapp(QWidget *foeraelder, const QString &namn, const QString &text,
                        const QRect &ram);
QLabel *skapaEtikett(QWidget *foeraelder, const QString &namn, const QString &text,
                     const QPoint &plats);
QFrame *skapaPanel(QWidget *foeraelder, const QString &namn, const QRect &ram);
QLineEdit *skapaRuta(QWidget *foeraelder, const QString &namn, const QRect &ram);

// A label without margin or indent, hidden, for text the window lays out
// itself to the pixel.
QLabel *skapaTaetEtikett(QWidget *foeraelder, const QString &namn);

// A label that sizes itself to its text, as the windows' labels do.
void saettEtikettText(QLabel *etikett, const QString &text);

} // namespace plattform
