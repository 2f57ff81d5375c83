#include "tools/bedienung.h"

#include <vector>

#include "tools/demohost.h"

namespace fernsteuerung {

LONGLONG Zeitpunkt_jetzt() {
    LARGE_INTEGER zaehler, frequenz;
    QueryPerformanceCounter(&zaehler);
    QueryPerformanceFrequency(&frequenz);
    const LONGLONG f = frequenz.QuadPart;
    return zaehler.QuadPart / f * 10000000 + zaehler.QuadPart % f * 10000000 / f;
}

namespace {

std::vector<std::string> Felder(const std::string& zeile) {
    std::vector<std::string> felder;
    std::size_t anfang = 0;
    for (;;) {
        const std::size_t tab = zeile.find('\t', anfang);
        felder.push_back(zeile.substr(anfang, tab - anfang));
        if (tab == std::string::npos) return felder;
        anfang = tab + 1;
    }
}

// Waits until the instant `ziel`: asleep while it is far, then polling, so that the next step
// comes as close to it as the process can be.
void Bis(LONGLONG ziel) {
    for (;;) {
        const LONGLONG rest = ziel - Zeitpunkt_jetzt();
        if (rest <= 0) return;
        if (rest > 30000) Sleep(static_cast<DWORD>(rest / 10000 - 2));
    }
}

// The content of the file `pfad` once it is there, an order or an answer: written whole
// under another name and renamed, it may still be held a moment by the rename (for deleting).
std::string Lesen_sobald_da(const std::wstring& pfad, const std::string& was, double sekunden) {
    std::string inhalt;
    Warten(
        was,
        [&] {
            const Handle h(CreateFileW(pfad.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
            if (!h) return false;
            char puffer[4096];
            DWORD n = 0;
            inhalt.clear();
            while (ReadFile(h.get(), puffer, sizeof(puffer), &n, nullptr) && n > 0)
                inhalt.append(puffer, n);
            return true;
        },
        sekunden, 2);
    return inhalt;
}

}  // namespace

std::string Bedienung::Ausfuehren(const std::string& auftrag) {
    const std::vector<std::string> f = Felder(auftrag);
    const std::string& was = f[0];
    const auto feld = [&](std::size_t n) -> const std::string& {
        if (n >= f.size()) throw Fehlschlag("Auftrag ohne Feld " + std::to_string(n) + ": " + was);
        return f[n];
    };
    if (was == "starten") {
        if (programm_ && programm_->Laeuft()) throw Fehlschlag("das Programm läuft schon");
        programm_.reset();
        programm_ = std::make_unique<Programm>(
            Breit(feld(1)),
            std::map<std::wstring, std::optional<std::wstring>>{{L"USERNAME", Breit(feld(2))},
                                                                {L"PUBLIC", Breit(feld(3))},
                                                                {L"ProgramFiles", Breit(feld(4))}});
        HWND fenster = programm_->Hauptfenster();
        liste_ = Steuerelement(fenster, L"ComboBox");
        schritt4_ = Steuerelement(fenster, L"Button", L"Schulferiendaten aktualisieren");
        beenden_ = Steuerelement(fenster, L"Button", L"&Beenden");
        return "";
    }
    if (was == "computer") {
        wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
        DWORD laenge = MAX_COMPUTERNAME_LENGTH + 1;
        if (!GetComputerNameW(name, &laenge)) throw Fehlschlag("kein Computername");
        return Schmal(std::wstring(name, laenge));
    }
    if (was == "anhaengen") {
        const std::wstring datei = Breit(feld(1));
        const LONGLONG ziel = std::stoll(feld(2));
        const int anzahl = std::stoi(feld(3));
        const LONGLONG abstand = std::stoll(feld(4)) * 10000;
        const std::string zeile = feld(5) + "\r\n";
        for (int i = 0; i < anzahl; ++i) {
            Bis(ziel + i * abstand);
            const Handle h(CreateFileW(datei.c_str(), FILE_APPEND_DATA,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!h) throw Fehlschlag("nicht geöffnet: " + Schmal(datei));
            DWORD n = 0;
            WriteFile(h.get(), zeile.data(), static_cast<DWORD>(zeile.size()), &n, nullptr);
        }
        return "";
    }
    if (!programm_) throw Fehlschlag("kein Programm gestartet");
    if (was == "land") {
        Auswaehlen(liste_, std::stoi(feld(1)));
        Warten("Schritt 4 bedienbar", [&] { return Aktiv(schritt4_); });
        return "";
    }
    if (was == "klicken") {
        if (!Aktiv(schritt4_)) throw Fehlschlag("Schritt 4 ist nicht bedienbar");
        const LONGLONG ziel = std::stoll(feld(1));
        Bis(ziel);
        PostMessageW(schritt4_, BM_CLICK, 0, 0);
        const LONGLONG spaet = Zeitpunkt_jetzt() - ziel;
        const Meldung m = Meldung_bestaetigen(*programm_, 30.0);
        // The step ends: after the confirmation its button is disabled; a message that ends
        // the program takes the window with it. Any other leaves the step as it was.
        try {
            Warten(
                "Schritt beendet",
                [&] {
                    return !programm_->Laeuft() ||
                           (IsWindow(schritt4_) && !IsWindowEnabled(schritt4_));
                },
                5.0);
        } catch (const Fehlschlag&) {
        }
        return std::to_string(spaet) + (programm_->Laeuft() ? " 1\n" : " 0\n") + Schmal(m.text);
    }
    if (was == "beenden") {
        if (programm_->Laeuft()) Klicken(beenden_);
        return std::to_string(programm_->Ende_abwarten());
    }
    throw Fehlschlag("unbekannter Auftrag: " + was);
}

void Kanal::Senden(const std::string& auftrag) {
    const std::wstring name = ordner_ + L"\\auftrag-" + std::to_wstring(++nummer_);
    Datei_schreiben(name + L".neu", auftrag);
    if (!MoveFileExW((name + L".neu").c_str(), name.c_str(), 0))
        throw Fehlschlag("Auftrag nicht gestellt: " + Schmal(name));
}

std::string Kanal::Antwort(double sekunden) {
    const std::string antwort = Lesen_sobald_da(ordner_ + L"\\antwort-" + std::to_wstring(nummer_),
                                                "Antwort der Gegenstelle", sekunden);
    if (antwort.empty() || antwort[0] != ' ')
        throw Fehlschlag("Gegenstelle: " + (antwort.empty() ? antwort : antwort.substr(1)));
    return antwort.substr(1);
}

void Gegenstelle(const std::wstring& kanal) {
    Bedienung bedienung;
    for (int n = 1;; ++n) {
        const std::string was =
            Lesen_sobald_da(kanal + L"\\auftrag-" + std::to_wstring(n), "Auftrag", 600.0);
        if (was == "schluss") return;
        // Built in steps: mingw-w64's g++ 12 warns falsely about " " + a string.
        std::string antwort(1, ' ');
        try {
            antwort.append(bedienung.Ausfuehren(was));
        } catch (const std::exception& fehler) {
            antwort.assign(1, '!').append(fehler.what());
        }
        const std::wstring name = kanal + L"\\antwort-" + std::to_wstring(n);
        Datei_schreiben(name + L".neu", antwort);
        MoveFileExW((name + L".neu").c_str(), name.c_str(), 0);
    }
}

}  // namespace fernsteuerung
