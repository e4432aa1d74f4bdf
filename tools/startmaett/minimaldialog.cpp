// The yardstick of the start-up benchmark (tools/startmaett.sh): the least a
// Qt program with a window does, built with the same compiler and flags.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto *lager = new QVBoxLayout(&dialog);
    lager->addWidget(new QLabel(QStringLiteral("Morvika")));
    auto *ok = new QPushButton(QStringLiteral("OK"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    lager->addWidget(ok);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
