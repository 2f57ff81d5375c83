// The native main window in this process: how its controls pass events to the window's
// handlers, and what they paint. What the user sees of it otherwise, the fake's window
// shows alike: tests/contract/fenster_vertrag_test.cpp.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/win32/fenster_win32.h"
#include "platform/win32/plattform_win32.h"
#include "services/programmzustand.h"
#include "tests/support/pixel.h"
#include "ui/frm_schulferien.h"
#include "ui/schritte.h"

namespace {

using orakel::Pixel;

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

// A user's pick: the list tells its parent, the frame, which passes it on to the handler.
TEST_F(FensterTest, EineNutzerwahlLaeuftDurchDenRahmenZumHandler) {
    for (const char* land : {"Bayern", "Berlin", "Hessen"}) {
        f->Eintrag_hinzufuegen(Element::cmbLaenderliste, land);
    }
    f->Auswahl_setzen(Element::cmbLaenderliste, 1);
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
        int breite = 0;
        const std::vector<COLORREF> bild = Gemalt(Element::imgIcon2, breite);
        ASSERT_EQ(breite, Pixel(255, dpi));
        EXPECT_EQ(bild[static_cast<std::size_t>(breite * 2 / 17) * breite + breite * 8 / 17],
                  fall.kreis);
        EXPECT_EQ(bild[0], GetSysColor(COLOR_BTNFACE)) << "the corner is not transparent";
    }
}

}  // namespace
