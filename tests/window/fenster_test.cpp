// The native main window in this process: how its controls pass events to the window's
// handlers, and what they paint. What the user sees of it otherwise, the fake's window
// shows alike: tests/contract/fenster_vertrag_test.cpp.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "form/schritte.h"
#include "platform/bild_skalieren.h"
#include "platform/gif_bild.h"
#include "platform/win32/fenster_win32.h"
#include "platform/win32/plattform_win32.h"
#include "ressourcen.h"
#include "tests/support/pixel.h"
#include "tests/support/programmlauf.h"
#include "tests/support/ressource_win32.h"
#include "ui/frm_schulferien.h"

namespace {

using orakel::Pixel;

class FensterTest : public testing::Test {
  protected:
    void SetUp() override {
        frmSchulferien_erstellen();
        f = &static_cast<Win32Fenster&>(p.Hauptfenster());
        dpi = static_cast<int>(GetDpiForWindow(f->Handle()));
    }
    void TearDown() override { Nachrichten_abarbeiten(); }
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
    Programmlauf lauf{p};
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

TEST_F(FensterTest, SchaltflaecheDreiZeigtImHohenKontrastDieFarbeAlsUmrandetesMuster) {
    struct Fall {
        bool kontrast;
        std::uint32_t farbe;
    };
    const COLORREF flaeche = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
    for (const Fall& fall : {Fall{false, 0x0000FF}, Fall{true, 0x0000FF}, Fall{true, 0x800000},
                             Fall{true, 0xC0FFC0}, Fall{false, 0x800000}}) {
        f->Hoher_Kontrast_setzen(fall.kontrast);
        f->Hintergrundfarbe_setzen(Element::cmdAuswahl3, fall.farbe);
        const COLORREF farbe = static_cast<COLORREF>(fall.farbe);
        int breite = 0;
        const std::vector<COLORREF> bild = Gemalt(Element::cmdAuswahl3, breite);
        const int hoehe = static_cast<int>(bild.size()) / breite;
        auto p = [&](int x, int y) { return bild[static_cast<std::size_t>(y) * breite + x]; };
        const std::string fall_text =
            (fall.kontrast ? "kontrast " : "normal ") + std::to_string(fall.farbe);
        if (!fall.kontrast) {  // the whole face in the colour
            EXPECT_EQ(p(6, hoehe / 2), farbe) << fall_text;
            EXPECT_EQ(p(breite - 6, hoehe / 2), farbe) << fall_text;
            continue;
        }
        // The face stays the theme's; along the middle row, from the left: face, the text
        // colour's border, the colour, the border again, and never the colour in the right half.
        EXPECT_EQ(p(breite - 6, hoehe / 2), flaeche) << fall_text;
        std::vector<COLORREF> folge;
        for (int x = 3; x < breite / 2; ++x) {
            if (folge.empty() || folge.back() != p(x, hoehe / 2)) folge.push_back(p(x, hoehe / 2));
        }
        ASSERT_GE(folge.size(), 4u) << fall_text;
        EXPECT_EQ(std::vector<COLORREF>(folge.begin(), folge.begin() + 4),
                  (std::vector<COLORREF>{flaeche, text, farbe, text}))
            << fall_text;
        int farbig_rechts = 0, text_rechts = 0;
        for (int y = 0; y < hoehe; ++y) {
            for (int x = breite / 2; x < breite; ++x) {
                farbig_rechts += p(x, y) == farbe;
                text_rechts += p(x, y) == text;
            }
        }
        EXPECT_EQ(farbig_rechts, 0) << fall_text;
        EXPECT_GT(text_rechts, 0) << fall_text << ": the caption in the theme's text colour";
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

// The window as Windows moves it to a monitor of `neu` DPI.
void Dpi_wechseln(HWND fenster, int neu) {
    RECT r;
    GetWindowRect(fenster, &r);
    SendMessageW(fenster, WM_DPICHANGED, MAKEWPARAM(neu, neu), reinterpret_cast<LPARAM>(&r));
}

// The largest difference of one colour channel.
int Abstand(COLORREF a, COLORREF b) {
    int d = 0;
    for (int k = 0; k < 24; k += 8)
        d = std::max(d, std::abs(int((a >> k) & 0xFF) - int((b >> k) & 0xFF)));
    return d;
}

TEST_F(FensterTest, BildfelderZeigenBeiJedemDpiDieFassungDieserGroesseGeglaettet) {
    struct Fall {
        int dpi;
        int pixel;      // the picture's size
        int ressource;  // the rendering it is made from
        int toleranz;   // per colour channel: blending rounds
    };
    for (const Fall& fall :
         {Fall{96, 17, IDR_OK, 0}, Fall{120, 21, IDR_OK_21, 0}, Fall{144, 26, IDR_OK_26, 0},
          Fall{168, 30, IDR_OK_34, 1}, Fall{192, 34, IDR_OK_34, 0}, Fall{288, 51, IDR_OK_43, 1}}) {
        const std::string bei = std::to_string(fall.dpi) + " dpi";
        Dpi_wechseln(f->Handle(), fall.dpi);
        f->Bild_kopieren(Element::imgIcon1, Element::imgOK);
        int breite = 0;
        const std::vector<COLORREF> bild = Gemalt(Element::imgIcon1, breite);
        ASSERT_EQ(breite, Pixel(255, fall.dpi)) << bei;

        // The rendering, premultiplied, at the picture's size, over the button face.
        std::optional<Gif_Bild> gif = Gif_dekodieren(Ressource(fall.ressource));
        ASSERT_TRUE(gif) << bei;
        for (std::uint32_t& p : gif->pixel) p = (p >> 24) ? p : 0;
        const std::vector<std::uint32_t> soll =
            Bild_skalieren(gif->pixel, gif->breite, gif->hoehe, fall.pixel, fall.pixel);
        const COLORREF grund = GetSysColor(COLOR_BTNFACE);
        int abweichend = 0;
        for (int y = 0; y < fall.pixel; ++y) {
            for (int x = 0; x < fall.pixel; ++x) {
                const std::uint32_t p = soll[static_cast<std::size_t>(y) * fall.pixel + x];
                const unsigned rest = 255 - (p >> 24);
                auto kanal = [&](int quelle, int ziel) {
                    return ((p >> quelle) & 0xFF) + ((grund >> ziel) & 0xFF) * rest / 255;
                };
                const COLORREF erwartet = RGB(kanal(16, 0), kanal(8, 8), kanal(0, 16));
                const COLORREF gemalt = bild[static_cast<std::size_t>(y) * breite + x];
                if (Abstand(gemalt, erwartet) > fall.toleranz && ++abweichend <= 3) {
                    ADD_FAILURE() << bei << " at " << x << "," << y << ": " << std::hex << gemalt
                                  << " instead of " << erwartet;
                }
            }
        }
        EXPECT_EQ(abweichend, 0) << bei;
    }
}

}  // namespace
