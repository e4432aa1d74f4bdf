#pragma once
// The diagnosis protocol on paper: one A4 page, a heading with the pupil's
// name and the protocol grid as a ruled table, through the print dialog.

#include <QList>
#include <QStringList>

// `rader`: the grid's rows (heading, tests 1..17, sum), each with its five
// cells as shown on screen. Nothing is printed when the dialog is cancelled.
void SkrivutDiaggen(const QList<QStringList> &rader);
