#pragma once
// The windows a program number or a menu entry opens, each with the name
// of its launcher. One list, so that the enum and the names cannot part.
#define MORV_FOENSTERTYPER(X)                                                                  \
    X(TFLERBAR, VisaFLERBAR) X(TSKRIV, VisaSKRIV) X(TBilden, VisaBilden)                       \
    X(TSkrivinf, VisaSkrivinf) X(TPassAkt, VisaPassAkt) X(TSKRIVHI, VisaSKRIVHI)               \
    X(TDiktam, VisaDiktam) X(TKlockan, VisaKlockan) X(TVokalex, VisaVokalex)                   \
    X(TSats, VisaSats) X(TOrdna, VisaOrdna) X(TSynon, VisaSynon) X(TLasLjud, VisaLasLjud)      \
    X(TInseTxt, VisaInseTxt) X(Tavsloj, VisaAvsloj) X(TPrank, VisaPrank)                       \
    X(Tberaetta, VisaBeraetta) X(TFalska, VisaFalska) X(Tkatten, VisaKatten)                   \
    X(TKarta, VisaKarta) X(TFlagga, VisaFlagga) X(TSvHymn, VisaSvHymn)                         \
    X(TSpelNam, VisaSpelNam) /* player names, before the odd-one-out game */                   \
    X(TDiag, VisaDiag)       /* diagnosis sign-in (main window "Diagnos") */                   \
    X(TManual, VisaManual)   /* main window "Manual" */                                        \
    X(TOmKavo, VisaOmKavo)   /* main window "Om Morvika" */

enum class Foenstertyp {
#define MORV_TYP(typ, startare) typ,
    MORV_FOENSTERTYPER(MORV_TYP)
#undef MORV_TYP
    Ingen
};
