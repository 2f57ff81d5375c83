#include "tests/e2e/gleichzeitig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/e2e/pruefungen.h"
#include "tests/support/ferien.h"
#include "tests/support/verwuerfelt.h"

namespace e2e {

namespace {

// How long before the instant of a click its order goes out: time enough for the Gegenstelle
// to read it (in ticks of 100 ns).
constexpr LONGLONG Vorlauf = 2500000;

// One of the two users: the state picked before each click and what the click brings.
struct Nutzer {
    const char* wer;
    std::string starten;             // the order that starts the program
    int land;                        // in the window's list, from 0
    std::vector<std::string> datei;  // Ferientage.dat's lines after the write
    std::string bestaetigung;        // how the confirmation begins
    std::string logeintrag;          // the log book's entry after its time stamp
    // The length of the log book's line: the key, a byte a character, CR LF.
    std::size_t Loglaenge() const { return 1 + 18 + Breit(logeintrag).size() + 2; }
};

Nutzer Nutzer_von(const char* wer, const Demohost& host, const std::string& benutzer,
                  const std::string& land, const orakel::Liste& monate) {
    Nutzer n{wer, "", 0, {"[Ferientage]", host.kennung, "&H80FF80", land, "void"}, "", ""};
    n.starten = "starten\t" + Schmal(Eigener_Ordner()) + "Schulferien.exe\t" + benutzer + "\t" +
                Schmal(host.public_ordner) + "\t" + Schmal(host.programme);
    n.land = static_cast<int>(std::find(orakel::Laender.begin(), orakel::Laender.end(), land) -
                              orakel::Laender.begin());
    n.datei.insert(n.datei.end(), monate.begin(), monate.end());
    n.bestaetigung = "Folgende Ferienzeiten werden gekennzeichnet:\r\rLand: " + land + "\r\r";
    n.logeintrag = benutzer + "|ZedraAdmin|Daten der Schulferien für Land " + land +
                   " aktualisiert, Stand der Daten: 15.06.24";
    return n;
}

// The message that ends the program when a file can't be opened: what the program has to
// say about a lock it can't wait out.
bool Sperrmeldung(const std::string& text) {
    return text.rfind("Die Datei '", 0) == 0 &&
           text.find("' konnte nicht geöffnet werden.") != std::string::npos;
}

// The lines of `bytes` split at CR LF; the last one without it too.
std::vector<std::string> Zeilen(const std::string& bytes) {
    std::vector<std::string> zeilen;
    for (std::size_t anfang = 0; anfang < bytes.size();) {
        std::size_t ende = bytes.find("\r\n", anfang);
        if (ende == std::string::npos) ende = bytes.size();
        zeilen.push_back(bytes.substr(anfang, ende - anfang));
        anfang = ende + 2;
    }
    return zeilen;
}

struct Zahlen {
    int bestaetigungen = 0, andere = 0, fehler = 0, zerrissen = 0;
    int zuletzt[2] = {};   // rounds after which the file was that side's write
    LONGLONG abstand = 0;  // the greatest time between the two clicks of a round, 100 ns
    int eintraege = 0, verloren = 0, bruchstuecke = 0;  // of the log book
};

// What a round added to the log book, `neu`. Each confirmed side appended its entry: they are
// there whole, unless two appends overlapped, one written over the other (the system's fault,
// never the program's, see Verlorene_Anhaenge): then the log book grew by less than both, by
// at least the longer one, and no entry came twice.
void Logbuch_der_Runde(const std::string& neu, const Nutzer (&n)[2], const bool (&bestaetigt)[2],
                       Zahlen& z) {
    std::size_t soll = 0, laengste = 0;
    int erwartet = 0;
    for (int i = 0; i < 2; ++i) {
        if (!bestaetigt[i]) continue;
        soll += n[i].Loglaenge();
        laengste = std::max(laengste, n[i].Loglaenge());
        ++erwartet;
    }
    int ganz[2] = {}, bruch = 0;
    for (const std::string& zeile : Zeilen(neu)) {
        const std::vector<std::string> klar = orakel::Entwuerfelt(zeile);
        const std::string text = klar.empty() ? "" : klar[0];
        int wer = -1;
        for (int i = 0; i < 2; ++i) {
            if (text.size() > 18 && text.substr(0, 12) == "14.03.25 10:" &&
                text.substr(18) == n[i].logeintrag)
                wer = i;
        }
        if (wer < 0) {
            ++bruch;
        } else {
            ++ganz[wer];
        }
    }
    if (neu.size() == soll) {
        for (int i = 0; i < 2; ++i) EXPECT_EQ(ganz[i], bestaetigt[i] ? 1 : 0) << n[i].wer;
        EXPECT_EQ(bruch, 0) << "Bruchstücke im Logbuch";
    } else {
        EXPECT_LT(neu.size(), soll) << "Logbuch: mehr als die beiden Einträge";
        EXPECT_GE(neu.size(), laengste) << "Logbuch: weniger als der längere Eintrag";
        for (int i = 0; i < 2; ++i) EXPECT_LE(ganz[i], bestaetigt[i] ? 1 : 0) << n[i].wer;
        z.verloren += erwartet - ganz[0] - ganz[1];
    }
    z.eintraege += ganz[0] + ganz[1];
    z.bruchstuecke += bruch;
}

// How many of 2 * `anzahl` appends to `datei` are lost when both sides append at the same
// instants, each as the program adds to its log book. Windows appends in one step; Wine
// writes at the end it found a moment before, so that of two appends at once one may land
// over the other.
int Verlorene_Anhaenge(const std::wstring& datei, Bedienung& erster, Kanal& zweiter, int anzahl) {
    const std::string auftrag = "anhaengen\t" + Schmal(datei) + "\t" +
                                std::to_string(Zeitpunkt_jetzt() + Vorlauf) + "\t" +
                                std::to_string(anzahl) + "\t10\t";
    const std::string hier = "von hier", dort = "von der Gegenstelle";
    zweiter.Senden(auftrag + dort);
    erster.Ausfuehren(auftrag + hier);
    zweiter.Antwort();
    int ganz = 0;
    for (const std::string& zeile : Zeilen(Datei_lesen(datei))) {
        if (zeile == hier || zeile == dort) ++ganz;
    }
    return 2 * anzahl - ganz;
}

// What writers left beside Ferientage.dat in `ordner`: new files and backups.
int Reste(const std::wstring& ordner) {
    const std::vector<std::wstring> namen = Dateinamen(ordner);
    return static_cast<int>(std::count_if(namen.begin(), namen.end(), [](const std::wstring& n) {
        return n.rfind(L"Ferientage.dat.~", 0) == 0;
    }));
}

}  // namespace

void Gleichzeitig_aktualisieren(const Demohost& host, Kanal& zweiter, int runden,
                                bool zwei_computer) {
    Bedienung erster;
    // The computers' names: Wine takes the host's name for each prefix, unless it is set.
    const std::string computer[2] = {erster.Ausfuehren("computer"), zweiter.Auftrag("computer")};
    if (zwei_computer) {
        EXPECT_NE(computer[0], computer[1]) << "zwei Computer mit einem Namen";
    } else {
        EXPECT_EQ(computer[0], computer[1]) << "zwei Kopien auf einem Computer";
    }
    constexpr int Anhaenge = 100;
    const int wine_verloren =
        Verlorene_Anhaenge(host.logs + L"Anhangprobe.txt", erster, zweiter, Anhaenge);

    const Nutzer n[2] = {
        Nutzer_von("hier", host, "verwalter", "Hessen", orakel::Hessen_Monate),
        Nutzer_von("dort", host, "sekretariat", "Sachsen-Anhalt", orakel::Sachsen_Anhalt_Monate)};
    zweiter.Senden(n[1].starten);
    erster.Ausfuehren(n[0].starten);
    zweiter.Antwort();

    const std::wstring ferientage = host.daten + L"Ferientage.dat",
                       logbuch = host.logs + L"2503 Zedrano.log";
    std::size_t log_bisher = 0;
    Zahlen z;
    for (int runde = 1; runde <= runden; ++runde) {
        SCOPED_TRACE("Runde " + std::to_string(runde));
        zweiter.Senden("land\t" + std::to_string(n[1].land));
        erster.Ausfuehren("land\t" + std::to_string(n[0].land));
        zweiter.Antwort();
        const std::string klick = "klicken\t" + std::to_string(Zeitpunkt_jetzt() + Vorlauf);
        zweiter.Senden(klick);
        const std::string antwort[2] = {erster.Ausfuehren(klick), zweiter.Antwort()};

        bool bestaetigt[2] = {};
        LONGLONG spaet[2] = {};
        for (int i = 0; i < 2; ++i) {
            const std::size_t umbruch = antwort[i].find('\n');
            const std::string kopf = antwort[i].substr(0, umbruch),
                              text = antwort[i].substr(umbruch + 1);
            spaet[i] = std::stoll(kopf);
            if (text.rfind(n[i].bestaetigung, 0) == 0) {
                bestaetigt[i] = true;
                ++z.bestaetigungen;
            } else {
                ++(Sperrmeldung(text) ? z.andere : z.fehler);
                ADD_FAILURE() << n[i].wer << " ohne Bestätigung: " << text;
            }
            if (kopf.back() != '1') {  // the message ended the program: started anew
                if (i == 0) {
                    erster.Ausfuehren(n[0].starten);
                } else {
                    zweiter.Auftrag(n[1].starten);
                }
            }
        }
        z.abstand =
            std::max(z.abstand, spaet[0] > spaet[1] ? spaet[0] - spaet[1] : spaet[1] - spaet[0]);

        const std::vector<std::string> datei = Zeilen_von(ferientage);
        int welche = -1;
        for (int i = 0; i < 2; ++i) {
            if (bestaetigt[i] && datei == n[i].datei) welche = i;
        }
        if (welche < 0) {
            ++z.zerrissen;
            ADD_FAILURE() << "Ferientage.dat ist keine der beiden geschriebenen Fassungen";
        } else {
            ++z.zuletzt[welche];
        }

        const std::string log = Datei_vorhanden(logbuch) ? Datei_lesen(logbuch) : "";
        ASSERT_GE(log.size(), log_bisher) << "Logbuch geschrumpft";
        Logbuch_der_Runde(log.substr(log_bisher), n, bestaetigt, z);
        log_bisher = log.size();
    }

    zweiter.Senden("beenden");
    EXPECT_EQ(erster.Ausfuehren("beenden"), "0") << "Exit-Code hier";
    EXPECT_EQ(zweiter.Antwort(), "0") << "Exit-Code dort";
    const int reste = Reste(host.daten);
    EXPECT_EQ(reste, 0) << "Reste neben Ferientage.dat";
    // Where the system keeps two appends at once whole, the log book must have every entry.
    if (wine_verloren == 0) {
        EXPECT_EQ(z.verloren, 0) << "Logbucheinträge verloren";
    }

    std::printf(
        "Zwei Benutzer gleichzeitig, %s (%s und %s): %d Runden, %d Bestätigungen, %d andere "
        "Meldungen, %d Fehler, %d zerrissene Dateien, %d Reste; die Datei zuletzt von hier %d-, "
        "von dort %d-mal geschrieben; Klicks höchstens %lld µs auseinander.\n"
        "Logbuch: %d ganze Einträge, %d verloren, %d Bruchstücke; das System allein verlor %d "
        "von %d gleichzeitigen Anhängen.\n",
        zwei_computer ? "zwei Computer" : "ein Computer", computer[0].c_str(), computer[1].c_str(),
        runden, z.bestaetigungen, z.andere, z.fehler, z.zerrissen, reste, z.zuletzt[0],
        z.zuletzt[1], z.abstand / 10, z.eintraege, z.verloren, z.bruchstuecke, wine_verloren,
        2 * Anhaenge);
    std::fflush(stdout);
}

}  // namespace e2e
