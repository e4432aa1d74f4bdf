// The one list of windows that have been built: each window module adds
// its line here, with its header above.
#include "core/foensterregister.h"

#include "dialogs/manual.h"
#include "dialogs/omkavo.h"
#include "dialogs/spelnam.h"
#include "diagnosis/tdiag.h"
#include "exercises/answer/bilden.h"
#include "exercises/answer/diktam.h"
#include "exercises/answer/flerbar.h"
#include "exercises/answer/insetxt.h"
#include "exercises/answer/passakt.h"
#include "exercises/answer/skriv.h"
#include "exercises/answer/klockan.h"
#include "exercises/answer/skrivinf.h"
#include "exercises/answer/skrivhi.h"
#include "exercises/answer/vokalex.h"
#include "exercises/arrange/avsloj.h"
#include "exercises/arrange/beraetta.h"
#include "exercises/arrange/falska.h"
#include "exercises/arrange/katten.h"
#include "exercises/arrange/flagga.h"
#include "exercises/arrange/karta.h"
#include "exercises/arrange/lasljud.h"
#include "exercises/arrange/ordnau.h"
#include "exercises/arrange/prank.h"
#include "exercises/arrange/satsu.h"
#include "exercises/arrange/svhymn.h"
#include "exercises/arrange/synonym.h"

void registreraByggdaFoenster()
{
    registreraFoenster(Foenstertyp::TManual, VisaManual);
    registreraFoenster(Foenstertyp::TOmKavo, VisaOmKavo);
    registreraFoenster(Foenstertyp::TSpelNam, VisaSpelNam);
    registreraFoenster(Foenstertyp::TDiag, VisaDiag);
    registreraFoenster(Foenstertyp::TFLERBAR, [] { VisaFLERBAR(); });
    registreraFoenster(Foenstertyp::TPassAkt, [] { VisaPassAkt(); });
    registreraFoenster(Foenstertyp::TSKRIV, [] { VisaSKRIV(); });
    registreraFoenster(Foenstertyp::TDiktam, [] { VisaDiktam(); });
    registreraFoenster(Foenstertyp::TSKRIVHI, [] { VisaSKRIVHI(); });
    registreraFoenster(Foenstertyp::TVokalex, [] { VisaVokalex(); });
    registreraFoenster(Foenstertyp::TSats, [] { VisaSats(); });
    registreraFoenster(Foenstertyp::TOrdna, [] { VisaOrdna(); });
    registreraFoenster(Foenstertyp::TKlockan, [] { VisaKlockan(); });
    registreraFoenster(Foenstertyp::TBilden, [] { VisaBilden(); });
    registreraFoenster(Foenstertyp::TSynon, [] { VisaSynon(); });
    registreraFoenster(Foenstertyp::Tavsloj, VisaAvsloj);
    registreraFoenster(Foenstertyp::TPrank, VisaPrank);
    registreraFoenster(Foenstertyp::Tberaetta, VisaBeraetta);
    registreraFoenster(Foenstertyp::TLasLjud, VisaLasLjud);
    registreraFoenster(Foenstertyp::TInseTxt, VisaInseTxt);
    registreraFoenster(Foenstertyp::TSkrivinf, [] { VisaSkrivinf(); });
    registreraFoenster(Foenstertyp::TFalska, [] { VisaFalska(); });
    registreraFoenster(Foenstertyp::Tkatten, [] { VisaKatten(); });
    registreraFoenster(Foenstertyp::TKarta, VisaKarta);
    registreraFoenster(Foenstertyp::TFlagga, VisaFlagga);
    registreraFoenster(Foenstertyp::TSvHymn, VisaSvHymn);
}
