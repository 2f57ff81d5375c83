// A host installation for trying the program and for its end-to-end tests: the planner's
// installation folder with its path settings, a data folder with a data file, the host
// configuration and a log folder, all below one root folder. The program finds it when it
// runs with PUBLIC and ProgramFiles set to the folders named here.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fernsteuerung {

struct Demohost_Wunsch {
    std::wstring wurzel;                        // created afresh; everything lies below it
    std::wstring administrator = L"verwalter";  // the user in the administrator list
    std::wstring zweiter_administrator;         // a second one there, unless empty
    // Zedrano.dat in the installation folder, naming the data and log folders.
    bool pfadeinstellungen = true;
    // An earlier Ferientage.dat: the state and the colour line ("&H0080FF").
    std::optional<std::pair<std::string, std::string>> ferientage;
};

struct Demohost {
    std::wstring public_ordner;  // the value for PUBLIC
    std::wstring programme;      // the value for ProgramFiles
    std::wstring installation;   // the planner's installation folder, ends in "\"
    std::wstring daten;          // its data folder, ends in "\"
    std::wstring logs;           // its log folder, ends in "\"
    std::string kennung;         // line 2 of Konfigdaten.dat
};

Demohost Demohost_anlegen(const Demohost_Wunsch& wunsch);

// The environment in which the program finds the host, run by `benutzer`.
std::map<std::wstring, std::optional<std::wstring>> Umgebung(const Demohost& host,
                                                             const std::wstring& benutzer);

void Datei_schreiben(const std::wstring& pfad, const std::string& inhalt);

}  // namespace fernsteuerung
