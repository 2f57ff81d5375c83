#include "tools/demohost.h"

#include <windows.h>

#include <vector>

#include "services/text.h"
#include "services/verwuerfelung.h"
#include "tools/baum_entfernen.h"
#include "tools/fernsteuerung.h"

namespace fernsteuerung {

namespace {

void Ordner_anlegen(const std::wstring& pfad) {
    // Every folder along the path; existing ones are fine.
    for (std::size_t i = pfad.find(L'\\', 3); i != std::wstring::npos;
         i = pfad.find(L'\\', i + 1)) {
        CreateDirectoryW(pfad.substr(0, i).c_str(), nullptr);
    }
    CreateDirectoryW(pfad.c_str(), nullptr);
    const DWORD a = GetFileAttributesW(pfad.c_str());
    if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY)) {
        throw Fehlschlag("Ordner nicht angelegt: " + Schmal(pfad));
    }
}

// Lines (UTF-8) as the host stores them: scrambled in Windows-1252, CR LF.
std::string Verwuerfelt(const std::vector<std::string>& zeilen) {
    std::string bytes;
    for (const std::string& zeile : zeilen) {
        bytes += Verwuerfeln(Nach_Ansi(zeile), Naechster_Schluessel()) + "\r\n";
    }
    return bytes;
}

}  // namespace

void Datei_schreiben(const std::wstring& pfad, const std::string& inhalt) {
    Handle h(CreateFileW(pfad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) throw Fehlschlag("Datei nicht angelegt: " + Schmal(pfad));
    DWORD n = 0;
    const BOOL ok =
        WriteFile(h.get(), inhalt.data(), static_cast<DWORD>(inhalt.size()), &n, nullptr);
    if (!h.Schliessen() || !ok || n != inhalt.size())
        throw Fehlschlag("Datei nicht geschrieben: " + Schmal(pfad));
}

std::map<std::wstring, std::optional<std::wstring>> Umgebung(const Demohost& host,
                                                             const std::wstring& benutzer) {
    return {{L"USERNAME", benutzer},
            {L"PUBLIC", host.public_ordner},
            {L"ProgramFiles", host.programme}};
}

Demohost Demohost_anlegen(const Demohost_Wunsch& wunsch) {
    Baum_entfernen(wunsch.wurzel);
    Demohost host;
    host.public_ordner = wunsch.wurzel + L"\\Public";
    host.programme = wunsch.wurzel + L"\\Programme";
    host.installation =
        host.public_ordner + L"\\AppData\\Local\\VirtualStore\\Program Files\\Brindavel\\";
    host.daten = wunsch.wurzel + L"\\Velmorant\\Daten\\";
    host.logs = host.daten + L"Logs\\";
    host.kennung = "Demo-Schule Lindenhof 4711";
    Ordner_anlegen(host.programme);
    Ordner_anlegen(host.installation.substr(0, host.installation.size() - 1));
    Ordner_anlegen(host.logs.substr(0, host.logs.size() - 1));

    Datei_schreiben(host.daten + L"MitarbeiterData.dat", Verwuerfelt({"[Mitarbeiter]"}));
    std::vector<std::string> konfiguration = {
        "[Zedrano]",
        host.kennung,
        "Schulversion 7.2",
        "[Firma]",
        "Grundschule am Lindenhof",
        "Schulstraße 1, 34117 Kassel",
        "[Settings]",
        "0000000000000000000000",
        "1",
        "[Benutzer]",
        "Verwaltung",
        "[Administratoren]",
        "A:" + Schmal(wunsch.administrator),
    };
    if (!wunsch.zweiter_administrator.empty())
        konfiguration.push_back("A:" + Schmal(wunsch.zweiter_administrator));
    Datei_schreiben(host.daten + L"Konfigdaten.dat", Verwuerfelt(konfiguration));
    if (wunsch.pfadeinstellungen) {
        Datei_schreiben(host.installation + L"Zedrano.dat",
                        Verwuerfelt({"[Zedrano]", "data_pfad=" + Schmal(host.daten),
                                     "log_pfad=" + Schmal(host.logs)}));
    }
    if (wunsch.ferientage) {
        Datei_schreiben(host.daten + L"Ferientage.dat",
                        Verwuerfelt({"[Ferientage]", host.kennung, wunsch.ferientage->second,
                                     wunsch.ferientage->first, "void",
                                     "2408:1111111111111111111111111111111"}));
    }
    return host;
}

}  // namespace fernsteuerung
