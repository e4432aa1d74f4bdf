#include "core/diagnosnummer.h"

int GeDiagnosNummer(Word p)
{
    if (p >= 23100 && p <= 23900 && p % 100 == 0)
        return (p - 23000) / 100;          // 23100 → 1 … 23900 → 9
    if (p == 22200 || p == 22300) return 10;
    if (p == 24300) return 11;
    if (p == 45000) return 12;
    if (p >= 43100 && p <= 43300) return 13;
    if (p == 42000) return 14;
    if (p == 32400) return 15;
    if (p >= 33100 && p <= 33300) return 16;
    if (p >= 34100 && p <= 34800) return 17;
    return 0;
}
