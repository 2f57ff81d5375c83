// The native main window in this process: its controls, how they pass events to the
// window's handlers, what they paint, and keyboard focus and tab order.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/win32/fenster_win32.h"
#include "platform/win32/plattform_win32.h"
#include "services/programmzustand.h"
#include "ui/frm_schulferien.h"
#include "ui/schritte.h"

namespace {

class FensterTest : public testing::Test {
  protected:
    void SetUp() override {
        Programm = {};
        Plattform_setzen(&p);
        frmSchulferien_erstellen();
        f = &static_cast<Win32Fenster&>(p.Hauptfenster());
        dpi = static_cast<int>(GetDpiForWindow(f->Handle()));
    }
    void TearDown() override {
        Plattform_setzen(nullptr);
        Nachrichten_abarbeiten();
    }
    static void Nachrichten_abarbeiten() {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message != WM_QUIT) DispatchMessageW(&m);
        }
    }
    HWND H(Steuerelement e) const { return f->Handle_von(e); }
    RECT Im_Fenster(Element e) const {
        RECT r;
        GetWindowRect(H(e), &r);
        MapWindowPoints(nullptr, f->Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // What a control paints, through WM_PRINTCLIENT into a bitmap of its size.
    std::vector<COLORREF> Gemalt(Element e, int& breite) const {
        RECT r;
        GetClientRect(H(e), &r);
        breite = r.right;
        HDC schirm = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(schirm);
        HBITMAP bmp = CreateCompatibleBitmap(schirm, r.right, r.bottom);
        HGDIOBJ alt = SelectObject(dc, bmp);
        SendMessageW(H(e), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                     PRF_CLIENT | PRF_ERASEBKGND);
        std::vector<COLORREF> pixel;
        for (int y = 0; y < r.bottom; ++y) {
            for (int x = 0; x < r.right; ++x) pixel.push_back(GetPixel(dc, x, y));
        }
        SelectObject(dc, alt);
        DeleteObject(bmp);
        DeleteDC(dc);
        ReleaseDC(nullptr, schirm);
        return pixel;
    }

    Win32Plattform p;
    Win32Fenster* f = nullptr;
    int dpi = 96;
};

TEST_F(FensterTest, AuswahlSetzenMeldetNichtsEineNutzerwahlLaeuftDurchDenRahmenZumHandler) {
    for (const char* land : {"Bayern", "Berlin", "Hessen"}) {
        f->Eintrag_hinzufuegen(Element::cmbLaenderliste, land);
    }
    f->Auswahl_setzen(Element::cmbLaenderliste, 1);
    Nachrichten_abarbeiten();
    EXPECT_EQ(f->Auswahl(Element::cmbLaenderliste), 1);
    EXPECT_EQ(f->Bild(Element::imgIcon2), Element::Keins) << "the handler ran";

    // A user's pick: the list tells its parent, the frame, which passes it on.
    HWND liste = H(Element::cmbLaenderliste);
    SendMessageW(GetParent(liste), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(liste), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(liste));
    EXPECT_EQ(f->Bild(Element::imgIcon2), Element::imgOK);
    EXPECT_EQ(f->Bild(Element::imgIcon3), Element::imgPfeil);
    EXPECT_TRUE(IsWindowEnabled(H(Element::cmdAuswahl3)));

    // What a screen reader announces for the pictures: their window text.
    wchar_t text[64];
    SendMessageW(H(Element::imgIcon2), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Schritt 2: erledigt");
    SendMessageW(H(Element::imgIcon3), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Schritt 3: aktueller Schritt");
}

TEST_F(FensterTest, EintragUndAuswahlPruefenDenIndex) {
    f->Eintrag_hinzufuegen(Element::cmbLaenderliste, "Baden-Württemberg");
    f->Eintrag_hinzufuegen(Element::cmbLaenderliste, "Thüringen");
    EXPECT_EQ(f->Eintrag(Element::cmbLaenderliste, 1), "Thüringen");
    struct Fall {
        int index;
        bool gueltig;
    };
    for (const Fall& fall :
         {Fall{-1, true}, Fall{0, true}, Fall{1, true}, Fall{2, false}, Fall{-2, false}}) {
        if (fall.gueltig) {
            EXPECT_NO_THROW(f->Auswahl_setzen(Element::cmbLaenderliste, fall.index));
            EXPECT_EQ(f->Auswahl(Element::cmbLaenderliste), fall.index);
        } else {
            try {
                f->Auswahl_setzen(Element::cmbLaenderliste, fall.index);
                ADD_FAILURE() << "index " << fall.index << " accepted";
            } catch (const Laufzeitfehler& e) {
                EXPECT_EQ(e.Nummer, Fehlernummer::IndexAusserhalb);
            }
        }
        if (fall.index >= 0) {
            if (fall.gueltig) {
                EXPECT_NO_THROW(f->Eintrag(Element::cmbLaenderliste, fall.index));
            } else {
                EXPECT_THROW(f->Eintrag(Element::cmbLaenderliste, fall.index), Laufzeitfehler);
            }
        }
    }
}

TEST_F(FensterTest, BeendenEntlaedtDasFenster) {
    SendMessageW(H(Element::cmdAuswahl5), BM_CLICK, 0, 0);
    EXPECT_EQ(f->Handle(), nullptr);
    EXPECT_FALSE(f->Ist_sichtbar());
    EXPECT_NO_THROW(f->Titel_setzen("danach"));
}

TEST_F(FensterTest, SchaltflaecheDreiMaltIhreFarbeMitRotImNiedrigstenByte) {
    struct Fall {
        std::uint32_t farbe;
        COLORREF erwartet;
    };
    for (const Fall& fall :
         {Fall{0x0000FF, RGB(255, 0, 0)}, Fall{0xFF0000, RGB(0, 0, 255)},
          Fall{0x80FF80, RGB(128, 255, 128)}, Fall{0x0080FF, RGB(255, 128, 0)}}) {
        f->Hintergrundfarbe_setzen(Element::cmdAuswahl3, fall.farbe);
        int breite = 0;
        const std::vector<COLORREF> bild = Gemalt(Element::cmdAuswahl3, breite);
        const int hoehe = static_cast<int>(bild.size()) / breite;
        EXPECT_EQ(bild[static_cast<std::size_t>(hoehe / 2) * breite + 6], fall.erwartet)
            << std::hex << fall.farbe;
    }
}

TEST_F(FensterTest, BildfelderZeigenDieKopierteQuelleMitDurchsichtigenEcken) {
    struct Fall {
        Element quelle;
        COLORREF kreis;
    };
    for (const Fall& fall :
         {Fall{Element::imgPfeil, RGB(184, 42, 23)}, Fall{Element::imgOK, RGB(0, 166, 81)},
          Fall{Element::imgInaktiv, RGB(140, 140, 140)}}) {
        f->Bild_kopieren(Element::imgIcon1, fall.quelle);
        f->Bild_kopieren(Element::imgIcon2, Element::imgIcon1);  // a copy of a copy
        EXPECT_EQ(f->Bild(Element::imgIcon2), fall.quelle);
        int breite = 0;
        const std::vector<COLORREF> bild = Gemalt(Element::imgIcon2, breite);
        ASSERT_EQ(breite, Pixel(255, dpi));
        EXPECT_EQ(bild[static_cast<std::size_t>(breite * 2 / 17) * breite + breite * 8 / 17],
                  fall.kreis);
        EXPECT_EQ(bild[0], GetSysColor(COLOR_BTNFACE)) << "the corner is not transparent";
    }
}

TEST_F(FensterTest, RahmenNimmtSeineSteuerelementeMitUndFensterhoeheFolgtDenTwips) {
    const RECT vorher = Im_Fenster(Element::cmdAuswahl4);
    f->Oben_setzen(Element::fraRahmen4, 1560);
    const RECT nachher = Im_Fenster(Element::cmdAuswahl4);
    EXPECT_EQ(Im_Fenster(Element::fraRahmen4).top, Pixel(1560, dpi));
    EXPECT_EQ(nachher.top - vorher.top, Pixel(1560, dpi) - Pixel(4200, dpi));
    EXPECT_EQ(nachher.left, vorher.left);

    f->Hoehe_setzen(4095);
    RECT aussen;
    GetWindowRect(f->Handle(), &aussen);
    EXPECT_EQ(aussen.bottom - aussen.top, Pixel(4095, dpi));
}

TEST_F(FensterTest, TabReihenfolgeBeginntBeiBeendenUndFolgtDenSchritten) {
    const std::vector<Element> reihe = {Element::cmdAuswahl5,     Element::cmdAuswahl1,
                                        Element::cmbLaenderliste, Element::cmdAuswahl3,
                                        Element::cmdAuswahl4,     Element::cmdAuswahl5};
    EXPECT_EQ(GetNextDlgTabItem(f->Handle(), nullptr, FALSE), H(reihe.front()));
    for (std::size_t i = 0; i + 1 < reihe.size(); ++i) {
        EXPECT_EQ(GetNextDlgTabItem(f->Handle(), H(reihe[i]), FALSE), H(reihe[i + 1]))
            << "after position " << i;
    }
    // A disabled frame takes its control out of the order.
    f->Aktivieren(Element::fraRahmen2, false);
    EXPECT_EQ(GetNextDlgTabItem(f->Handle(), H(Element::cmdAuswahl1), FALSE),
              H(Element::cmdAuswahl3));
}

TEST_F(FensterTest, FokusErstBeimZeigenUndWeiterWennDasFokussierteGesperrtWird) {
    f->Fokus_setzen(Element::cmdAuswahl1);  // hidden: remembered, not set
    EXPECT_NE(GetFocus(), H(Element::cmdAuswahl1));
    f->Zeigen();
    EXPECT_EQ(GetFocus(), H(Element::cmdAuswahl1));
    f->Aktivieren(Element::cmdAuswahl1, false);
    EXPECT_EQ(GetFocus(), H(Element::cmbLaenderliste));
}

TEST_F(FensterTest, QuellbilderHabenKeinFensterUndVertragenJedeAenderung) {
    for (Element e : {Element::imgPfeil, Element::imgOK, Element::imgInaktiv}) {
        EXPECT_EQ(H(e), nullptr);
        EXPECT_EQ(f->Bild(e), e);
        EXPECT_NO_THROW(f->Sichtbar_setzen(e, true));
        EXPECT_NO_THROW(f->Aktivieren(e, false));
        EXPECT_NO_THROW(f->Oben_setzen(e, 100));
    }
}

}  // namespace
